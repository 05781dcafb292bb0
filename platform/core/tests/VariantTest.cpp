#include "platform/core/COleCurrency.h"
#include "platform/core/COleDateTime.h"
#include "platform/core/COleVariant.h"
#include "platform/core/CTime.h"
#include "platform/core/UserLocale.h"

#include <gtest/gtest.h>

namespace
{
class LocaleGuard
{
public:
    explicit LocaleGuard(const UserLocale& l) { UserLocale::SetCurrent(l); }
    ~LocaleGuard() { UserLocale::ResetToSystem(); }
};

struct TextCase
{
    const char* text;
    VARTYPE vt;
    HRESULT hr;
    double value; // the converted value as a number (currency in units)
};

double NumberOf(const VARIANT& v)
{
    switch (v.vt)
    {
    case VT_I2:
        return v.iVal;
    case VT_I4:
        return v.lVal;
    case VT_UI1:
        return v.bVal;
    case VT_R4:
        return v.fltVal;
    case VT_R8:
        return v.dblVal;
    case VT_CY:
        return double(v.cyVal.int64) / 10000.0;
    case VT_BOOL:
        return v.boolVal;
    case VT_DATE:
        return v.date;
    default:
        return -12345;
    }
}

const TextCase czechCases[] = {
    {"12,5", VT_R8, S_OK, 12.5},
    {"12.5", VT_R8, S_OK, 12.5}, // the other separator is free in Czech
    {"  -1 234,5e1 ", VT_R8, S_OK, -12345.0},
    {"1\u00A0234", VT_I4, S_OK, 1234},
    {"abc", VT_R8, DISP_E_TYPEMISMATCH, 0},
    {"", VT_R8, DISP_E_TYPEMISMATCH, 0},
    {"   ", VT_I4, DISP_E_TYPEMISMATCH, 0},
    {"12,5 m", VT_R8, DISP_E_TYPEMISMATCH, 0},
    {"1e999", VT_R8, DISP_E_OVERFLOW, 0},
    {"2,5", VT_I4, S_OK, 2},
    {"3,5", VT_I4, S_OK, 4},
    {"-2,5", VT_I2, S_OK, -2},
    {"32768", VT_I2, DISP_E_OVERFLOW, 0},
    {"256", VT_UI1, DISP_E_OVERFLOW, 0},
    {"255", VT_UI1, S_OK, 255},
    {"2147483648", VT_I4, DISP_E_OVERFLOW, 0},
    {"1e39", VT_R4, DISP_E_OVERFLOW, 0},
    {"12,34567", VT_CY, S_OK, 12.3457},
    {"0,00005", VT_CY, S_OK, 0.0}, // half to even
    {"0,00015", VT_CY, S_OK, 0.0002},
    {"1e16", VT_CY, DISP_E_OVERFLOW, 0},
    {"True", VT_BOOL, S_OK, -1},
    {"false", VT_BOOL, S_OK, 0},
    {"-1", VT_BOOL, S_OK, -1},
    {"0,0", VT_BOOL, S_OK, 0},
    {"ano", VT_BOOL, DISP_E_TYPEMISMATCH, 0},
    {"1.2.2024", VT_DATE, S_OK, 45323},
    {"31.2.2024", VT_DATE, DISP_E_TYPEMISMATCH, 0},
    {"30.12.1899 12:00", VT_DATE, S_OK, 0.5},
};

TEST(VariantChangeType, TextToValuesInTheCzechLocale)
{
    LocaleGuard czech(UserLocale::Czech());
    for (const TextCase& c : czechCases)
    {
        COleVariant text(c.text);
        COleVariant out(LONG(99));
        EXPECT_EQ(VariantChangeType(&out, &text, 0, c.vt), c.hr) << c.text << " to " << c.vt;
        if (c.hr == S_OK)
        {
            EXPECT_EQ(out.vt, c.vt) << c.text;
            EXPECT_NEAR(NumberOf(out), c.value, 1e-9) << c.text;
        }
        else
            EXPECT_EQ(out.lVal, 99) << "unchanged on failure: " << c.text;
    }
}

TEST(VariantChangeType, SeparatorsFollowTheLocale)
{
    LocaleGuard english(UserLocale::English());
    COleVariant out;
    COleVariant grouped("1,234.5");
    ASSERT_EQ(VariantChangeType(&out, &grouped, 0, VT_R8), S_OK);
    EXPECT_DOUBLE_EQ(out.dblVal, 1234.5);
    COleVariant comma("12,5"); // a thousands separator in English
    ASSERT_EQ(VariantChangeType(&out, &comma, 0, VT_R8), S_OK);
    EXPECT_DOUBLE_EQ(out.dblVal, 125.0);
    EXPECT_EQ(VariantChangeTypeIn(&out, &comma, UserLocale::Czech(), 0, VT_R8), S_OK);
    EXPECT_DOUBLE_EQ(out.dblVal, 12.5);
}

struct ToTextCase
{
    COleVariant value;
    const char* czech;
    const char* english;
};

TEST(VariantChangeType, ValuesToText)
{
    CY cy;
    cy.int64 = 123456;
    const ToTextCase cases[] = {
        {COleVariant(12.5), "12,5", "12.5"},
        {COleVariant(1.0 / 3.0), "0,333333333333333", "0.333333333333333"},
        {COleVariant(1e20), "1E+20", "1E+20"},
        {COleVariant(2.5f), "2,5", "2.5"},
        {COleVariant(LONG(-42)), "-42", "-42"},
        {COleVariant(short(7)), "7", "7"},
        {COleVariant(BYTE(200)), "200", "200"},
        {COleVariant(COleCurrency(cy)), "12,3456", "12.3456"},
        {COleVariant(COleCurrency(5, 1000)), "5,1", "5.1"},
        {COleVariant(COleCurrency(-5, 0)), "-5", "-5"},
        {COleVariant(short(1), VT_BOOL), "-1", "-1"},
        {COleVariant(short(0), VT_BOOL), "0", "0"},
        {COleVariant(COleDateTime(2024, 2, 1, 0, 0, 0)), "1.2.2024", "2/1/2024"},
        {COleVariant(COleDateTime(2024, 2, 1, 13, 5, 9)), "1.2.2024 13:05:09", "2/1/2024 13:05:09"},
        {COleVariant(), "", ""},
    };
    for (const ToTextCase& c : cases)
    {
        COleVariant out;
        ASSERT_EQ(VariantChangeTypeIn(&out, &c.value, UserLocale::Czech(), 0, VT_BSTR), S_OK);
        EXPECT_STREQ(out.bstrVal ? out.bstrVal : "", c.czech);
        ASSERT_EQ(VariantChangeTypeIn(&out, &c.value, UserLocale::English(), 0, VT_BSTR), S_OK);
        EXPECT_STREQ(out.bstrVal ? out.bstrVal : "", c.english);
    }
}

TEST(VariantChangeType, BooleanToTextAndBack)
{
    for (VARIANT_BOOL b : {VARIANT_TRUE, VARIANT_FALSE})
        for (USHORT flags : {USHORT(0), VARIANT_ALPHABOOL})
        {
            COleVariant value(short(b), VT_BOOL), text, back;
            ASSERT_EQ(VariantChangeType(&text, &value, flags, VT_BSTR), S_OK);
            ASSERT_EQ(VariantChangeType(&back, &text, 0, VT_BOOL), S_OK);
            EXPECT_EQ(back.boolVal, b) << text.bstrVal;
        }
    COleVariant alpha(short(1), VT_BOOL), text;
    VariantChangeType(&text, &alpha, VARIANT_ALPHABOOL, VT_BSTR);
    EXPECT_STREQ(text.bstrVal, "True");
}

TEST(VariantChangeType, CurrencyKeepsFourDecimals)
{
    LocaleGuard czech(UserLocale::Czech());
    COleVariant text("1234,5678"), cy, back;
    ASSERT_EQ(VariantChangeType(&cy, &text, 0, VT_CY), S_OK);
    EXPECT_EQ(cy.cyVal.int64, 12345678);
    ASSERT_EQ(VariantChangeType(&back, &cy, 0, VT_BSTR), S_OK);
    EXPECT_STREQ(back.bstrVal, "1234,5678");
    COleCurrency parsed;
    EXPECT_TRUE(parsed.ParseCurrency("0,1"));
    EXPECT_EQ(parsed.m_cur.int64, 1000);
    EXPECT_EQ((parsed * 3).Format(), "0,3");
    EXPECT_FALSE(parsed.ParseCurrency("x"));
    EXPECT_EQ(parsed.GetStatus(), COleCurrency::invalid);
}

TEST(VariantChangeType, NumbersBetweenTypes)
{
    COleVariant out;
    COleVariant half(2.5), big(1e10), err(LONG(DISP_E_PARAMNOTFOUND), VT_ERROR), null;
    null.vt = VT_NULL;
    EXPECT_EQ(VariantChangeType(&out, &half, 0, VT_I4), S_OK);
    EXPECT_EQ(out.lVal, 2);
    EXPECT_EQ(VariantChangeType(&out, &big, 0, VT_I4), DISP_E_OVERFLOW);
    EXPECT_EQ(VariantChangeType(&out, &err, 0, VT_I4), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(VariantChangeType(&out, &null, 0, VT_R8), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(VariantChangeType(&out, &half, 0, VT_BOOL), S_OK);
    EXPECT_EQ(out.boolVal, VARIANT_TRUE);
    COleVariant inPlace("17");
    EXPECT_EQ(inPlace.ChangeType(VT_I2), S_OK);
    EXPECT_EQ(inPlace.vt, VT_I2);
    EXPECT_EQ(inPlace.iVal, 17);
}

TEST(COleVariant, OwnsItsText)
{
    COleVariant a("žluťoučký");
    COleVariant b = a;
    a = "jiný";
    EXPECT_STREQ(b.bstrVal, "žluťoučký");
    EXPECT_EQ(SysStringByteLen(b.bstrVal), 13u);
    COleVariant c(std::move(b));
    EXPECT_EQ(b.vt, VT_EMPTY);
    EXPECT_TRUE(c == COleVariant("žluťoučký"));
    EXPECT_FALSE(c == a);
    VARIANT raw = c.Detach();
    EXPECT_EQ(c.vt, VT_EMPTY);
    VariantClear(&raw);
}

struct DateCase
{
    DATE dt;
    int year, month, day, hour, minute, second, dayOfWeek;
};

TEST(COleDateTime, DaysSince30December1899)
{
    const DateCase cases[] = {
        {0.0, 1899, 12, 30, 0, 0, 0, 7},   {1.0, 1899, 12, 31, 0, 0, 0, 1},
        {2.25, 1900, 1, 1, 6, 0, 0, 2},    {45323.5, 2024, 2, 1, 12, 0, 0, 5},
        {-1.25, 1899, 12, 29, 6, 0, 0, 6}, {36526.9999884, 2000, 1, 1, 23, 59, 59, 7},
    };
    for (const DateCase& c : cases)
    {
        const COleDateTime d(c.dt);
        EXPECT_EQ(d.GetStatus(), COleDateTime::valid);
        EXPECT_EQ(d.GetYear(), c.year) << c.dt;
        EXPECT_EQ(d.GetMonth(), c.month) << c.dt;
        EXPECT_EQ(d.GetDay(), c.day) << c.dt;
        EXPECT_EQ(d.GetHour(), c.hour) << c.dt;
        EXPECT_EQ(d.GetMinute(), c.minute) << c.dt;
        EXPECT_EQ(d.GetSecond(), c.second) << c.dt;
        EXPECT_EQ(d.GetDayOfWeek(), c.dayOfWeek) << c.dt;
        const COleDateTime back(c.year, c.month, c.day, c.hour, c.minute, c.second);
        EXPECT_NEAR(back.m_dt, c.dt, 1e-5) << c.dt;
    }
    EXPECT_LT(COleDateTime(-1.25), COleDateTime(-0.5));
    EXPECT_EQ(COleDateTime(10000, 1, 1, 0, 0, 0).GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(COleDateTime(2023, 2, 29, 0, 0, 0).GetStatus(), COleDateTime::invalid);
}

TEST(COleDateTime, TextsInTheUserLocale)
{
    LocaleGuard czech(UserLocale::Czech());
    COleDateTime d(2024, 3, 5, 7, 8, 9);
    EXPECT_EQ(d.Format(VAR_DATEVALUEONLY), "5.3.2024");
    EXPECT_EQ(d.Format(VAR_TIMEVALUEONLY), "7:08:09");
    EXPECT_EQ(d.Format(), "5.3.2024 7:08:09");
    EXPECT_EQ(d.Format("%d-%m-%Y"), "05-03-2024");
    EXPECT_EQ(d.Format("%#d.%#m.%Y %A"), "5.3.2024 Tuesday");
    EXPECT_EQ(d.Format("%c"), "03/05/24 07:08:09");
    COleDateTime parsed;
    EXPECT_TRUE(parsed.ParseDateTime("5. 3. 2024", VAR_DATEVALUEONLY));
    EXPECT_EQ(parsed.Format(VAR_DATEVALUEONLY), "5.3.2024");
    EXPECT_TRUE(parsed.ParseDateTime("2024-03-05 07:08"));
    EXPECT_EQ(parsed.GetMinute(), 8);
    EXPECT_TRUE(parsed.ParseDateTime("1.1.29"));
    EXPECT_EQ(parsed.GetYear(), 2029);
    EXPECT_TRUE(parsed.ParseDateTime("1.1.30"));
    EXPECT_EQ(parsed.GetYear(), 1930);
    EXPECT_FALSE(parsed.ParseDateTime("zítra"));
    EXPECT_EQ(parsed.GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(parsed.Format(), "");
    EXPECT_EQ(COleDateTime(0.75).Format(), "18:00:00");
    EXPECT_EQ(COleDateTime(0.0).Format(), "0:00:00");
    EXPECT_EQ(COleDateTime(0.0).Format(VAR_DATEVALUEONLY), "30.12.1899");
    COleDateTime nullDate;
    nullDate.SetStatus(COleDateTime::null);
    EXPECT_EQ(nullDate.Format(VAR_DATEVALUEONLY), "");
}

TEST(CTime, LocalPartsAndFormat)
{
    const CTime t(2024, 3, 5, 7, 8, 9);
    EXPECT_EQ(t.GetYear(), 2024);
    EXPECT_EQ(t.GetDay(), 5);
    EXPECT_EQ(t.GetHour(), 7);
    EXPECT_EQ(t.GetDayOfWeek(), 3); // Tuesday
    EXPECT_EQ(t.Format("%d-%m-%Y %H:%M:%S"), "05-03-2024 07:08:09");
    EXPECT_LE(t, CTime::GetCurrentTime());
    EXPECT_GE(COleDateTime::GetCurrentTime().GetYear(), 2024);
}
} // namespace
