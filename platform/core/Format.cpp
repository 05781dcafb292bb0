#include "platform/core/CString.h"

#include <cstdio>
#include <string>
#include <vector>

// printf-style formatting over type-safe arguments. Each conversion is handed to the
// C library with its own flags, width and precision.
std::string CString::FormatText(const char* format, std::initializer_list<FormatArg> args)
{
    std::string out;
    const FormatArg* arg = args.begin();
    auto next = [&]() -> const FormatArg* { return arg != args.end() ? arg++ : nullptr; };
    const std::string_view f(format ? format : "");
    for (std::size_t i = 0; i < f.size(); ++i)
    {
        if (f[i] != '%')
        {
            out += f[i];
            continue;
        }
        std::string spec = "%";
        ++i;
        while (i < f.size() && std::string_view("-+ #0").find(f[i]) != std::string_view::npos)
            spec += f[i++];
        auto number = [&]() {
            if (i < f.size() && f[i] == '*')
            {
                const FormatArg* a = next();
                spec += std::to_string(a ? a->asSigned() : 0);
                ++i;
                return;
            }
            while (i < f.size() && f[i] >= '0' && f[i] <= '9')
                spec += f[i++];
        };
        number();
        if (i < f.size() && f[i] == '.')
        {
            spec += f[i++];
            number();
        }
        // Length modifiers carry no meaning here: every argument knows its own type.
        while (i < f.size() && std::string_view("hlLqjztI6432").find(f[i]) != std::string_view::npos)
            ++i;
        if (i >= f.size())
            break;
        const char conversion = f[i];
        if (conversion == '%')
        {
            out += '%';
            continue;
        }
        const FormatArg* a = next();
        if (!a)
            continue;
        std::vector<char> buffer(64);
        auto print = [&](auto value, const char* suffix) {
            const std::string s = spec + suffix;
            int n = std::snprintf(buffer.data(), buffer.size(), s.c_str(), value);
            if (n >= int(buffer.size()))
            {
                buffer.resize(std::size_t(n) + 1);
                n = std::snprintf(buffer.data(), buffer.size(), s.c_str(), value);
            }
            if (n > 0)
                out.append(buffer.data(), std::size_t(n));
        };
        switch (conversion)
        {
        case 'd':
        case 'i': print(static_cast<long long>(a->asSigned()), "lld"); break;
        case 'u':
        case 'x':
        case 'X':
        case 'o': print(static_cast<unsigned long long>(a->asUnsigned()), (std::string("ll") + conversion).c_str()); break;
        case 'c': print(static_cast<int>(a->asSigned()), "c"); break;
        case 'f':
        case 'F':
        case 'e':
        case 'E':
        case 'g':
        case 'G': print(a->asReal(), std::string(1, conversion).c_str()); break;
        case 's': print(a->asText(), "s"); break;
        case 'p': print(a->asPointer(), "p"); break;
        default: break;
        }
    }
    return out;
}
