#include "hydraulics/NumberReading.h"

#include "common/CommonRoutines.h"
#include "platform/core/NumberText.h"

#include <charconv>
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

CString WriteStoredNumber(const char* format, double value)
{
    const NumberText::ScopedSeparator point('.');
    return WriteNumber(format, value);
}

CString WriteExactNumber(const char* format, double value)
{
    const CString text = WriteNumber(format, value);
    if (!std::isfinite(value) || ReadNumber(text) == value)
        return text;
    char digits[64];
    const auto written = std::to_chars(digits, digits + sizeof digits, value);
    std::string exact(digits, written.ptr);
    if (const char separator = NumberText::FormatSeparator(); separator != '.')
        for (char& c : exact)
            if (c == '.')
                c = separator;
    return CString(exact);
}
