// The loss split between floor heating, wall heating and the uncovered rest.
#include "HydraulicsFixtures.h"

#include "hydraulics/LossSplit.h"

#include <gtest/gtest.h>

namespace
{
class LossSplitTest : public ::testing::TestWithParam<char>
{
protected:
    CString Typed(const char* text) const { return ::Typed(text, GetParam()); }
    void ExpectParts(double floor, double wall, double uncovered)
    {
        EXPECT_DOUBLE_EQ(m_split.m_dFloor, floor);
        EXPECT_DOUBLE_EQ(m_split.m_dWall, wall);
        EXPECT_DOUBLE_EQ(m_split.m_dUncovered, uncovered);
    }
    ScopedDecimalSeparator m_locale{GetParam()};
    LossSplit m_split;
};

TEST_P(LossSplitTest, FloorHeatingTakesTheWholeLoss)
{
    EXPECT_EQ(m_split.Open("1.01", Typed("1000"), 0, 0, 0), LossSplit::NoField);
    ExpectParts(0, 0, 1000);
    EXPECT_TRUE(m_split.ReadOnly(LossSplit::FloorW));
    m_split.SetFloorHeating(true);
    ExpectParts(1000, 0, 0);
    EXPECT_EQ(m_split.Text(LossSplit::FloorW), Typed("1000.0"));
    EXPECT_EQ(m_split.Text(LossSplit::FloorPercent), Typed("100.000"));
    EXPECT_EQ(m_split.Text(LossSplit::UncoveredW), Typed("0.0"));
    EXPECT_FALSE(m_split.ReadOnly(LossSplit::FloorW));
}

TEST_P(LossSplitTest, FloorAndWallShareTheLoss)
{
    m_split.Open("1.01", "1000", 0, 0, 1000);
    m_split.SetFloorHeating(true);
    m_split.SetWallHeating(true);
    EXPECT_TRUE(m_split.Leave(LossSplit::FloorW, Typed("600")));
    ExpectParts(600, 400, 0);
    EXPECT_EQ(m_split.Text(LossSplit::WallPercent), Typed("40.000"));
    LossSplit::Field focus;
    EXPECT_TRUE(m_split.Ok(focus));

    EXPECT_TRUE(m_split.Leave(LossSplit::WallPercent, Typed("25.5")));
    EXPECT_EQ(m_split.Text(LossSplit::FloorPercent), Typed("74.500"));
    ExpectParts(745, 255, 0);
}

TEST_P(LossSplitTest, RefusedValuesChangeNothing)
{
    m_split.Open("1.01", "1000", 1000, 0, 0);
    const struct
    {
        LossSplit::Field field;
        const char* text;
    } refused[] = {
        {LossSplit::FloorW, "1200"},   // above the total
        {LossSplit::Total, "-1"},      // a total below 0
        {LossSplit::WallW, "100"},     // wall heating is off
        {LossSplit::WallPercent, "5"}, // wall heating is off
    };
    for (const auto& c : refused)
    {
        EXPECT_FALSE(m_split.Leave(c.field, Typed(c.text))) << c.text;
        ExpectParts(1000, 0, 0);
        EXPECT_DOUBLE_EQ(m_split.m_dTotal, 1000);
        EXPECT_EQ(m_split.Text(LossSplit::FloorPercent), Typed("100.000"));
    }
}

TEST_P(LossSplitTest, PartsBelowTheLimitSkipThePerCents)
{
    m_split.Open("1.01", "1000", 600, 400, 0);
    EXPECT_FALSE(m_split.Leave(LossSplit::UncoveredW, Typed("700")));
    ExpectParts(-100, 400, 700); // rewritten all the same
    EXPECT_EQ(m_split.Text(LossSplit::FloorPercent), Typed("60.000"));
    LossSplit::Field focus;
    EXPECT_FALSE(m_split.Ok(focus));
    EXPECT_EQ(focus, LossSplit::FloorW);
}

TEST_P(LossSplitTest, ZeroTotalGivesZeroPerCentsAndClosesAtOnce)
{
    m_split.Open("1.01", "0", 0, 0, 0);
    for (LossSplit::Field field : {LossSplit::FloorPercent, LossSplit::WallPercent, LossSplit::UncoveredPercent})
        EXPECT_EQ(m_split.Text(field), Typed("0.000"));
    LossSplit::Field focus;
    EXPECT_TRUE(m_split.Ok(focus));
}

TEST_P(LossSplitTest, StoredSplitOpensUnchanged)
{
    EXPECT_EQ(m_split.Open("1.01", Typed("1000.0"), 600, 0, 400), LossSplit::FloorW);
    EXPECT_TRUE(m_split.m_bFloor);
    EXPECT_FALSE(m_split.m_bWall);
    ExpectParts(600, 0, 400);
    EXPECT_EQ(m_split.Text(LossSplit::UncoveredPercent), Typed("40.000"));
}

TEST_P(LossSplitTest, StoredPartsThatDoNotAddUpAreSettledByTheChecks)
{
    // A total changed since the split: the floor takes what the wall leaves.
    EXPECT_EQ(m_split.Open("1.01", "1200", 600, 300, 100), LossSplit::FloorW);
    ExpectParts(900, 300, 0);
    EXPECT_TRUE(m_split.m_bFloor && m_split.m_bWall);
    LossSplit::Field focus;
    EXPECT_TRUE(m_split.Ok(focus));
}

TEST_P(LossSplitTest, OkRefusesPartsThatDoNotAddUp)
{
    m_split.Open("1.01", "1000", 0, 0, 1000);
    EXPECT_TRUE(m_split.Leave(LossSplit::UncoveredW, "300")); // nothing takes the rest
    LossSplit::Field focus;
    EXPECT_FALSE(m_split.Ok(focus));
    EXPECT_EQ(focus, LossSplit::Total);
    m_split.SetWallHeating(true);
    EXPECT_TRUE(m_split.Leave(LossSplit::UncoveredW, "300"));
    ExpectParts(0, 700, 300);
    EXPECT_TRUE(m_split.Ok(focus));
    EXPECT_TRUE(m_split.Leave(LossSplit::Total, "1500"));
    ExpectParts(0, 1200, 300);
}

INSTANTIATE_TEST_SUITE_P(PointAndComma, LossSplitTest, ::testing::Values('.', ','));
} // namespace
