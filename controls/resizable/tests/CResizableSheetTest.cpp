#include "DemoDialogs.h"

#include "controls/resizable/CResizablePage.h"
#include "controls/resizable/CResizableSheet.h"
#include "platform/core/Profile.h"
#include "platform/ui/CTabCtrl.h"
#include "testing/UiTest.h"
#include "testing/TemporaryProfile.h"

#include <gtest/gtest.h>

namespace
{
using CDemoPage = CAnchoredDemoPage<CResizablePage>;

class CResizableSheetTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        UiTest::EnsureApplication();
        RegisterDemoDialogs();
    }

    void SetUp() override
    {
        sheet.AddPage(&first);
        sheet.AddPage(&second);
    }
    void TearDown() override
    {
        if (sheet.GetSafeHwnd())
            sheet.DestroyWindow();
    }

    void Open()
    {
        ASSERT_TRUE(sheet.Create());
        sheet.ShowWindow(SW_SHOW);
        UiTest::ProcessEvents();
        sheet.GetWindowRect(&initialWindow);
        sheet.GetClientRect(&initialClient);
    }

    static CRect RectIn(CWnd& parent, CWnd* child) { return RectInParent(parent, child); }

    void Grow(int dx, int dy)
    {
        sheet.SetWindowPos(nullptr, 0, 0, initialWindow.Width() + dx, initialWindow.Height() + dy,
                           SWP_NOMOVE | SWP_NOZORDER);
        UiTest::ProcessEvents();
    }

    TemporaryProfile profile;
    CResizableSheet sheet{"kalvenrod - Nastavení"};
    CDemoPage first{IDD_DEMO_PAGE_A};
    CDemoPage second{IDD_DEMO_PAGE_B};
    CRect initialWindow;
    CRect initialClient;
};
} // namespace

TEST_F(CResizableSheetTest, TabAndActivePageStretchAndButtonsFollowTheCorner)
{
    Open();
    EXPECT_TRUE(sheet.GetStyle() & WS_THICKFRAME);
    EXPECT_TRUE(sheet.GetGripWindow()->IsWindowVisible());
    const CRect okBefore = RectIn(sheet, sheet.GetDlgItem(IDOK));
    const CRect applyBefore = RectIn(sheet, sheet.GetDlgItem(ID_APPLY_NOW));
    const CRect tabBefore = RectIn(sheet, sheet.GetTabControl());
    const CRect pageBefore = RectIn(sheet, &first);
    const CRect buttonBefore = RectIn(first, first.GetDlgItem(IDC_PAGE_BUTTON));

    Grow(120, 80);
    CRect ok = okBefore, apply = applyBefore;
    ok.OffsetRect(120, 80);
    apply.OffsetRect(120, 80);
    EXPECT_EQ(RectIn(sheet, sheet.GetDlgItem(IDOK)), ok);
    EXPECT_EQ(RectIn(sheet, sheet.GetDlgItem(ID_APPLY_NOW)), apply);
    const CRect tab = RectIn(sheet, sheet.GetTabControl());
    EXPECT_EQ(tab.TopLeft(), tabBefore.TopLeft());
    EXPECT_EQ(tab.right, tabBefore.right + 120);
    // The active page stretches with the sheet, and its own controls follow.
    CRect page = pageBefore;
    page.right += 120;
    page.bottom += 80;
    EXPECT_EQ(RectIn(sheet, &first), page);
    CRect button = buttonBefore;
    button.OffsetRect(120, 80);
    EXPECT_EQ(RectIn(first, first.GetDlgItem(IDC_PAGE_BUTTON)), button);

    // Back at the first size everything is where it started.
    Grow(0, 0);
    EXPECT_EQ(RectIn(sheet, &first), pageBefore);
    EXPECT_EQ(RectIn(sheet, sheet.GetDlgItem(IDOK)), okBefore);
}

TEST_F(CResizableSheetTest, ASheetWithoutApplyAnchorsTheButtonsItHas)
{
    sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    Open();
    EXPECT_EQ(sheet.GetDlgItem(ID_APPLY_NOW), nullptr);
    const CRect cancelBefore = RectIn(sheet, sheet.GetDlgItem(IDCANCEL));
    Grow(50, 20);
    CRect cancel = cancelBefore;
    cancel.OffsetRect(50, 20);
    EXPECT_EQ(RectIn(sheet, sheet.GetDlgItem(IDCANCEL)), cancel);
}

TEST_F(CResizableSheetTest, AnotherPageIsLaidOutWhenActivated)
{
    Open();
    const auto buttonMargin = [](CResizablePage& page)
    {
        CRect client;
        page.GetClientRect(&client);
        return client.BottomRight() - RectIn(page, page.GetDlgItem(IDC_PAGE_BUTTON)).BottomRight();
    };
    ASSERT_TRUE(sheet.SetActivePage(1));
    UiTest::ProcessEvents();
    const CSize margin = buttonMargin(second);
    ASSERT_TRUE(sheet.SetActivePage(0));
    UiTest::ProcessEvents();

    Grow(90, 60);
    const CRect firstArea = RectIn(sheet, &first);
    ASSERT_TRUE(sheet.SetActivePage(1));
    UiTest::ProcessEvents();
    EXPECT_EQ(sheet.GetActivePage(), &second);
    // The second page fills the same area as the first, and its button keeps to its corner.
    EXPECT_EQ(RectIn(sheet, &second), firstArea);
    EXPECT_EQ(buttonMargin(second), margin);

    ASSERT_TRUE(sheet.SetActivePage(0));
    UiTest::ProcessEvents();
    EXPECT_EQ(RectIn(sheet, &first), firstArea);
}

TEST_F(CResizableSheetTest, RefusesToShrinkBelowItsFirstSize)
{
    Open();
    Grow(-60, -40);
    CRect client;
    sheet.GetClientRect(&client);
    EXPECT_EQ(client.Size(), initialClient.Size());
}

TEST_F(CResizableSheetTest, PlacementAndPageMemory)
{
    Open();
    sheet.EnablePlacementMemory("Sheet", FALSE, TRUE);
    ASSERT_TRUE(sheet.SetActivePage(1));
    Grow(40, 30);
    CRect closedAt;
    sheet.GetWindowRect(&closedAt);
    sheet.DestroyWindow();
    EXPECT_EQ(Profile::GetInt("Sheet", "ActivePage", -1), 1u);

    CResizableSheet again("kalvenrod - Nastavení");
    CDemoPage a(IDD_DEMO_PAGE_A), b(IDD_DEMO_PAGE_B);
    again.AddPage(&a);
    again.AddPage(&b);
    ASSERT_TRUE(again.Create());
    again.EnablePlacementMemory("Sheet", FALSE, TRUE);
    again.ShowWindow(SW_SHOW);
    UiTest::ProcessEvents();
    EXPECT_EQ(again.GetActivePage(), &b);
    CRect window;
    again.GetWindowRect(&window);
    EXPECT_EQ(window, closedAt);
    again.DestroyWindow();
}
