#include "dataeditor/document/CTableNameDlg.h"

#include "dataeditor/app/SobrelIds.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CEdit.h"

BEGIN_MESSAGE_MAP(CTableNameDlg, CDialog)
    ON_EN_CHANGE(IDC_TABLE_NAME, OnNameChanged)
END_MESSAGE_MAP()

CTableNameDlg::CTableNameDlg(const CString& name, bool newNameMode, CWnd* pParent)
    : CDialog(IDD_TABLE_NAME, pParent), name(name), newNameMode(newNameMode)
{
}

BOOL CTableNameDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (auto* edit = static_cast<CEdit*>(GetDlgItem(IDC_TABLE_NAME)))
        edit->LimitText(64);
    if (newNameMode)
        if (CWnd* cancel = GetDlgItem(IDCANCEL))
            cancel->EnableWindow(FALSE);
    nameAtOpening = name;
    OnNameChanged();
    return TRUE;
}

void CTableNameDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_TABLE_NAME, name);
}

void CTableNameDlg::OnNameChanged()
{
    CString text;
    GetDlgItemText(IDC_TABLE_NAME, text);
    if (text.Find('$') >= 0)
    {
        auto* edit = static_cast<CEdit*>(GetDlgItem(IDC_TABLE_NAME));
        int start = 0, end = 0;
        edit->GetSel(start, end);
        const int removedBefore = text.Left(start).Remove('$');
        text.Remove('$');
        edit->SetWindowText(text);
        edit->SetSel(start - removedBefore, start - removedBefore);
    }
    if (CWnd* ok = GetDlgItem(IDOK))
        ok->EnableWindow(!text.IsEmpty() && text != nameAtOpening);
}
