#include "app/CNastaveniAplikace.h"

#include "app/MekrIds.h"
#include "controls/dialogs/DialogSupport.h"
#include "platform/ui/CDataExchange.h"

IMPLEMENT_DYNCREATE(CNastaveniAplikace, CPropertyPage)

CNastaveniAplikace::CNastaveniAplikace() : CPropertyPage(IDD_NASTAVENI_APLIKACE) {}

void CNastaveniAplikace::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_CHECK_ROOMS, m_bCheckRooms);
    DDX_Check(pDX, IDC_CHECK_WALLS, m_bCheckWalls);
    DDX_Check(pDX, IDC_CHECK_OPENINGS, m_bCheckOpenings);
    DDX_Check(pDX, IDC_FLOOR_WITH_SETTINGS, m_bFloorWithSettings);
    DDX_Check(pDX, IDC_ROUND_LOSS, m_bRoundLoss);
}

// The sheet's OK and Storno act for the page: its own pair stays hidden.
BOOL CNastaveniAplikace::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    ShowControls(*this, {IDOK, IDCANCEL}, false);
    return TRUE;
}
