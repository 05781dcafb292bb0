#include "floorwall/CRoztece.h"
#include "floorwall/SpacingSeriesList.h"

#include "platform/core/NumberText.h"

#include <gtest/gtest.h>

TEST(SpacingSeries, DefaultSeriesHoldsFourSpacingsWithTheUnroundedThirdSum)
{
    const CRoztece series;
    ASSERT_EQ(series.m_spacings.size(), 4u);
    EXPECT_EQ(series.m_spacings[0], 0.075);
    EXPECT_EQ(series.m_spacings[1], 0.15);
    EXPECT_EQ(series.m_spacings[2], 0.15 + 0.075); // 0.22499999999999998, printed 0.225
    EXPECT_NE(series.m_spacings[2], 0.225);
    EXPECT_EQ(series.m_spacings[3], 0.3);
    EXPECT_EQ(series.m_nUse, 1);
    EXPECT_EQ(series.m_nSystem0072, 1);
    EXPECT_STREQ(series.ColumnText(4), "0.075, 0.150, 0.225, 0.300");
    EXPECT_STREQ(series.ColumnText(1), "0.075");
    EXPECT_STREQ(series.ColumnText(3), "0.300");
}

// The spacings of a series as one text: with a decimal comma the items are parted by "; ", so
// that "0,075, 0,150" cannot be read as four numbers.
TEST(SpacingSeries, ListTextPartsItemsByTheDecimalSeparatorOfTheTexts)
{
    const struct
    {
        char decimal;
        double from, to;
        const char* text;
    } cases[] = {
        {'.', 0.075, 0.3, "0.075, 0.150, 0.225, 0.300"},
        {',', 0.075, 0.3, "0,075; 0,150; 0,225; 0,300"},
        {',', 0.1, 0.1, "0,100"},
        {'.', 0.1, 0.1, "0.100"},
    };
    for (const auto& c : cases)
    {
        NumberText::ScopedSeparator separator(c.decimal);
        CRoztece series;
        series.m_dFrom = c.from;
        series.m_dTo = c.to;
        series.BuildSpacings();
        EXPECT_STREQ(series.ColumnText(4), c.text) << c.decimal;
    }
}

TEST(SpacingSeries, FineSeriesPassesEverySumThroughThreeDecimalsAndEndsAtExactly03)
{
    std::unique_ptr<CRoztece> series(CRoztece::CreateFineSeries());
    const std::vector<double> expected = {0.05, 0.1, 0.15, 0.2, 0.25, 0.3};
    EXPECT_EQ(series->m_spacings, expected);
    EXPECT_EQ(series->m_nUse, 0);
}

TEST(SpacingSeries, FromAboveToGivesOneSpacing)
{
    CRoztece series;
    series.m_dFrom = 0.2;
    series.m_dTo = 0.1;
    series.BuildSpacings();
    EXPECT_EQ(series.m_spacings, std::vector<double>{0.2});
    series.BuildRoundedSpacings();
    EXPECT_TRUE(series.m_spacings.empty()); // the rounded build tests before it appends
}

TEST(SpacingSeries, ZeroStepEndsWithOneSpacing)
{
    CRoztece series;
    series.m_dStep = 0.0;
    series.BuildSpacings();
    EXPECT_EQ(series.m_spacings, std::vector<double>{0.075});
    series.BuildRoundedSpacings();
    EXPECT_EQ(series.m_spacings, std::vector<double>{0.075});
}

TEST(SpacingSeries, UpdateFlagsByMinimumSpacingAndSystemCode)
{
    struct Case
    {
        const char* code;
        double minimum;
        int use;
        int system0072;
        int image;
    };
    const Case cases[] = {
        {"9001-0072", 0.075, 1, 1, 0},
        {"9001-0072", 0.07509999, 1, 1, 0}, // 0.0000999 apart
        {"9001-0072", 0.0751, 0, 1, 1},     // 0.0001 apart
        {"9001-0014", 0.075, 1, 0, 2},
        {"9001-0014", 0.05, 0, 0, 3},
        {"9001-00721", 0.075, 1, 0, 2},     // the code must end where the item ends
    };
    for (const Case& c : cases)
    {
        CRoztece series;
        series.UpdateFlags(c.code, c.minimum);
        EXPECT_EQ(series.m_nUse, c.use) << c.code << " " << c.minimum;
        EXPECT_EQ(series.m_nSystem0072, c.system0072) << c.code;
        EXPECT_EQ(series.GetImageIndex(), c.image) << c.code << " " << c.minimum;
    }
}

TEST(SpacingSeries, SingleSpacingColumnReadsWithThreeDecimals)
{
    CRoztece series;
    series.m_spacings = {0.05};
    EXPECT_STREQ(series.ColumnText(4), "0.050");
    series.m_spacings.clear();
    EXPECT_STREQ(series.ColumnText(4), "");
}

TEST(SpacingSeries, ListIsFilledOnlyWhenEmptyAndFreed)
{
    FreeSpacingSeriesList();
    FillDefaultSpacingSeries();
    ASSERT_EQ(SpacingSeriesList().size(), 2u);
    CRoztece* first = SpacingSeriesList()[0];
    FillDefaultSpacingSeries();
    EXPECT_EQ(SpacingSeriesList().size(), 2u);
    EXPECT_EQ(SpacingSeriesList()[0], first);
    FreeSpacingSeriesList();
    EXPECT_TRUE(SpacingSeriesList().empty());
}
