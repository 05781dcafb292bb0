#include "CzechDialogTest.h"
#include "dataeditor/app/SobrelIds.h"
#include "dataeditor/document/CJournalDlg.h"
#include "dataeditor/document/CTextPromptDlg.h"
#include "dataeditor/document/CTwoColumnListDlg.h"
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
} // namespace
