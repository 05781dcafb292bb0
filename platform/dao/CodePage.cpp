#include "platform/dao/CodePage.h"

#include <cerrno>
#include <iconv.h>

namespace
{
// Converts byte by byte on failure, so that one bad byte costs one replacement.
std::string Convert(std::string_view input, const char* to, const char* from, const std::string& replacement)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == iconv_t(-1))
        return std::string(input);
    std::string out;
    out.reserve(input.size() * 2);
    char buffer[256];
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    while (inLeft > 0)
    {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof(buffer);
        const std::size_t result = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, std::size_t(outPtr - buffer));
        if (result == std::size_t(-1) && errno != E2BIG)
        {
            // An invalid or incomplete sequence: skip one byte (or one UTF-8 character).
            std::size_t skip = 1;
            if (std::string_view(from) == "UTF-8")
                while (skip < inLeft && (static_cast<unsigned char>(in[skip]) & 0xC0) == 0x80)
                    ++skip;
            in += skip;
            inLeft -= skip;
            out += replacement;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(cd);
    return out;
}
} // namespace

namespace CodePage
{
std::string ToUtf8(std::string_view bytes, const char* codePage)
{
    return Convert(bytes, "UTF-8", codePage, "\xEF\xBF\xBD");
}

std::string FromUtf8(std::string_view utf8, const char* codePage) { return Convert(utf8, codePage, "UTF-8", "?"); }

bool IsUtf8(std::string_view bytes)
{
    const std::size_t n = bytes.size();
    std::size_t i = 0;
    while (i < n)
    {
        const auto c = static_cast<unsigned char>(bytes[i]);
        std::size_t more = 0;
        if (c < 0x80)
            more = 0;
        else if (c >= 0xC2 && c <= 0xDF)
            more = 1;
        else if (c >= 0xE0 && c <= 0xEF)
            more = 2;
        else if (c >= 0xF0 && c <= 0xF4)
            more = 3;
        else
            return false;
        if (i + more >= n && more > 0)
            return false;
        for (std::size_t k = 1; k <= more; ++k)
            if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80)
                return false;
        i += more + 1;
    }
    return true;
}

std::string Utf8OrCp1250(std::string_view bytes)
{
    return IsUtf8(bytes) ? std::string(bytes) : ToUtf8(bytes, "CP1250");
}
} // namespace CodePage
