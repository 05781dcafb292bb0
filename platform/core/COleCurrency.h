#pragma once
// A currency amount: a 64-bit integer of ten-thousandths (four decimals kept exactly).

#include "platform/core/CString.h"
#include "platform/core/Variant.h"

class COleCurrency
{
public:
    enum CurrencyStatus
    {
        valid = 0,
        invalid = 1,
        null = 2,
    };

    COleCurrency() = default;
    COleCurrency(CY cy) : m_cur(cy) {}
    COleCurrency(long units, long fractionalUnits) { SetCurrency(units, fractionalUnits); }
    COleCurrency(const VARIANT& v);

    CurrencyStatus GetStatus() const { return m_status; }
    void SetStatus(CurrencyStatus status) { m_status = status; }
    // units + fractionalUnits / 10000.
    void SetCurrency(long units, long fractionalUnits);

    // The amount with up to four decimals (trailing zeros dropped) and the user's separator.
    CString Format(DWORD flags = 0, LCID lcid = LANG_USER_DEFAULT) const;
    // Reads a number text in the user's locale, rounded to four decimals.
    bool ParseCurrency(const char* text, DWORD flags = 0, LCID lcid = LANG_USER_DEFAULT);

    operator CY() const { return m_cur; }
    double ToDouble() const { return double(m_cur.int64) / 10000.0; }

    friend bool operator==(const COleCurrency& a, const COleCurrency& b)
    {
        return a.m_cur.int64 == b.m_cur.int64;
    }
    friend bool operator!=(const COleCurrency& a, const COleCurrency& b) { return !(a == b); }
    friend bool operator<(const COleCurrency& a, const COleCurrency& b)
    {
        return a.m_cur.int64 < b.m_cur.int64;
    }
    friend bool operator>(const COleCurrency& a, const COleCurrency& b) { return b < a; }
    friend COleCurrency operator+(const COleCurrency& a, const COleCurrency& b);
    friend COleCurrency operator-(const COleCurrency& a, const COleCurrency& b);
    COleCurrency operator*(long n) const;
    COleCurrency operator/(long n) const;

    CY m_cur{};
    CurrencyStatus m_status = valid;
};
