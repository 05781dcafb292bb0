#include "dataeditor/controls/CTreeOptionsTestDlg.h"

#include "dataeditor/controls/ControlIds.h"

IMPLEMENT_DYNCREATE(CTreeOptionsTestCombo, CTreeOptionsCombo)

void CTreeOptionsTestCombo::FillList()
{
    for (const char* style : {"tenká", "silná", "čárkovaná"})
        AddString(style);
}

namespace
{
// Beyond the eight pictures: an item shown without one.
constexpr int kNoPicture = 8;
constexpr UINT kTreeId = 1989;
} // namespace

CTreeOptionsTestDlg::CTreeOptionsTestDlg(CWnd* pParent) : CDialog(IDD_TREE_OPTIONS_TEST, pParent) {}

BOOL CTreeOptionsTestDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CRect place;
    CWnd* placeholder = GetDlgItem(IDC_TREE_OPTIONS_PLACE);
    placeholder->GetWindowRect(&place);
    ScreenToClient(&place);
    tree.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, place, this, kTreeId);
    tree.UseStandardImages();
    backup = tree.InsertItem("Zálohovat při ukládání", CTreeOptionsCtrl::checkOn, CTreeOptionsCtrl::checkOn);
    oneWindow =
        tree.InsertItem("Jen jedno okno programu", CTreeOptionsCtrl::checkOff, CTreeOptionsCtrl::checkOff);
    locked = tree.InsertItem("Zamčený katalog", CTreeOptionsCtrl::checkOnDisabled,
                             CTreeOptionsCtrl::checkOnDisabled);
    direction = tree.InsertItem("Po úpravě buňky jít", kNoPicture, kNoPicture);
    right = tree.InsertItem("doprava", CTreeOptionsCtrl::radioOn, CTreeOptionsCtrl::radioOn, direction);
    down = tree.InsertItem("dolů", CTreeOptionsCtrl::radioOff, CTreeOptionsCtrl::radioOff, direction);
    tree.Expand(direction, TVE_EXPAND);
    line = tree.InsertItem("Čára: tenká", kNoPicture, kNoPicture);
    tree.SetEditor(line, RUNTIME_CLASS(CTreeOptionsTestCombo));
    breakWidth = tree.InsertItem("Šířka zlomu: 190", kNoPicture, kNoPicture);
    tree.SetEditor(breakWidth, RUNTIME_CLASS(CTreeOptionsEdit));
    return TRUE;
}

BOOL CTreeOptionsTestDlg::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (!header || (header->idFrom != kTreeId && header->code != CTreeOptionsCtrl::editChanged))
        return CDialog::OnNotify(wParam, lParam, pResult);
    const auto* info = reinterpret_cast<const NMTREEVIEW*>(lParam);
    switch (header->code)
    {
    case CTreeOptionsCtrl::checkBoxChanged:
    case CTreeOptionsCtrl::radioChanged:
        ShowChange(tree.GetItemText(info->itemNew.hItem));
        return TRUE;
    case CTreeOptionsCtrl::editChanged:
        if (CTreeOptionsEdit* edit = tree.Edit())
        {
            CString text;
            edit->GetWindowText(text);
            ShowChange(tree.GetItemText(tree.EditedItem()) + text);
        }
        return TRUE;
    default:
        return CDialog::OnNotify(wParam, lParam, pResult);
    }
}

void CTreeOptionsTestDlg::ShowChange(const CString& what)
{
    CString pattern;
    pattern.LoadString(IDS_TREE_OPTIONS_CHANGED);
    CString text;
    text.Format(pattern.GetString(), what.GetString());
    SetDlgItemText(IDC_TREE_OPTIONS_CHANGE, text);
}
