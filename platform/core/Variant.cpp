#include "platform/core/Variant.h"

#include "platform/core/COleCurrency.h"
#include "platform/core/COleDateTime.h"
#include "platform/core/NumberText.h"
#include "platform/core/UserLocale.h"
#include "platform/core/VariantText.h"

#include <cctype>
#include <cfloat>
#include <cmath>
#include <cstring>

namespace
{
VariantOwnedHooks g_hooks;

// The OLE date range: 1 January 100 to 31 December 9999.
constexpr double MinDate = -657434.0;
constexpr double MaxDate = 2958465.99999999;
constexpr double MaxCurrency = 922337203685477.5807;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

std::string Trimmed(std::string_view s)
{
    std::size_t from = 0, to = s.size();
    while (from < to && IsBlank(s[from]))
        ++from;
    while (to > from && IsBlank(s[to - 1]))
        --to;
    return std::string(s.substr(from, to - from));
}

bool EqualsNoCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

HRESULT SetText(VARIANT& out, const std::string& text)
{
    out.vt = VT_BSTR;
    out.bstrVal = SysAllocStringByteLen(text.data(), UINT(text.size()));
    return out.bstrVal ? S_OK : E_OUTOFMEMORY;
}

// The value of a variant as a number; false for types that have none.
HRESULT NumberOf(const VARIANT& v, const UserLocale& locale, double& x)
{
    switch (v.vt)
    {
    case VT_EMPTY:
        x = 0;
        return S_OK;
    case VT_I2:
        x = v.iVal;
        return S_OK;
    case VT_I4:
        x = v.lVal;
        return S_OK;
    case VT_UI1:
        x = v.bVal;
        return S_OK;
    case VT_R4:
        x = v.fltVal;
        return S_OK;
    case VT_R8:
        x = v.dblVal;
        return S_OK;
    case VT_DATE:
        x = v.date;
        return S_OK;
    case VT_CY:
        x = double(v.cyVal.int64) / 10000.0;
        return S_OK;
    case VT_BOOL:
        x = v.boolVal ? -1 : 0;
        return S_OK;
    case VT_BSTR:
        return VariantText::ParseNumber(v.bstrVal ? v.bstrVal : "", locale, x);
    default:
        return DISP_E_TYPEMISMATCH;
    }
}

HRESULT ToInteger(double x, double low, double high, LONGLONG& out)
{
    const double r = std::nearbyint(x); // ties to even in the default rounding mode
    if (!(r >= low && r <= high))
        return DISP_E_OVERFLOW;
    out = LONGLONG(r);
    return S_OK;
}

HRESULT ToText(const VARIANT& v, const UserLocale& locale, USHORT flags, std::string& text)
{
    switch (v.vt)
    {
    case VT_EMPTY:
        text.clear();
        return S_OK;
    case VT_I2:
        text = std::to_string(v.iVal);
        return S_OK;
    case VT_I4:
        text = std::to_string(v.lVal);
        return S_OK;
    case VT_UI1:
        text = std::to_string(v.bVal);
        return S_OK;
    case VT_R4:
        text = VariantText::FormatReal(v.fltVal, 7, locale);
        return S_OK;
    case VT_R8:
        text = VariantText::FormatReal(v.dblVal, 15, locale);
        return S_OK;
    case VT_CY:
        text = VariantText::FormatCurrency(v.cyVal.int64, locale);
        return S_OK;
    case VT_BOOL:
        if (flags & (VARIANT_ALPHABOOL | VARIANT_LOCALBOOL))
            text = v.boolVal ? "True" : "False";
        else
            text = v.boolVal ? "-1" : "0";
        return S_OK;
    case VT_DATE:
        if (!(v.date >= MinDate && v.date <= MaxDate))
            return DISP_E_OVERFLOW;
        text = VariantText::FormatDate(v.date, 0, locale);
        return S_OK;
    case VT_BSTR:
        text = v.bstrVal ? v.bstrVal : "";
        return S_OK;
    default:
        return DISP_E_TYPEMISMATCH;
    }
}

HRESULT ToBool(const VARIANT& v, const UserLocale& locale, VARIANT& out)
{
    if (v.vt == VT_BSTR)
    {
        const std::string text = Trimmed(v.bstrVal ? v.bstrVal : "");
        if (EqualsNoCase(text, "True") || EqualsNoCase(text, "False"))
        {
            out.vt = VT_BOOL;
            out.boolVal = EqualsNoCase(text, "True") ? VARIANT_TRUE : VARIANT_FALSE;
            return S_OK;
        }
    }
    double x = 0;
    const HRESULT hr = NumberOf(v, locale, x);
    if (FAILED(hr))
        return hr;
    out.vt = VT_BOOL;
    out.boolVal = x != 0 ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

HRESULT ToDate(const VARIANT& v, const UserLocale& locale, USHORT flags, VARIANT& out)
{
    double x = 0;
    if (v.vt == VT_BSTR)
    {
        const HRESULT hr = VariantText::ParseDate(v.bstrVal ? v.bstrVal : "", flags, locale, x);
        if (FAILED(hr))
            return hr;
    }
    else
    {
        const HRESULT hr = NumberOf(v, locale, x);
        if (FAILED(hr))
            return hr;
    }
    if (!(x >= MinDate && x <= MaxDate))
        return DISP_E_OVERFLOW;
    out.vt = VT_DATE;
    out.date = x;
    return S_OK;
}

// Numbers, Booleans, dates and currency from any source that has a number.
HRESULT ToNumber(const VARIANT& v, const UserLocale& locale, VARTYPE vt, VARIANT& out)
{
    double x = 0;
    const HRESULT hr = NumberOf(v, locale, x);
    if (FAILED(hr))
        return hr;
    LONGLONG n = 0;
    HRESULT result = S_OK;
    switch (vt)
    {
    case VT_I2:
        result = ToInteger(x, -32768, 32767, n);
        out.iVal = SHORT(n);
        break;
    case VT_I4:
        result = ToInteger(x, -2147483648.0, 2147483647.0, n);
        out.lVal = LONG(n);
        break;
    case VT_UI1:
        result = ToInteger(x, 0, 255, n);
        out.bVal = BYTE(n);
        break;
    case VT_R4:
        if (std::fabs(x) > FLT_MAX)
            return DISP_E_OVERFLOW;
        out.fltVal = float(x);
        break;
    case VT_R8:
        out.dblVal = x;
        break;
    case VT_CY:
        if (v.vt == VT_CY)
            n = v.cyVal.int64;
        else if (v.vt == VT_BSTR)
        {
            const HRESULT exact = VariantText::ParseCurrency(v.bstrVal ? v.bstrVal : "", locale, n);
            if (FAILED(exact))
                return exact;
        }
        else if (!(std::fabs(x) <= MaxCurrency))
            return DISP_E_OVERFLOW;
        else
            n = LONGLONG(std::nearbyint(x * 10000.0));
        out.cyVal.int64 = n;
        break;
    default:
        return DISP_E_BADVARTYPE;
    }
    if (SUCCEEDED(result))
        out.vt = vt;
    return result;
}

HRESULT Convert(const VARIANT& src, const UserLocale& locale, USHORT flags, VARTYPE vt, VARIANT& out)
{
    VariantInit(&out);
    if (src.vt == vt)
        return VariantCopy(&out, &src);
    if (vt == VT_EMPTY)
        return S_OK;
    if (src.vt == VT_NULL || src.vt == VT_ERROR || vt == VT_NULL || vt == VT_ERROR)
        return src.vt == VT_EMPTY && vt == VT_NULL ? (out.vt = VT_NULL, S_OK) : DISP_E_TYPEMISMATCH;
    if ((src.vt & ~VT_TYPEMASK) || (vt & ~VT_TYPEMASK))
        return DISP_E_TYPEMISMATCH;
    switch (vt)
    {
    case VT_BSTR:
    {
        std::string text;
        const HRESULT hr = ToText(src, locale, flags, text);
        return FAILED(hr) ? hr : SetText(out, text);
    }
    case VT_BOOL:
        return ToBool(src, locale, out);
    case VT_DATE:
        return ToDate(src, locale, flags, out);
    case VT_I2:
    case VT_I4:
    case VT_UI1:
    case VT_R4:
    case VT_R8:
    case VT_CY:
        return ToNumber(src, locale, vt, out);
    default:
        return DISP_E_TYPEMISMATCH;
    }
}
} // namespace

void VariantInit(VARIANT* v)
{
    if (!v)
        return;
    std::memset(static_cast<void*>(v), 0, sizeof(VARIANT));
    v->vt = VT_EMPTY;
}

HRESULT VariantClear(VARIANT* v)
{
    if (!v)
        return E_INVALIDARG;
    if (!(v->vt & VT_BYREF))
    {
        if (v->vt & VT_ARRAY)
        {
            if (v->parray && g_hooks.destroyArray)
                g_hooks.destroyArray(v->parray);
        }
        else if (v->vt == VT_BSTR)
            SysFreeString(v->bstrVal);
        else if ((v->vt == VT_DISPATCH || v->vt == VT_UNKNOWN) && v->punkVal && g_hooks.release)
            g_hooks.release(v->punkVal);
    }
    VariantInit(v);
    return S_OK;
}

HRESULT VariantCopy(VARIANT* dest, const VARIANT* src)
{
    if (!dest || !src)
        return E_INVALIDARG;
    if (dest == src)
        return S_OK;
    VARIANT copy = *src;
    if (!(src->vt & VT_BYREF))
    {
        if (src->vt & VT_ARRAY)
        {
            copy.parray = nullptr;
            if (src->parray)
            {
                if (!g_hooks.copyArray)
                    return E_NOTIMPL;
                const HRESULT hr = g_hooks.copyArray(src->parray, &copy.parray);
                if (FAILED(hr))
                    return hr;
            }
        }
        else if (src->vt == VT_BSTR && src->bstrVal)
        {
            copy.bstrVal = SysAllocStringByteLen(src->bstrVal, SysStringByteLen(src->bstrVal));
            if (!copy.bstrVal)
                return E_OUTOFMEMORY;
        }
        else if ((src->vt == VT_DISPATCH || src->vt == VT_UNKNOWN) && src->punkVal && g_hooks.addRef)
            g_hooks.addRef(src->punkVal);
    }
    VariantClear(dest);
    *dest = copy;
    return S_OK;
}

HRESULT VariantChangeTypeIn(VARIANT* dest, const VARIANT* src, const UserLocale& locale, USHORT flags,
                            VARTYPE vt)
{
    if (!dest || !src)
        return E_INVALIDARG;
    VARIANT out;
    const HRESULT hr = Convert(*src, locale, flags, vt, out);
    if (FAILED(hr))
    {
        VariantClear(&out);
        return hr;
    }
    VariantClear(dest);
    *dest = out;
    return S_OK;
}

HRESULT VariantChangeType(VARIANT* dest, const VARIANT* src, USHORT flags, VARTYPE vt)
{
    return VariantChangeTypeIn(dest, src, UserLocale::Current(), flags, vt);
}

HRESULT VariantChangeTypeEx(VARIANT* dest, const VARIANT* src, LCID, USHORT flags, VARTYPE vt)
{
    return VariantChangeTypeIn(dest, src, UserLocale::Current(), flags, vt);
}

void SetVariantOwnedHooks(const VariantOwnedHooks& hooks)
{
    g_hooks = hooks;
}
