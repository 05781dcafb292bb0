#include "platform/core/COleCurrency.h"

#include "platform/core/UserLocale.h"
#include "platform/core/VariantText.h"

COleCurrency::COleCurrency(const VARIANT& v)
{
    VARIANT cy;
    VariantInit(&cy);
    if (SUCCEEDED(VariantChangeType(&cy, &v, 0, VT_CY)))
        m_cur = cy.cyVal;
    else
        m_status = v.vt == VT_NULL ? null : invalid;
}

void COleCurrency::SetCurrency(long units, long fractionalUnits)
{
    m_cur.int64 = LONGLONG(units) * 10000 + fractionalUnits;
    m_status = valid;
}

CString COleCurrency::Format(DWORD, LCID) const
{
    if (m_status != valid)
        return CString();
    return CString(VariantText::FormatCurrency(m_cur.int64, UserLocale::Current()));
}

bool COleCurrency::ParseCurrency(const char* text, DWORD, LCID)
{
    VARIANT source, cy;
    VariantInit(&source);
    VariantInit(&cy);
    source.vt = VT_BSTR;
    source.bstrVal = SysAllocString(text ? text : "");
    const HRESULT hr = VariantChangeType(&cy, &source, 0, VT_CY);
    VariantClear(&source);
    if (FAILED(hr))
    {
        m_cur.int64 = 0;
        m_status = invalid;
        return false;
    }
    m_cur = cy.cyVal;
    m_status = valid;
    return true;
}

COleCurrency operator+(const COleCurrency& a, const COleCurrency& b)
{
    CY cy;
    cy.int64 = a.m_cur.int64 + b.m_cur.int64;
    return COleCurrency(cy);
}

COleCurrency operator-(const COleCurrency& a, const COleCurrency& b)
{
    CY cy;
    cy.int64 = a.m_cur.int64 - b.m_cur.int64;
    return COleCurrency(cy);
}

COleCurrency COleCurrency::operator*(long n) const
{
    CY cy;
    cy.int64 = m_cur.int64 * n;
    return COleCurrency(cy);
}

COleCurrency COleCurrency::operator/(long n) const
{
    COleCurrency result;
    if (n == 0)
        result.m_status = invalid;
    else
        result.m_cur.int64 = m_cur.int64 / n;
    return result;
}
