// The supply text of a circuit: its rows read and written.
#include "HydraulicsFixtures.h"

#include "hydraulics/SupplyText.h"

#include <gtest/gtest.h>

namespace
{
class SupplyTextTest : public ::testing::TestWithParam<char>
{
protected:
    ScopedDecimalSeparator m_locale{GetParam()};
};

TEST_P(SupplyTextTest, RowsReadUntilAPieceWithoutBrace)
{
    const auto rows = ParseSupplyText("[Okruh 2{L=12.5}][Okruh 5{L=3}][bez závorky][X{L=1}]");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].circuit, "Okruh 2");
    EXPECT_EQ(rows[0].length, Typed("12.5", GetParam())) << "shown in the user's notation";
    EXPECT_EQ(rows[1].circuit, "Okruh 5");
    EXPECT_EQ(rows[1].length, "3");
    EXPECT_TRUE(ParseSupplyText("").empty());
    EXPECT_TRUE(ParseSupplyText("]").empty());
}

TEST_P(SupplyTextTest, TextOfTheRowsWithALength)
{
    const SupplyTextResult result =
        BuildSupplyText({{"Okruh 2", "12.5"}, {"prázdný", ""}, {"nula", "0"}, {"Okruh 5", "3,0"}});
    EXPECT_EQ(result.text, "[Okruh 2{L=12.5}][Okruh 5{L=3.0}]") << "stored with '.' on every desktop";
    EXPECT_DOUBLE_EQ(result.totalLength, 15.5);
    // The text reads back as it was written.
    const auto back = ParseSupplyText(result.text);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(BuildSupplyText(back).text, result.text);
}

TEST_P(SupplyTextTest, NamesThatBreakTheText)
{
    for (const char* name : {"a[b", "a]", "{", "}", "L=2"})
        EXPECT_TRUE(BreaksSupplyText(name)) << name;
    for (const char* name : {"101/A", "L 2", "Okruh (2)"})
        EXPECT_FALSE(BreaksSupplyText(name)) << name;
}

INSTANTIATE_TEST_SUITE_P(Locales, SupplyTextTest, ::testing::Values('.', ','));
} // namespace
