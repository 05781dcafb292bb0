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

// An uncovered per cent is taken only when the per cents it leads to keep their limit
// (−0.5 to 100.5 %); a refused one changes nothing and its field keeps the text typed.
TEST_P(LossSplitTest, AnUncoveredPerCentIsTestedBeforeItIsTaken)
{
    const struct
    {
        bool floor, wall;
        const char* typed;
        bool taken;
        double floorW, wallW, uncoveredW; // afterwards
    } cases[] = {
        {true, false, "120", false, 1000, 0, 0},  {true, false, "-1", false, 1000, 0, 0},
        {true, false, "100.4", true, -4, 0, 1004}, {true, false, "30", true, 700, 0, 300},
        {true, true, "50", true, 500, 0, 500},     {true, true, "101", false, 1000, 0, 0},
        {false, false, "100.6", false, 0, 0, 1000}, {false, true, "25", true, 0, 750, 250},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.typed);
        LossSplit split;
        split.Open("1.01", Typed("1000.0"), 0, 0, 1000);
        if (c.floor)
            split.SetFloorHeating(true);
        if (c.wall)
            split.SetWallHeating(true);
        const double floor = split.m_dFloor, wall = split.m_dWall, uncovered = split.m_dUncovered;
        const CString floorPercent = split.Text(LossSplit::FloorPercent);
        EXPECT_EQ(c.taken, split.Leave(LossSplit::UncoveredPercent, Typed(c.typed)));
        if (c.taken)
        {
            EXPECT_NEAR(c.floorW, split.m_dFloor, 1e-9);
            EXPECT_NEAR(c.wallW, split.m_dWall, 1e-9);
            EXPECT_NEAR(c.uncoveredW, split.m_dUncovered, 1e-9);
            continue;
        }
        EXPECT_DOUBLE_EQ(floor, split.m_dFloor);
        EXPECT_DOUBLE_EQ(wall, split.m_dWall);
        EXPECT_DOUBLE_EQ(uncovered, split.m_dUncovered);
        EXPECT_EQ(floorPercent, split.Text(LossSplit::FloorPercent)) << "never -20.000 %";
        EXPECT_EQ(Typed(c.typed), split.Text(LossSplit::UncoveredPercent));
    }
}

// The fields show the texts the dialog gives them: the total as it was handed in until the user
// changes it; a value refused as it stands as it was typed; one taken in its format.
TEST_P(LossSplitTest, FieldsKeepTheirTexts)
{
    m_split.Open("1.01", Typed("1234.56"), 0, 0, 1234.56);
    EXPECT_EQ(Typed("1234.56"), m_split.Text(LossSplit::Total));
    EXPECT_DOUBLE_EQ(1234.56, m_split.m_dTotal);
    EXPECT_EQ(Typed("1234.6"), m_split.Text(LossSplit::UncoveredW));

    EXPECT_FALSE(m_split.Leave(LossSplit::Total, Typed("-5")));
    EXPECT_EQ(Typed("-5"), m_split.Text(LossSplit::Total));
    EXPECT_DOUBLE_EQ(1234.56, m_split.m_dTotal);
    EXPECT_TRUE(m_split.Leave(LossSplit::Total, Typed("1500")));
    EXPECT_EQ(Typed("1500.0"), m_split.Text(LossSplit::Total));

    EXPECT_FALSE(m_split.Leave(LossSplit::UncoveredW, Typed("2000"))); // above the total
    EXPECT_EQ(Typed("2000"), m_split.Text(LossSplit::UncoveredW));
    EXPECT_DOUBLE_EQ(1500, m_split.m_dUncovered);
}

INSTANTIATE_TEST_SUITE_P(PointAndComma, LossSplitTest, ::testing::Values('.', ','));
} // namespace
