#include "dataeditor/view/CMoveColumnDlg.h"

#include "dataeditor/view/WindowIds.h"
#include "platform/ui/CDataExchange.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CMoveColumnList, CListBox)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

void CMoveColumnList::OnLButtonDown(UINT, CPoint) {}

void CMoveColumnList::OnLButtonUp(UINT, CPoint) {}

void CMoveColumnList::OnLButtonDblClk(UINT, CPoint) {}

BEGIN_MESSAGE_MAP(CMoveColumnDlg, CDialog)
ON_NOTIFY(UDN_DELTAPOS, IDC_MOVE_COLUMN_SPIN, OnSpinDelta)
ON_LBN_SELCHANGE(IDC_MOVE_COLUMN_LIST, OnSelectionChanged)
END_MESSAGE_MAP()

CMoveColumnDlg::CMoveColumnDlg(CWnd* pParent) : CDialog(IDD_MOVE_COLUMN, pParent) {}

void CMoveColumnDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MOVE_COLUMN_LIST, list);
    DDX_Control(pDX, IDC_MOVE_COLUMN_SPIN, spin);
    DDX_LBIndex(pDX, IDC_MOVE_COLUMN_LIST, index);
}

BOOL CMoveColumnDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_start = index;
    for (const CString& entry : entries)
        list.AddString(entry);
    list.SetCurSel(index);
    // Up is towards the first entry: the range runs from the last index down to 0.
    spin.SetRange32(std::max(int(entries.size()) - 1, 0), 0);
    spin.SetPos32(index);
    GetDlgItem(IDOK)->EnableWindow(FALSE);
    return TRUE;
}

void CMoveColumnDlg::OnSpinDelta(NMHDR* pNMHDR, LRESULT* pResult)
{
    const auto* change = reinterpret_cast<NMUPDOWN*>(pNMHDR);
    const int from = change->iPos;
    const int to = from + change->iDelta;
    const int count = list.GetCount();
    *pResult = 1;
    if (from < 0 || from >= count || to < 0 || to >= count)
        return;
    CString text;
    list.GetText(from, text);
    list.DeleteString(from);
    list.InsertString(to, text);
    list.SetCurSel(to);
    spin.SetPos32(to);
    GetDlgItem(IDOK)->EnableWindow(to != m_start);
}

void CMoveColumnDlg::OnSelectionChanged()
{
    // The keyboard would move the selection away from the entry being moved: it goes back.
    list.SetCurSel(spin.GetPos32());
}
