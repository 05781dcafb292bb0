#include "app/CNastaveniVlastnik.h"

#include "app/MekrIds.h"
#include "platform/ui/CDataExchange.h"

IMPLEMENT_DYNCREATE(CNastaveniVlastnik, CPropertyPage)

CNastaveniVlastnik::CNastaveniVlastnik() : CPropertyPage(IDD_NASTAVENI_VLASTNIK) {}

void CNastaveniVlastnik::DoDataExchange(CDataExchange* pDX)
{
    CPropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_USER_FIRM, m_strFirm);
    DDX_Text(pDX, IDC_USER_BASE, m_strBase);
    DDX_Text(pDX, IDC_USER_NAME, m_strName);
}

BOOL CNastaveniVlastnik::OnKillActive()
{
    if (!UpdateData(TRUE))
        return FALSE;
    m_strFirm.TrimRight();
    m_strBase.TrimRight();
    m_strName.TrimRight();
    return !m_strFirm.IsEmpty();
}
