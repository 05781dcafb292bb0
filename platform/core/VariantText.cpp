#include "platform/core/VariantText.h"

#include "platform/core/NumberText.h"
#include "platform/core/UserLocale.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <vector>

namespace VariantText
{
namespace
{
bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}
bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool StartsWith(std::string_view text, std::size_t at, std::string_view what)
{
    return !what.empty() && text.substr(at, what.size()) == what;
}

// The length of a thousands separator at text[at], 0 when none stands there.
std::size_t ThousandsAt(std::string_view text, std::size_t at, const UserLocale& locale)
{
    const std::string& sep = locale.thousandsSeparator;
    if (StartsWith(text, at, sep))
        return sep.size();
    // A non-breaking space also takes a plain or a narrow non-breaking one.
    const bool spaceLike = sep == "\u00A0" || sep == "\u202F" || sep == " ";
    if (spaceLike)
        for (std::string_view other : {" ", "\u00A0", "\u202F"})
            if (StartsWith(text, at, other))
                return other.size();
    return 0;
}

std::string TwoDigits(int n)
{
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", n);
    return buffer;
}

std::string DatePart(const COleDateTime::Parts& p, const std::string& pattern)
{
    std::string out;
    for (std::size_t i = 0; i < pattern.size();)
    {
        const char c = pattern[i];
        std::size_t run = 1;
        while (i + run < pattern.size() && pattern[i + run] == c)
            ++run;
        if (c == 'd')
            out += run >= 2 ? TwoDigits(p.day) : std::to_string(p.day);
        else if (c == 'M')
            out += run >= 2 ? TwoDigits(p.month) : std::to_string(p.month);
        else if (c == 'y')
            out += run >= 3 ? std::to_string(p.year) : TwoDigits(p.year % 100);
        else
            out.append(run, c);
        i += run;
    }
    return out;
}

std::string TimePart(const COleDateTime::Parts& p)
{
    return std::to_string(p.hour) + ":" + TwoDigits(p.minute) + ":" + TwoDigits(p.second);
}

// Order of day, month and year in a date pattern: a string such as "dMy".
std::string DateOrder(const std::string& pattern)
{
    std::string order;
    for (char c : pattern)
        if ((c == 'd' || c == 'M' || c == 'y') && order.find(c) == std::string::npos)
            order += c;
    return order.size() == 3 ? order : "dMy";
}

struct Token
{
    int value = 0;
    int digits = 0;
    char separator = ' '; // the character after the number (' ' for none or blanks)
};

bool Tokenize(std::string_view text, std::vector<Token>& tokens)
{
    std::size_t i = 0;
    while (i < text.size())
    {
        while (i < text.size() && IsBlank(text[i]))
            ++i;
        if (i >= text.size())
            break;
        if (!IsDigit(text[i]) || tokens.size() >= 6)
            return false;
        Token t;
        for (; i < text.size() && IsDigit(text[i]); ++i, ++t.digits)
            if (t.digits < 9)
                t.value = t.value * 10 + (text[i] - '0');
        while (i < text.size() && IsBlank(text[i]))
            ++i;
        if (i < text.size() && std::string_view("./-:").find(text[i]) != std::string_view::npos)
            t.separator = text[i++];
        tokens.push_back(t);
    }
    return !tokens.empty();
}

int FullYear(const Token& t)
{
    if (t.digits > 2)
        return t.value;
    return t.value < 30 ? 2000 + t.value : 1900 + t.value;
}

bool ReadTime(const std::vector<Token>& tokens, std::size_t from, COleDateTime::Parts& p)
{
    const std::size_t count = tokens.size() - from;
    if (count == 0)
        return true;
    if (count < 2 || count > 3)
        return false;
    p.hour = tokens[from].value;
    p.minute = tokens[from + 1].value;
    p.second = count == 3 ? tokens[from + 2].value : 0;
    return p.hour < 24 && p.minute < 60 && p.second < 60;
}

const char* const DayNames[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
const char* const MonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                  "July",    "August",   "September", "October", "November", "December"};
} // namespace

namespace
{
// The number of a locale's text as plain text: [sign]digits[.digits][e[sign]digits].
HRESULT PlainNumber(std::string_view text, const UserLocale& locale, std::string& plain)
{
    std::size_t from = 0, to = text.size();
    while (from < to && IsBlank(text[from]))
        ++from;
    while (to > from && IsBlank(text[to - 1]))
        --to;
    text = text.substr(from, to - from);
    const char other = locale.decimalSeparator == ',' ? '.' : ',';
    const bool otherIsDecimal = locale.thousandsSeparator != std::string(1, other);
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        plain += text[i++];
    int digits = 0;
    while (i < text.size())
    {
        if (IsDigit(text[i]))
        {
            plain += text[i++];
            ++digits;
            continue;
        }
        const std::size_t sep = digits > 0 ? ThousandsAt(text, i, locale) : 0;
        if (sep == 0 || i + sep >= text.size() || !IsDigit(text[i + sep]))
            break;
        i += sep;
    }
    if (i < text.size() && (text[i] == locale.decimalSeparator || (otherIsDecimal && text[i] == other)))
    {
        plain += '.';
        for (++i; i < text.size() && IsDigit(text[i]); ++i, ++digits)
            plain += text[i];
    }
    if (digits == 0)
        return DISP_E_TYPEMISMATCH;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E'))
    {
        plain += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            plain += text[i++];
        if (i >= text.size() || !IsDigit(text[i]))
            return DISP_E_TYPEMISMATCH;
        for (; i < text.size() && IsDigit(text[i]); ++i)
            plain += text[i];
    }
    return i == text.size() ? S_OK : DISP_E_TYPEMISMATCH;
}
} // namespace

HRESULT ParseNumber(std::string_view text, const UserLocale& locale, double& value)
{
    std::string plain;
    const HRESULT hr = PlainNumber(text, locale, plain);
    if (FAILED(hr))
        return hr;
    // The syntax is sound here, so a failure can only be a value out of range.
    return NumberText::Parse(plain, value) ? S_OK : DISP_E_OVERFLOW;
}

HRESULT ParseCurrency(std::string_view text, const UserLocale& locale, LONGLONG& tenThousandths)
{
    std::string plain;
    const HRESULT hr = PlainNumber(text, locale, plain);
    if (FAILED(hr))
        return hr;
    // The value is digits x 10^scale ten-thousandths.
    std::string digits;
    int scale = 4;
    std::size_t i = plain[0] == '-' || plain[0] == '+' ? 1 : 0;
    for (; i < plain.size() && IsDigit(plain[i]); ++i)
        digits += plain[i];
    if (i < plain.size() && plain[i] == '.')
        for (++i; i < plain.size() && IsDigit(plain[i]); ++i, --scale)
            digits += plain[i];
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
    if (i < plain.size() && plain[i] == 'e')
        scale += int(std::clamp(std::strtol(plain.c_str() + i + 1, nullptr, 10), -100L, 100L));
    if (digits.empty())
    {
        tenThousandths = 0;
        return S_OK;
    }
    bool up = false;
    if (scale < 0)
    {
        // Drop the last -scale digits, rounding half to even.
        std::string dropped =
            digits.size() > std::size_t(-scale) ? digits.substr(digits.size() - std::size_t(-scale)) : digits;
        dropped.insert(0, std::size_t(-scale) - dropped.size(), '0');
        digits.erase(digits.size() - std::min(digits.size(), std::size_t(-scale)));
        const int versusHalf = dropped.compare("5" + std::string(dropped.size() - 1, '0'));
        const bool odd = !digits.empty() && (digits.back() - '0') % 2 == 1;
        up = versusHalf > 0 || (versusHalf == 0 && odd);
        scale = 0;
    }
    if (digits.size() + std::size_t(scale) > 19)
        return DISP_E_OVERFLOW;
    digits.append(std::size_t(scale), '0');
    const unsigned long long n = (digits.empty() ? 0 : std::stoull(digits)) + (up ? 1 : 0);
    if (n > 9223372036854775807ULL)
        return DISP_E_OVERFLOW;
    tenThousandths = plain[0] == '-' ? -LONGLONG(n) : LONGLONG(n);
    return S_OK;
}

std::string FormatReal(double value, int digits, const UserLocale& locale)
{
    NumberText::Conversion c;
    c.type = 'G';
    c.precision = digits;
    std::string text = NumberText::FormatReal(value, c, locale.decimalSeparator);
    const std::size_t e = text.find('E');
    if (e != std::string::npos && e + 2 < text.size())
    {
        std::size_t firstDigit = e + 2;
        while (firstDigit + 1 < text.size() && text[firstDigit] == '0')
            text.erase(firstDigit, 1);
    }
    return text;
}

std::string FormatCurrency(long long tenThousandths, const UserLocale& locale)
{
    const bool negative = tenThousandths < 0;
    const unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(tenThousandths)
                                                  : static_cast<unsigned long long>(tenThousandths);
    std::string text = std::to_string(magnitude / 10000);
    std::string fraction = std::to_string(magnitude % 10000);
    fraction.insert(0, 4 - fraction.size(), '0');
    while (!fraction.empty() && fraction.back() == '0')
        fraction.pop_back();
    if (!fraction.empty())
        text += locale.decimalSeparator + fraction;
    return negative ? "-" + text : text;
}

std::string FormatDate(DATE dt, DWORD flags, const UserLocale& locale)
{
    COleDateTime::Parts p;
    if (!COleDateTime::ToParts(dt, p))
        return std::string();
    const std::string date = DatePart(p, locale.shortDateFormat);
    const std::string time = TimePart(p);
    if (flags & VAR_DATEVALUEONLY)
        return date;
    if (flags & VAR_TIMEVALUEONLY)
        return time;
    const bool noTime = p.hour == 0 && p.minute == 0 && p.second == 0;
    const bool noDate = std::trunc(dt) == 0;
    if (noDate) // a time alone (the zero date stands for no date)
        return time;
    return noTime ? date : date + " " + time;
}

HRESULT ParseDate(std::string_view text, DWORD flags, const UserLocale& locale, DATE& dt)
{
    std::vector<Token> tokens;
    if (!Tokenize(text, tokens))
        return DISP_E_TYPEMISMATCH;
    COleDateTime::Parts p;
    std::size_t timeFrom = 0;
    if (tokens[0].separator != ':')
    {
        if (tokens.size() < 3)
            return DISP_E_TYPEMISMATCH;
        const std::string order = tokens[0].digits > 2 ? "yMd" : DateOrder(locale.shortDateFormat);
        for (std::size_t k = 0; k < 3; ++k)
        {
            if (order[k] == 'd')
                p.day = tokens[k].value;
            else if (order[k] == 'M')
                p.month = tokens[k].value;
            else
                p.year = FullYear(tokens[k]);
        }
        timeFrom = 3;
    }
    if (!ReadTime(tokens, timeFrom, p))
        return DISP_E_TYPEMISMATCH;
    if (flags & VAR_DATEVALUEONLY)
        p.hour = p.minute = p.second = 0;
    if (flags & VAR_TIMEVALUEONLY)
        p.year = 1899, p.month = 12, p.day = 30;
    return COleDateTime::FromParts(p, dt) ? S_OK : DISP_E_TYPEMISMATCH;
}

std::string FormatPattern(std::string_view pattern, const COleDateTime::Parts& p)
{
    std::string out;
    for (std::size_t i = 0; i < pattern.size(); ++i)
    {
        if (pattern[i] != '%' || i + 1 >= pattern.size())
        {
            out += pattern[i];
            continue;
        }
        char c = pattern[++i];
        const bool noLeadingZeros = c == '#' && i + 1 < pattern.size();
        if (noLeadingZeros)
            c = pattern[++i];
        const auto twoDigits = [noLeadingZeros](int n)
        { return noLeadingZeros ? std::to_string(n) : TwoDigits(n); };
        const int hour12 = p.hour % 12 == 0 ? 12 : p.hour % 12;
        switch (c)
        {
        case 'a':
            out += std::string(DayNames[p.dayOfWeek - 1]).substr(0, 3);
            break;
        case 'A':
            out += DayNames[p.dayOfWeek - 1];
            break;
        case 'b':
            out += std::string(MonthNames[p.month - 1]).substr(0, 3);
            break;
        case 'B':
            out += MonthNames[p.month - 1];
            break;
        case 'c':
            out += FormatPattern("%m/%d/%y %H:%M:%S", p);
            break;
        case 'x':
            out += FormatPattern("%m/%d/%y", p);
            break;
        case 'X':
            out += FormatPattern("%H:%M:%S", p);
            break;
        case 'd':
            out += twoDigits(p.day);
            break;
        case 'H':
            out += twoDigits(p.hour);
            break;
        case 'I':
            out += twoDigits(hour12);
            break;
        case 'j':
        {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "%03d", p.dayOfYear);
            out += buffer;
            break;
        }
        case 'm':
            out += twoDigits(p.month);
            break;
        case 'M':
            out += twoDigits(p.minute);
            break;
        case 'p':
            out += p.hour < 12 ? "AM" : "PM";
            break;
        case 'S':
            out += twoDigits(p.second);
            break;
        case 'w':
            out += std::to_string(p.dayOfWeek - 1);
            break;
        case 'y':
            out += twoDigits(p.year % 100);
            break;
        case 'Y':
            out += std::to_string(p.year);
            break;
        case '%':
            out += '%';
            break;
        default:
            out += '%', out += c;
            break;
        }
    }
    return out;
}
} // namespace VariantText
