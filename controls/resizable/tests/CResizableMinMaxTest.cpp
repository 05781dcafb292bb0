#include "controls/resizable/CResizableMinMax.h"

#include <gtest/gtest.h>

namespace
{
MINMAXINFO SystemValues()
{
    MINMAXINFO info;
    info.ptMaxSize = CPoint(1024, 768);
    info.ptMaxPosition = CPoint(-4, -4);
    info.ptMinTrackSize = CPoint(112, 27);
    info.ptMaxTrackSize = CPoint(1036, 780);
    return info;
}

bool operator==(const POINT& a, const POINT& b)
{
    return a.x == b.x && a.y == b.y;
}
} // namespace

TEST(CResizableMinMax, LimitsNeverSetLeaveTheSystemValues)
{
    CResizableMinMax minMax;
    MINMAXINFO info = SystemValues();
    minMax.ApplyMinMaxInfo(&info);
    const MINMAXINFO system = SystemValues();
    EXPECT_TRUE(info.ptMaxSize == system.ptMaxSize);
    EXPECT_TRUE(info.ptMaxPosition == system.ptMaxPosition);
    EXPECT_TRUE(info.ptMinTrackSize == system.ptMinTrackSize);
    EXPECT_TRUE(info.ptMaxTrackSize == system.ptMaxTrackSize);
}

TEST(CResizableMinMax, EachLimitIsWrittenOnlyWhileSet)
{
    CResizableMinMax minMax;
    minMax.SetMinimumTrackSize(CSize(400, 300));
    minMax.SetMaximumTrackSize(CSize(800, 600));
    minMax.SetMaximizedPlacement(CRect(10, 20, 510, 420));

    MINMAXINFO info = SystemValues();
    minMax.ApplyMinMaxInfo(&info);
    EXPECT_TRUE(info.ptMinTrackSize == CPoint(400, 300));
    EXPECT_TRUE(info.ptMaxTrackSize == CPoint(800, 600));
    EXPECT_TRUE(info.ptMaxPosition == CPoint(10, 20));
    EXPECT_TRUE(info.ptMaxSize == CPoint(500, 400));

    minMax.ResetMinimumTrackSize();
    minMax.ResetMaximizedPlacement();
    info = SystemValues();
    minMax.ApplyMinMaxInfo(&info);
    EXPECT_TRUE(info.ptMinTrackSize == CPoint(112, 27));
    EXPECT_TRUE(info.ptMaxTrackSize == CPoint(800, 600));
    EXPECT_TRUE(info.ptMaxPosition == CPoint(-4, -4));
    EXPECT_TRUE(info.ptMaxSize == CPoint(1024, 768));

    minMax.ResetMaximumTrackSize();
    info = SystemValues();
    minMax.ApplyMinMaxInfo(&info);
    EXPECT_TRUE(info.ptMaxTrackSize == CPoint(1036, 780));
}
