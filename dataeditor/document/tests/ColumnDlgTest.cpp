#include "CzechDialogTest.h"
#include "controls/grid/CGridCtrl.h"
#include "dataeditor/app/SobrelIds.h"
#include "dataeditor/document/CColumnDlg.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/DialogShot.h"

namespace
{
class ColumnDialog : public CzechDialogTest
{
protected:
    static void ChooseKind(CDialog& dialog, int index)
    {
        static_cast<CComboBox*>(dialog.GetDlgItem(IDC_COLUMN_TYPE))->SetCurSel(index);
        dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_COLUMN_TYPE, CBN_SELCHANGE),
                           LPARAM(dialog.GetDlgItem(IDC_COLUMN_TYPE)->GetSafeHwnd()));
    }
};

TEST_F(ColumnDialog, SizeSwitchesBetweenTextAndMemo)
{
    CColumnDlg dialog;
    dialog.name = "Poznámka";
    int kindAt300 = -1, kindAt200 = -1;
    ScriptedAnswers::OnDialog(IDD_COLUMN, [&](CDialog& d) {
        d.SetDlgItemText(IDC_COLUMN_SIZE, "300");
        kindAt300 = static_cast<CComboBox*>(d.GetDlgItem(IDC_COLUMN_TYPE))->GetCurSel();
        d.SetDlgItemText(IDC_COLUMN_SIZE, "200");
        kindAt200 = static_cast<CComboBox*>(d.GetDlgItem(IDC_COLUMN_TYPE))->GetCurSel();
        d.SetDlgItemText(IDC_COLUMN_SIZE, "300");
        d.SendMessage(WM_COMMAND, IDOK);
        return IDCANCEL;
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(kindAt300, 5);
    EXPECT_EQ(kindAt200, 0);
    EXPECT_EQ(dialog.DaoType(), 12);
    EXPECT_EQ(dialog.size, 300);
}

TEST_F(ColumnDialog, NumberKindsFollowTheirDecimals)
{
    const struct
    {
        int kind;
        const char* decimals;
        int daoType;
    } cases[] = {{1, "2", 6}, {1, "0", 3}, {7, "3", 7}, {7, "0", 4}};
    for (const auto& c : cases)
    {
        CColumnDlg dialog;
        dialog.name = "Cena";
        ScriptedAnswers::OnDialog(IDD_COLUMN, [&](CDialog& d) {
            ChooseKind(d, c.kind);
            d.CheckDlgButton(IDC_LOCALE_DECIMALS, BST_UNCHECKED);
            d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_LOCALE_DECIMALS, BN_CLICKED));
            EXPECT_TRUE(Enabled(d, IDC_COLUMN_DECIMALS));
            EXPECT_FALSE(Enabled(d, IDC_COLUMN_SIZE));
            d.SetDlgItemText(IDC_COLUMN_DECIMALS, c.decimals);
            d.SendMessage(WM_COMMAND, IDOK);
            return IDCANCEL;
        });
        ASSERT_EQ(dialog.DoModal(), IDOK);
        EXPECT_EQ(dialog.DaoType(), c.daoType) << c.kind << " " << c.decimals;
    }
}

TEST_F(ColumnDialog, LocaleDecimalsGiveMinusTwo)
{
    CColumnDlg dialog;
    dialog.name = "Cena";
    dialog.initialType = 5;
    dialog.decimals = -2;
    ScriptedAnswers::OnDialog(IDD_COLUMN, [&](CDialog& d) {
        EXPECT_EQ(d.IsDlgButtonChecked(IDC_LOCALE_DECIMALS), UINT(BST_CHECKED));
        EXPECT_FALSE(Enabled(d, IDC_COLUMN_DECIMALS));
        d.SendMessage(WM_COMMAND, IDOK);
        return IDCANCEL;
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.typeIndex, 3);
    EXPECT_EQ(dialog.DaoType(), 5);
    EXPECT_EQ(dialog.decimals, -2);
}

TEST_F(ColumnDialog, ExistingColumnKeepsItsTypeAndSize)
{
    CColumnDlg dialog;
    dialog.name = "Datum";
    dialog.initialType = 8;
    dialog.existingColumn = true;
    ScriptedAnswers::OnDialog(IDD_COLUMN, [&](CDialog& d) {
        EXPECT_FALSE(Enabled(d, IDC_COLUMN_TYPE));
        EXPECT_FALSE(Enabled(d, IDC_COLUMN_SIZE));
        EXPECT_FALSE(Enabled(d, IDC_COLUMN_CLEAR));
        EXPECT_TRUE(Enabled(d, IDOK));
        EXPECT_TRUE(DialogShot::Render(static_cast<CColumnDlg&>(d), "pictures/sobrel-1020.png"));
        return IDCANCEL;
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(ColumnDialog, NameOfAnotherColumnIsRefused)
{
    CGridCtrl grid(1, 3, 1, 1);
    grid.SetItemText(0, 1, "Název");
    grid.SetItemText(0, 2, "Cena");
    CColumnDlg dialog;
    dialog.grid = &grid;
    dialog.name = "Název";
    ScriptedAnswers::OnDialog(IDD_COLUMN, [&](CDialog& d) {
        d.SendMessage(WM_COMMAND, IDOK); // its own name stays allowed
        return IDCANCEL;
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty());

    CColumnDlg another;
    another.grid = &grid;
    ScriptedAnswers::AnswerBox(IDOK);
    ScriptedAnswers::OnDialog(IDD_COLUMN, [&](CDialog& d) {
        d.SetDlgItemText(IDC_COLUMN_NAME, "Cena");
        d.SendMessage(WM_COMMAND, IDOK);
        EXPECT_TRUE(d.GetSafeHwnd() != nullptr);
        d.SetDlgItemText(IDC_COLUMN_NAME, "");
        EXPECT_FALSE(Enabled(d, IDOK));
        return IDCANCEL;
    });
    EXPECT_EQ(another.DoModal(), IDCANCEL);
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_NE(ScriptedAnswers::ShownBoxes()[0].text.Find("Cena"), -1);
}
} // namespace
