#pragma once
// Numbers to text and back for the whole system, independent of the process C locale.
//
// Formatting gives the texts of the C run-time the system was written against:
//  - the value is taken to 17 significant digits, then rounded at the requested digit with
//    ties away from zero ("%.0f" of 2.5 is "3", "%.2f" of 0.125 is "0.13");
//  - exponents have at least three digits ("1.230000e+007");
//  - infinities and NaNs read "1.#INF00", "-1.#IND00", "1.#QNAN0".
// Parsing accepts either decimal separator, '.' or ','.

#include <cstddef>
#include <string>
#include <string_view>

namespace NumberText
{
// One printf conversion: %[flags][width][.precision]conversion.
struct Conversion
{
    bool leftAlign = false; // '-'
    bool plusSign = false;  // '+'
    bool spaceSign = false; // ' '
    bool alternate = false; // '#'
    bool zeroPad = false;   // '0'
    int width = 0;
    int precision = -1; // -1: the default (6)
    char type = 'f';    // f F e E g G
};

// Formats a real number under one conversion with the given decimal separator.
std::string FormatReal(double value, const Conversion& conversion, char decimalSeparator = '.');

// Formats a real number under a format of one conversion such as "%.2f" or "%e".
// Text around the conversion is kept.
std::string FormatReal(std::string_view format, double value, char decimalSeparator = '.');

// Pads text to the conversion's width (left or right aligned, counted in characters).
std::string Pad(std::string text, const Conversion& conversion, bool zeroAllowed);

// The whole text as a number: surrounding blanks, a sign, digits with '.' or ',' as
// decimal separator, an exponent. False (value untouched) for anything else or empty text.
bool Parse(std::string_view text, double& value);

// The number at the start of the text, as atof takes it, accepting either separator:
// leading blanks skipped, reading stops at the first character that does not fit
// ("45#40" gives 45); 0 when the text starts with no number, and 0 for a number that is not
// finite (see IsNonFinite): such a text is no number and reads as one not given.
double ToDouble(std::string_view text);

// The same with '.' as the only decimal separator, as the C library's atof reads it in
// the "C" locale ("1,5" gives 1).
double ToDoubleC(std::string_view text);

// The number at the start of the text as an integer, as atoi takes it (0 when none, 0 for a
// number that is not finite); a number with an exponent counts whole ("1e3" gives 1000), a
// number beyond the integers gives the nearest one.
int ToInt(std::string_view text);

// True when the number at the start of the text is not finite: one too large for a double
// ("1e999"), the C run-time's texts of infinities and NaNs ("1.#INF00", "-1.#IND00",
// "1.#QNAN0"), "inf" or "nan".
bool IsNonFinite(std::string_view text);

// Replaces either decimal separator in a number text by the given one.
std::string WithDecimalSeparator(std::string_view text, char separator);

// Reads one conversion of a format starting at format[at] == '%'; at moves past it.
// A '*' width or precision is taken from star(). False when the format ends inside it.
template <class Star>
bool ParseConversion(std::string_view format, std::size_t& at, Conversion& c, Star star);

// The decimal separator that printf-style formatting (CString::Format) writes: '.' unless
// the program chose its user's separator at start. Library code that must write '.' always
// holds a ScopedSeparator('.').
char FormatSeparator();
void SetFormatSeparator(char separator);
// What separates the items of a list of numbers in a text: "; " where the decimal separator
// of the formatting is a comma ("0,075; 0,150"), else ", ".
const char* ListSeparator();
class ScopedSeparator
{
public:
    explicit ScopedSeparator(char separator) : m_old(FormatSeparator()) { SetFormatSeparator(separator); }
    ~ScopedSeparator() { SetFormatSeparator(m_old); }
    ScopedSeparator(const ScopedSeparator&) = delete;
    ScopedSeparator& operator=(const ScopedSeparator&) = delete;

private:
    char m_old;
};

template <class Star> bool ParseConversion(std::string_view f, std::size_t& i, Conversion& c, Star star)
{
    c = Conversion();
    ++i; // the '%'
    for (; i < f.size(); ++i)
    {
        const char flag = f[i];
        if (flag == '-')
            c.leftAlign = true;
        else if (flag == '+')
            c.plusSign = true;
        else if (flag == ' ')
            c.spaceSign = true;
        else if (flag == '#')
            c.alternate = true;
        else if (flag == '0')
            c.zeroPad = true;
        else
            break;
    }
    auto number = [&](int& into)
    {
        if (i < f.size() && f[i] == '*')
        {
            into = star();
            ++i;
            return;
        }
        into = 0;
        for (; i < f.size() && f[i] >= '0' && f[i] <= '9'; ++i)
            into = into < 100000 ? into * 10 + (f[i] - '0') : into; // absurd widths are cut
    };
    number(c.width);
    if (c.width < 0)
    {
        c.leftAlign = true;
        c.width = -c.width;
    }
    if (i < f.size() && f[i] == '.')
    {
        ++i;
        number(c.precision);
        if (c.precision < 0)
            c.precision = -1;
    }
    // Length modifiers carry no meaning here: every argument knows its own type.
    while (i < f.size() && std::string_view("hlLqjztI6432").find(f[i]) != std::string_view::npos)
        ++i;
    if (i >= f.size())
        return false;
    c.type = f[i];
    return true;
}
} // namespace NumberText
