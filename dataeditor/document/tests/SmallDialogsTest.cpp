#include "CzechDialogTest.h"
#include "dataeditor/app/SobrelIds.h"
#include "dataeditor/document/CJournalDlg.h"
#include "dataeditor/document/CTableChoiceDlg.h"
#include "dataeditor/document/CTableNameDlg.h"
#include "dataeditor/document/CTextPromptDlg.h"
#include "dataeditor/document/CTwoColumnListDlg.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CListBox.h"
#include "platform/ui/DialogShot.h"

namespace
{
class SmallDialogs : public CzechDialogTest
{
};

TEST_F(SmallDialogs, JournalSummarySaysHowManyStepsWhichWay)
{
    const struct
    {
        int distance;
        const char* summary;
        int direction;
    } cases[] = {
        {-3, "Provede se 3 kroky zpět.", 0}, {1, "Provede se 1 krok vpřed.", 1},
        {-5, "Provede se 5 kroků zpět.", 0}, {0, "Zpět: zvolte krok, ke kterému se tabulka vrátí.", 7},
    };
    for (const auto& c : cases)
    {
        int direction = 7;
        EXPECT_STREQ(CJournalDlg::Summary(c.distance, "Zpět", direction), c.summary);
        EXPECT_EQ(direction, c.direction);
    }
}

TEST_F(SmallDialogs, JournalChoosesAStep)
{
    const std::vector<CString> steps = {"Začátek", "Vložen řádek 1", "Smazán řádek 2", "Buňka: a → b",
                                        "Seřazeno podle sloupce 2", "Vložen sloupec 3 Cena"};
    CJournalDlg dialog;
    dialog.steps = &steps;
    dialog.current = 4;
    dialog.callerText = "Zpět";
    ScriptedAnswers::OnDialog(IDD_JOURNAL, [&](CDialog& d) {
        EXPECT_FALSE(Enabled(d, IDOK));
        EXPECT_TRUE(Enabled(d, IDC_JOURNAL_FIRST));
        EXPECT_TRUE(Enabled(d, IDC_JOURNAL_LAST));
        dialog.list.SetCurSel(1);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_JOURNAL_LIST, LBN_SELCHANGE), LPARAM(dialog.list.GetSafeHwnd()));
        CString summary;
        d.GetDlgItemText(IDC_JOURNAL_SUMMARY, summary);
        EXPECT_STREQ(summary, "Provede se 3 kroky zpět.");
        EXPECT_TRUE(Enabled(d, IDOK));
        EXPECT_TRUE(DialogShot::Render(dialog, "pictures/sobrel-1043.png"));
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_JOURNAL_LAST, BN_CLICKED));
        EXPECT_FALSE(Enabled(d, IDC_JOURNAL_LAST));
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_JOURNAL_FIRST, BN_CLICKED));
        EXPECT_FALSE(Enabled(d, IDC_JOURNAL_FIRST));
        d.SendMessage(WM_COMMAND, IDOK);
        return IDCANCEL;
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.chosen, 0);
    EXPECT_EQ(dialog.direction, 0);
}

TEST_F(SmallDialogs, TextPromptAndTwoColumnList)
{
    CTextPromptDlg prompt;
    prompt.text = "Katalog";
    ScriptedAnswers::OnDialog(IDD_TEXT_PROMPT, [&](CDialog& d) {
        CString shown;
        d.GetDlgItemText(IDC_PROMPT_TEXT, shown);
        EXPECT_STREQ(shown, "Katalog");
        EXPECT_TRUE(DialogShot::Render(prompt, "pictures/sobrel-1041.png"));
        d.SetDlgItemText(IDC_PROMPT_TEXT, "Ceník 2026");
        d.SendMessage(WM_COMMAND, IDOK);
        return IDCANCEL;
    });
    ASSERT_EQ(prompt.DoModal(), IDOK);
    EXPECT_STREQ(prompt.text, "Ceník 2026");

    CTwoColumnListDlg list;
    list.firstColumn = {"Věta", "Název", "Cena"};
    list.secondColumn = {"dbLong", "dbText", "dbDouble;2"};
    ScriptedAnswers::OnDialog(IDD_TWO_COLUMN_LIST, [&](CDialog&) {
        EXPECT_EQ(list.list.GetItemCount(), 3);
        EXPECT_STREQ(list.list.GetItemText(2, 1), "dbDouble;2");
        EXPECT_GE(list.list.GetColumnWidth(1), 40);
        EXPECT_TRUE(DialogShot::Render(list, "pictures/sobrel-1044.png"));
        return IDOK;
    });
    EXPECT_EQ(list.DoModal(), IDOK);
}

TEST_F(SmallDialogs, ADollarTypedIntoATableNameIsLeftOut)
{
    CTableNameDlg dialog("Sheet1", true);
    ScriptedAnswers::OnDialog(IDD_TABLE_NAME, [&](CDialog& d) {
        EXPECT_FALSE(Enabled(d, IDCANCEL)) << "a table that must get a name";
        EXPECT_FALSE(Enabled(d, IDOK)) << "the name it had";
        auto* edit = static_cast<CEdit*>(d.GetDlgItem(IDC_TABLE_NAME));
        edit->SetFocus();
        edit->SetSel(5, 5);
        UiTest::TypeText("$");
        UiTest::ProcessEvents();
        CString shown;
        d.GetDlgItemText(IDC_TABLE_NAME, shown);
        EXPECT_STREQ(shown, "Sheet1");
        int start = -1, end = -1;
        edit->GetSel(start, end);
        EXPECT_EQ(start, 5);
        EXPECT_EQ(end, 5);
        EXPECT_FALSE(Enabled(d, IDOK));
        UiTest::TypeText("2");
        UiTest::ProcessEvents();
        d.GetDlgItemText(IDC_TABLE_NAME, shown);
        EXPECT_STREQ(shown, "Sheet21");
        EXPECT_TRUE(Enabled(d, IDOK));
        d.SendMessage(WM_COMMAND, IDOK);
        return IDCANCEL;
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_STREQ(dialog.name, "Sheet21");
}

TEST_F(SmallDialogs, TheTableChoiceOffersTheFirstTableNotOpenElsewhere)
{
    const struct
    {
        std::vector<CString> tables;
        const char* selected;
    } cases[] = {
        {{"A$", "B$ (otevřena)", "C$"}, "C$"},
        {{"A$", "B$ (otevřena)", "C$ (otevřena)"}, "A$"},
        {{"A$ (otevřena)", "B$ (otevřena)"}, "B$ (otevřena)"},
    };
    for (const auto& c : cases)
    {
        CTableChoiceDlg dialog(c.tables, "Kterou tabulku otevřít?", " (otevřena)");
        ScriptedAnswers::OnDialog(IDD_TABLE_CHOICE, [&](CDialog& d) {
            auto* list = static_cast<CListBox*>(d.GetDlgItem(IDC_TABLE_LIST));
            CString first;
            list->GetText(0, first);
            EXPECT_STREQ(first, c.tables.back()) << "listed from the last to the first";
            d.SendMessage(WM_COMMAND, IDOK);
            return IDCANCEL;
        });
        ASSERT_EQ(dialog.DoModal(), IDOK);
        EXPECT_STREQ(dialog.chosen, c.selected);
    }
}
} // namespace
