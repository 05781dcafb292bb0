#include "dataeditor/document/CTextPromptDlg.h"

#include "dataeditor/app/SobrelIds.h"
#include "platform/ui/CDataExchange.h"

CTextPromptDlg::CTextPromptDlg(CWnd* pParent) : CDialog(IDD_TEXT_PROMPT, pParent) {}

void CTextPromptDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_PROMPT_TEXT, text);
}
