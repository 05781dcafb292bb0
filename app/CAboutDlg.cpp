#include "app/CAboutDlg.h"

#include "app/MekrIds.h"
#include "app/ShellLauncher.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/WinApi.h"
#include "platform/core/Resources.h"

BEGIN_MESSAGE_MAP(CAboutDlg, CDialog)
    ON_BN_CLICKED(IDC_LINK_HELP, OnLink)
    ON_BN_CLICKED(IDC_LINK_HOME, OnLink)
END_MESSAGE_MAP()

CAboutDlg::CAboutDlg() : CDialog(IDD_ABOUTBOX) {}

void CAboutDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LINK_HELP, m_linkHelp);
    DDX_Control(pDX, IDC_LINK_HOME, m_linkHome);
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetIcon(LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_MAINFRAME)), FALSE);
    return TRUE;
}

void CAboutDlg::OnLink()
{
    CString address;
    address.LoadString(IDS_LOGO_ADDRESS);
    ShellLauncher::OpenAddress(address);
}
