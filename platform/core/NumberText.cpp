#include "platform/core/NumberText.h"

#include "platform/core/CString.h"

#include <algorithm>
#include <atomic>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>

namespace NumberText
{
namespace
{
constexpr int SignificantDigits = 17;

std::atomic<char> g_formatSeparator{'.'};

// The value's first 17 significant decimal digits; the first digit stands at 10^exponent.
struct Digits
{
    std::string digits;
    int exponent = 0;
};

Digits SignificantDigitsOf(double magnitude)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                                      std::chars_format::scientific, SignificantDigits - 1);
    const std::string_view text(buffer, std::size_t(result.ptr - buffer)); // d.dddde+XX
    Digits d;
    const std::size_t e = text.find('e');
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] != '.')
            d.digits += text[i];
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(), d.exponent);
    return d;
}

// Keeps `keep` digits, rounding the rest half away from zero; a carry out of the first digit
// raises the exponent. keep may exceed the digits at hand (zeros follow) or be below one.
std::string RoundTo(const Digits& d, int keep, int& exponent)
{
    exponent = d.exponent;
    if (keep < 0)
        return std::string();
    std::string kept = d.digits.substr(0, std::size_t(std::min(keep, SignificantDigits)));
    kept.resize(std::size_t(keep), '0');
    if (keep >= SignificantDigits || d.digits[std::size_t(keep)] < '5')
        return kept;
    int i = keep - 1;
    for (; i >= 0 && kept[std::size_t(i)] == '9'; --i)
        kept[std::size_t(i)] = '0';
    if (i >= 0)
        ++kept[std::size_t(i)];
    else
    {
        kept.insert(kept.begin(), '1');
        ++exponent;
    }
    return kept;
}

std::string Fixed(const Digits& d, int precision, char separator, bool alternate)
{
    int exponent = 0;
    const std::string kept = RoundTo(d, d.exponent + 1 + precision, exponent);
    const int point = exponent + 1; // digits before the separator
    std::string whole, fraction;
    if (kept.empty() || point <= 0)
    {
        whole = "0";
        fraction = std::string(std::size_t(std::max(-point, 0)), '0') + kept;
    }
    else
    {
        whole = kept.substr(0, std::size_t(point));
        whole.resize(std::size_t(point), '0');
        fraction = kept.size() > std::size_t(point) ? kept.substr(std::size_t(point)) : std::string();
    }
    fraction.resize(std::size_t(precision), '0');
    std::string out = whole;
    if (precision > 0 || alternate)
        out += separator;
    return out + fraction;
}

std::string Exponential(const Digits& d, int precision, char separator, bool alternate, char e)
{
    int exponent = 0;
    std::string kept = RoundTo(d, precision + 1, exponent);
    kept.resize(std::size_t(precision + 1)); // a carry made one digit too many
    if (d.digits.find_first_not_of('0') == std::string::npos)
        exponent = 0;
    std::string out(1, kept[0]);
    if (precision > 0 || alternate)
        out += separator;
    out += kept.substr(1);
    out += e;
    out += exponent < 0 ? '-' : '+';
    const std::string digits = std::to_string(std::abs(exponent));
    return out + std::string(digits.size() < 3 ? 3 - digits.size() : 0, '0') + digits;
}

void StripTrailingZeros(std::string& text, char separator)
{
    const std::size_t point = text.find(separator);
    if (point == std::string::npos)
        return;
    const std::size_t e = text.find_first_of("eE", point);
    const std::size_t end = e == std::string::npos ? text.size() : e;
    std::size_t cut = end;
    while (cut > point + 1 && text[cut - 1] == '0')
        --cut;
    if (cut == point + 1)
        cut = point;
    text.erase(cut, end - cut);
}

std::string General(const Digits& d, int precision, char separator, bool alternate, char g)
{
    const int p = precision < 0 ? 6 : precision == 0 ? 1 : precision;
    int exponent = 0;
    RoundTo(d, p, exponent);
    const bool zero = d.digits.find_first_not_of('0') == std::string::npos;
    if (zero)
        exponent = 0;
    std::string out = exponent < -4 || exponent >= p
                          ? Exponential(d, p - 1, separator, alternate, g == 'G' ? 'E' : 'e')
                          : Fixed(d, p - 1 - exponent, separator, alternate);
    if (!alternate)
        StripTrailingZeros(out, separator);
    return out;
}

std::string NonFinite(double value)
{
    if (std::isinf(value))
        return value < 0 ? "-1.#INF00" : "1.#INF00";
    return std::signbit(value) ? "-1.#IND00" : "1.#QNAN0";
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

// The length of the number at the start of text (sign, digits with either separator,
// exponent), 0 when none; the number is copied into plain with '.' as separator.
std::size_t ScanNumber(std::string_view text, std::string& plain, bool commaIsDecimal = true)
{
    std::size_t i = 0;
    plain.clear();
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        plain += text[i++];
    std::size_t digits = 0;
    auto isDigit = [&](std::size_t at) { return at < text.size() && text[at] >= '0' && text[at] <= '9'; };
    for (; isDigit(i); ++i, ++digits)
        plain += text[i];
    if (i < text.size() && (text[i] == '.' || (commaIsDecimal && text[i] == ',')))
    {
        std::size_t after = i + 1;
        std::string fraction;
        for (; isDigit(after); ++after)
            fraction += text[after];
        if (digits > 0 || !fraction.empty())
        {
            plain += '.' + fraction;
            digits += fraction.size();
            i = after;
        }
    }
    if (digits == 0)
    {
        plain.clear();
        return 0;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E'))
    {
        std::size_t after = i + 1;
        std::string exponent = "e";
        if (after < text.size() && (text[after] == '+' || text[after] == '-'))
            exponent += text[after++];
        if (isDigit(after))
        {
            for (; isDigit(after); ++after)
                exponent += text[after];
            plain += exponent;
            i = after;
        }
    }
    return i;
}

// strtod in the "C" locale: correctly rounded, whatever the process locale is.
double PlainToDouble(const std::string& plain, bool& overflow)
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    errno = 0;
    const double value = strtod_l(plain.c_str(), nullptr, c);
    overflow = errno == ERANGE && std::isinf(value);
    return value;
}
} // namespace

std::string Pad(std::string text, const Conversion& c, bool zeroAllowed)
{
    const int length = Utf8::CharCount(text);
    if (length >= c.width)
        return text;
    const std::size_t fill = std::size_t(c.width - length);
    if (c.leftAlign)
        return text + std::string(fill, ' ');
    if (c.zeroPad && zeroAllowed)
    {
        const std::size_t afterSign =
            !text.empty() && (text[0] == '-' || text[0] == '+' || text[0] == ' ') ? 1 : 0;
        return text.insert(afterSign, fill, '0');
    }
    return std::string(fill, ' ') + text;
}

std::string FormatReal(double value, const Conversion& c, char separator)
{
    if (!std::isfinite(value))
        return Pad(NonFinite(value), c, false);
    std::string sign = std::signbit(value) ? "-" : c.plusSign ? "+" : c.spaceSign ? " " : "";
    const Digits d = SignificantDigitsOf(std::fabs(value));
    const int precision = c.precision < 0 ? 6 : c.precision;
    std::string body;
    switch (c.type)
    {
    case 'e':
    case 'E':
        body = Exponential(d, precision, separator, c.alternate, c.type);
        break;
    case 'g':
    case 'G':
        body = General(d, c.precision, separator, c.alternate, c.type);
        break;
    default:
        body = Fixed(d, precision, separator, c.alternate);
        break;
    }
    return Pad(sign + body, c, true);
}

std::string FormatReal(std::string_view format, double value, char separator)
{
    std::string out;
    bool used = false;
    for (std::size_t i = 0; i < format.size(); ++i)
    {
        if (format[i] != '%')
        {
            out += format[i];
            continue;
        }
        Conversion c;
        if (!ParseConversion(format, i, c, [] { return 0; }))
            break;
        if (c.type == '%')
            out += '%';
        else if (!used)
        {
            out += FormatReal(value, c, separator);
            used = true;
        }
    }
    return out;
}

bool Parse(std::string_view text, double& value)
{
    std::size_t from = 0, to = text.size();
    while (from < to && IsBlank(text[from]))
        ++from;
    while (to > from && IsBlank(text[to - 1]))
        --to;
    std::string plain;
    const std::string_view number = text.substr(from, to - from);
    if (number.empty() || ScanNumber(number, plain) != number.size())
        return false;
    bool overflow = false;
    const double result = PlainToDouble(plain, overflow);
    if (overflow)
        return false;
    value = result;
    return true;
}

namespace
{
bool StartsWithNoCase(std::string_view text, std::string_view word)
{
    if (text.size() < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(text[i])) != word[i])
            return false;
    return true;
}

// The marks of the C run-time that follow "1." in its texts of infinities and NaNs.
bool IsNonFiniteMark(std::string_view rest)
{
    if (rest.empty() || rest[0] != '#')
        return false;
    rest.remove_prefix(1);
    for (std::string_view mark : {"inf", "ind", "qnan", "snan"})
        if (StartsWithNoCase(rest, mark))
            return true;
    return false;
}

// "inf", "infinity" or "nan" standing alone (a sign before it allowed).
bool IsNonFiniteWord(std::string_view text)
{
    if (!text.empty() && (text[0] == '+' || text[0] == '-'))
        text.remove_prefix(1);
    for (std::string_view word : {"infinity", "inf", "nan"})
        if (StartsWithNoCase(text, word))
        {
            const std::string_view rest = text.substr(word.size());
            return rest.empty() || !std::isalpha(static_cast<unsigned char>(rest[0]));
        }
    return false;
}

// The number at the start of a text as atof finds it.
struct Leading
{
    double value = 0.0;
    bool finite = true;        // false for an infinite or undefined number
    bool hasExponent = false;
    std::string plain;         // the number with '.' as separator
};

Leading ReadLeading(std::string_view text, bool commaIsDecimal)
{
    std::size_t from = 0;
    while (from < text.size() && IsBlank(text[from]))
        ++from;
    text.remove_prefix(from);
    Leading leading;
    const std::size_t length = ScanNumber(text, leading.plain, commaIsDecimal);
    if (length == 0)
    {
        leading.finite = !IsNonFiniteWord(text);
        return leading;
    }
    bool overflow = false;
    leading.value = PlainToDouble(leading.plain, overflow);
    leading.hasExponent = leading.plain.find('e') != std::string::npos;
    leading.finite = !overflow && !IsNonFiniteMark(text.substr(length));
    if (!leading.finite)
        leading.value = 0.0;
    return leading;
}
} // namespace

double ToDouble(std::string_view text)
{
    return ReadLeading(text, true).value;
}

double ToDoubleC(std::string_view text)
{
    return ReadLeading(text, false).value;
}

bool IsNonFinite(std::string_view text)
{
    return !ReadLeading(text, true).finite;
}

int ToInt(std::string_view text)
{
    const Leading leading = ReadLeading(text, true);
    if (!leading.finite)
        return 0;
    if (leading.hasExponent)
        return int(std::clamp(std::trunc(leading.value), double(INT_MIN), double(INT_MAX)));
    // Without an exponent the whole digits count, as atoi reads them.
    std::size_t i = 0;
    const bool negative = !leading.plain.empty() && leading.plain[0] == '-';
    if (!leading.plain.empty() && (leading.plain[0] == '-' || leading.plain[0] == '+'))
        ++i;
    long long value = 0;
    for (; i < leading.plain.size() && leading.plain[i] >= '0' && leading.plain[i] <= '9'; ++i)
        value = std::min(value * 10 + (leading.plain[i] - '0'), 1LL << 40);
    value = negative ? -value : value;
    return int(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

std::string WithDecimalSeparator(std::string_view text, char separator)
{
    std::string out(text);
    for (char& c : out)
        if (c == '.' || c == ',')
            c = separator;
    return out;
}

char FormatSeparator()
{
    return g_formatSeparator.load();
}
const char* ListSeparator()
{
    return FormatSeparator() == ',' ? "; " : ", ";
}
void SetFormatSeparator(char separator)
{
    g_formatSeparator.store(separator);
}
} // namespace NumberText
