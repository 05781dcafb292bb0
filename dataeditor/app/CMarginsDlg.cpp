#include "dataeditor/app/CMarginsDlg.h"

#include "dataeditor/app/SobrelIds.h"
#include "platform/ui/CDataExchange.h"

#include <algorithm>

CMarginsDlg::CMarginsDlg(const int margins[4], const int minimum[4], CWnd* pParent) : CDialog(IDD_MARGINS, pParent)
{
    std::copy(margins, margins + 4, this->margins);
    std::copy(minimum, minimum + 4, this->minimum);
}

BOOL CMarginsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CString text;
    text.Format("%d / %d / %d / %d mm", minimum[0], minimum[1], minimum[2], minimum[3]);
    SetDlgItemText(IDC_MARGIN_MINIMUM, text);
    return TRUE;
}

void CMarginsDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    const int ids[4] = {IDC_MARGIN_LEFT, IDC_MARGIN_TOP, IDC_MARGIN_RIGHT, IDC_MARGIN_BOTTOM};
    for (int i = 0; i < 4; ++i)
    {
        DDX_Text(pDX, ids[i], margins[i]);
        DDV_MinMaxInt(pDX, margins[i], 0, 100);
    }
}
