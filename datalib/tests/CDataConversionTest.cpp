// Text and variant conversions of CData: they need no open database.
#include "datalib/CData.h"
#include "platform/core/UserLocale.h"

#include <gtest/gtest.h>

#include <ostream>

namespace
{
class LocaleScope
{
public:
    explicit LocaleScope(const UserLocale& locale) { UserLocale::SetCurrent(locale); }
    ~LocaleScope() { UserLocale::SetCurrent(UserLocale::English()); }
};

COleVariant Double(double value)
{
    return COleVariant(value);
}

COleVariant Currency(long long tenThousandths)
{
    COleVariant value;
    value.vt = VT_CY;
    value.cyVal.int64 = tenThousandths;
    return value;
}

COleVariant Boolean(bool value)
{
    COleVariant v;
    v.vt = VT_BOOL;
    v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}

// A CData whose columns are described as an open table would describe them.
void DescribeColumns(CData& data, std::initializer_list<std::pair<int, int>> typesAndDecimals)
{
    for (const auto& [type, decimals] : typesAndDecimals)
    {
        data.m_aColNames.Add("C");
        data.m_aOrigColNames.Add("C");
        data.m_aColTypes.Add(type);
        data.m_aColSizes.Add(8);
        data.m_aColDecimals.Add(decimals);
        ++data.m_nColCount;
    }
}
} // namespace

TEST(CDataObject, ConstructorValues)
{
    LocaleScope czech(UserLocale::Czech());
    CData data;
    EXPECT_EQ(data.m_bExpFormat, 1);
    EXPECT_EQ(data.m_dExpLimit, 1e12);
    EXPECT_EQ(data.m_strYes, "Ano");
    EXPECT_EQ(data.m_strNo, "Ne");
    EXPECT_EQ(data.m_cDecimalPoint, ',');
    EXPECT_EQ(data.m_nDecimalDigits, 2);
    EXPECT_EQ(data.m_nMoneyDigits, 2);
    EXPECT_EQ(data.m_bShowErrors, 0);
    EXPECT_EQ(data.m_nCurRecord, -1);
    EXPECT_EQ(data.m_nRecordCount, 0);
    EXPECT_EQ(data.m_nColCount, 0);
    EXPECT_EQ(data.m_nTable, -1);
    EXPECT_EQ(data.m_nTableCount, 0);
    EXPECT_TRUE(data.m_strTable.IsEmpty());
    EXPECT_EQ(data.m_cSeparator, ';');
    EXPECT_FALSE(data.IsOpen());
    EXPECT_EQ(data.GetFileName(), "?");
    EXPECT_EQ(data.GetFileType(), "?");
}

TEST(CDataObject, LocaleValuesAreReadAtEachCall)
{
    UserLocale locale = UserLocale::Czech();
    locale.decimalDigits = 3;
    locale.currencyDigits = 1;
    LocaleScope scope(locale);
    EXPECT_EQ(CData::GetDecimalPoint(), ',');
    EXPECT_EQ(CData::GetDecimalDigits(), 3);
    EXPECT_EQ(CData::GetMoneyDecimalDigits(), 1);
    UserLocale::SetCurrent(UserLocale::English());
    EXPECT_EQ(CData::GetDecimalPoint(), '.');
}

struct TextCase
{
    COleVariant value;
    int precision;
    int column;
    const char* expected;
    friend void PrintTo(const TextCase& c, std::ostream* os) { *os << c.expected; }
};

class VariantTexts : public testing::TestWithParam<TextCase>
{
};

TEST_P(VariantTexts, FollowThePrecisionCodes)
{
    LocaleScope czech(UserLocale::Czech()); // 2 decimal digits, 2 currency digits
    CData data;
    DescribeColumns(data, {{7, 2}, {7, -2}, {5, -2}, {7, 0}});
    COleVariant value = GetParam().value;
    EXPECT_EQ(data.VariantToString(value, GetParam().precision, GetParam().column), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, VariantTexts,
    testing::Values(
        // Column 0 has 2 decimals, column 1 none, column 2 is money without decimals.
        TextCase{Double(1234.56), -1, 0, "1234.56"}, TextCase{Double(1234.56), -4, 0, "1234.56"},
        TextCase{Double(1234.56), 1, 0, "1234.6"}, TextCase{Double(1234.5), -1, 1, "1234.50"},
        TextCase{Double(1234.5), -4, 1, "1234.500000"}, TextCase{Double(1234.5), -2, 0, "1234.50"},
        TextCase{Double(1234.5), -1, -1, "1234.500000"}, TextCase{Double(1234.5), -4, 9, "1234.500000"},
        TextCase{Double(1234.5), -3, 0, "1234.500000"}, TextCase{Double(2.5), -1, 3, "3"},
        TextCase{Double(2e12), 3, 0, "2.000e+012"}, TextCase{Double(1e12), 3, 0, "1000000000000.000"},
        TextCase{Double(5e-13), -2, 0, "5.00e-013"}, TextCase{Double(0.0), -2, 0, "0.00"},
        TextCase{Double(2e12), -3, 0, "2.000000e+012"}, TextCase{Currency(123456), -2, 2, "12.35"},
        TextCase{Currency(123456), -1, 2, "12.35"}, TextCase{Currency(123456), 4, 2, "12.3456"},
        TextCase{COleVariant(short(-12)), -1, 0, "-12"}, TextCase{COleVariant(LONG(123456)), -1, 0, "123456"},
        TextCase{COleVariant(BYTE(200)), -1, 0, "200"}, TextCase{COleVariant(1.5f), 2, 0, "1.50"},
        TextCase{Boolean(true), -1, 0, "Ano"}, TextCase{Boolean(false), -1, 0, "Ne"},
        TextCase{COleVariant(CString("Kuchyň")), -1, 0, "Kuchyň"},
        TextCase{COleVariant(COleDateTime(2026, 3, 14, 10, 30, 0)), -1, 0, "14.3.2026"},
        TextCase{COleVariant(), -1, 0, ""}, TextCase{COleVariant(LONG(0), VT_ERROR), -1, 0, ""}));

TEST(VariantTexts, NullCellAndExponentSwitch)
{
    CData data;
    COleVariant null;
    null.vt = VT_NULL;
    EXPECT_EQ(data.VariantToString(null, -1, -1), "");
    COleVariant big = Double(2e12);
    data.m_bExpFormat = 0;
    EXPECT_EQ(data.VariantToString(big, 3, -1), "2000000000000.000");
    data.m_bExpFormat = 1;
    data.m_dExpLimit = 1e3;
    EXPECT_EQ(data.VariantToString(big, 1, -1), "2.0e+012");
}

TEST(TextToVariant, BooleanColumnsReadTheFirstLetter)
{
    CData data;
    for (const char* text : {"ano", "Ano", "Yes", "t", "1", "pravda"})
    {
        const COleVariant value = data.StringToVariant(text, 1);
        EXPECT_EQ(value.vt, VT_BOOL) << text;
        EXPECT_EQ(value.boolVal, VARIANT_TRUE) << text;
    }
    for (const char* text : {"Ne", "false", "x", ""})
    {
        const COleVariant value = data.StringToVariant(text, 1);
        EXPECT_EQ(value.vt, VT_BOOL) << text;
        EXPECT_EQ(value.boolVal, VARIANT_FALSE) << text;
    }
}

TEST(TextToVariant, NumbersAcceptEitherSeparator)
{
    for (const UserLocale& locale : {UserLocale::Czech(), UserLocale::English()})
    {
        LocaleScope scope(locale);
        CData data;
        for (const char* text : {"12,5", "12.5", " 12.5 ", "1.25e1"})
        {
            const COleVariant value = data.StringToVariant(text, 7);
            ASSERT_EQ(value.vt, VT_R8) << text;
            EXPECT_EQ(value.dblVal, 12.5) << text;
        }
        const COleVariant single = data.StringToVariant("-0,5", 6);
        ASSERT_EQ(single.vt, VT_R4);
        EXPECT_EQ(single.fltVal, -0.5f);
        const COleVariant whole = data.StringToVariant("42", 4);
        ASSERT_EQ(whole.vt, VT_I4);
        EXPECT_EQ(whole.lVal, 42);
        const COleVariant small = data.StringToVariant("-7", 3);
        ASSERT_EQ(small.vt, VT_I2);
        EXPECT_EQ(small.iVal, -7);
        const COleVariant money = data.StringToVariant("12,3456", 5);
        ASSERT_EQ(money.vt, VT_CY);
        EXPECT_EQ(money.cyVal.int64, 123456);
    }
}

struct UnconvertedCase
{
    const char* text;
    int type;
    VARTYPE expected;
    friend void PrintTo(const UnconvertedCase& c, std::ostream* os) { *os << c.text << " into " << c.type; }
};

class TextThatDoesNotFit : public testing::TestWithParam<UnconvertedCase>
{
};

// VT_EMPTY: the text does not convert and nothing is written; VT_NULL: an empty cell.
TEST_P(TextThatDoesNotFit, IsRefusedOrStoredEmpty)
{
    LocaleScope czech(UserLocale::Czech());
    CData data;
    EXPECT_EQ(data.StringToVariant(GetParam().text, GetParam().type).vt, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextThatDoesNotFit,
    testing::Values(UnconvertedCase{"abc", 7, VT_EMPTY}, UnconvertedCase{"12 m", 7, VT_EMPTY},
                    UnconvertedCase{"300", 2, VT_EMPTY}, UnconvertedCase{"99999", 3, VT_EMPTY},
                    UnconvertedCase{"zítra", 8, VT_EMPTY}, UnconvertedCase{"x", 99, VT_EMPTY},
                    UnconvertedCase{"", 7, VT_NULL}, UnconvertedCase{"  ", 4, VT_NULL},
                    UnconvertedCase{"", 8, VT_NULL}, UnconvertedCase{"", 5, VT_NULL},
                    UnconvertedCase{"", 10, VT_BSTR}, UnconvertedCase{"abc", 12, VT_BSTR}));

TEST(TextToVariant, DatesInTheUsersForm)
{
    LocaleScope czech(UserLocale::Czech());
    CData data;
    const COleVariant value = data.StringToVariant("14.3.2026", 8);
    ASSERT_EQ(value.vt, VT_DATE);
    const COleDateTime date(value.date);
    EXPECT_EQ(date.GetYear(), 2026);
    EXPECT_EQ(date.GetMonth(), 3);
    EXPECT_EQ(date.GetDay(), 14);
}

TEST(TextToVariant, TextColumnsKeepTheText)
{
    CData data;
    const COleVariant value = data.StringToVariant("Číslo 12,5", 10);
    ASSERT_EQ(value.vt, VT_BSTR);
    EXPECT_STREQ(value.bstrVal, "Číslo 12,5");
}

TEST(TypeCodes, DaoAndVariantTypesMapBothWays)
{
    CData data;
    const std::pair<int, VARTYPE> pairs[] = {{1, VT_BOOL}, {2, VT_UI1},  {3, VT_I2},
                                             {4, VT_I4},   {5, VT_CY},   {6, VT_R4},
                                             {7, VT_R8},   {8, VT_DATE}, {10, VT_BSTR}};
    for (const auto& [dao, variant] : pairs)
    {
        EXPECT_EQ(data.DbTypeToVarType(dao), variant) << dao;
        EXPECT_EQ(data.VarTypeToDbType(variant), dao) << dao;
    }
    EXPECT_EQ(data.DbTypeToVarType(12), VT_BSTR);
    for (int other : {0, 9, 11, 15, -1})
        EXPECT_EQ(data.DbTypeToVarType(other), VT_EMPTY) << other;
    for (VARTYPE other : {VT_EMPTY, VT_NULL, VT_ERROR, VT_DISPATCH, VT_VARIANT})
        EXPECT_EQ(data.VarTypeToDbType(other), -1) << other;
}

TEST(TypeCodes, NumberTypes)
{
    for (int type : {6, 7})
        EXPECT_TRUE(CData::IsNumberType(type, 0, 0)) << type;
    for (int type : {1, 2, 3, 4})
    {
        EXPECT_FALSE(CData::IsNumberType(type, 0, 1)) << type;
        EXPECT_TRUE(CData::IsNumberType(type, 1, 0)) << type;
    }
    EXPECT_FALSE(CData::IsNumberType(5, 1, 0));
    EXPECT_TRUE(CData::IsNumberType(5, 0, 1));
    for (int type : {8, 10, 12, 0})
        EXPECT_FALSE(CData::IsNumberType(type, 1, 1)) << type;
}

TEST(CDataWithoutTable, RefusesRowWork)
{
    CData data;
    CString text = "x";
    COleVariant value;
    EXPECT_EQ(data.AddRow(), 0);
    EXPECT_EQ(data.Find(10, "[A] = 1", 0), 0);
    EXPECT_EQ(data.GetValue(0, value, 0), 0);
    EXPECT_EQ(data.SetValue(0, value, 0), 0);
    EXPECT_EQ(data.GetStringValue(0, text, 0, -1), 0);
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_EQ(data.SetStringValue(0, "1", 0), 0);
    EXPECT_EQ(data.GetStringValue("A", text, 0, -1, 0), 0);
    EXPECT_EQ(data.CreateTable("T"), 0); // no database to make it in
    EXPECT_EQ(data.Copy("/tmp/x.xls", -1), 0);
    EXPECT_EQ(data.ReOpen(), 0);
    EXPECT_EQ(data.SetTablesInfo(), 0);
    EXPECT_EQ(data.OpenTable("T", "", 0), 0);
    EXPECT_EQ(data.OpenTable(0, "", 0), 0);
}
