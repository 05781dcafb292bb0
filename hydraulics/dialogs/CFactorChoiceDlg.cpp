#include "hydraulics/dialogs/CFactorChoiceDlg.h"

#include "controls/dialogs/DialogSupport.h"
#include "hydraulics/dialogs/HydraulicsResource.h"

BEGIN_MESSAGE_MAP(CFactorChoiceDlg, CDialog)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_CHOICE_1, IDC_CHOICE_8, OnChoice)
END_MESSAGE_MAP()

CFactorChoiceDlg::CFactorChoiceDlg(UINT templateId, RadiatorFactorTable table, CWnd* parent)
    : CDialog(templateId, parent), m_table(table)
{
}

BOOL CFactorChoiceDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetProgramIcon(*this);
    ApplyChoice();
    return TRUE;
}

void CFactorChoiceDlg::OnChoice(UINT id)
{
    m_nChoice = int(LOWORD(id)) - IDC_CHOICE_1 + 1;
    ApplyChoice();
}

void CFactorChoiceDlg::ApplyChoice()
{
    if (!RadiatorFactorOfChoice(m_table, m_nChoice, m_dFactor))
        return;
    const int last = IDC_CHOICE_1 + RadiatorFactorChoiceCount(m_table) - 1;
    CheckRadioButton(IDC_CHOICE_1, last, IDC_CHOICE_1 + m_nChoice - 1);
}
