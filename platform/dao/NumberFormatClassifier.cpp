#include "platform/dao/NumberFormatClassifier.h"

#include <string>

namespace workbook
{

NumberFormatKind NumberFormatClassifier::Builtin(int index)
{
    if (index >= 5 && index <= 8)
        return NumberFormatKind::Currency;
    if ((index >= 14 && index <= 22) || (index >= 27 && index <= 36) || (index >= 45 && index <= 47) ||
        (index >= 50 && index <= 58))
        return NumberFormatKind::Date;
    return NumberFormatKind::General;
}

NumberFormatKind NumberFormatClassifier::FromCode(std::string_view code)
{
    // Only the first section (positive numbers) decides.
    std::string plain;
    bool currency = false;
    for (std::size_t i = 0; i < code.size(); ++i)
    {
        const char c = code[i];
        if (c == ';')
            break;
        if (c == '"')
        {
            const std::size_t close = code.find('"', i + 1);
            const std::string_view quoted = code.substr(i + 1, close == std::string_view::npos ? code.npos : close - i - 1);
            for (std::string_view symbol : {"Kč", "€", "$", "£", "¥", "Sk"})
                if (quoted.find(symbol) != std::string_view::npos)
                    currency = true;
            if (close == std::string_view::npos)
                break;
            i = close;
        }
        else if (c == '\\' || c == '_' || c == '*')
            ++i; // an escaped character, a space of a character's width, a fill character
        else if (c == '[')
        {
            const std::size_t close = code.find(']', i + 1);
            const std::string_view inside = code.substr(i + 1, close == std::string_view::npos ? code.npos : close - i - 1);
            if (!inside.empty() && inside[0] == '$')
                currency = currency || (inside.size() > 1 && inside[1] != '-');
            else if (!inside.empty() && (inside[0] == 'h' || inside[0] == 'H' || inside[0] == 'm' ||
                                         inside[0] == 'M' || inside[0] == 's' || inside[0] == 'S'))
                plain += 'h'; // elapsed time
            if (close == std::string_view::npos)
                break;
            i = close;
        }
        else
            plain += c;
    }
    if (plain == "General" || plain == "GENERAL" || plain == "Standard")
        return NumberFormatKind::General;
    if (plain.find_first_of("dDmMyYhHsS") != std::string::npos)
        return NumberFormatKind::Date;
    if (currency || plain.find("Kč") != std::string::npos || plain.find('$') != std::string::npos ||
        plain.find("€") != std::string::npos)
        return NumberFormatKind::Currency;
    return NumberFormatKind::General;
}

} // namespace workbook
