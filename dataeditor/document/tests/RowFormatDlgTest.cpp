#include "CzechDialogTest.h"
#include "dataeditor/app/CEditListBox.h"
#include "dataeditor/app/SobrelIds.h"
#include "dataeditor/controls/CColourPicker.h"
#include "dataeditor/controls/CColourPopup.h"
#include "dataeditor/document/CRowFormatDlg.h"
#include "dataeditor/grid/CSobrelGrid.h"
#include "platform/ui/DialogShot.h"

namespace
{
class RowFormatDialog : public CzechDialogTest
{
protected:
    void SetUp() override
    {
        CzechDialogTest::SetUp();
        named = {{"Nadpis", "000000|d2b48c|T|1"}, {"Poznámka", "0000ff|||0"}, {"Součet", "||TP|0"}};
        places = {{"Nadpis", 0}, {"Poznámka", 1}, {"Součet", 2}};
    }
    // A dialog over the test's named formats.
    std::unique_ptr<CRowFormatDlg> Dialog(const char* current)
    {
        auto dialog = std::make_unique<CRowFormatDlg>();
        dialog->currentFormat = current;
        dialog->targetFormats = &named;
        dialog->targetPositions = &places;
        dialog->formats = named;
        dialog->positions = places;
        return dialog;
    }
    static std::vector<CString> Names(CRowFormatDlg& d)
    {
        std::vector<CString> texts;
        for (int i = 0; i < d.names->GetCount(); ++i)
            texts.push_back(d.names->GetItemText(i));
        return texts;
    }
    static bool Checked(CDialog& d, UINT id) { return d.IsDlgButtonChecked(id) == BST_CHECKED; }

    std::map<CString, CString> named;
    std::map<CString, int> places;
};

TEST_F(RowFormatDialog, ACurrentFormatOpensFirstWithItsColoursAndStyles)
{
    auto dialog = Dialog("ff0000||T|");
    ScriptedAnswers::OnDialog(IDD_ROW_FORMAT, [&](CDialog& d) {
        auto& dlg = static_cast<CRowFormatDlg&>(d);
        EXPECT_EQ(Names(dlg), (std::vector<CString>{"(formát vybraných řádků)", "Nadpis", "Poznámka", "Součet"}));
        EXPECT_EQ(dlg.textPicker->GetColour(), RGB(255, 0, 0));
        EXPECT_EQ(dlg.backPicker->GetColour(), CLR_DEFAULT);
        EXPECT_TRUE(Checked(d, IDC_ROWFMT_BOLD));
        EXPECT_FALSE(Checked(d, IDC_ROWFMT_ITALIC));
        EXPECT_FALSE(Checked(d, IDC_ROWFMT_PAGE_BREAK));
        EXPECT_EQ(dlg.preview->GetCell(0, 0)->GetTextClr(), RGB(255, 0, 0));
        // A named entry shows its own format.
        dlg.names->SelectItem(1);
        EXPECT_EQ(dlg.backPicker->GetColour(), RGB(0xd2, 0xb4, 0x8c));
        EXPECT_EQ(dlg.sizeStep.GetCurSel(), 6);
        d.SendMessage(WM_COMMAND, IDCANCEL);
        return IDCANCEL;
    });
    EXPECT_EQ(dialog->DoModal(), IDCANCEL);
    EXPECT_EQ(dialog->currentFormat, "ff0000||T|");
}

TEST_F(RowFormatDialog, WithoutACurrentFormatOnlyTheNamedOnesAreListed)
{
    auto dialog = Dialog("@");
    ScriptedAnswers::OnDialog(IDD_ROW_FORMAT, [&](CDialog& d) {
        auto& dlg = static_cast<CRowFormatDlg&>(d);
        EXPECT_EQ(Names(dlg), (std::vector<CString>{"Nadpis", "Poznámka", "Součet"}));
        EXPECT_TRUE(Checked(d, IDC_ROWFMT_BOLD));
        d.SendMessage(WM_COMMAND, IDCANCEL);
        return IDCANCEL;
    });
    dialog->DoModal();
}

TEST_F(RowFormatDialog, ControlsBuildTheFormatOfTheSelectedEntry)
{
    auto dialog = Dialog("");
    ScriptedAnswers::OnDialog(IDD_ROW_FORMAT, [&](CDialog& d) {
        auto& dlg = static_cast<CRowFormatDlg&>(d);
        d.CheckDlgButton(IDC_ROWFMT_BOLD, BST_CHECKED);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ROWFMT_BOLD, BN_CLICKED));
        dlg.sizeStep.SetCurSel(7);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ROWFMT_SIZE, CBN_SELCHANGE));
        dlg.textPicker->SetColour(RGB(0, 0x80, 0));
        d.SendMessage(CColourPopup::selectionChange, RGB(0, 0x80, 0), IDC_ROWFMT_TEXT_COLOUR);
        d.CheckDlgButton(IDC_ROWFMT_PAGE_BREAK, BST_CHECKED);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ROWFMT_PAGE_BREAK, BN_CLICKED));
        EXPECT_EQ(dlg.preview->GetRowFormatText(CCellID(0, 0)), "008000||T|2");
        EXPECT_TRUE(DialogShot::Render(d, "pictures/sobrel-1027.png"));
        // The reset empties the named entry's format.
        dlg.names->SelectItem(3);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ROWFMT_RESET, BN_CLICKED));
        EXPECT_FALSE(Checked(d, IDC_ROWFMT_BOLD));
        d.SendMessage(WM_COMMAND, IDOK);
        return IDOK;
    });
    ASSERT_EQ(dialog->DoModal(), IDOK);
    EXPECT_EQ(dialog->currentFormat, "/008000||T|2");
    EXPECT_EQ(named["Součet"], "");
    EXPECT_EQ(named["Nadpis"], "000000|d2b48c|T|1");
}

TEST_F(RowFormatDialog, ReorderingChangesPlacesOnOkOnly)
{
    for (const UINT end : {UINT(IDOK), UINT(IDCANCEL)})
    {
        SetUp();
        auto dialog = Dialog("@");
        ScriptedAnswers::OnDialog(IDD_ROW_FORMAT, [&](CDialog& d) {
            auto& dlg = static_cast<CRowFormatDlg&>(d);
            dlg.names->SelectItem(2);
            dlg.names->MoveSelectedItem(-1);
            dlg.names->MoveSelectedItem(-1);
            EXPECT_EQ(Names(dlg), (std::vector<CString>{"Součet", "Nadpis", "Poznámka"}));
            d.SendMessage(WM_COMMAND, end);
            return int(end);
        });
        dialog->DoModal();
        if (end == IDOK)
            EXPECT_EQ(places, (std::map<CString, int>{{"Součet", 0}, {"Nadpis", 1}, {"Poznámka", 2}}));
        else
            EXPECT_EQ(places, (std::map<CString, int>{{"Nadpis", 0}, {"Poznámka", 1}, {"Součet", 2}}));
    }
}
} // namespace
