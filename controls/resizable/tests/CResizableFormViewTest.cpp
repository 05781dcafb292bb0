#include "DemoDialogs.h"

#include "controls/resizable/CResizableFormView.h"
#include "testing/UiTest.h"

#include <gtest/gtest.h>

namespace
{
class CDemoFormView : public CResizableFormView
{
public:
    CDemoFormView() : CResizableFormView(IDD_RESIZABLE_FORM) { m_bAutoDelete = FALSE; }

    void OnInitialUpdate() override
    {
        AddAnchor(GetDlgItem(IDC_DEMO_GRID)->GetSafeHwnd(), TOP_LEFT, BOTTOM_RIGHT);
        AddAnchor(GetDlgItem(IDC_DEMO_SAVE)->GetSafeHwnd(), BOTTOM_RIGHT, NOANCHOR);
        CResizableFormView::OnInitialUpdate();
    }
};

class CResizableFormViewTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        UiTest::EnsureApplication();
        RegisterDemoDialogs();
    }

    void SetUp() override
    {
        ASSERT_TRUE(frame.CreateEx(0, "KalvenrodTest", "Formulář", WS_POPUP | WS_CAPTION | WS_THICKFRAME,
                                   CRect(0, 0, 800, 600), nullptr, 0));
        frame.ShowWindow(SW_SHOW);
        ASSERT_TRUE(
            view.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 10, 10), &frame, 0xE900));
        total = view.GetTotalSize();
        SizeView(total);
        grid = RectOf(IDC_DEMO_GRID);
        save = RectOf(IDC_DEMO_SAVE);
        view.OnInitialUpdate();
    }

    void SizeView(const CSize& size)
    {
        view.SetWindowPos(nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
        UiTest::ProcessEvents();
    }

    CRect RectOf(int id)
    {
        CRect r;
        view.GetDlgItem(id)->GetWindowRect(&r);
        view.ScreenToClient(&r);
        return r;
    }

    CWnd frame;
    CDemoFormView view;
    CSize total;
    CRect grid, save;
};
} // namespace

TEST_F(CResizableFormViewTest, ControlsFollowTheView)
{
    EXPECT_EQ(RectOf(IDC_DEMO_GRID), grid);
    SizeView(total + CSize(100, 50));
    CRect g = grid;
    g.right += 100;
    g.bottom += 50;
    EXPECT_EQ(RectOf(IDC_DEMO_GRID), g);
    CRect s = save;
    s.OffsetRect(100, 50);
    EXPECT_EQ(RectOf(IDC_DEMO_SAVE), s);
}

TEST_F(CResizableFormViewTest, SmallerViewKeepsTheWholeFormLaidOut)
{
    SizeView(total - CSize(80, 40));
    EXPECT_EQ(RectOf(IDC_DEMO_GRID), grid);
    EXPECT_EQ(RectOf(IDC_DEMO_SAVE), save);
    SizeView(CSize(total.cx + 30, total.cy - 40));
    CRect s = save;
    s.OffsetRect(30, 0);
    EXPECT_EQ(RectOf(IDC_DEMO_SAVE), s);
}
