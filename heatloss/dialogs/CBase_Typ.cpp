#include "heatloss/dialogs/CBase_Typ.h"

#include "heatloss/ProjectModel.h"
#include "controls/dialogs/DialogSupport.h"
#include "heatloss/dialogs/HeatLossDialogIds.h"
#include "platform/ui/MessageMap.h"

const int CBase_Typ::kTypeButtons[12] = {IDC_TYPE_1, IDC_TYPE_2, IDC_TYPE_3,  IDC_TYPE_4,  IDC_TYPE_5,  IDC_TYPE_6,
                                         IDC_TYPE_7, IDC_TYPE_8, IDC_TYPE_9, IDC_TYPE_10, IDC_TYPE_11, IDC_TYPE_12};

BEGIN_MESSAGE_MAP(CBase_Typ, CDialog)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_TYPE_8, IDC_TYPE_8, OnType)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_TYPE_4, IDC_TYPE_12, OnType)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_TYPE_1, IDC_TYPE_3, OnType)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_TYPE_7, IDC_TYPE_9, OnType)
END_MESSAGE_MAP()

CBase_Typ::CBase_Typ(CWnd* pParent) : CDialog(IDD_BASE_TYP, pParent)
{
}

BOOL CBase_Typ::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetProgramIcon(*this);
    ShowControls(*this, {IDOK}, false);
    return TRUE;
}

void CBase_Typ::OnType(UINT id)
{
    for (int type = 1; type <= 12; ++type)
        if (kTypeButtons[type - 1] == int(id))
        {
            ProjectModel::Instance().Header.buildingType = type;
            ShowControls(*this, {IDOK}, true);
        }
}
