#include "platform/dao/TextCodec.h"

namespace workbook
{

namespace
{

// Collects UTF-8 bytes in a small buffer and appends them in pieces: one append per
// buffer instead of one per byte.
class Utf8Appender
{
public:
    explicit Utf8Appender(std::string& out) : out_(out) {}
    ~Utf8Appender() { Flush(); }
    Utf8Appender(const Utf8Appender&) = delete;
    Utf8Appender& operator=(const Utf8Appender&) = delete;

    void Add(char32_t cp)
    {
        if (used_ > sizeof buffer_ - 4)
            Flush();
        char* p = buffer_ + used_;
        if (cp < 0x80)
            *p++ = static_cast<char>(cp);
        else if (cp < 0x800)
        {
            *p++ = static_cast<char>(0xC0 | (cp >> 6));
            *p++ = static_cast<char>(0x80 | (cp & 0x3F));
        }
        else if (cp < 0x10000)
        {
            *p++ = static_cast<char>(0xE0 | (cp >> 12));
            *p++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            *p++ = static_cast<char>(0x80 | (cp & 0x3F));
        }
        else
        {
            *p++ = static_cast<char>(0xF0 | (cp >> 18));
            *p++ = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            *p++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            *p++ = static_cast<char>(0x80 | (cp & 0x3F));
        }
        used_ = static_cast<std::size_t>(p - buffer_);
    }
    void Flush()
    {
        out_.append(buffer_, used_);
        used_ = 0;
    }

private:
    std::string& out_;
    char buffer_[256];
    std::size_t used_ = 0;
};

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one code point at text[i], advancing i; invalid sequences give U+FFFD.
char32_t NextCodePoint(std::string_view text, std::size_t& i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i++);
    if (lead < 0x80)
        return lead;
    int extra = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0)
        extra = 1, cp = lead & 0x1F, minimum = 0x80;
    else if ((lead & 0xF0) == 0xE0)
        extra = 2, cp = lead & 0x0F, minimum = 0x800;
    else if ((lead & 0xF8) == 0xF0)
        extra = 3, cp = lead & 0x07, minimum = 0x10000;
    else
        return kReplacement;
    for (int k = 0; k < extra; ++k)
    {
        if (i >= text.size() || (byte(i) & 0xC0) != 0x80)
            return kReplacement;
        cp = (cp << 6) | (byte(i++) & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return kReplacement;
    return cp;
}

} // namespace

void AppendLatin1AsUtf8(std::string& out, const std::uint8_t* bytes, std::size_t count)
{
    out.reserve(out.size() + count);
    Utf8Appender utf8(out);
    for (std::size_t i = 0; i < count; ++i)
        utf8.Add(bytes[i]);
}

void AppendUtf16AsUtf8(std::string& out, const std::uint8_t* le, std::size_t unitCount)
{
    out.reserve(out.size() + unitCount);
    Utf8Appender utf8(out);
    for (std::size_t i = 0; i < unitCount; ++i)
    {
        const char32_t unit = le[2 * i] | (le[2 * i + 1] << 8);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < unitCount)
        {
            const char32_t low = le[2 * i + 2] | (le[2 * i + 3] << 8);
            if (low >= 0xDC00 && low <= 0xDFFF)
            {
                utf8.Add(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        utf8.Add((unit >= 0xD800 && unit <= 0xDFFF) ? kReplacement : unit);
    }
}

std::u16string Utf8ToUtf16(std::string_view text)
{
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();)
    {
        const char32_t cp = NextCodePoint(text, i);
        if (cp >= 0x10000)
        {
            out.push_back(static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FF)));
        }
        else
            out.push_back(static_cast<char16_t>(cp));
    }
    return out;
}

bool FitsLatin1(std::u16string_view text)
{
    for (char16_t unit : text)
        if (unit > 0xFF)
            return false;
    return true;
}

std::size_t CharacterCount(std::string_view utf8)
{
    std::size_t count = 0;
    for (unsigned char c : utf8)
        if ((c & 0xC0) != 0x80)
            ++count;
    return count;
}

} // namespace workbook
