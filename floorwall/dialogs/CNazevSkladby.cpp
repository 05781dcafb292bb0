#include "floorwall/dialogs/CNazevSkladby.h"

#include "controls/dialogs/DialogSupport.h"
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
    SetProgramIcon(*this);
    m_editNazev.SetFocus();
    return FALSE;
}
