#include "DemoDialogs.h"

#include "controls/resizable/CResizablePageEx.h"
#include "controls/resizable/CResizableSheetEx.h"
#include "platform/core/Resources.h"
#include "platform/ui/CTabCtrl.h"
#include "testing/UiTest.h"

#include <gtest/gtest.h>

#include <iterator>
#include <utility>
#include <vector>

namespace
{
constexpr UINT IDS_ROOMS_TITLE = 9110;
constexpr UINT IDS_ROOMS_SUBTITLE = 9111;

void RegisterHeaderTexts()
{
    static const ResourceString strings[] = {{IDS_ROOMS_TITLE, "Místnosti"},
                                             {IDS_ROOMS_SUBTITLE, "Zadejte místnosti vytápěného objektu."}};
    static const ResourceTable table{strings, int(std::size(strings))};
    static bool registered = false;
    if (!registered)
        Resources::RegisterBuiltIn(&table);
    registered = true;
}

class CWizardPage : public CAnchoredDemoPage<CResizablePageEx>
{
public:
    using CAnchoredDemoPage::CAnchoredDemoPage;
    using CResizablePageEx::NeedsRefresh;
};

// A wizard-97 of two pages: the first under the header, the second (the closing page) without it.
class CResizableSheetExTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        UiTest::EnsureApplication();
        RegisterDemoDialogs();
        RegisterHeaderTexts();
    }

    void SetUp() override
    {
        sheet.m_psh.dwFlags |= PSH_WIZARD97;
        closing.m_psp.dwFlags |= PSP_HIDEHEADER;
        sheet.AddPage(&rooms);
        sheet.AddPage(&closing);
        ASSERT_TRUE(sheet.Create());
        sheet.ShowWindow(SW_SHOW);
        UiTest::ProcessEvents();
        sheet.GetWindowRect(&initialWindow);
        sheet.GetClientRect(&initialClient);
    }
    void TearDown() override
    {
        if (sheet.GetSafeHwnd())
            sheet.DestroyWindow();
    }

    CRect InSheet(int id) { return RectInParent(sheet, sheet.GetDlgItem(id)); }
    CRect InSheet(CWnd* child) { return RectInParent(sheet, child); }

    void Grow(int dx, int dy)
    {
        sheet.SetWindowPos(nullptr, 0, 0, initialWindow.Width() + dx, initialWindow.Height() + dy,
                           SWP_NOMOVE | SWP_NOZORDER);
        UiTest::ProcessEvents();
    }

    void Press(int button)
    {
        ASSERT_TRUE(sheet.PressButton(button));
        UiTest::ProcessEvents();
    }

    CResizableSheetEx sheet{"kalvenrod - Nový projekt"};
    CWizardPage rooms{IDD_DEMO_PAGE_A, 0, IDS_ROOMS_TITLE, IDS_ROOMS_SUBTITLE};
    CWizardPage closing{IDD_DEMO_PAGE_B};
    CRect initialWindow;
    CRect initialClient;
};
} // namespace

TEST_F(CResizableSheetExTest, AWizardShowsTheHeaderAndItsButtonsInsteadOfTabs)
{
    EXPECT_TRUE(sheet.IsKindOf(RUNTIME_CLASS(CResizableSheet)));
    EXPECT_FALSE(sheet.GetTabControl()->IsWindowVisible());
    EXPECT_EQ(sheet.GetDlgItem(IDOK), nullptr);
    EXPECT_EQ(sheet.GetDlgItem(ID_APPLY_NOW), nullptr);
    CString title, subtitle;
    sheet.GetDlgItem(ID_WIZHEADERTITLE)->GetWindowText(title);
    sheet.GetDlgItem(ID_WIZHEADERSUBTITLE)->GetWindowText(subtitle);
    EXPECT_EQ(title, CString("Místnosti"));
    EXPECT_EQ(subtitle, CString("Zadejte místnosti vytápěného objektu."));
    EXPECT_FALSE(sheet.GetDlgItem(ID_WIZBACK)->IsWindowEnabled());
    EXPECT_TRUE(sheet.GetDlgItem(ID_WIZNEXT)->IsWindowVisible());
    EXPECT_FALSE(sheet.GetDlgItem(ID_WIZFINISH)->IsWindowVisible());
    // The page starts right under the header line and ends above the separator line.
    const CRect page = InSheet(&rooms);
    EXPECT_EQ(page.top, InSheet(ID_WIZHEADERLINE).bottom);
    EXPECT_LT(page.bottom, InSheet(ID_WIZLINE).top);
    EXPECT_LT(InSheet(ID_WIZLINE).bottom, InSheet(ID_WIZNEXT).top);

    Press(PSBTN_NEXT);
    EXPECT_EQ(sheet.GetActivePage(), &closing);
    EXPECT_TRUE(sheet.GetDlgItem(ID_WIZBACK)->IsWindowEnabled());
    EXPECT_FALSE(sheet.GetDlgItem(ID_WIZNEXT)->IsWindowVisible());
    EXPECT_TRUE(sheet.GetDlgItem(ID_WIZFINISH)->IsWindowVisible());
    EXPECT_FALSE(sheet.GetDlgItem(ID_WIZHEADERTITLE)->IsWindowVisible());
    Press(PSBTN_BACK);
    EXPECT_EQ(sheet.GetActivePage(), &rooms);
}

TEST_F(CResizableSheetExTest, PagesLinesAndButtonsFollowTheSize)
{
    EXPECT_TRUE(sheet.GetStyle() & WS_THICKFRAME);
    const CRect pageBefore = InSheet(&rooms);
    const CRect headerBefore = InSheet(ID_WIZHEADERLINE);
    const CRect lineBefore = InSheet(ID_WIZLINE);
    const CRect listBefore = RectInParent(rooms, rooms.GetDlgItem(IDC_PAGE_LIST));
    std::vector<std::pair<int, CRect>> buttonsBefore;
    for (int id : {ID_WIZBACK, ID_WIZNEXT, ID_WIZFINISH, IDCANCEL})
        buttonsBefore.emplace_back(id, InSheet(id));

    Grow(120, 80);
    for (auto [id, rect] : buttonsBefore)
    {
        rect.OffsetRect(120, 80);
        EXPECT_EQ(InSheet(id), rect) << id;
    }
    CRect header = headerBefore;
    header.right += 120;
    EXPECT_EQ(InSheet(ID_WIZHEADERLINE), header);
    CRect line = lineBefore;
    line.OffsetRect(0, 80);
    line.right += 120;
    EXPECT_EQ(InSheet(ID_WIZLINE), line);
    // The page keeps under the header and stretches, and its own controls follow.
    CRect page = pageBefore;
    page.right += 120;
    page.bottom += 80;
    EXPECT_EQ(InSheet(&rooms), page);
    CRect list = listBefore;
    list.right += 120;
    list.bottom += 80;
    EXPECT_EQ(RectInParent(rooms, rooms.GetDlgItem(IDC_PAGE_LIST)), list);

    // The closing page hides the header: it takes the header's place, down to the same line.
    Press(PSBTN_NEXT);
    const CRect closingPage = InSheet(&closing);
    EXPECT_LT(closingPage.top, header.top + header.Height());
    EXPECT_LT(closingPage.top, page.top);
    EXPECT_EQ(closingPage.left, page.left);
    EXPECT_EQ(closingPage.right, page.right);
    EXPECT_EQ(closingPage.bottom, page.bottom);

    Press(PSBTN_BACK);
    EXPECT_EQ(InSheet(&rooms), page);
}

TEST_F(CResizableSheetExTest, RefusesToShrinkBelowItsFirstSize)
{
    Grow(-60, -40);
    CRect client;
    sheet.GetClientRect(&client);
    EXPECT_EQ(client.Size(), initialClient.Size());
}

TEST_F(CResizableSheetExTest, APageWithoutTheHeaderRepaintsEveryControl)
{
    Press(PSBTN_NEXT);
    EXPECT_TRUE(closing.NeedsRefresh(closing.GetDlgItem(IDC_PAGE_BUTTON)->GetSafeHwnd()));
    EXPECT_FALSE(rooms.NeedsRefresh(rooms.GetDlgItem(IDC_PAGE_BUTTON)->GetSafeHwnd()));
}
