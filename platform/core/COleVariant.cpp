#include "platform/core/COleVariant.h"

#include <cstring>

COleVariant::COleVariant(const VARIANT& v)
{
    VariantInit(this);
    VariantCopy(this, &v);
}

COleVariant::COleVariant(COleVariant&& v) noexcept
{
    *static_cast<VARIANT*>(this) = v;
    VariantInit(&v);
}

COleVariant::COleVariant(const char* text, VARTYPE type)
{
    VariantInit(this);
    SetString(text, type);
}

COleVariant::COleVariant(const CString& text) : COleVariant(text.GetString()) {}

COleVariant::COleVariant(short v, VARTYPE type)
    : COleVariant(LONG(v), type == VT_BOOL ? type : VARTYPE(VT_I2))
{
}

COleVariant::COleVariant(LONG v, VARTYPE type)
{
    VariantInit(this);
    if (type == VT_BOOL)
    {
        vt = VT_BOOL;
        boolVal = v ? VARIANT_TRUE : VARIANT_FALSE;
    }
    else if (type == VT_ERROR)
    {
        vt = VT_ERROR;
        scode = v;
    }
    else if (type == VT_I2)
    {
        vt = VT_I2;
        iVal = SHORT(v);
    }
    else
    {
        vt = VT_I4;
        lVal = v;
    }
}

COleVariant::COleVariant(double v, VARTYPE type)
{
    VariantInit(this);
    if (type == VT_DATE)
    {
        vt = VT_DATE;
        date = v;
    }
    else
    {
        vt = VT_R8;
        dblVal = v;
    }
}

COleVariant::COleVariant(const COleCurrency& v)
{
    VariantInit(this);
    vt = VT_CY;
    cyVal = v.m_cur;
}

COleVariant::COleVariant(const COleDateTime& v)
{
    VariantInit(this);
    vt = VT_DATE;
    date = v.m_dt;
}

COleVariant& COleVariant::operator=(const VARIANT& v)
{
    if (&v != this)
        VariantCopy(this, &v);
    return *this;
}

COleVariant& COleVariant::operator=(COleVariant&& v) noexcept
{
    if (&v != this)
    {
        VariantClear(this);
        *static_cast<VARIANT*>(this) = v;
        VariantInit(&v);
    }
    return *this;
}

COleVariant& COleVariant::operator=(const char* text)
{
    SetString(text);
    return *this;
}

COleVariant& COleVariant::operator=(BYTE v)
{
    return *this = COleVariant(v);
}
COleVariant& COleVariant::operator=(short v)
{
    return *this = COleVariant(v);
}
COleVariant& COleVariant::operator=(LONG v)
{
    return *this = COleVariant(v);
}
COleVariant& COleVariant::operator=(float v)
{
    return *this = COleVariant(v);
}
COleVariant& COleVariant::operator=(double v)
{
    return *this = COleVariant(v);
}
COleVariant& COleVariant::operator=(const COleCurrency& v)
{
    return *this = COleVariant(v);
}
COleVariant& COleVariant::operator=(const COleDateTime& v)
{
    return *this = COleVariant(v);
}

HRESULT COleVariant::ChangeType(VARTYPE type, LPVARIANT src)
{
    return VariantChangeType(this, src ? src : this, 0, type);
}

void COleVariant::SetString(const char* text, VARTYPE)
{
    VariantClear(this);
    vt = VT_BSTR;
    bstrVal = SysAllocString(text ? text : "");
}

void COleVariant::Attach(VARIANT& v)
{
    VariantClear(this);
    *static_cast<VARIANT*>(this) = v;
    VariantInit(&v);
}

VARIANT COleVariant::Detach()
{
    VARIANT v = *this;
    VariantInit(this);
    return v;
}

bool COleVariant::operator==(const VARIANT& v) const
{
    if (vt != v.vt)
        return false;
    switch (vt)
    {
    case VT_EMPTY:
    case VT_NULL:
        return true;
    case VT_I2:
        return iVal == v.iVal;
    case VT_I4:
        return lVal == v.lVal;
    case VT_UI1:
        return bVal == v.bVal;
    case VT_R4:
        return fltVal == v.fltVal;
    case VT_R8:
        return dblVal == v.dblVal;
    case VT_DATE:
        return date == v.date;
    case VT_CY:
        return cyVal.int64 == v.cyVal.int64;
    case VT_BOOL:
        return boolVal == v.boolVal;
    case VT_ERROR:
        return scode == v.scode;
    case VT_BSTR:
        return SysStringByteLen(bstrVal) == SysStringByteLen(v.bstrVal) &&
               std::memcmp(bstrVal ? bstrVal : "", v.bstrVal ? v.bstrVal : "", SysStringByteLen(bstrVal)) ==
                   0;
    default:
        return std::memcmp(&byref, &v.byref, sizeof(LONGLONG)) == 0;
    }
}
