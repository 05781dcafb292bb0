#include "heatloss/dialogs/CBase_P2.h"

#include "heatloss/BasicDataTables.h"
#include "heatloss/ProjectModel.h"
#include "controls/dialogs/DialogSupport.h"
#include "heatloss/dialogs/HeatLossDialogIds.h"
#include "platform/ui/MessageMap.h"

BEGIN_MESSAGE_MAP(CBase_P2, CDialog)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_P2_CONTINUOUS, IDC_P2_CONTINUOUS, OnMode)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_P2_LONG, IDC_P2_LONG, OnMode)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_P2_SHORT, IDC_P2_SHORT, OnMode)
END_MESSAGE_MAP()

CBase_P2::CBase_P2(CWnd* pParent) : CDialog(IDD_BASE_P2, pParent)
{
}

BOOL CBase_P2::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetProgramIcon(*this);
    CheckRadioButton(IDC_P2_CONTINUOUS, IDC_P2_SHORT, 0);
    SetDlgItemText(IDC_P2_VALUE, "");
    ShowControls(*this, {IDOK}, false);
    GetDlgItem(IDC_P2_SHORT)->SetFocus();
    return FALSE;
}

void CBase_P2::OnMode(UINT id)
{
    const HeatingOperation operation = id == IDC_P2_CONTINUOUS ? HeatingOperation::Continuous
                                       : id == IDC_P2_LONG     ? HeatingOperation::IntermittentLong
                                                               : HeatingOperation::IntermittentShort;
    ProjectHeader& header = ProjectModel::Instance().Header;
    header.p2 = HeatingUpSurcharge(operation);
    CString text;
    text.Format("%3.1f", header.p2);
    SetDlgItemText(IDC_P2_VALUE, text);
    ShowControls(*this, {IDOK}, true);
}
