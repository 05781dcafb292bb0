#include "dataeditor/controls/tests/ControlsFixture.h"

#include "dataeditor/controls/CTreeOptionsCtrl.h"
#include "dataeditor/controls/CTreeOptionsTestDlg.h"
#include "dataeditor/controls/ControlIds.h"
#include "platform/ui/DialogShot.h"

#include <QDir>

#include <QWidget>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

// A line style chosen from a list.
class CLineCombo : public CTreeOptionsCombo
{
    DECLARE_DYNCREATE(CLineCombo)
public:
    void FillList() override
    {
        for (const char* choice : {"tenká", "silná", "čárkovaná"})
            AddString(choice);
    }
};
IMPLEMENT_DYNCREATE(CLineCombo, CTreeOptionsCombo)

namespace
{
// Records the tree's notifications: code and item (for an edit's notification its window), and
// the old item of a selection change.
class Owner : public CWnd
{
public:
    std::vector<std::pair<UINT, HTREEITEM>> notes;
    std::vector<HTREEITEM> oldItems;
    std::vector<HWND> senders;

protected:
    BOOL OnNotify(WPARAM, LPARAM lParam, LRESULT*) override
    {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        senders.push_back(header->hwndFrom);
        if (header->code == CTreeOptionsCtrl::editChanged)
        {
            notes.emplace_back(header->code, nullptr);
            return TRUE;
        }
        if (header->code == TVN_SELCHANGED)
            return TRUE;
        const auto* info = reinterpret_cast<const NMTREEVIEW*>(lParam);
        notes.emplace_back(info->hdr.code, info->itemNew.hItem);
        oldItems.push_back(info->itemOld.hItem);
        return TRUE;
    }
};

class TreeOptions : public ControlsFixture
{
protected:
    void SetUp() override
    {
        ControlsFixture::SetUp();
        m_owner.CreateEx(0, nullptr, "owner", WS_POPUP, CRect(0, 0, 300, 300), nullptr, 0);
        ASSERT_TRUE(m_tree.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 300), &m_owner, 77));
        m_group = m_tree.InsertItem("Čáry");
        for (int image : {CTreeOptionsCtrl::radioOn, CTreeOptionsCtrl::radioOff, CTreeOptionsCtrl::radioOffDisabled})
            m_radios.push_back(m_tree.InsertItem("volba", image, image, m_group));
        m_check = m_tree.InsertItem("Zálohovat", CTreeOptionsCtrl::checkOff, CTreeOptionsCtrl::checkOff);
        m_disabled =
            m_tree.InsertItem("Zamčeno", CTreeOptionsCtrl::checkOnDisabled, CTreeOptionsCtrl::checkOnDisabled);
        m_tree.Expand(m_group, TVE_EXPAND);
    }
    Owner m_owner;
    CTreeOptionsCtrl m_tree;
    HTREEITEM m_group = nullptr;
    std::vector<HTREEITEM> m_radios;
    HTREEITEM m_check = nullptr;
    HTREEITEM m_disabled = nullptr;
};
} // namespace

TEST_F(TreeOptions, DisabledItemsIgnoreClicksAndSpace)
{
    EXPECT_FALSE(m_tree.Act(m_disabled));
    EXPECT_FALSE(m_tree.Act(m_radios[2]));
    EXPECT_FALSE(m_tree.Act(m_radios[0])); // already selected
    m_tree.SelectItem(m_disabled);
    m_owner.notes.clear();
    m_tree.SendMessage(WM_CHAR, ' ');
    EXPECT_EQ(m_tree.Image(m_disabled), CTreeOptionsCtrl::checkOnDisabled);
    EXPECT_TRUE(m_owner.notes.empty());
}

TEST_F(TreeOptions, OneRadioOfTheGroupIsSelectedAndDisabledOnesStayDisabled)
{
    ASSERT_TRUE(m_tree.Act(m_radios[1]));
    EXPECT_EQ(m_tree.Image(m_radios[0]), CTreeOptionsCtrl::radioOff);
    EXPECT_EQ(m_tree.Image(m_radios[1]), CTreeOptionsCtrl::radioOn);
    EXPECT_EQ(m_tree.Image(m_radios[2]), CTreeOptionsCtrl::radioOffDisabled);
    ASSERT_EQ(m_owner.notes.size(), 1u);
    EXPECT_EQ(m_owner.notes[0], std::make_pair(UINT(CTreeOptionsCtrl::radioChanged), m_radios[1]));
}

TEST_F(TreeOptions, TheSpaceBarAndAClickToggleACheckBox)
{
    m_tree.SelectItem(m_check);
    m_owner.notes.clear();
    m_tree.SendMessage(WM_CHAR, ' ');
    EXPECT_EQ(m_tree.Image(m_check), CTreeOptionsCtrl::checkOn);
    CRect rect;
    ASSERT_TRUE(m_tree.GetItemRect(m_check, rect, TRUE));
    m_tree.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(rect.CenterPoint().x, rect.CenterPoint().y));
    EXPECT_EQ(m_tree.Image(m_check), CTreeOptionsCtrl::checkOff);
    ASSERT_EQ(m_owner.notes.size(), 2u);
    EXPECT_EQ(m_owner.notes[1], std::make_pair(UINT(CTreeOptionsCtrl::checkBoxChanged), m_check));
}

TEST_F(TreeOptions, EditableItemsKeepTheirValueAfterTheSeparator)
{
    const HTREEITEM width = m_tree.InsertItem("Šířka zlomu");
    EXPECT_EQ(m_tree.GetEditText(width), "");
    EXPECT_EQ(m_tree.GetItemText(width), "Šířka zlomu: ");
    m_tree.SetEditText(width, "12,5");
    EXPECT_EQ(m_tree.GetItemText(width), "Šířka zlomu: 12,5");
    EXPECT_EQ(m_tree.GetEditText(width), "12,5");
    EXPECT_EQ(m_tree.GetItemText(width), "Šířka zlomu: ");
    m_tree.SetEditText(width, "30");
    m_tree.SetEditText(width, "40");
    EXPECT_EQ(m_tree.GetItemText(width), "Šířka zlomu: 40");
}

TEST_F(TreeOptions, AListItemIsEditedInADropDownAndItsChoiceWrittenBack)
{
    const HTREEITEM line = m_tree.InsertItem("Čára: silná");
    m_tree.SetEditor(line, RUNTIME_CLASS(CLineCombo));
    m_tree.SelectItem(m_check);
    m_owner.notes.clear();
    m_owner.oldItems.clear();
    m_tree.SelectItem(line);
    CTreeOptionsCombo* combo = m_tree.Combo();
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(m_tree.EditedItem(), line);
    EXPECT_EQ(m_tree.GetItemText(line), "Čára: ");
    EXPECT_EQ(combo->GetCount(), 3);
    EXPECT_EQ(combo->GetCurSel(), 1);
    const CRect label = m_tree.LabelRect(line);
    EXPECT_LT(label.right, 250);
    CRect box;
    combo->GetWindowRect(&box);
    m_tree.ScreenToClient(&box);
    EXPECT_EQ(box.left, label.right + 2);
    EXPECT_EQ(box.Width(), 100);
    ASSERT_EQ(m_owner.notes.size(), 1u);
    EXPECT_EQ(m_owner.notes[0], std::make_pair(UINT(CTreeOptionsCtrl::selectionChanged), line));
    EXPECT_EQ(m_owner.oldItems[0], m_check);

    combo->SetCurSel(2);
    m_tree.SelectItem(m_check);
    EXPECT_EQ(m_tree.Combo(), nullptr);
    EXPECT_EQ(m_tree.EditedItem(), nullptr);
    EXPECT_EQ(m_tree.GetItemText(line), "Čára: čárkovaná");
}

TEST_F(TreeOptions, ANumberFieldTakesDigitsAndOneSeparatorAndTellsTheParent)
{
    const HTREEITEM width = m_tree.InsertItem("Šířka zlomu");
    m_tree.SetEditor(width, RUNTIME_CLASS(CTreeOptionsEdit));
    m_tree.SelectItem(width);
    CTreeOptionsEdit* edit = m_tree.Edit();
    ASSERT_NE(edit, nullptr);
    // An item without ": " gets it once its editor opens.
    EXPECT_EQ(m_tree.GetItemText(width), "Šířka zlomu: ");
    edit->decimalSeparator = ",";
    edit->SetWindowText("12");
    m_owner.notes.clear();
    m_owner.senders.clear();
    edit->SendMessage(WM_KEYDOWN, '3');
    EXPECT_TRUE(edit->numeric);
    EXPECT_FALSE(edit->firstKey);
    for (UINT character : {UINT('3'), UINT(','), UINT('5'), UINT(','), UINT('x')})
        edit->SendMessage(WM_CHAR, character);
    CString text;
    edit->GetWindowText(text);
    EXPECT_EQ(text, "123,5");
    ASSERT_FALSE(m_owner.notes.empty());
    EXPECT_EQ(m_owner.notes.back().first, UINT(CTreeOptionsCtrl::editChanged));
    EXPECT_EQ(m_owner.senders.back(), edit->GetSafeHwnd());

    // A separator standing last goes away when the space bar ends the edit.
    edit->SendMessage(WM_CHAR, VK_BACK);
    edit->GetWindowText(text);
    ASSERT_EQ(text, "123,");
    edit->SendMessage(WM_KEYDOWN, VK_SPACE);
    edit->GetWindowText(text);
    EXPECT_EQ(text, "123");
    m_tree.CloseEditor();
    EXPECT_EQ(m_tree.GetItemText(width), "Šířka zlomu: 123");
}

TEST_F(TreeOptions, ACharacterTypedOnTheTreeStartsTheFieldWithIt)
{
    const HTREEITEM name = m_tree.InsertItem("Název: starý");
    m_tree.SetEditor(name, RUNTIME_CLASS(CTreeOptionsEdit));
    m_tree.SelectItem(name);
    ASSERT_NE(m_tree.Edit(), nullptr);
    m_owner.notes.clear();
    m_tree.SendMessage(WM_CHAR, 'N');
    CString text;
    m_tree.Edit()->GetWindowText(text);
    EXPECT_EQ(text, "N");
    ASSERT_EQ(m_owner.notes.size(), 1u);
    EXPECT_EQ(m_owner.notes[0].first, UINT(CTreeOptionsCtrl::editChanged));
    // Outside numeric mode every character passes.
    m_tree.Edit()->SendMessage(WM_KEYDOWN, 'A');
    EXPECT_FALSE(m_tree.Edit()->numeric);
    m_tree.Edit()->SendMessage(WM_CHAR, 'a');
    m_tree.Edit()->GetWindowText(text);
    EXPECT_EQ(text, "Na");
}

TEST_F(TreeOptions, PictureOfTheTestWindow)
{
    m_tree.UseStandardImages();
    const HTREEITEM line = m_tree.InsertItem("Čára: silná");
    m_tree.SetEditor(line, RUNTIME_CLASS(CLineCombo));
    const HTREEITEM width = m_tree.InsertItem("Šířka zlomu: 12,5");
    m_tree.SetEditor(width, RUNTIME_CLASS(CTreeOptionsEdit));
    m_tree.SelectItem(width);
    ASSERT_NE(m_tree.Edit(), nullptr);
    if (const char* folder = std::getenv("KALVENROD_PICTURES"))
    {
        m_owner.ShowWindow(SW_SHOW);
        UiTest::ProcessEvents();
        EXPECT_TRUE(m_owner.GetWidget()->grab().save(QString::fromUtf8(folder) + "/tree-options.png"));
    }
}

// The test dialog: its settings of every kind, the last change told in its line.
class TreeOptionsTestDialog : public ControlsFixture
{
};

TEST_F(TreeOptionsTestDialog, ShowsEveryKindOfSettingAndTellsTheLastChange)
{
    CString afterCheck, afterRadio;
    std::vector<int> images;
    ScriptedAnswers::OnDialog(IDD_TREE_OPTIONS_TEST, [&](CDialog& d) {
        auto& dialog = static_cast<CTreeOptionsTestDlg&>(d);
        CTreeOptionsCtrl& tree = dialog.tree;
        for (HTREEITEM item : {dialog.backup, dialog.oneWindow, dialog.locked, dialog.right, dialog.down})
            images.push_back(tree.Image(item));
        EXPECT_FALSE(tree.Act(dialog.locked));
        EXPECT_TRUE(tree.Act(dialog.oneWindow));
        d.GetDlgItemText(IDC_TREE_OPTIONS_CHANGE, afterCheck);
        EXPECT_TRUE(tree.Act(dialog.down));
        d.GetDlgItemText(IDC_TREE_OPTIONS_CHANGE, afterRadio);
        tree.SelectItem(dialog.breakWidth);
        EXPECT_NE(tree.Edit(), nullptr);
        QDir().mkpath("pictures");
        EXPECT_TRUE(DialogShot::Render(dialog, "pictures/sobrel-tree-options.png"));
        d.SendMessage(WM_COMMAND, IDOK);
        return IDOK;
    });
    CTreeOptionsTestDlg dialog;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(images, (std::vector<int>{CTreeOptionsCtrl::checkOn, CTreeOptionsCtrl::checkOff,
                                        CTreeOptionsCtrl::checkOnDisabled, CTreeOptionsCtrl::radioOn,
                                        CTreeOptionsCtrl::radioOff}));
    EXPECT_EQ(afterCheck, "Změněno: Jen jedno okno programu");
    EXPECT_EQ(afterRadio, "Změněno: dolů");
}
