// The number-text and help services of the application object.
#include "dataeditor/app/CSobrelApp.h"

#include "dataeditor/app/CVersionCheck.h"
#include "platform/core/NumberText.h"

#include <QUrl>

#include <algorithm>
#include <string>

int CSobrelApp::NormalizeNumberText(CString& text) const
{
    text.Trim();
    if (!thousandSeparator.IsEmpty())
        text.Replace(thousandSeparator, "");
    if (text.Find(decimalPoint) >= 0)
        return 1;
    std::string value(text);
    const std::size_t exponent = value.find_first_of("eE");
    const std::size_t mantissaEnd = exponent == std::string::npos ? value.size() : exponent;
    if (mantissaEnd == 0)
        return 1;
    const std::size_t start = (value[0] == '+' || value[0] == '-') ? 1 : 0;
    const std::size_t separator = value.find_first_of(".,", start);
    if (separator == std::string::npos || separator >= mantissaEnd)
        return 1;
    value[separator] = decimalPoint;
    text = value.c_str();
    return 0;
}

bool CSobrelApp::IsNumberText(CString text) const
{
    NormalizeNumberText(text);
    const std::string value(text);
    if (value.empty())
        return false;
    if (std::count(value.begin(), value.end(), decimalPoint) > 1)
        return false;
    const std::size_t sign = value.find_first_of("+-");
    if (sign != std::string::npos && sign > 0 && value[sign - 1] != 'e' && value[sign - 1] != 'E')
        return false;
    if (std::count(value.begin(), value.end(), '+') > 2 || std::count(value.begin(), value.end(), '-') > 2)
        return false;
    if (std::count(value.begin(), value.end(), 'e') > 1 || std::count(value.begin(), value.end(), 'E') > 1)
        return false;
    const std::size_t exponent = value.find_first_of("eE");
    if (exponent != std::string::npos && exponent > 0 && exponent + 1 < value.size())
    {
        std::string rest = value.substr(exponent + 1);
        rest.erase(std::remove_if(rest.begin(), rest.end(), [](char c) { return c == '+' || c == '-'; }), rest.end());
        if (rest.empty() || rest[0] < '0' || rest[0] > '9')
            return false;
    }
    for (char c : value)
        if (c != decimalPoint && c != '+' && c != '-' && c != 'e' && c != 'E' && (c < '0' || c > '9'))
            return false;
    return true;
}

CString CSobrelApp::FormatNumber(double value, int digits, char decimalChar, const CString& thousandSeparator)
{
    digits = std::clamp(digits, 0, 9);
    NumberText::Conversion conversion;
    conversion.precision = digits;
    std::string text = NumberText::FormatReal(value, conversion, '.');
    if (text.find_first_not_of("-0123456789.") != std::string::npos)
        return CString();
    const bool negative = !text.empty() && text[0] == '-';
    if (negative)
        text.erase(0, 1);
    const std::size_t point = text.find('.');
    std::string whole = text.substr(0, point);
    const std::string fraction = point == std::string::npos ? std::string() : text.substr(point + 1);
    std::string grouped;
    const std::string separator(thousandSeparator);
    for (std::size_t i = 0; i < whole.size(); ++i)
    {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            grouped += separator;
        grouped += whole[i];
    }
    std::string result = (negative ? "-" : "") + grouped;
    if (digits > 0)
        result += decimalChar + fraction;
    return CString(result.c_str());
}

CString CSobrelApp::GetHelpFolder() const { return programFolder + "help"; }

void CSobrelApp::OpenHelpPage(const CString& path)
{
    CVersionCheck::OpenUrl(QUrl::fromLocalFile(QString::fromUtf8(LPCTSTR(path))).toString().toUtf8().constData());
}
