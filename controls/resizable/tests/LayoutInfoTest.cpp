#include "controls/resizable/LayoutInfo.h"

#include <gtest/gtest.h>

namespace
{
LayoutInfo Anchored(const CSize& area, const CRect& rect, ANCHOR topLeft, ANCHOR bottomRight)
{
    LayoutInfo info;
    info.Anchor(area, rect, topLeft, bottomRight);
    return info;
}
} // namespace

TEST(LayoutInfo, StretchedControlKeepsItsMarginsFromBothCorners)
{
    const LayoutInfo info = Anchored({200, 100}, {10, 10, 190, 90}, AnchorTopLeft, AnchorBottomRight);
    EXPECT_EQ(info.marginTopLeft, CSize(10, 10));
    EXPECT_EQ(info.marginBottomRight, CSize(-10, -10));
    EXPECT_EQ(info.PlaceIn({300, 200}), CRect(10, 10, 290, 190));
}

TEST(LayoutInfo, NoSecondAnchorKeepsTheSize)
{
    const LayoutInfo info = Anchored({200, 100}, {150, 70, 190, 90}, AnchorBottomRight, AnchorNone);
    EXPECT_EQ(info.anchorBottomRight, AnchorBottomRight);
    EXPECT_EQ(info.PlaceIn({300, 200}), CRect(250, 170, 290, 190));
    EXPECT_EQ(info.PlaceIn({250, 100}), CRect(200, 70, 240, 90));
}

TEST(LayoutInfo, PercentTruncatesTowardZero)
{
    EXPECT_EQ(LayoutInfo::PercentOf(101, 50), 50);
    EXPECT_EQ(LayoutInfo::PercentOf(99, 50), 49);
    EXPECT_EQ(LayoutInfo::PercentOf(-101, 50), -50);
    EXPECT_EQ(LayoutInfo::PercentOf(101, -50), -50);
    EXPECT_EQ(LayoutInfo::PercentOf(7, 33), 2);
    EXPECT_EQ(LayoutInfo::PercentOf(100000, 100000), 100000000);

    // A centred control in an area 101 wide: its left edge is 50 % of 101 = 50 plus its margin.
    const LayoutInfo info = Anchored({100, 100}, {40, 0, 60, 10}, AnchorTopCenter, AnchorNone);
    EXPECT_EQ(info.marginTopLeft, CSize(-10, 0));
    EXPECT_EQ(info.PlaceIn({101, 100}), CRect(40, 0, 60, 10));
    EXPECT_EQ(info.PlaceIn({103, 100}), CRect(41, 0, 61, 10));
}

TEST(LayoutInfo, SameSizePlacesEveryControlWhereItIs)
{
    const CSize area(213, 157);
    const struct
    {
        ANCHOR topLeft, bottomRight;
    } cases[] = {
        {AnchorTopLeft, AnchorBottomRight},    {AnchorTopLeft, AnchorNone},
        {AnchorBottomRight, AnchorNone},       {AnchorMiddleCenter, AnchorNone},
        {AnchorTopCenter, AnchorBottomCenter}, {AnchorMiddleLeft, AnchorMiddleRight},
        {AnchorBottomLeft, AnchorBottomRight}, {ANCHOR(33, 67), ANCHOR(75, 25)},
    };
    const CRect rect(17, 23, 121, 99);
    for (const auto& c : cases)
        EXPECT_EQ(Anchored(area, rect, c.topLeft, c.bottomRight).PlaceIn(area), rect)
            << c.topLeft.cx << "," << c.topLeft.cy << " " << c.bottomRight.cx << "," << c.bottomRight.cy;
}

TEST(LayoutInfo, NamedAnchorsHaveTheirPercentPairs)
{
    EXPECT_EQ(NOANCHOR, ANCHOR(-1, -1));
    EXPECT_EQ(TOP_LEFT, ANCHOR(0, 0));
    EXPECT_EQ(TOP_CENTER, ANCHOR(50, 0));
    EXPECT_EQ(TOP_RIGHT, ANCHOR(100, 0));
    EXPECT_EQ(MIDDLE_LEFT, ANCHOR(0, 50));
    EXPECT_EQ(MIDDLE_CENTER, ANCHOR(50, 50));
    EXPECT_EQ(MIDDLE_RIGHT, ANCHOR(100, 50));
    EXPECT_EQ(BOTTOM_LEFT, ANCHOR(0, 100));
    EXPECT_EQ(BOTTOM_CENTER, ANCHOR(50, 100));
    EXPECT_EQ(BOTTOM_RIGHT, ANCHOR(100, 100));
}
