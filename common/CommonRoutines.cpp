#include "common/CommonRoutines.h"

#include "platform/core/COleCurrency.h"
#include "platform/core/COleDateTime.h"
#include "platform/core/COleVariant.h"
#include "platform/core/Registry.h"
#include "platform/core/UserLocale.h"

#include <cmath>
#include <vector>

namespace
{
const CString& YesText()
{
    static const CString text("ANO");
    return text;
}

const CString& NoText()
{
    static const CString text("NE");
    return text;
}

CString RealText(double value, int decimals)
{
    const double magnitude = std::fabs(value);
    const bool fixed = value == 0.0 || (magnitude >= 1.0 / 10000000 && magnitude <= 10000000);
    CString text;
    text.Format(fixed ? "%.*f" : "%.*e", decimals, value);
    return text;
}
} // namespace

CString LocalizeDecimalSeparator(CString text)
{
    char separator[2] = {'.', 0};
    GetLocaleInfo(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator);
    const char other = separator[0] == '.' ? ',' : '.';
    text.Replace(char32_t(other), char32_t(static_cast<unsigned char>(separator[0])));
    return text;
}

CString ReadRegistryString(HKEY root, const char* keyPath, const char* valueName)
{
    CString value;
    HKEY key = nullptr;
    if (RegOpenKey(root, keyPath, &key) != ERROR_SUCCESS)
        return value;
    DWORD size = 0;
    if (RegQueryValueEx(key, valueName, nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS && size > 0)
    {
        std::vector<BYTE> buffer(size + 1, 0);
        if (RegQueryValueEx(key, valueName, nullptr, nullptr, buffer.data(), &size) == ERROR_SUCCESS)
            value = reinterpret_cast<const char*>(buffer.data());
    }
    RegCloseKey(key);
    return value;
}

CString FormatVariant(const COleVariant& value, int decimals)
{
    if (decimals < 0)
        decimals = 0;
    CString text;
    switch (value.vt)
    {
    case VT_I2:
        text.Format("%hd", value.iVal);
        break;
    case VT_I4:
        text.Format("%d", int(value.lVal));
        break;
    case VT_R4:
        text = RealText(value.fltVal, decimals);
        break;
    case VT_R8:
        text = RealText(value.dblVal, decimals);
        break;
    case VT_CY:
        text = COleCurrency(value.cyVal).Format(0, LANG_USER_DEFAULT);
        break;
    case VT_DATE:
        text = COleDateTime(value.date).Format(VAR_DATEVALUEONLY, LANG_USER_DEFAULT);
        break;
    case VT_BSTR:
        text = value.bstrVal ? CString(value.bstrVal) : CString();
        break;
    case VT_BOOL:
        text = value.boolVal ? YesText() : NoText();
        break;
    case VT_UI1:
        text.Format("%hu", unsigned(value.bVal));
        break;
    default:
        break;
    }
    return text;
}

CString SettingNumberText(double value)
{
    CString text;
    text.Format("%f", value);
    text.TrimRight("0");
    return text;
}

CString JoinPath(const CString& folder, const CString& name)
{
    if (folder.IsEmpty())
        return name;
    const char32_t last = folder.GetAt(folder.GetLength() - 1);
    if (last == '/' || last == '\\')
        return folder + name;
    return folder + "/" + name;
}
