#include "dataeditor/grid/CFormulaParser.h"

#include <charconv>
#include <cmath>
#include <exception>

namespace
{
// Index 0 is never matched; SINH, COSH and TANH stand before SIN, COS and TAN.
const char* const functionNames[] = {"",    "ABS", "SQR",    "SINH",   "COSH",   "TANH",  "ARCTAN",
                                     "LN",  "LOG", "EXP",    "SIN",    "COS",    "TAN",   "ARCSIN",
                                     "ARCCOS", "INT", "RAD", "DEG",    "ARSINH", "ARCOSH", "ARTANH"};
constexpr int functionCount = sizeof(functionNames) / sizeof(functionNames[0]);

const char* const divisionNote = " (Division durch Null)";
const char* const powerNote = " (keine Wurzel aus neg. Zahl)";
const char* const domainNote = " (Ein Error wurde abgefangen)";

char32_t Upper(char32_t c)
{
    return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c;
}

bool IsDigit(char32_t c)
{
    return c >= '0' && c <= '9';
}

bool IsDecimalSeparator(char32_t c)
{
    return c == '.' || c == ',';
}

bool IsLetter(char32_t c)
{
    if (c < 0x80)
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    return CString::FromCodePoint(c).MakeUpper() != CString::FromCodePoint(c).MakeLower();
}

std::u32string Decode(const CString& text)
{
    std::u32string result;
    const std::string& bytes = text.str();
    for (std::size_t pos = 0; pos < bytes.size();)
        result += Utf8::Decode(bytes, pos);
    return result;
}

bool IsWhole(double p)
{
    return std::isfinite(p) && p == std::trunc(p);
}
} // namespace

CFormulaParser::CFormulaParser(CString thousandSeparator) : m_thousandSeparator(std::move(thousandSeparator)) {}

double CFormulaParser::Evaluate(const CString& formula, double x, unsigned short& errorPosition,
                                CString& errorText)
{
    try
    {
        CString working = formula;
        if (!m_thousandSeparator.IsEmpty())
            working.Replace(m_thousandSeparator, "");
        working.Trim();
        m_text = Decode(working);
        m_note.Empty();
        m_x = x;
        m_position = 0;
        NextToken();
        double value = 0;
        int stop = 0;
        try
        {
            value = Expression();
            if (!AtEnd())
                stop = m_position;
        }
        catch (const SyntaxError& error)
        {
            stop = error.position;
        }
        if (stop != 0)
        {
            errorPosition = static_cast<unsigned short>(stop);
            errorText.Format("Chyba ve vzorci na pozici %d", stop);
            errorText += m_note + "!";
        }
        else
        {
            errorPosition = 0;
            errorText = m_note;
        }
        return value;
    }
    catch (const std::exception& e)
    {
        errorText = CString("Error in Calculation() weil ") + CString(e.what()).TruncateChars(255);
        return 0;
    }
}

void CFormulaParser::NextToken()
{
    m_skippedBlank = false;
    for (;;)
    {
        ++m_position;
        m_token = m_position <= int(m_text.size()) ? m_text[m_position - 1] : 0;
        if (m_token != ' ')
            return;
        m_skippedBlank = true;
    }
}

double CFormulaParser::Expression()
{
    double value = Term();
    while (m_token == '+' || m_token == '-')
    {
        char32_t op = m_token;
        NextToken();
        double right = Term();
        value = op == '+' ? value + right : value - right;
    }
    return value;
}

double CFormulaParser::Term()
{
    double value = Power();
    while (m_token == '*' || m_token == '/')
    {
        char32_t op = m_token;
        NextToken();
        double right = Power();
        if (op == '*')
            value *= right;
        else if (right == 0)
            m_note = divisionNote;
        else
            value /= right;
    }
    return value;
}

double CFormulaParser::Power()
{
    double base = Signed();
    while (m_token == '^')
    {
        NextToken();
        double p = Signed();
        if (base > 0 || (base < 0 && IsWhole(p)))
            base = std::pow(base, p);
        else if (base == 0 && p >= 0)
            base = p > 0 ? 0.0 : 1.0;
        else
            m_note = base == 0 ? divisionNote : powerNote;
    }
    return base;
}

double CFormulaParser::Signed()
{
    if (m_token != '-')
        return Factor();
    NextToken();
    return -Factor();
}

double CFormulaParser::Factor()
{
    if (IsDigit(m_token) || IsDecimalSeparator(m_token))
        return Number();
    if (m_token == '(')
    {
        NextToken();
        double value = Expression();
        if (m_token == ')')
            NextToken();
        return value;
    }
    double value = 0;
    if (ReadVariable(value) || ReadFunction(value))
        return value;
    return 0;
}

// Digits with at most one decimal separator ("." or ","), read without regard to the locale.
double CFormulaParser::Number()
{
    const int start = m_position;
    std::string digits;
    bool separatorSeen = false;
    bool digitSeen = false;
    while (IsDigit(m_token) || IsDecimalSeparator(m_token))
    {
        if (m_position != start && m_skippedBlank)
            throw SyntaxError{m_position};
        if (IsDecimalSeparator(m_token))
        {
            if (separatorSeen)
                throw SyntaxError{m_position};
            separatorSeen = true;
            digits += '.';
        }
        else
        {
            digitSeen = true;
            digits += char(m_token);
        }
        NextToken();
    }
    if (!digitSeen)
        throw SyntaxError{start};
    if (digits.front() == '.')
        digits.insert(digits.begin(), '0');
    double value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value;
}

bool CFormulaParser::ReadVariable(double& value)
{
    switch (Upper(m_token))
    {
    case 'X':
        value = m_x;
        break;
    case 'B': case 'F': case 'G': case 'H': case 'J': case 'K': case 'M': case 'N': case 'U': case 'V':
        value = 0;
        break;
    default:
        return false;
    }
    NextToken();
    return true;
}

bool CFormulaParser::ReadFunction(double& value)
{
    for (int index = 1; index < functionCount; ++index)
    {
        const std::string name = functionNames[index];
        const std::size_t first = std::size_t(m_position - 1);
        if (first + name.size() > m_text.size())
            continue;
        bool match = true;
        for (std::size_t i = 0; i < name.size() && match; ++i)
            match = Upper(m_text[first + i]) == char32_t(name[i]);
        if (!match)
            continue;
        m_position += int(name.size()) - 1;
        NextToken();
        value = ApplyFunction(index, Factor());
        return true;
    }
    return false;
}

double CFormulaParser::DomainError(double v)
{
    m_note = domainNote;
    return v;
}

double CFormulaParser::ApplyFunction(int index, double v)
{
    const std::string name = functionNames[index];
    if (name == "ABS")
        return std::fabs(v);
    if (name == "SQR")
        return v < 0 ? DomainError(v) : std::sqrt(v);
    if (name == "SINH")
        return std::sinh(v);
    if (name == "COSH")
        return std::cosh(v);
    if (name == "TANH")
        return std::tanh(v);
    if (name == "ARCTAN")
        return std::atan(v);
    if (name == "LN")
        return v <= 0 ? DomainError(v) : std::log(v);
    if (name == "LOG")
        return v <= 0 ? DomainError(v) : std::log10(v);
    if (name == "EXP")
    {
        double result = std::exp(v);
        return std::isinf(result) && std::isfinite(v) ? DomainError(v) : result;
    }
    if (name == "SIN")
        return std::sin(v);
    if (name == "COS")
        return std::cos(v);
    if (name == "TAN")
        return std::cos(v) == 0 ? DomainError(v) : std::tan(v);
    if (name == "ARCSIN")
        return std::fabs(v) > 1 ? DomainError(v) : std::asin(v);
    if (name == "ARCCOS")
        return std::fabs(v) > 1 ? DomainError(v) : std::acos(v);
    if (name == "INT")
        return std::trunc(v);
    if (name == "RAD")
        return v * 0.017453292519943295;
    if (name == "DEG")
        return v * 57.29577951308232;
    if (name == "ARSINH")
        return std::log(v + std::sqrt(v * v + 1));
    if (name == "ARCOSH")
        return v < 1 ? DomainError(v) : std::log(v + std::sqrt(v * v - 1));
    if (name == "ARTANH")
        return std::fabs(v) >= 1 ? DomainError(v) : 0.5 * std::log((1 + v) / (1 - v));
    return v;
}

CString CFormulaParser::SubstituteRowVariable(const CString& formula, int n)
{
    const std::u32string text = Decode(formula);
    CString number;
    number.Format("%d", n);
    CString result;
    for (std::size_t i = 0; i < text.size(); ++i)
    {
        const bool variable = Upper(text[i]) == 'I' && (i == 0 || !IsLetter(text[i - 1])) &&
                              (i + 1 == text.size() || !IsLetter(text[i + 1]));
        if (variable)
            result += number;
        else
            result += text[i];
    }
    return result;
}
