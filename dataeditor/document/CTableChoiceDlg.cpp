#include "dataeditor/document/CTableChoiceDlg.h"

#include "dataeditor/app/SobrelIds.h"
#include "platform/ui/CListBox.h"

BEGIN_MESSAGE_MAP(CTableChoiceDlg, CDialog)
    ON_LBN_DBLCLK(IDC_TABLE_LIST, OnDoubleClick)
END_MESSAGE_MAP()

CTableChoiceDlg::CTableChoiceDlg(const std::vector<CString>& tables, const CString& prompt,
                                 const CString& openMarker, CWnd* pParent)
    : CDialog(IDD_TABLE_CHOICE, pParent), tables(tables), prompt(prompt), openMarker(openMarker)
{
}

BOOL CTableChoiceDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetDlgItemText(IDC_TABLE_PROMPT, prompt);
    auto* list = static_cast<CListBox*>(GetDlgItem(IDC_TABLE_LIST));
    if (!list)
        return TRUE;
    for (auto it = tables.rbegin(); it != tables.rend(); ++it)
        list->AddString(*it);
    int select = 0;
    if (!openMarker.IsEmpty())
        for (int i = 0; i < list->GetCount(); ++i)
        {
            CString entry;
            list->GetText(i, entry);
            if (entry.Find(openMarker) < 0)
            {
                select = i;
                break;
            }
        }
    list->SetCurSel(select);
    list->SetFocus();
    return FALSE;
}

void CTableChoiceDlg::OnOK()
{
    auto* list = static_cast<CListBox*>(GetDlgItem(IDC_TABLE_LIST));
    if (list && list->GetCurSel() >= 0)
        list->GetText(list->GetCurSel(), chosen);
    CDialog::OnOK();
}

void CTableChoiceDlg::OnDoubleClick() { OnOK(); }
