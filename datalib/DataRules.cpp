#include "datalib/DataRules.h"

#include "platform/core/NumberText.h"
#include "platform/dao/SqlTranslator.h"

#include <cctype>
#include <climits>
#include <cmath>
#include <string>
#include <string_view>

namespace DataRules
{
namespace
{
// The integer at the start of the text as atoi reads it, without overflow.
long long LeadingInteger(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i)
    {
        value = value * 10 + (text[i] - '0');
        if (value > INT_MAX)
            value = INT_MAX;
    }
    return negative ? -value : value;
}

// Byte index of the end of a quoted literal that opens at start (on its closing quote,
// or the text's end). A doubled quote stands for one quote inside the literal.
std::size_t LiteralEnd(std::string_view text, std::size_t start)
{
    const char quote = text[start];
    std::size_t i = start + 1;
    while (i < text.size())
    {
        if (text[i] == quote)
        {
            if (i + 1 < text.size() && text[i + 1] == quote)
            {
                i += 2;
                continue;
            }
            return i;
        }
        ++i;
    }
    return text.size();
}
} // namespace

namespace
{
// The position of the ']' that closes the bracket opened at from ("]]" inside is one ']').
std::size_t BracketEnd(std::string_view text, std::size_t from)
{
    for (std::size_t i = from + 1; i < text.size(); ++i)
        if (text[i] == ']')
        {
            if (i + 1 < text.size() && text[i + 1] == ']')
                ++i;
            else
                return i;
        }
    return std::string_view::npos;
}

// The name inside "[...]", with "]]" read as ']'.
CString Unbracketed(std::string_view bracketed)
{
    std::string name;
    for (std::size_t i = 1; i + 1 < bracketed.size(); ++i)
    {
        name += bracketed[i];
        if (bracketed[i] == ']')
            ++i;
    }
    return CString(name);
}
} // namespace

ColumnName SplitStoredName(const CString& stored, char separator)
{
    const std::string& s = stored.str();
    const std::size_t p = s.rfind(separator);
    if (p != std::string::npos && p > 0 && p + 1 < s.size())
    {
        const long long n = LeadingInteger(std::string_view(s).substr(p + 1));
        if (n >= 0)
            return {CString(s.substr(0, p)), static_cast<int>(n)};
    }
    return {stored, kNoDecimals};
}

CString MakeStoredName(const CString& visible, bool numeric, int decimals, char separator)
{
    if (!numeric || decimals < 0)
        return visible;
    CString stored;
    stored.Format("%s%c%d", visible, separator, decimals);
    return stored;
}

CString BracketedName(const CString& name)
{
    return CString(jet::BracketedName(name.str()));
}

CString TranslateColumnNames(const CString& sql, const CString& table, const StoredNameLookup& lookup)
{
    const std::string_view text(sql.str());
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size())
    {
        const char c = text[i];
        if (c == '\'' || c == '"')
        {
            const std::size_t end = LiteralEnd(text, i);
            const std::size_t stop = end < text.size() ? end + 1 : end;
            out.append(text.substr(i, stop - i));
            i = stop;
            continue;
        }
        if (c == '[')
        {
            const std::size_t close = BracketEnd(text, i);
            if (close == std::string_view::npos)
            {
                out.append(text.substr(i));
                break;
            }
            const CString name = Unbracketed(text.substr(i, close + 1 - i));
            CString stored;
            if (name != table && lookup(name, stored))
                out.append(BracketedName(stored).str());
            else
                out.append(text.substr(i, close + 1 - i));
            i = close + 1;
            continue;
        }
        out += c;
        ++i;
    }
    return CString(std::move(out));
}

int ChoosePrecision(int precision, const int* columnDecimals, int localeDigits)
{
    if (precision >= 0)
        return precision;
    switch (precision)
    {
    case -1:
        if (!columnDecimals)
            return -1;
        return *columnDecimals >= 0 ? *columnDecimals : localeDigits;
    case -2:
        return localeDigits;
    case -4:
        if (!columnDecimals)
            return -1;
        return *columnDecimals >= 0 ? *columnDecimals : -1;
    default:
        return -1;
    }
}

CString FormatNumber(double value, int decimals, bool useExponent, double limit)
{
    const double magnitude = std::fabs(value);
    const bool exponent = useExponent && (magnitude > limit || (magnitude > 0 && magnitude < 1 / limit));
    // Not CString::Format: that follows the separator the program chose for its own texts.
    NumberText::Conversion conversion;
    conversion.type = exponent ? 'e' : 'f';
    conversion.precision = decimals >= 0 ? decimals : -1;
    return CString(NumberText::FormatReal(value, conversion, '.'));
}

bool TextMeansTrue(const CString& text)
{
    if (text.IsEmpty())
        return false;
    return std::string_view("pPyYtTaA1").find(text.str()[0]) != std::string_view::npos;
}
} // namespace DataRules
