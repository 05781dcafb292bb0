#include "heatloss/dialogs/CWall_Ti_Vedl.h"

#include "heatloss/AdjacentSpaceTemperature.h"
#include "heatloss/WallEntry.h"
#include "controls/dialogs/DialogSupport.h"
#include "heatloss/dialogs/FieldTexts.h"
#include "heatloss/dialogs/InputDialogIds.h"

BEGIN_MESSAGE_MAP(CWall_Ti_Vedl, CDialog)
ON_CONTROL_RANGE(BN_CLICKED, IDC_ADJ_FIRST_CHOICE, IDC_ADJ_FIRST_CHOICE + ADJACENT_SPACE_CHOICES - 1, OnChoice)
END_MESSAGE_MAP()

CWall_Ti_Vedl::CWall_Ti_Vedl(int Te, CWnd* parent) : CDialog(IDD_WALL_TI_VEDL, parent), m_nTe(Te) {}

BOOL CWall_Ti_Vedl::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetProgramIcon(*this);
    SetDlgItemText(IDC_ADJ_TE, WholeText(m_nTe));
    GetDlgItem(IDOK)->EnableWindow(FALSE);
    // Without values for this Te no choice can give a temperature: the field says why.
    const bool tabulated = HasAdjacentSpaceTemperatures(m_nTe);
    for (int k = 0; k < ADJACENT_SPACE_CHOICES; ++k)
        GetDlgItem(IDC_ADJ_FIRST_CHOICE + k)->EnableWindow(tabulated);
    if (tabulated)
        SetDlgItemText(IDC_ADJ_CHOSEN, "Vyber");
    else
    {
        CString text;
        text.LoadString(IDS_ADJ_NO_VALUES);
        SetDlgItemText(IDC_ADJ_CHOSEN, text);
    }
    return TRUE;
}

void CWall_Ti_Vedl::OnChoice(UINT id)
{
    int temperature = 0;
    if (!AdjacentSpaceTemperature(int(id) - IDC_ADJ_FIRST_CHOICE, m_nTe, temperature))
        return;
    m_nChosen = temperature;
    m_bChosen = true;
    SetDlgItemText(IDC_ADJ_CHOSEN, WholeText(temperature));
    GetDlgItem(IDOK)->EnableWindow(TRUE);
}

void CWall_Ti_Vedl::OnOK()
{
    if (!m_bChosen)
        return;
    WallEntry::Instance().neighbourTemperature = m_nChosen;
    CDialog::OnOK();
}
