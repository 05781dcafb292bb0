#include "controls/resizable/CResizableState.h"

#include "platform/core/Profile.h"
#include "platform/ui/CWnd.h"
#include "testing/UiTest.h"
#include "testing/TemporaryProfile.h"

#include <gtest/gtest.h>

namespace
{
const char* const Section = "NavrhPodlahovky";

class CStateWnd : public CWnd, public CResizableState
{
protected:
    CWnd* GetLayoutWindow() override { return this; }
};

class CResizableStateTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { UiTest::EnsureApplication(); }

    void SetUp() override
    {
        ASSERT_TRUE(wnd.CreateEx(0, "KalvenrodTest", "Okno", WS_POPUP | WS_CAPTION | WS_THICKFRAME,
                                 CRect(100, 80, 500, 380), nullptr, 0));
        wnd.ShowWindow(SW_SHOW);
    }

    CRect WindowRect()
    {
        CRect r;
        wnd.GetWindowRect(&r);
        return r;
    }

    CString Saved() { return Profile::GetString(Section, "WindowPlacement", ""); }

    TemporaryProfile profile;
    CStateWnd wnd;
};
} // namespace

TEST_F(CResizableStateTest, SavesTheWholePlacement)
{
    const CRect rect = WindowRect();
    ASSERT_TRUE(wnd.SavePlacement(Section, FALSE));
    CString expected;
    expected.Format("%d,%d,%d,%d,1,0", int(rect.left), int(rect.top), int(rect.right), int(rect.bottom));
    EXPECT_EQ(Saved(), expected);
}

TEST_F(CResizableStateTest, RectangleOnlyAlwaysEndsShownNormally)
{
    wnd.ShowWindow(SW_SHOWMAXIMIZED);
    ASSERT_TRUE(wnd.SavePlacement(Section, TRUE));
    const CRect rect = WindowRect();
    CString expected;
    expected.Format("%d,%d,%d,%d,1,0", int(rect.left), int(rect.top), int(rect.right), int(rect.bottom));
    EXPECT_EQ(Saved(), expected);
}

TEST_F(CResizableStateTest, PlacementRoundTripsInBothForms)
{
    for (const BOOL rectOnly : {TRUE, FALSE})
    {
        wnd.SetWindowPos(nullptr, 40, 30, 420, 310, SWP_NOZORDER);
        const CRect saved = WindowRect();
        ASSERT_TRUE(wnd.SavePlacement(Section, rectOnly));
        wnd.SetWindowPos(nullptr, 200, 150, 300, 250, SWP_NOZORDER);
        ASSERT_NE(WindowRect(), saved);
        EXPECT_TRUE(wnd.LoadPlacement(Section, rectOnly)) << rectOnly;
        EXPECT_EQ(WindowRect(), saved) << rectOnly;
        EXPECT_TRUE(wnd.IsWindowVisible());
    }
}

TEST_F(CResizableStateTest, RestoresAWrittenText)
{
    Profile::WriteString(Section, "WindowPlacement", "50,60,450,360,1,0");
    EXPECT_TRUE(wnd.LoadPlacement(Section, TRUE));
    EXPECT_EQ(WindowRect(), CRect(50, 60, 450, 360));
    Profile::WriteString(Section, "WindowPlacement", "70,80,370,280,1,0");
    EXPECT_TRUE(wnd.LoadPlacement(Section, FALSE));
    EXPECT_EQ(WindowRect(), CRect(70, 80, 370, 280));
}

TEST_F(CResizableStateTest, MissingOrMalformedTextLeavesTheWindowWhereItIs)
{
    const CRect before = WindowRect();
    EXPECT_FALSE(wnd.LoadPlacement(Section, FALSE));
    for (const char* text :
         {"", "1,2,3,4,5", "10,20,300,400,1", "nic", "10,20,300,400,0,0", "300,20,10,400,1,0"})
    {
        Profile::WriteString(Section, "WindowPlacement", text);
        EXPECT_FALSE(wnd.LoadPlacement(Section, FALSE)) << text;
        EXPECT_FALSE(wnd.LoadPlacement(Section, TRUE)) << text;
        EXPECT_EQ(WindowRect(), before) << text;
        EXPECT_TRUE(wnd.IsWindowVisible()) << text;
    }
}
