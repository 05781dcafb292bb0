#include "dataeditor/app/COptionsPropertySheet.h"

#include "dataeditor/app/CSobrelApp.h"
#include "dataeditor/app/SobrelIds.h"

BEGIN_MESSAGE_MAP(COptionsPropertySheet, CPropertySheet)
    ON_BN_CLICKED(ID_APPLY_NOW, OnDefaults)
END_MESSAGE_MAP()

namespace
{
CString SheetCaption()
{
    CString options;
    options.LoadString(IDS_OPTIONS);
    return CString(AfxGetAppName()) + " - " + options;
}
} // namespace

COptionsPropertySheet::COptionsPropertySheet(UINT startPage, CWnd* pParent)
    : CPropertySheet(SheetCaption(), pParent, startPage)
{
    AddPage(&general);
    AddPage(&print);
    CSobrelOptions& options = SobrelApp()->options;
    general.FromOptions(options);
    general.target = &options;
    print.FromOptions(options);
    m_headerFooterAtOpen = options.headerFooter;
}

BOOL COptionsPropertySheet::OnInitDialog()
{
    CPropertySheet::OnInitDialog();
    CString text;
    text.LoadString(IDS_DEFAULTS);
    if (CWnd* defaults = GetDlgItem(ID_APPLY_NOW))
    {
        defaults->SetWindowText(text);
        defaults->EnableWindow(TRUE);
    }
    return TRUE;
}

void COptionsPropertySheet::OnDefaults()
{
    if (CWnd* defaults = GetDlgItem(ID_APPLY_NOW))
        defaults->EnableWindow(TRUE);
    if (CWnd* cancel = GetDlgItem(IDCANCEL))
        cancel->EnableWindow(FALSE);
    CSobrelApp* app = SobrelApp();
    CSobrelOptions& options = app->options;
    const LOGFONT font = options.gridLogFont;
    CString headerText;
    headerText.LoadString(IDS_HEADER_TEXT);
    options.SetDefaults(app->m_pszAppName, headerText);
    if (GetActivePage() == &print)
        options.gridLogFont = font;
    // Both pages take the defaults, so that OK does not write old values of a hidden page back.
    print.FromOptions(options);
    general.FromOptions(options);
    if (print.GetSafeHwnd())
    {
        print.UpdateData(FALSE);
        print.ShowEntry(0);
    }
    if (general.GetSafeHwnd())
    {
        general.UpdateData(FALSE);
        general.ShowColours();
        general.ShowFont();
    }
}

void COptionsPropertySheet::OnOK()
{
    CPropertySheet::OnOK();
    if (IsModalRunning())
        return; // a page refused a value
    CSobrelOptions& options = SobrelApp()->options;
    general.ToOptions(options);
    print.ToOptions(options);
    options.ClampMarginsToPrinter();
}

void COptionsPropertySheet::OnCancel()
{
    SobrelApp()->options.headerFooter = m_headerFooterAtOpen;
    CPropertySheet::OnCancel();
}
