#include "platform/core/CString.h"
#include "platform/core/NumberText.h"

#include <cstdio>
#include <string>

namespace
{
// Integers go through the C library: their texts depend on no locale.
template <class T> std::string PrintInteger(const NumberText::Conversion& c, const char* length, T value)
{
    std::string spec = "%";
    spec += c.leftAlign ? "-" : "";
    spec += c.plusSign ? "+" : "";
    spec += c.spaceSign ? " " : "";
    spec += c.alternate ? "#" : "";
    spec += c.zeroPad ? "0" : "";
    if (c.width > 0)
        spec += std::to_string(c.width);
    if (c.precision >= 0)
        spec += "." + std::to_string(c.precision);
    spec += length;
    spec += c.type;
    const int n = std::snprintf(nullptr, 0, spec.c_str(), value);
    if (n <= 0)
        return std::string();
    std::string out(std::size_t(n) + 1, '\0');
    std::snprintf(out.data(), out.size(), spec.c_str(), value);
    out.resize(std::size_t(n));
    return out;
}

std::string Text(const char* text, const NumberText::Conversion& c)
{
    std::string s(text ? text : "");
    if (c.precision >= 0)
        s = Utf8::Truncate(s, c.precision);
    return NumberText::Pad(std::move(s), c, false);
}
} // namespace

// printf-style formatting over type-safe arguments. Reals take the number texts of
// NumberText; widths and precisions of texts count characters.
std::string CString::FormatText(const char* format, std::initializer_list<FormatArg> args)
{
    return FormatText(format, args.begin(), args.end());
}

std::string CString::FormatText(const char* format, const FormatArg* first, const FormatArg* last)
{
    std::string out;
    const FormatArg* arg = first;
    auto next = [&]() -> const FormatArg* { return arg != last ? arg++ : nullptr; };
    auto star = [&]()
    {
        const FormatArg* a = next();
        return a ? int(a->asSigned()) : 0;
    };
    const std::string_view f(format ? format : "");
    for (std::size_t i = 0; i < f.size(); ++i)
    {
        if (f[i] != '%')
        {
            out += f[i];
            continue;
        }
        NumberText::Conversion c;
        if (!NumberText::ParseConversion(f, i, c, star))
            break;
        if (c.type == '%')
        {
            out += '%';
            continue;
        }
        const FormatArg* a = next();
        if (!a)
            continue;
        switch (c.type)
        {
        case 'd':
        case 'i':
            out += PrintInteger(c, "ll", static_cast<long long>(a->asSigned()));
            break;
        case 'u':
        case 'x':
        case 'X':
        case 'o':
            out += PrintInteger(c, "ll", static_cast<unsigned long long>(a->asUnsigned()));
            break;
        case 'c':
            out += Text(Utf8::Encode(char32_t(a->asUnsigned() & 0x1FFFFF)).c_str(), c);
            break;
        case 'f':
        case 'F':
        case 'e':
        case 'E':
        case 'g':
        case 'G':
            out += NumberText::FormatReal(a->asReal(), c, NumberText::FormatSeparator());
            break;
        case 's':
            out += Text(a->asText(), c);
            break;
        case 'p':
            out += PrintInteger(c, "", a->asPointer());
            break;
        default:
            break;
        }
    }
    return out;
}
