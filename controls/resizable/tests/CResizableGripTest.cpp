#include "controls/resizable/CResizableGrip.h"

#include "platform/ui/WinApi.h"
#include "testing/UiTest.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

namespace
{
class CGripWnd : public CWnd, public CResizableGrip
{
protected:
    CWnd* GetLayoutWindow() override { return this; }
};

class CResizableGripTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { UiTest::EnsureApplication(); }

    void SetUp() override
    {
        ASSERT_TRUE(wnd.CreateEx(0, "KalvenrodTest", "Okno", WS_POPUP | WS_CAPTION | WS_THICKFRAME,
                                 CRect(0, 0, 300, 200), nullptr, 0));
        wnd.ShowWindow(SW_SHOW);
        ASSERT_TRUE(wnd.CreateGripWindow());
    }

    CRect GripRect()
    {
        CRect r;
        wnd.GetGripWindow()->GetWindowRect(&r);
        wnd.ScreenToClient(&r);
        return r;
    }

    CRect ClientRect()
    {
        CRect r;
        wnd.GetClientRect(&r);
        return r;
    }

    CGripWnd wnd;
};
} // namespace

TEST_F(CResizableGripTest, GripSitsInTheBottomRightCorner)
{
    const CSize size(GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL));
    EXPECT_EQ(wnd.GetGripSize(), size);
    EXPECT_GT(size.cx, 0);
    EXPECT_TRUE(wnd.GetGripWindow()->IsWindowVisible());
    EXPECT_TRUE(wnd.GetGripWindow()->IsWindowEnabled());
    EXPECT_EQ(wnd.GetGripWindow()->GetDlgCtrlID(), 0);
    const CRect client = ClientRect();
    EXPECT_EQ(GripRect(),
              CRect(client.right - size.cx, client.bottom - size.cy, client.right, client.bottom));

    wnd.SetWindowPos(nullptr, 0, 0, 400, 350, SWP_NOMOVE | SWP_NOZORDER);
    wnd.PlaceGrip();
    EXPECT_EQ(GripRect().BottomRight(), ClientRect().BottomRight());
}

TEST_F(CResizableGripTest, MaximisedWindowDisablesTheGripAndRestoringEnablesIt)
{
    QWidget* grip = wnd.GetGripWindow()->GetWidget();
    const QImage enabledLook = grip->grab().toImage();

    wnd.ShowWindow(SW_SHOWMAXIMIZED);
    wnd.PlaceGrip();
    EXPECT_TRUE(wnd.GetGripWindow()->IsWindowVisible());
    EXPECT_FALSE(wnd.GetGripWindow()->IsWindowEnabled());
    EXPECT_NE(grip->grab().toImage(), enabledLook);

    wnd.ShowWindow(SW_RESTORE);
    wnd.PlaceGrip();
    EXPECT_TRUE(wnd.GetGripWindow()->IsWindowEnabled());
}

TEST_F(CResizableGripTest, ShowGripHidesAndShows)
{
    wnd.ShowGrip(FALSE);
    EXPECT_FALSE(wnd.GetGripWindow()->IsWindowVisible());
    wnd.ShowGrip(TRUE);
    EXPECT_TRUE(wnd.GetGripWindow()->IsWindowVisible());
}

TEST_F(CResizableGripTest, HitTestAnswersTheCornerOfTheLayout)
{
    CWnd* grip = wnd.GetGripWindow();
    EXPECT_EQ(grip->SendMessage(WM_NCHITTEST), HTBOTTOMRIGHT);
    grip->ModifyStyleEx(0, WS_EX_LAYOUTRTL);
    EXPECT_EQ(grip->SendMessage(WM_NCHITTEST), HTBOTTOMLEFT);
}

TEST(CSizeGrip, RegionIsTheTriangleInTheBottomRightCorner)
{
    const std::vector<CRect> rows = CSizeGrip::TriangleRows(CSize(4, 4));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], CRect(3, 1, 4, 2));
    EXPECT_EQ(rows[1], CRect(2, 2, 4, 3));
    EXPECT_EQ(rows[2], CRect(1, 3, 4, 4));
    EXPECT_TRUE(CSizeGrip::TriangleRows(CSize(0, 0)).empty());
}
