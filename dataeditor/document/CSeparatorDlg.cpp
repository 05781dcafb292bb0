#include "dataeditor/document/CSeparatorDlg.h"

#include "dataeditor/app/SobrelIds.h"
#include "platform/ui/CDataExchange.h"

CSeparatorDlg::CSeparatorDlg(CWnd* pParent) : CDialog(IDD_SEPARATOR, pParent) {}

BOOL CSeparatorDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (exportMode)
    {
        CString title;
        title.LoadString(1239);
        SetWindowText(title);
    }
    return TRUE;
}

void CSeparatorDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_CBString(pDX, IDC_SEPARATOR, separator);
}
