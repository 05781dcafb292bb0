#include "datalib/DataRules.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>

using DataRules::kNoDecimals;

struct StoredNameCase
{
    const char* stored;
    const char* visible;
    int decimals;
    friend void PrintTo(const StoredNameCase& c, std::ostream* os) { *os << c.stored; }
};

class StoredNameRule : public testing::TestWithParam<StoredNameCase>
{
};

TEST_P(StoredNameRule, SplitsAtTheLastSeparator)
{
    const StoredNameCase& c = GetParam();
    const DataRules::ColumnName name = DataRules::SplitStoredName(c.stored, ';');
    EXPECT_EQ(name.visible, c.visible);
    EXPECT_EQ(name.decimals, c.decimals);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StoredNameRule,
    testing::Values(StoredNameCase{"Délka;2", "Délka", 2}, StoredNameCase{"A;B;3", "A;B", 3},
                    StoredNameCase{";3", ";3", kNoDecimals}, StoredNameCase{"Délka;", "Délka;", kNoDecimals},
                    StoredNameCase{"Délka;-1", "Délka;-1", kNoDecimals},
                    StoredNameCase{"Délka;x", "Délka", 0}, StoredNameCase{"Výkon;1", "Výkon", 1},
                    StoredNameCase{"Číslo                Místnosti", "Číslo                Místnosti",
                                   kNoDecimals},
                    StoredNameCase{"Q;12abc", "Q", 12}, StoredNameCase{"Q;99999999999999", "Q", 2147483647},
                    StoredNameCase{"", "", kNoDecimals}, StoredNameCase{";", ";", kNoDecimals}));

TEST(StoredNameRule, NewColumnsCarryDecimalsOnlyWhenNumeric)
{
    EXPECT_EQ(DataRules::MakeStoredName("Q", true, 2, ';'), "Q;2");
    EXPECT_EQ(DataRules::MakeStoredName("Q", true, 0, ';'), "Q;0");
    EXPECT_EQ(DataRules::MakeStoredName("Q", true, kNoDecimals, ';'), "Q");
    EXPECT_EQ(DataRules::MakeStoredName("Název", false, 3, ';'), "Název");
}

namespace
{
DataRules::StoredNameLookup LookupIn(const std::map<CString, CString>& names)
{
    return [names](const CString& visible, CString& stored)
    {
        const auto it = names.find(visible);
        if (it == names.end())
            return false;
        stored = it->second;
        return true;
    };
}
} // namespace

struct TranslationCase
{
    const char* sql;
    const char* expected;
    friend void PrintTo(const TranslationCase& c, std::ostream* os) { *os << c.sql; }
};

class SqlTranslation : public testing::TestWithParam<TranslationCase>
{
};

TEST_P(SqlTranslation, MapsEachBracketedNameOnce)
{
    const std::map<CString, CString> names{
        {"Výkon", "Výkon;1"}, {"A", "B;2"}, {"B", "C;3"}, {"T$", "T$;4"}, {"Délka", "Délka;2"}};
    EXPECT_EQ(DataRules::TranslateColumnNames(GetParam().sql, "T$", LookupIn(names)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SqlTranslation,
    testing::Values(
        TranslationCase{"SELECT * FROM [T$] WHERE [Výkon] > 0", "SELECT * FROM [T$] WHERE [Výkon;1] > 0"},
        // A replaced name is not matched again by a later column.
        TranslationCase{"SELECT * FROM [T$] WHERE [A] = 1 AND [B] = 2",
                        "SELECT * FROM [T$] WHERE [B;2] = 1 AND [C;3] = 2"},
        // Brackets inside a literal stay as they are.
        TranslationCase{"SELECT * FROM [T$] WHERE [Výkon] = '[Výkon]'",
                        "SELECT * FROM [T$] WHERE [Výkon;1] = '[Výkon]'"},
        TranslationCase{"SELECT * FROM [T$] WHERE [A] = 'it''s [A]' AND [B] > 0",
                        "SELECT * FROM [T$] WHERE [B;2] = 'it''s [A]' AND [C;3] > 0"},
        TranslationCase{"SELECT * FROM [T$] WHERE [A] = \"[A]\"", "SELECT * FROM [T$] WHERE [B;2] = \"[A]\""},
        // Unknown names and the table's own name are left alone.
        TranslationCase{"SELECT * FROM [T$] WHERE [Jiný] = 1", "SELECT * FROM [T$] WHERE [Jiný] = 1"},
        TranslationCase{"SELECT [Délka] FROM [T$] ORDER BY [Délka] DESC",
                        "SELECT [Délka;2] FROM [T$] ORDER BY [Délka;2] DESC"},
        // Unclosed bracket or literal: the rest is kept.
        TranslationCase{"SELECT * FROM [T$] WHERE [Výkon", "SELECT * FROM [T$] WHERE [Výkon"},
        TranslationCase{"SELECT * FROM [T$] WHERE [A] = 'x", "SELECT * FROM [T$] WHERE [B;2] = 'x"},
        TranslationCase{"", ""}));

struct PrecisionCase
{
    int precision;
    bool hasColumn;
    int columnDecimals;
    int localeDigits;
    int expected;
    friend void PrintTo(const PrecisionCase& c, std::ostream* os)
    {
        *os << "code " << c.precision << (c.hasColumn ? " column " : " no column ") << c.columnDecimals
            << " locale " << c.localeDigits;
    }
};

class PrecisionCodes : public testing::TestWithParam<PrecisionCase>
{
};

TEST_P(PrecisionCodes, ChooseTheDecimals)
{
    const PrecisionCase& c = GetParam();
    EXPECT_EQ(
        DataRules::ChoosePrecision(c.precision, c.hasColumn ? &c.columnDecimals : nullptr, c.localeDigits),
        c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, PrecisionCodes,
                         testing::Values(PrecisionCase{3, true, 2, 2, 3}, PrecisionCase{0, false, 0, 2, 0},
                                         PrecisionCase{-1, true, 2, 3, 2}, PrecisionCase{-1, true, -2, 3, 3},
                                         PrecisionCase{-1, false, 2, 3, -1}, PrecisionCase{-2, true, 5, 2, 2},
                                         PrecisionCase{-2, false, 5, 2, 2}, PrecisionCase{-4, true, 2, 3, 2},
                                         PrecisionCase{-4, true, -2, 3, -1},
                                         PrecisionCase{-4, false, 2, 3, -1},
                                         PrecisionCase{-3, true, 2, 3, -1},
                                         PrecisionCase{-100, true, 2, 3, -1}));

TEST(BooleanText, LettersThatReadAsTrue)
{
    for (const char* text : {"ano", "Ano", "Yes", "y", "t", "True", "1", "pravda", "P", "A"})
        EXPECT_TRUE(DataRules::TextMeansTrue(text)) << text;
    for (const char* text : {"Ne", "false", "x", "", "0", " ano", "Čeho", "no"})
        EXPECT_FALSE(DataRules::TextMeansTrue(text)) << text;
}

struct NumberCase
{
    double value;
    int decimals;
    bool exponent;
    const char* expected;
    friend void PrintTo(const NumberCase& c, std::ostream* os) { *os << c.expected; }
};

class NumberTexts : public testing::TestWithParam<NumberCase>
{
};

TEST_P(NumberTexts, FollowTheExponentLimits)
{
    const NumberCase& c = GetParam();
    EXPECT_EQ(DataRules::FormatNumber(c.value, c.decimals, c.exponent, 1e12), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberTexts,
    testing::Values(NumberCase{1234.56, 2, true, "1234.56"}, NumberCase{1234.56, 1, true, "1234.6"},
                    NumberCase{1234.56, -1, true, "1234.560000"}, NumberCase{2e12, 3, true, "2.000e+012"},
                    NumberCase{-2e12, 3, true, "-2.000e+012"}, NumberCase{2e12, -1, true, "2.000000e+012"},
                    NumberCase{1e12, 3, true, "1000000000000.000"},
                    NumberCase{-1e12, 0, true, "-1000000000000"},
                    NumberCase{2e12, 3, false, "2000000000000.000"}, NumberCase{5e-13, 2, true, "5.00e-013"},
                    NumberCase{-5e-13, 2, true, "-5.00e-013"}, NumberCase{1e-12, 2, true, "0.00"},
                    NumberCase{5e-13, 2, false, "0.00"}, NumberCase{0.0, 2, true, "0.00"},
                    NumberCase{2.5, 0, true, "3"}, NumberCase{0.125, 2, true, "0.13"}));
