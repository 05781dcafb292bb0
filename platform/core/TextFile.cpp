#include "platform/core/TextFile.h"

#include "platform/core/CString.h"

namespace TextFile
{
std::optional<std::string> Utf16ToUtf8(std::string_view bytes, bool bigEndian)
{
    if (bytes.size() % 2 != 0)
        return std::nullopt;
    auto unit = [&](std::size_t at) {
        const auto high = static_cast<unsigned char>(bytes[at + (bigEndian ? 0 : 1)]);
        const auto low = static_cast<unsigned char>(bytes[at + (bigEndian ? 1 : 0)]);
        return char32_t(high << 8 | low);
    };
    std::string text;
    text.reserve(bytes.size() / 2);
    for (std::size_t at = 0; at < bytes.size(); at += 2)
    {
        char32_t c = unit(at);
        if (c >= 0xDC00 && c <= 0xDFFF)
            return std::nullopt;
        if (c >= 0xD800 && c <= 0xDBFF)
        {
            at += 2;
            const char32_t next = at < bytes.size() ? unit(at) : 0;
            if (next < 0xDC00 || next > 0xDFFF)
                return std::nullopt;
            c = 0x10000 + ((c - 0xD800) << 10) + (next - 0xDC00);
        }
        text += Utf8::Encode(c);
    }
    return text;
}

std::optional<std::string> Decode(std::string_view bytes)
{
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))
        return Utf16ToUtf8(bytes.substr(2), bytes[0] == '\xFE');
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    return Utf8::IsValid(bytes) ? std::string(bytes) : Utf8::FromCp1250(bytes);
}

int LineWithNul(std::string_view text)
{
    const std::size_t nul = text.find('\0');
    if (nul == std::string_view::npos)
        return 0;
    int line = 1;
    for (std::size_t i = 0; i < nul; ++i)
        if (text[i] == '\n' || (text[i] == '\r' && text[i + 1] != '\n'))
            ++line;
    return line;
}
} // namespace TextFile
