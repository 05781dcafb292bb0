#include "platform/core/Geometry.h"

#include <gtest/gtest.h>

TEST(CRect, IntersectUnionAndPoints)
{
    CRect a(0, 0, 100, 50), b(50, 25, 150, 75), r;
    EXPECT_TRUE(r.IntersectRect(&a, &b));
    EXPECT_EQ(r, CRect(50, 25, 100, 50));
    EXPECT_FALSE(r.IntersectRect(&a, CRect(200, 200, 300, 300)));
    EXPECT_TRUE(r.IsRectNull());
    r.UnionRect(&a, &b);
    EXPECT_EQ(r, CRect(0, 0, 150, 75));
    EXPECT_TRUE(a.PtInRect(CPoint(0, 0)));
    EXPECT_FALSE(a.PtInRect(CPoint(100, 10))); // right edge excluded
    a.DeflateRect(10, 5);
    EXPECT_EQ(a.Size(), CSize(80, 40));
}
