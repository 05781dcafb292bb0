#include "floorwall/dialogs/CDotazVybaveni.h"

#include "controls/dialogs/DialogSupport.h"
#include "floorwall/BillOfMaterials.h"
#include "floorwall/dialogs/FloorBuildUpIds.h"
#include "platform/ui/CButton.h"
#include "platform/ui/CDataExchange.h"

BEGIN_MESSAGE_MAP(CDotazVybaveni, CDialog)
    ON_BN_CLICKED(IDC_DV_VSS, OnVss)
    ON_BN_CLICKED(IDC_DV_VSV, OnVsv)
    ON_BN_CLICKED(IDC_DV_MIXING, OnMixing)
    ON_BN_CLICKED(IDC_DV_OK, OnConfirm)
END_MESSAGE_MAP()

CDotazVybaveni::CDotazVybaveni(CWnd* pParent) : CDialog(IDD_DOTAZ_VYBAVENI, pParent) {}

void CDotazVybaveni::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_DV_MIXING, m_bMixingSets);
    // A hidden count is not used, and a text left in it does not hold the answer up.
    if (!pDX->m_bSaveAndValidate || m_bMixingSets)
        DDX_Text(pDX, IDC_DV_COUNT, m_nCount);
}

void CDotazVybaveni::ShowCount(bool show)
{
    GetDlgItem(IDC_DV_COUNT)->ShowWindow(show ? SW_SHOW : SW_HIDE);
    GetDlgItem(IDC_DV_COUNT_LABEL)->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

BOOL CDotazVybaveni::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetProgramIcon(*this);
    m_nStationKind = m_nOfferStation ? kStationVss : kStationVsv;
    const int show = m_nOfferStation ? SW_SHOW : SW_HIDE;
    for (int id : {IDC_DV_STATION_GROUP, IDC_DV_VSS, IDC_DV_VSV})
        GetDlgItem(id)->ShowWindow(show);
    static_cast<CButton*>(GetDlgItem(IDC_DV_VSS))->SetCheck(m_nOfferStation ? BST_CHECKED : BST_UNCHECKED);
    ShowCount(false);
    return TRUE;
}

// Enter confirms nothing: the equipment is confirmed by its own button.
void CDotazVybaveni::OnOK() {}

void CDotazVybaveni::OnVss()
{
    m_nStationKind = kStationVss;
}

void CDotazVybaveni::OnVsv()
{
    m_nStationKind = kStationVsv;
}

void CDotazVybaveni::OnMixing()
{
    m_bMixingSets = static_cast<CButton*>(GetDlgItem(IDC_DV_MIXING))->GetCheck() == BST_CHECKED;
    ShowCount(m_bMixingSets != 0);
}

void CDotazVybaveni::OnConfirm()
{
    CDialog::OnOK();
}
