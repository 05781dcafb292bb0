#include "hydraulics/NumberReading.h"

#include "common/CommonRoutines.h"
#include "platform/core/NumberText.h"

#include <cmath>

double ReadNumber(const CString& text)
{
    const double value = NumberText::ToDouble(LocalizeDecimalSeparator(text).str());
    return std::isfinite(value) ? value : 0.0;
}

int ReadInteger(const CString& text)
{
    return NumberText::ToInt(text.str());
}

CString WriteNumber(const char* format, double value)
{
    CString text;
    text.Format(format, std::isfinite(value) ? value : 0.0);
    return text;
}

CString WriteInteger(int value)
{
    CString text;
    text.Format("%d", value);
    return text;
}
