#include "dataeditor/grid/CFormulaParser.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
struct FormulaCase
{
    const char* formula;
    double x;
    double value;
    int errorPosition;
    const char* errorText;
};

void PrintTo(const FormulaCase& c, std::ostream* out)
{
    *out << '"' << c.formula << '"';
}

const char* const divisionByZero = " (Division durch Null)";
const char* const domainError = " (Ein Error wurde abgefangen)";
const char* const noRoot = " (keine Wurzel aus neg. Zahl)";

const FormulaCase formulaCases[] = {
    {"2+3*4", 1, 14, 0, ""},
    {"(2+3)*4", 1, 20, 0, ""},
    {"2^3^2", 1, 64, 0, ""},
    {"-2^2", 1, 4, 0, ""},
    {"2*-3", 1, -6, 0, ""},
    {"10-4-3", 1, 3, 0, ""},
    {"x", 0, 0, 0, ""},
    {"X*2", 1.5, 3, 0, ""},
    {"1/X", 0, 1, 0, divisionByZero},
    {"1/0", 1, 1, 0, divisionByZero},
    {"SQR(-4)", 1, -4, 0, domainError},
    {"sqr 16", 1, 4, 0, ""},
    {"2)", 1, 2, 2, "Chyba ve vzorci na pozici 2!"},
    {"(1+2", 1, 3, 0, ""},
    {"O", 1, 0, 1, "Chyba ve vzorci na pozici 1!"},
    {".5", 1, 0.5, 0, ""},
    {"1,5", 1, 1.5, 0, ""},
    {"  7 ", 1, 7, 0, ""},
    {"(-2)^1", 1, -2, 0, ""},
    {"(-2)^2", 1, 4, 0, ""},
    {"(-8)^0.5", 1, -8, 0, noRoot},
    {"0^0", 1, 1, 0, ""},
    {"0^1", 1, 0, 0, ""},
    {"0^0.5", 1, 0, 0, ""},
    {"0^-1", 1, 0, 0, divisionByZero},
    {"ARCSIN(1)", 1, M_PI / 2, 0, ""},
    {"ARCSIN(1.5)", 1, 1.5, 0, domainError},
    {"ARCCOS(-1)", 1, M_PI, 0, ""},
    {"LN(0)", 1, 0, 0, domainError},
    {"LOG(-1)", 1, -1, 0, domainError},
    {"LOG(1000)", 1, 3, 0, ""},
    {"ARCOSH(0.5)", 1, 0.5, 0, domainError},
    {"ARCOSH(1)", 1, 0, 0, ""},
    {"ARTANH(1)", 1, 1, 0, domainError},
    {"ARTANH(0)", 1, 0, 0, ""},
    {"EXP(41.5)", 1, std::exp(41.5), 0, ""},
    {"EXP(1000)", 1, 1000, 0, domainError},
    {"INT(30000000000)", 1, 30000000000.0, 0, ""},
    {"INT(-2.7)", 1, -2, 0, ""},
    {"SINH(0)+sinh(0)", 1, 0, 0, ""},
    {"COSH 0", 1, 1, 0, ""},
    {"SIN 2*X", 3, std::sin(2.0) * 3, 0, ""},
    {"DEG(RAD(90))", 1, 90, 0, ""},
    {"B+V", 1, 0, 0, ""},
    {"1 2", 1, 0, 3, "Chyba ve vzorci na pozici 3!"},
    {"1.2.3", 1, 0, 4, "Chyba ve vzorci na pozici 4!"},
    {"1,2.3", 1, 0, 4, "Chyba ve vzorci na pozici 4!"},
    {"1/0+(2", 1, 3, 0, divisionByZero},
    {"1/0)", 1, 1, 4, "Chyba ve vzorci na pozici 4 (Division durch Null)!"},
};

class FormulaTable : public testing::TestWithParam<FormulaCase>
{
};

TEST_P(FormulaTable, ValuePositionAndText)
{
    const FormulaCase& c = GetParam();
    CFormulaParser parser;
    unsigned short position = 99;
    CString text = "stale";
    const double value = parser.Evaluate(c.formula, c.x, position, text);
    EXPECT_NEAR(value, c.value, 1e-9 * std::max(1.0, std::fabs(c.value))) << c.formula;
    EXPECT_EQ(position, c.errorPosition) << c.formula;
    EXPECT_STREQ(text, c.errorText) << c.formula;
}

INSTANTIATE_TEST_SUITE_P(Formulas, FormulaTable, testing::ValuesIn(formulaCases));

TEST(FormulaParser, ThousandsSeparatorIsRemovedBeforeReading)
{
    CFormulaParser parser(" ");
    unsigned short position = 0;
    CString text;
    EXPECT_DOUBLE_EQ(parser.Evaluate("1 000*2", 1, position, text), 2000);
    EXPECT_EQ(position, 0);
}

TEST(FormulaParser, NoteOfOneEvaluationDoesNotReachTheNext)
{
    CFormulaParser parser;
    unsigned short position = 0;
    CString text;
    parser.Evaluate("1/0", 1, position, text);
    EXPECT_DOUBLE_EQ(parser.Evaluate("1/2", 1, position, text), 0.5);
    EXPECT_STREQ(text, "");
}

TEST(FormulaParser, RowVariableIsReplacedOnlyWhereItStandsAlone)
{
    const struct
    {
        const char* formula;
        int n;
        const char* expected;
    } cases[] = {
        {"I*2", 3, "3*2"},
        {"SIN(I)", 12, "SIN(12)"},
        {"ARCSIN(X)+I", 5, "ARCSIN(X)+5"},
        {"i+INT(i)", 2, "2+INT(2)"},
        {"II", 1, "II"},
        {"Íi", 1, "Íi"},
    };
    for (const auto& c : cases)
        EXPECT_STREQ(CFormulaParser::SubstituteRowVariable(c.formula, c.n), c.expected) << c.formula;
}
} // namespace
