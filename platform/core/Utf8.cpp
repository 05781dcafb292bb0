#include "platform/core/CString.h"

#include <cerrno>
#include <iconv.h>

namespace Utf8
{
namespace
{
bool IsContinuation(unsigned char b)
{
    return (b & 0xC0) == 0x80;
}
} // namespace

int CharCount(std::string_view s)
{
    int n = 0;
    for (unsigned char b : s)
        if (!IsContinuation(b))
            ++n;
    return n;
}

std::size_t ByteOffset(std::string_view s, int charIndex)
{
    if (charIndex <= 0)
        return 0;
    std::size_t pos = 0;
    for (int i = 0; i < charIndex && pos < s.size(); ++i)
    {
        ++pos;
        while (pos < s.size() && IsContinuation(static_cast<unsigned char>(s[pos])))
            ++pos;
    }
    return pos;
}

std::string Truncate(std::string_view s, int maxChars)
{
    return std::string(s.substr(0, ByteOffset(s, maxChars)));
}

std::string Encode(char32_t c)
{
    std::string out;
    if (c < 0x80)
        out += char(c);
    else if (c < 0x800)
    {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    }
    else if (c < 0x10000)
    {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
    else
    {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
    return out;
}

char32_t Decode(std::string_view s, std::size_t& pos)
{
    const unsigned char b = static_cast<unsigned char>(s[pos++]);
    int extra = 0;
    char32_t c = b;
    if (b >= 0xF0)
        extra = 3, c = b & 0x07;
    else if (b >= 0xE0)
        extra = 2, c = b & 0x0F;
    else if (b >= 0xC0)
        extra = 1, c = b & 0x1F;
    for (; extra > 0 && pos < s.size() && IsContinuation(static_cast<unsigned char>(s[pos])); --extra)
        c = (c << 6) | (static_cast<unsigned char>(s[pos++]) & 0x3F);
    return c;
}

bool IsValid(std::string_view s)
{
    for (std::size_t i = 0; i < s.size();)
    {
        const unsigned char b = static_cast<unsigned char>(s[i]);
        const int extra = b < 0x80                ? 0
                          : b >= 0xC2 && b < 0xE0 ? 1
                          : b >= 0xE0 && b < 0xF0 ? 2
                          : b >= 0xF0 && b < 0xF5 ? 3
                                                  : -1;
        if (extra < 0 || i + std::size_t(extra) >= s.size() + (extra == 0 ? 1 : 0))
            return false;
        for (int k = 1; k <= extra; ++k)
            if (!IsContinuation(static_cast<unsigned char>(s[i + k])))
                return false;
        i += std::size_t(extra) + 1;
    }
    return true;
}

namespace
{
std::string Convert(std::string_view s, const char* to, const char* from)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == iconv_t(-1))
        return std::string(s);
    std::string out;
    out.reserve(s.size() + s.size() / 8);
    // iconv reads its input through a non-const pointer but does not write to it.
    const std::string_view input = s;
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char buffer[4096];
    while (inLeft > 0)
    {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t r = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, std::size_t(outPtr - buffer));
        if (r == std::size_t(-1) && errno != E2BIG)
        {
            // A byte or character the other side lacks: '?' and go on.
            out += '?';
            if (std::string_view(from) == "UTF-8")
            {
                std::size_t pos = std::size_t(in - input.data());
                Decode(input, pos);
                inLeft -= pos - std::size_t(in - input.data());
                in = const_cast<char*>(input.data()) + pos;
            }
            else
            {
                ++in;
                --inLeft;
            }
        }
    }
    iconv_close(cd);
    return out;
}
} // namespace

std::string FromCp1250(std::string_view s)
{
    return Convert(s, "UTF-8", "CP1250");
}

std::string ToCp1250(std::string_view s)
{
    return Convert(s, "CP1250", "UTF-8");
}
} // namespace Utf8
