#include "TestResource.h"

#include "platform/ui/CDataExchange.h"
#include "platform/ui/CPropertyPage.h"
#include "platform/ui/CPropertySheet.h"
#include "platform/ui/CPropertySheetEx.h"
#include "platform/ui/CTabCtrl.h"
#include "platform/ui/DialogScript.h"
#include "testing/UiTest.h"
#include "testing/ScriptedAnswers.h"

#include <gtest/gtest.h>

#include <QTabBar>

#include <string>
#include <vector>

namespace
{
std::vector<std::string> g_log;

class CTemperaturePage : public CPropertyPage
{
public:
    CTemperaturePage() : CPropertyPage(IDD_PAGE_ONE) {}
    int m_temperature = 20;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_PAGE_VALUE, m_temperature); }
    BOOL OnSetActive() override
    {
        g_log.push_back("set 1");
        return CPropertyPage::OnSetActive();
    }
    BOOL OnKillActive() override
    {
        g_log.push_back("kill 1");
        // Leaving is allowed only with a temperature the program can use, without a message.
        CString text;
        GetDlgItemText(IDC_PAGE_VALUE, text);
        return !text.IsEmpty() && CPropertyPage::OnKillActive();
    }
};

class COptionsPage : public CPropertyPage
{
public:
    COptionsPage() : CPropertyPage(IDD_PAGE_TWO) {}
    int m_losses = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Check(pDX, IDC_PAGE_FLAG, m_losses); }
    BOOL OnSetActive() override
    {
        g_log.push_back("set 2");
        return CPropertyPage::OnSetActive();
    }
    BOOL OnKillActive() override
    {
        g_log.push_back("kill 2");
        return CPropertyPage::OnKillActive();
    }
};

class PropertySheetTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { UiTest::EnsureApplication(); }
    void SetUp() override
    {
        ScriptedAnswers::Reset();
        g_log.clear();
        sheet.AddPage(&one);
        sheet.AddPage(&two);
        sheet.m_psh.dwFlags |= PSH_NOAPPLYNOW;
    }

    CPropertySheet sheet{"kalvenrod - nastavování parametrů"};
    CTemperaturePage one;
    COptionsPage two;
};

void ClickTab(CPropertySheet& sheet, int index)
{
    static_cast<QTabBar*>(sheet.GetTabControl()->GetWidget())->setCurrentIndex(index);
}
} // namespace

TEST_F(PropertySheetTest, SwitchingPagesCallsTheActivationHandlers)
{
    ScriptedAnswers::OnDialog(0,
                              [](CDialog& d)
                              {
                                  auto& s = static_cast<CPropertySheet&>(d);
                                  EXPECT_EQ(s.GetActiveIndex(), 0);
                                  EXPECT_EQ(s.GetTabControl()->GetItemCount(), 2);
                                  ClickTab(s, 1);
                                  EXPECT_EQ(s.GetActiveIndex(), 1);
                                  EXPECT_TRUE(s.GetPage(1)->IsWindowVisible());
                                  EXPECT_FALSE(s.GetPage(0)->IsWindowVisible());
                                  EXPECT_TRUE(s.SetActivePage(0));
                                  return IDCANCEL;
                              });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    const std::vector<std::string> expected = {"set 1", "kill 1", "set 2", "kill 2", "set 1"};
    EXPECT_EQ(g_log, expected);
}

TEST_F(PropertySheetTest, KillActiveVetoKeepsThePage)
{
    ScriptedAnswers::OnDialog(0,
                              [](CDialog& d)
                              {
                                  auto& s = static_cast<CPropertySheet&>(d);
                                  s.GetPage(0)->SetDlgItemText(IDC_PAGE_VALUE, "");
                                  ClickTab(s, 1);
                                  EXPECT_EQ(s.GetActiveIndex(), 0);
                                  EXPECT_EQ(s.GetTabControl()->GetCurSel(), 0);
                                  EXPECT_FALSE(s.SetActivePage(1));
                                  EXPECT_TRUE(s.GetPage(0)->IsWindowVisible());
                                  // OK is refused too while the page will not be left.
                                  s.PressButton(PSBTN_OK);
                                  EXPECT_TRUE(s.IsModalRunning());
                                  return IDCANCEL;
                              });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
}

TEST_F(PropertySheetTest, OkCollectsBothPages)
{
    ScriptedAnswers::OnDialog(0,
                              [](CDialog& d)
                              {
                                  auto& s = static_cast<CPropertySheet&>(d);
                                  s.GetPage(0)->SetDlgItemText(IDC_PAGE_VALUE, "24");
                                  ClickTab(s, 1);
                                  s.GetPage(1)->CheckDlgButton(IDC_PAGE_FLAG, 1);
                                  UiTest::Click(s.GetDlgItem(IDOK));
                                  return -1;
                              });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    EXPECT_EQ(one.m_temperature, 24);
    EXPECT_EQ(two.m_losses, 1);
}

TEST_F(PropertySheetTest, StartPageTitleAndButtons)
{
    sheet.SetActivePage(1);
    ScriptedAnswers::OnDialog(0,
                              [](CDialog& d)
                              {
                                  auto& s = static_cast<CPropertySheet&>(d);
                                  EXPECT_EQ(s.GetActiveIndex(), 1);
                                  CString title;
                                  s.GetWindowText(title);
                                  EXPECT_EQ(title, "kalvenrod - nastavování parametrů");
                                  EXPECT_NE(s.GetDlgItem(IDOK), nullptr);
                                  EXPECT_NE(s.GetDlgItem(IDCANCEL), nullptr);
                                  EXPECT_EQ(s.GetDlgItem(ID_APPLY_NOW), nullptr);
                                  UiTest::PressKey(VK_ESCAPE);
                                  return -1;
                              });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(one.m_hWnd, nullptr);
}

TEST(PropertySheetWizardTest, AWizardWalksItsPagesAndFinishesOnTheLast)
{
    UiTest::EnsureApplication();
    ScriptedAnswers::Reset();
    CPropertySheetEx wizard("kalvenrod - nový projekt");
    wizard.m_psh.dwFlags |= PSH_WIZARD97;
    CTemperaturePage first;
    COptionsPage last;
    last.m_psp.dwFlags |= PSP_HIDEHEADER;
    wizard.AddPage(&first);
    wizard.AddPage(&last);
    ScriptedAnswers::OnDialog(0,
                              [](CDialog& d)
                              {
                                  auto& s = static_cast<CPropertySheet&>(d);
                                  EXPECT_FALSE(s.GetTabControl()->IsWindowVisible());
                                  EXPECT_EQ(s.GetDlgItem(IDOK), nullptr);
                                  EXPECT_NE(s.GetDlgItem(ID_WIZHEADERLINE), nullptr);
                                  EXPECT_FALSE(s.GetDlgItem(ID_WIZFINISH)->IsWindowVisible());
                                  s.GetPage(0)->SetDlgItemText(IDC_PAGE_VALUE, "21");
                                  UiTest::Click(s.GetDlgItem(ID_WIZNEXT));
                                  EXPECT_EQ(s.GetActiveIndex(), 1);
                                  // The last page hides the header: it starts above the header line.
                                  CRect page, line;
                                  s.GetPage(1)->GetWindowRect(&page);
                                  s.GetDlgItem(ID_WIZHEADERLINE)->GetWindowRect(&line);
                                  EXPECT_LT(page.top, line.top);
                                  EXPECT_FALSE(s.GetDlgItem(ID_WIZHEADERLINE)->IsWindowVisible());
                                  s.GetPage(1)->CheckDlgButton(IDC_PAGE_FLAG, 1);
                                  UiTest::Click(s.GetDlgItem(ID_WIZFINISH));
                                  return -1;
                              });
    EXPECT_EQ(wizard.DoModal(), ID_WIZFINISH);
    EXPECT_EQ(first.m_temperature, 21);
    EXPECT_EQ(last.m_losses, 1);
}
