#include "controls/resizable/CPlacementText.h"

#include <gtest/gtest.h>

TEST(CPlacementText, FormatsSixNumbers)
{
    CPlacementText p;
    p.rect = CRect(-8, 20, 640, 480);
    p.nShowCmd = 3;
    p.nFlags = 2;
    EXPECT_EQ(p.Format(), "-8,20,640,480,3,2");
}

TEST(CPlacementText, RoundTrips)
{
    CPlacementText p;
    p.rect = CRect(100, 50, 740, 530);
    p.nShowCmd = 1;
    p.nFlags = 0;
    CPlacementText q;
    ASSERT_TRUE(q.Parse(p.Format()));
    EXPECT_EQ(q.rect, p.rect);
    EXPECT_EQ(q.nShowCmd, 1);
    EXPECT_EQ(q.nFlags, 0);
    EXPECT_TRUE(q.Parse(" 1, 2, 3, 4, 5, 6"));
    EXPECT_EQ(q.rect, CRect(1, 2, 3, 4));
    EXPECT_EQ(q.nShowCmd, 5);
    EXPECT_EQ(q.nFlags, 6);
}

TEST(CPlacementText, MalformedTextChangesNothing)
{
    const char* bad[] = {
        "",
        "1,2,3,4,5",
        "10,20,300,400,1,",
        "10,20,300,400,,0",
        "a,b,c,d,e,f",
        "10;20;300;400;1;0",
        "10 ,20,300,400,1,0",
        "10,20,300,400,1,99999999999",
        "10,20,10,400,1,0",
        "10,400,300,20,1,0",
        "10,20,300,400,0,0",
        "10,20,300,400,12,0",
        "10,20,300,400,-1,0",
    };
    for (const char* text : bad)
    {
        CPlacementText p;
        p.rect = CRect(1, 2, 3, 4);
        p.nShowCmd = 7;
        p.nFlags = 8;
        EXPECT_FALSE(p.Parse(text)) << text;
        EXPECT_EQ(p.rect, CRect(1, 2, 3, 4)) << text;
        EXPECT_EQ(p.nShowCmd, 7) << text;
        EXPECT_EQ(p.nFlags, 8) << text;
    }
    CPlacementText p;
    EXPECT_FALSE(p.Parse(nullptr));
}
