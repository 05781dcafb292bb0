#include "platform/core/CString.h"
#include "platform/core/NumberText.h"
#include "platform/core/UserLocale.h"
#include "platform/core/WinTypes.h"
#include "testing/CommaNumericLocale.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

namespace
{
struct FormatCase
{
    const char* format;
    double value;
    const char* point; // with '.'
    const char* comma; // with ','
};

const FormatCase formatCases[] = {
    {"%.0f", 2.5, "3", "3"},
    {"%.0f", 0.5, "1", "1"},
    {"%.0f", -2.5, "-3", "-3"},
    {"%.0f", 1.5, "2", "2"},
    {"%.0f", 0.49, "0", "0"},
    {"%.2f", 0.125, "0.13", "0,13"},
    {"%.2f", 2.675, "2.67", "2,67"}, // 2.67499999... in binary
    {"%.1f", 0.05, "0.1", "0,1"},    // 0.05000000000000000277
    {"%.1f", 0.25, "0.3", "0,3"},
    {"%.3f", 1000000000000.0, "1000000000000.000", "1000000000000,000"},
    {"%f", 1234.56, "1234.560000", "1234,560000"},
    {"%f", 0.0, "0.000000", "0,000000"},
    {"%.0f", 999.5, "1000", "1000"},
    {"%.2f", 0.004, "0.00", "0,00"},
    {"%.2f", 0.005, "0.01", "0,01"},                                    // 0.005000000000000000104
    {"%.20f", 0.1, "0.10000000000000001000", "0,10000000000000001000"}, // 17 digits, then zeros
    {"%e", 12300000.0, "1.230000e+007", "1,230000e+007"},
    {"%.3e", 2e12, "2.000e+012", "2,000e+012"},
    {"%.2e", 12345678.9, "1.23e+007", "1,23e+007"},
    {"%.2e", 5e-13, "5.00e-013", "5,00e-013"},
    {"%E", 0.0, "0.000000E+000", "0,000000E+000"},
    {"%.0e", 9.5, "1e+001", "1e+001"},
    {"%e", 1e-300, "1.000000e-300", "1,000000e-300"},
    {"%g", 12300000.0, "1.23e+007", "1,23e+007"},
    {"%g", 0.0001, "0.0001", "0,0001"},
    {"%g", 0.00001, "1e-005", "1e-005"},
    {"%g", 100000.0, "100000", "100000"},
    {"%g", 1000000.0, "1e+006", "1e+006"},
    {"%g", 2.5, "2.5", "2,5"},
    {"%.3g", 2.0, "2", "2"},
    {"%#.3g", 2.0, "2.00", "2,00"},
    {"%g", 0.0, "0", "0"},
    {"%8.2f", -3.14159, "   -3.14", "   -3,14"},
    {"%-8.1f|", 2.25, "2.3     |", "2,3     |"},
    {"%08.2f", -3.14159, "-0003.14", "-0003,14"},
    {"%+.1f", 2.0, "+2.0", "+2,0"},
    {"% .1f", 2.0, " 2.0", " 2,0"},
    {"%#.0f", 2.0, "2.", "2,"},
    {"%.1f m", 12.25, "12.3 m", "12,3 m"},
};

TEST(NumberText, FormatsTiesAwayFromZeroAndThreeDigitExponents)
{
    for (const FormatCase& c : formatCases)
    {
        EXPECT_EQ(NumberText::FormatReal(c.format, c.value, '.'), c.point) << c.format << " of " << c.value;
        EXPECT_EQ(NumberText::FormatReal(c.format, c.value, ','), c.comma) << c.format << " of " << c.value;
    }
}

TEST(NumberText, NonFiniteValues)
{
    EXPECT_EQ(NumberText::FormatReal("%f", std::numeric_limits<double>::infinity()), "1.#INF00");
    EXPECT_EQ(NumberText::FormatReal("%f", -std::numeric_limits<double>::infinity()), "-1.#INF00");
    EXPECT_EQ(NumberText::FormatReal("%f", std::numeric_limits<double>::quiet_NaN()), "1.#QNAN0");
}

TEST(NumberText, CStringFormatUsesTheChosenSeparator)
{
    CString s;
    s.Format("%.2f|%e|%d", 0.125, 12300000.0, 7);
    EXPECT_EQ(s, "0.13|1.230000e+007|7");
    {
        NumberText::ScopedSeparator comma(',');
        s.Format("%.1f", 12.5);
        EXPECT_EQ(s, "12,5");
        NumberText::ScopedSeparator point('.');
        s.Format("%.1f", 12.5);
        EXPECT_EQ(s, "12.5");
    }
    s.Format("%.1f", 12.5);
    EXPECT_EQ(s, "12.5");
}

TEST(NumberText, IgnoresTheProcessLocale)
{
    const CommaNumericLocale comma;
    if (!comma.Selected())
        GTEST_SKIP() << "no locale with a decimal comma (localedef needs Debian's locales)";
    ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    EXPECT_EQ(NumberText::FormatReal("%.2f", 1.5), "1.50");
    EXPECT_DOUBLE_EQ(NumberText::ToDouble("1.5"), 1.5);
    CString text;
    text.Format("%.1f|%d", 2.25, 1234);
    EXPECT_EQ(text, "2.3|1234");
}

struct ParseCase
{
    const char* text;
    bool ok;
    double value;
};

const ParseCase parseCases[] = {
    {"12,5", true, 12.5},  {"12.5", true, 12.5}, {"  -12,5e2 ", true, -1250.0},
    {"+3", true, 3.0},     {",5", true, 0.5},    {"5.", true, 5.0},
    {"1E-3", true, 0.001}, {"", false, 0},       {"   ", false, 0},
    {"abc", false, 0},     {"12,5 m", false, 0}, {"1,234.5", false, 0},
    {"1e999", false, 0},   {"-", false, 0},      {".", false, 0},
};

TEST(NumberText, ParsesEitherSeparator)
{
    for (const ParseCase& c : parseCases)
    {
        double value = -99;
        EXPECT_EQ(NumberText::Parse(c.text, value), c.ok) << c.text;
        EXPECT_DOUBLE_EQ(value, c.ok ? c.value : -99) << c.text;
    }
}

TEST(NumberText, ReadsTheLeadingNumberAsAtofDoes)
{
    EXPECT_DOUBLE_EQ(NumberText::ToDouble("45#40"), 45.0);
    EXPECT_DOUBLE_EQ(NumberText::ToDouble(" 2,5"), 2.5);
    EXPECT_DOUBLE_EQ(NumberText::ToDouble("0.075"), 0.075);
    EXPECT_DOUBLE_EQ(NumberText::ToDouble("1e3x"), 1000.0);
    EXPECT_DOUBLE_EQ(NumberText::ToDouble("1e"), 1.0);
    EXPECT_DOUBLE_EQ(NumberText::ToDouble("x1"), 0.0);
    EXPECT_DOUBLE_EQ(NumberText::ToDouble(""), 0.0);
    EXPECT_DOUBLE_EQ(NumberText::ToDoubleC("1,5"), 1.0);
    EXPECT_DOUBLE_EQ(NumberText::ToDoubleC("1.5e1 2"), 15.0);
    EXPECT_EQ(NumberText::ToInt(" 9001-0004"), 9001);
    EXPECT_EQ(NumberText::ToInt("-12x"), -12);
    EXPECT_EQ(NumberText::ToInt("99999999999"), 2147483647);
    EXPECT_EQ(NumberText::WithDecimalSeparator("1,234.5", ','), "1,234,5");
}

// Texts of numbers that are not finite, as other programs and the C run-time write them, and
// numbers too large for a double: none reads as a number, whole or real; they read as a
// number not given.
TEST(NumberText, NonFiniteTextsAreNoNumbers)
{
    const struct
    {
        const char* text;
        bool nonFinite;
        double real; // ToDouble
        int whole;   // ToInt
    } cases[] = {
        {"1e999", true, 0.0, 0},      {"-1e999", true, 0.0, 0},    {"1,5e400", true, 0.0, 0},
        {"1.#INF00", true, 0.0, 0},   {"-1.#INF00", true, 0.0, 0}, {"1.#INF", true, 0.0, 0},
        {"1,#INF", true, 0.0, 0},     {"-1.#IND00", true, 0.0, 0}, {"1.#QNAN0", true, 0.0, 0},
        {"1.#SNAN", true, 0.0, 0},    {"inf", true, 0.0, 0},       {"-Infinity", true, 0.0, 0},
        {"nan", true, 0.0, 0},        {" NaN ", true, 0.0, 0},     {"45#40", false, 45.0, 45},
        {"1e3", false, 1000.0, 1000}, {"2,5e1", false, 25.0, 25},  {"1e10", false, 1e10, 2147483647},
        {"-1e10", false, -1e10, -2147483647 - 1},                  {"1e-999", false, 0.0, 0},
        {"nanometr", false, 0.0, 0},  {"12.7", false, 12.7, 12},   {"-12,7", false, -12.7, -12},
        {"", false, 0.0, 0},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(c.nonFinite, NumberText::IsNonFinite(c.text)) << c.text;
        EXPECT_DOUBLE_EQ(c.real, NumberText::ToDouble(c.text)) << c.text;
        EXPECT_EQ(c.whole, NumberText::ToInt(c.text)) << c.text;
        double parsed = -1.0;
        if (c.nonFinite)
            EXPECT_FALSE(NumberText::Parse(c.text, parsed)) << c.text;
    }
}

TEST(UserLocale, PresetsAndOverride)
{
    UserLocale::SetCurrent(UserLocale::Czech());
    EXPECT_EQ(UserLocale::Current().decimalSeparator, ',');
    EXPECT_EQ(UserLocale::Current().decimalDigits, 2);
    EXPECT_EQ(UserLocale::Current().currencyDigits, 2);
    EXPECT_EQ(UserLocale::Current().shortDateFormat, "d.M.yyyy");
    UserLocale::SetCurrent(UserLocale::English());
    EXPECT_EQ(UserLocale::Current().decimalSeparator, '.');
    UserLocale::SetCurrent(UserLocale::Czech());
    char buffer[8];
    EXPECT_EQ(GetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buffer, 3), 2);
    EXPECT_STREQ(buffer, ",");
    EXPECT_EQ(GetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_ICURRDIGITS, buffer, 4), 2);
    EXPECT_STREQ(buffer, "2");
    EXPECT_EQ(GetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_SABBREVLANGNAME, buffer, 4), 4);
    EXPECT_STREQ(buffer, "CSY");
    EXPECT_EQ(GetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, buffer, 4), 0);
    EXPECT_EQ(GetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_SSHORTDATE, nullptr, 0), 9);
    EXPECT_EQ(UserLocale::NumericDatePattern("dd.MM.yy", "x"), "dd.MM.yyyy");
    EXPECT_EQ(UserLocale::NumericDatePattern("M/d/yy", "x"), "M/d/yyyy");
    EXPECT_EQ(UserLocale::NumericDatePattern("dd/MM/yyyy", "x"), "dd/MM/yyyy");
    EXPECT_EQ(UserLocale::NumericDatePattern("d MMM yyyy", "M/d/yyyy"), "M/d/yyyy");
    UserLocale::ResetToSystem();
    const char point = UserLocale::Current().decimalSeparator;
    EXPECT_TRUE(point == '.' || point == ',');
}
} // namespace
