#include "TestDialogs.h"

#include "platform/core/MessageBox.h"
#include "platform/ui/CButton.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CStatic.h"
#include "platform/ui/MessageMap.h"
#include "platform/ui/DialogScript.h"
#include "testing/UiTest.h"
#include "testing/ScriptedAnswers.h"

#include <gtest/gtest.h>

namespace
{
class DialogTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { UiTest::EnsureApplication(); }
    void SetUp() override { ScriptedAnswers::Reset(); }
};

CString TextOf(CWnd& dialog, int id)
{
    CString text;
    dialog.GetDlgItemText(id, text);
    return text;
}
} // namespace

TEST_F(DialogTest, DataExchangeRoundTrip)
{
    CDataDialog dialog;
    ScriptedAnswers::OnDialog(IDD_DATA,
                              [](CDialog& d)
                              {
                                  EXPECT_EQ(TextOf(d, IDC_NAME), "Obývací pokoj");
                                  EXPECT_EQ(TextOf(d, IDC_COUNT), "3");
                                  EXPECT_EQ(TextOf(d, IDC_LENGTH), "4.25");
                                  EXPECT_EQ(d.IsDlgButtonChecked(IDC_HEATED), 1u);
                                  EXPECT_EQ(d.GetCheckedRadioButton(IDC_KIND_A, IDC_KIND_C), IDC_KIND_B);
                                  d.SetDlgItemText(IDC_NAME, "Kuchyň");
                                  d.SetDlgItemText(IDC_COUNT, "12");
                                  d.SetDlgItemText(IDC_LENGTH, "3,5"); // either separator is accepted
                                  d.CheckDlgButton(IDC_HEATED, 0);
                                  d.CheckRadioButton(IDC_KIND_A, IDC_KIND_C, IDC_KIND_C);
                                  UiTest::Click(d.GetDlgItem(IDC_CLOSE_OK));
                                  return -1;
                              });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.m_name, "Kuchyň");
    EXPECT_EQ(dialog.m_count, 12);
    EXPECT_DOUBLE_EQ(dialog.m_length, 3.5);
    EXPECT_EQ(dialog.m_heated, 0);
    EXPECT_EQ(dialog.m_kind, 2);
}

TEST_F(DialogTest, InvalidNumberKeepsTheDialogOpenWithTheFocusOnTheField)
{
    CDataDialog dialog;
    ScriptedAnswers::OnDialog(IDD_DATA,
                              [](CDialog& d)
                              {
                                  d.SetDlgItemText(IDC_COUNT, "dvanáct");
                                  ScriptedAnswers::AnswerBox(IDOK);
                                  UiTest::Click(d.GetDlgItem(IDC_CLOSE_OK));
                                  EXPECT_FALSE(d.GetModalResult() == IDOK);
                                  EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(IDC_COUNT));
                                  return IDCANCEL;
                              });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].text, "Zadejte celé číslo.");
}

TEST_F(DialogTest, EnterMovesToTheNextFieldAndDoesNotClose)
{
    CDataDialog dialog;
    ScriptedAnswers::OnDialog(IDD_DATA,
                              [](CDialog& d)
                              {
                                  d.GetDlgItem(IDC_NAME)->SetFocus();
                                  UiTest::PressKey(VK_RETURN);
                                  EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(IDC_COUNT));
                                  UiTest::PressKey(VK_RETURN);
                                  EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(IDC_LENGTH));
                                  EXPECT_TRUE(d.IsModalRunning());
                                  return 77;
                              });
    EXPECT_EQ(dialog.DoModal(), 77);
}

TEST_F(DialogTest, EscapeCancels)
{
    CDataDialog dialog;
    ScriptedAnswers::OnDialog(IDD_DATA,
                              [](CDialog& d)
                              {
                                  d.GetDlgItem(IDC_COUNT)->SetFocus();
                                  UiTest::TypeText("99");
                                  UiTest::PressKey(VK_ESCAPE);
                                  EXPECT_FALSE(d.IsModalRunning());
                                  return 5;
                              });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.m_count, 3); // nothing was exchanged
}

TEST_F(DialogTest, TabWalksTheTabStopsAndTypedTextArrives)
{
    CDataDialog dialog;
    ScriptedAnswers::OnDialog(IDD_DATA,
                              [](CDialog& d)
                              {
                                  EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(IDC_NAME)); // the first tab stop
                                  UiTest::PressKey(VK_TAB);
                                  EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(IDC_COUNT));
                                  UiTest::TypeText("42"); // the whole text was selected on the way in
                                  EXPECT_EQ(TextOf(d, IDC_COUNT), "42");
                                  UiTest::PressKey(VK_TAB, Qt::ShiftModifier);
                                  EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(IDC_NAME));
                                  return IDCANCEL;
                              });
    dialog.DoModal();
}

TEST_F(DialogTest, KillFocusValidationThatMovesTheFocusBackDoesNotLoop)
{
    CDataDialog dialog;
    dialog.m_validateCount = true;
    ScriptedAnswers::OnDialog(IDD_DATA,
                              [&dialog](CDialog& d)
                              {
                                  d.GetDlgItem(IDC_COUNT)->SetFocus();
                                  d.SetDlgItemText(IDC_COUNT, "");
                                  dialog.log.clear();
                                  d.GetDlgItem(IDC_LENGTH)->SetFocus();
                                  EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(IDC_COUNT));
                                  return IDCANCEL;
                              });
    dialog.DoModal();
    EXPECT_EQ(dialog.log, std::vector<std::string>{"killfocus count"});
}

TEST_F(DialogTest, NotificationsReachTheirHandlersAndAPostedCommandRunsAfterThem)
{
    CDataDialog dialog;
    ScriptedAnswers::OnDialog(IDD_DATA,
                              [&dialog](CDialog& d)
                              {
                                  dialog.log.clear();
                                  auto* place = static_cast<CComboBox*>(d.GetDlgItem(IDC_PLACE));
                                  place->SetFocus();
                                  UiTest::PressKey(VK_DOWN); // the user picks the next place
                                  UiTest::Click(d.GetDlgItem(IDC_HEATED));
                                  EXPECT_EQ(place->GetCurSel(), 0);
                                  UiTest::ProcessEvents();
                                  return IDCANCEL;
                              });
    dialog.DoModal();
    const std::vector<std::string> expected = {"selchange 1008", "clicked 1004", "posted 1"};
    EXPECT_EQ(dialog.log, expected);
}

TEST_F(DialogTest, ProgramChangesSendNoSelectionNotifications)
{
    CDataDialog dialog;
    ScriptedAnswers::OnDialog(IDD_DATA,
                              [&dialog](CDialog& d)
                              {
                                  dialog.log.clear();
                                  static_cast<CComboBox*>(d.GetDlgItem(IDC_PLACE))->SetCurSel(2);
                                  d.CheckDlgButton(IDC_HEATED, 0);
                                  return IDCANCEL;
                              });
    dialog.DoModal();
    EXPECT_TRUE(dialog.log.empty());
}

TEST_F(DialogTest, NestedModalDialogIsScriptedAndReturnsItsCode)
{
    CDataDialog dialog;
    ScriptedAnswers::OnDialog(IDD_DATA,
                              [&dialog](CDialog& d)
                              {
                                  UiTest::Click(d.GetDlgItem(IDC_OPEN));
                                  EXPECT_EQ(dialog.m_nestedResult, IDOK);
                                  return IDCANCEL;
                              });
    ScriptedAnswers::OnDialog(IDD_NESTED,
                              [](CDialog& d)
                              {
                                  EXPECT_EQ(TextOf(d, IDC_NOTE), "první");
                                  static_cast<CDialog&>(d).GotoDlgCtrl(d.GetDlgItem(IDC_NOTE));
                                  UiTest::TypeText("druhá");
                                  UiTest::PressKey(VK_RETURN); // the default button
                                  return -1;
                              });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    const std::vector<UINT> shown = {IDD_DATA, IDD_NESTED};
    EXPECT_EQ(ScriptedAnswers::ShownDialogs(), shown);
    EXPECT_EQ(dialog.log.back(), "nested 1 druhá");
}

TEST_F(DialogTest, UnscriptedDialogOffScreenEndsAtOnce)
{
    CNestedDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(ScriptedAnswers::UnansweredDialogs(), std::vector<UINT>{IDD_NESTED});
}

TEST_F(DialogTest, MissingTemplateFails)
{
    CDialog dialog(4242);
    EXPECT_EQ(dialog.DoModal(), -1);
}

TEST_F(DialogTest, ModelessDialogAndControlIds)
{
    CDataDialog dialog;
    ASSERT_TRUE(dialog.Create(IDD_DATA));
    EXPECT_NE(dialog.GetDlgItem(IDC_NAME), nullptr);
    EXPECT_NE(dynamic_cast<CEdit*>(dialog.GetDlgItem(IDC_NAME)), nullptr);
    EXPECT_NE(dynamic_cast<CButton*>(dialog.GetDlgItem(IDC_HEATED)), nullptr);
    auto* icon = dynamic_cast<CStatic*>(dialog.GetDlgItem(IDC_ICON));
    ASSERT_NE(icon, nullptr);
    EXPECT_NE(icon->GetIcon(), nullptr); // the icon file beside the script
    CRect r(0, 0, 4, 8);
    dialog.MapDialogRect(&r);
    EXPECT_GT(r.Width(), 4);
    EXPECT_GT(r.Height(), 8);
    dialog.DestroyWindow();
    EXPECT_EQ(dialog.GetDlgItem(IDC_NAME), nullptr);
}

TEST_F(DialogTest, AltWithAMarkedLetterGoesToItsControl)
{
    CDataDialog dialog;
    ScriptedAnswers::OnDialog(IDD_DATA,
                              [](CDialog& d)
                              {
                                  d.GetDlgItem(IDC_LENGTH)->SetFocus();
                                  UiTest::PressKey('N',
                                                   Qt::AltModifier); // "&Název místnosti:" labels the name
                                  EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(IDC_NAME));
                                  EXPECT_EQ(d.IsDlgButtonChecked(IDC_HEATED), 1u);
                                  UiTest::PressKey('V', Qt::AltModifier); // "&Vytápěná" is clicked
                                  EXPECT_EQ(d.IsDlgButtonChecked(IDC_HEATED), 0u);
                                  return IDCANCEL;
                              });
    dialog.DoModal();
}

namespace
{
// A dialog whose member takes its edit over, as DDX_Control does.
class CTakenOverEditDialog : public CDialog
{
public:
    CTakenOverEditDialog() : CDialog(IDD_NESTED) {}
    CEdit m_note;
    int m_changes = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_NOTE, m_note); }
    afx_msg void OnNoteChanged() { ++m_changes; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTakenOverEditDialog, CDialog)
    ON_EN_CHANGE(IDC_NOTE, OnNoteChanged)
END_MESSAGE_MAP()
} // namespace

TEST_F(DialogTest, AnEditTakenOverByAMemberStillReportsItsChanges)
{
    CTakenOverEditDialog dialog;
    ScriptedAnswers::OnDialog(IDD_NESTED,
                              [](CDialog& d)
                              {
                                  auto& taken = static_cast<CTakenOverEditDialog&>(d);
                                  EXPECT_EQ(d.GetDlgItem(IDC_NOTE), &taken.m_note);
                                  UiTest::TypeInto(&taken.m_note, "ab");
                                  EXPECT_EQ(taken.m_changes, 2);
                                  return IDCANCEL;
                              });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}
