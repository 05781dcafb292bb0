#pragma once
// Evaluates a one-line arithmetic formula in the variable X while it reads it: + - * / ^,
// parentheses, a unary minus and the real functions of the function table. Arithmetic
// problems leave the operand unchanged and set a note; a syntax problem stops the reading
// and its 1-based character position is reported.

#include "platform/core/CString.h"

#include <string>

class CFormulaParser
{
public:
    // The thousands separator is removed from every formula before it is read.
    explicit CFormulaParser(CString thousandSeparator = CString());

    // errorPosition 0: the whole text was read (errorText may still hold an arithmetic note);
    // after a syntax error the value is 0.
    double Evaluate(const CString& formula, double x, unsigned short& errorPosition, CString& errorText);

    // The formula with every free-standing "I" (no letter on either side) replaced by n.
    static CString SubstituteRowVariable(const CString& formula, int n);

private:
    struct SyntaxError
    {
        int position;
    };

    void NextToken();
    bool AtEnd() const { return m_token == 0; }
    double Expression();
    double Term();
    double Power();
    double Signed();
    double Factor();
    double Number();
    bool ReadVariable(double& value);
    bool ReadFunction(double& value);
    double ApplyFunction(int index, double v);
    double DomainError(double v);

    CString m_thousandSeparator;
    std::u32string m_text;
    int m_position = 0;
    char32_t m_token = 0;
    bool m_skippedBlank = false;
    CString m_note;
    double m_x = 0;
};
