#include "floorwall/dialogs/CNazevSkladby.h"

#include "floorwall/dialogs/FloorWallDialogIds.h"
#include "platform/core/Resources.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/WinApi.h"

CNazevSkladby::CNazevSkladby(CWnd* pParent) : CDialog(IDD_NAZEV_SKLADBY, pParent)
{
}

void CNazevSkladby::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_NAZEV_SKLADBY, m_editNazev);
    DDX_Text(pDX, IDC_NAZEV_SKLADBY, m_strNazev);
}

BOOL CNazevSkladby::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (HICON icon = static_cast<HICON>(LoadImage(AfxGetResourceHandle(), MAKEINTRESOURCE(128), IMAGE_ICON, 16, 16, 0)))
        SetIcon(icon, FALSE);
    m_editNazev.SetFocus();
    return FALSE;
}
