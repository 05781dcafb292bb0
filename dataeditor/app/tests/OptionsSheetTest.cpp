#include "SobrelFixture.h"

#include "dataeditor/app/COptionsPropertySheet.h"
#include "dataeditor/app/SobrelIds.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CListBox.h"
#include "platform/ui/CPropertySheet.h"
#include "platform/ui/DialogShot.h"
#include "testing/ScriptedAnswers.h"

#include <QFontMetrics>
#include <QWidget>

namespace
{
class Options : public SobrelFixture
{
protected:
    void SetUp() override
    {
        SobrelFixture::SetUp();
        ProvideBoth();
    }
    CSobrelOptions& Record() { return m_app->options; }
};

// Runs the options sheet with an action on it; the action presses a button itself.
void RunSheet(UINT page, std::function<void(COptionsPropertySheet&)> action)
{
    ScriptedAnswers::OnDialog(0,
                              [action](CDialog& dialog)
                              {
                                  action(static_cast<COptionsPropertySheet&>(dialog));
                                  return IDCANCEL;
                              });
    COptionsPropertySheet sheet(page);
    sheet.DoModal();
}
} // namespace

TEST_F(Options, FirstStartHasTheDefaultsAndWritesThemAtExit)
{
    ASSERT_TRUE(Start());
    EXPECT_EQ(Record().backup, 1);
    EXPECT_EQ(Record().printZoom, 100);
    EXPECT_EQ(Record().dataGuessRows, 8);
    EXPECT_EQ(Record().colorGridLine, RGB(192, 192, 192));
    EXPECT_EQ(Record().searchColor, RGB(152, 255, 152));
    for (int margin : Record().printMargins)
        EXPECT_EQ(margin, 15);
    ASSERT_EQ(Record().headerFooter.size(), 1u);
    EXPECT_EQ(Record().headerFooter[0], "\t%TITLE%\tSobrel\tKatalog\t\t%DATE%");
    EXPECT_EQ(m_app->indexColumnName, "Věta");
    Record().printZoom = 80;
    Stop();
    EXPECT_EQ(Profile::GetString("Options", "printZoom", ""), "80");
    EXPECT_EQ(Profile::GetString("Options", "headerFooter-CZ", ""), "\t%TITLE%\tSobrel\tKatalog\t\t%DATE%");
}

TEST_F(Options, AHeaderValueWithThreeLineFeedsGivesFourEntries)
{
    Profile::SetRegistryKey("Orbel");
    Profile::SetProfileName("Sobrel");
    Profile::WriteString("Options", "headerFooter-CZ", "a\tb\n\nc\n");
    Profile::WriteString("Options", "headerFooter-EN", "english");
    Profile::WriteString("Options", "printZoom", "120");
    ASSERT_TRUE(Start());
    ASSERT_EQ(Record().headerFooter.size(), 4u);
    EXPECT_EQ(Record().headerFooter[0], "a\tb");
    EXPECT_EQ(Record().headerFooter[3], "");

    // The header list is kept per language, the zoom for all languages.
    Record().printZoom = 90;
    ASSERT_TRUE(m_app->SwitchLanguage("EN", 1, ""));
    EXPECT_EQ(m_app->language, "EN");
    ASSERT_EQ(Record().headerFooter.size(), 1u);
    EXPECT_EQ(Record().headerFooter[0], "english");
    EXPECT_EQ(Record().printZoom, 90);
}

TEST_F(Options, OkTakesThePagesAndCancelKeepsTheRecord)
{
    ASSERT_TRUE(Start());
    Record().breakTextWidth = 5000;
    RunSheet(0, [](COptionsPropertySheet& sheet) {
        EXPECT_EQ(sheet.general.GetDlgItemInt(IDC_BREAK_WIDTH), 10u);
        sheet.general.CheckDlgButton(IDC_BACKUP, BST_UNCHECKED);
        sheet.general.SetDlgItemText(IDC_DECIMALS, "4");
        sheet.PressButton(PSBTN_OK);
    });
    EXPECT_EQ(Record().backup, 0);
    EXPECT_EQ(Record().decimals, 4);
    EXPECT_EQ(Record().breakTextWidth, 10);

    RunSheet(1, [](COptionsPropertySheet& sheet) {
        sheet.print.SetDlgItemText(IDC_FIELD_1, "vlevo");
        sheet.print.CheckDlgButton(IDC_PRINT_FILL, BST_UNCHECKED);
        sheet.PressButton(PSBTN_CANCEL);
    });
    EXPECT_EQ(Record().printFill, 1);
    EXPECT_EQ(Record().headerFooter[0], "\t%TITLE%\tSobrel\tKatalog\t\t%DATE%");

    RunSheet(1, [](COptionsPropertySheet& sheet) {
        sheet.print.SetDlgItemText(IDC_FIELD_1, "vlevo");
        sheet.print.SetDlgItemText(IDC_PRINT_ZOOM, "700"); // refused: the sheet stays open
        sheet.PressButton(PSBTN_OK);
        EXPECT_TRUE(sheet.IsModalRunning());
        sheet.print.SetDlgItemText(IDC_PRINT_ZOOM, "50");
        sheet.PressButton(PSBTN_OK);
    });
    EXPECT_EQ(Record().printZoom, 50);
    EXPECT_EQ(Record().headerFooter[0], "vlevo\t%TITLE%\tSobrel\tKatalog\t\t%DATE%");
}

TEST_F(Options, DefaultsButtonResetsTheRecordAndLeavesOnlyOk)
{
    ASSERT_TRUE(Start());
    Record().printZoom = 70;
    Record().backup = 0;
    RunSheet(0, [](COptionsPropertySheet& sheet) {
        sheet.PressButton(PSBTN_APPLYNOW);
        EXPECT_FALSE(sheet.GetDlgItem(IDCANCEL)->IsWindowEnabled());
        EXPECT_EQ(sheet.general.IsDlgButtonChecked(IDC_BACKUP), UINT(BST_CHECKED));
        sheet.PressButton(PSBTN_OK);
    });
    EXPECT_EQ(Record().backup, 1);
    EXPECT_EQ(Record().printZoom, 100);
}

TEST_F(Options, ChosenTokenGoesIntoTheLastFocusedField)
{
    ASSERT_TRUE(Start());
    Record().headerFooter = {"a\tb\tc\td\te\tf", "1\t2\t3\t4\t5\t6"};
    RunSheet(1, [](COptionsPropertySheet& sheet) {
        COptionsPrintProp& page = sheet.print;
        auto* entries = static_cast<CComboBox*>(page.GetDlgItem(IDC_HEADER_ENTRY));
        page.SetDlgItemText(IDC_FIELD_6, "F");
        entries->SetCurSel(1);
        page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_HEADER_ENTRY, CBN_SELCHANGE), 0);
        CString field;
        page.GetDlgItemText(IDC_FIELD_2, field);
        EXPECT_EQ(field, "2");
        page.GetDlgItem(IDC_FIELD_2)->SetFocus();
        page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_FIELD_2, EN_SETFOCUS), 0);
        auto* tokens = static_cast<CListBox*>(page.GetDlgItem(IDC_TOKENS));
        tokens->SetCurSel(1);
        page.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_TOKENS, LBN_SELCHANGE), 0);
        sheet.PressButton(PSBTN_OK);
    });
    EXPECT_EQ(Record().headerFooter[0], "a\tb\tc\td\te\tF");
    EXPECT_TRUE(Record().headerFooter[1].Find("%PAGES%") >= 0) << Record().headerFooter[1];
}

TEST_F(Options, MarginsFromTheMarginsDialogAreRaisedToThePrinterMinimum)
{
    ASSERT_TRUE(Start());
    Record().printerMinimum[0] = 12;
    DialogScript::OnNext(IDD_MARGINS, [](CDialog& dialog) {
        dialog.SetDlgItemText(IDC_MARGIN_LEFT, "5");
        dialog.SetDlgItemText(IDC_MARGIN_TOP, "20");
        dialog.SendMessage(WM_COMMAND, IDOK);
        return IDOK;
    });
    RunSheet(1, [](COptionsPropertySheet& sheet) {
        sheet.print.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_PAGE_SETUP, BN_CLICKED));
        sheet.PressButton(PSBTN_OK);
    });
    EXPECT_EQ(Record().printMargins[0], 12);
    EXPECT_EQ(Record().printMargins[1], 20);
    EXPECT_EQ(Record().printMargins[2], 15);
}

TEST_F(Options, TheMarginsDialogShowsEveryWordOfItsTextsBesideEachOther)
{
    ASSERT_TRUE(Start());
    for (const char* language : {"CZ", "EN"})
    {
        if (CString(language) == "EN")
            ASSERT_TRUE(m_app->SwitchLanguage("EN", 1, ""));
        DialogScript::OnNext(IDD_MARGINS, [language](CDialog& dialog) {
            std::vector<std::pair<CString, CRect>> controls;
            for (CWnd* c = dialog.GetWindow(GW_CHILD); c; c = c->GetWindow(GW_HWNDNEXT))
            {
                CRect rect;
                c->GetWindowRect(&rect);
                dialog.ScreenToClient(&rect);
                CString text;
                c->GetWindowText(text);
                text.Remove('&');
                controls.emplace_back(text, rect);
                // The text wrapped at the control's width takes no more lines than it holds.
                const QFontMetrics metrics(c->GetWidget()->font());
                const QRect needed = metrics.boundingRect(QRect(0, 0, rect.Width(), 1000), Qt::TextWordWrap,
                                                          QString::fromUtf8(text.GetString()));
                const int lines = (needed.height() + metrics.lineSpacing() / 2) / metrics.lineSpacing();
                const int held = std::max(1, rect.Height() / metrics.lineSpacing());
                EXPECT_LE(lines, held) << language << ": " << text;
            }
            for (std::size_t i = 0; i < controls.size(); ++i)
                for (std::size_t j = i + 1; j < controls.size(); ++j)
                {
                    CRect common;
                    EXPECT_FALSE(common.IntersectRect(&controls[i].second, &controls[j].second))
                        << language << ": \"" << controls[i].first << "\" and \"" << controls[j].first << "\"";
                }
            EXPECT_TRUE(DialogShot::Render(dialog, std::string("pictures/sobrel-1038-") + language + ".png"));
            dialog.SendMessage(WM_COMMAND, IDCANCEL);
            return IDCANCEL;
        });
        RunSheet(1, [](COptionsPropertySheet& sheet) {
            sheet.print.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_PAGE_SETUP, BN_CLICKED));
            sheet.PressButton(PSBTN_CANCEL);
        });
    }
}
