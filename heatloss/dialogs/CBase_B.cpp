#include "heatloss/dialogs/CBase_B.h"

#include "heatloss/BasicDataTables.h"
#include "heatloss/ProjectModel.h"
#include "controls/dialogs/DialogSupport.h"
#include "heatloss/dialogs/HeatLossDialogIds.h"
#include "platform/ui/CButton.h"
#include "platform/ui/MessageMap.h"

namespace
{

constexpr int kNormal[] = {IDC_B_NORMAL_PROTECTED, IDC_B_NORMAL_UNPROTECTED, IDC_B_NORMAL_UNFAVOURABLE};
constexpr int kWindy[] = {IDC_B_WINDY_PROTECTED, IDC_B_WINDY_UNPROTECTED, IDC_B_WINDY_UNFAVOURABLE};

void EnableRow(CDialog& dialog, const int (&row)[3], bool enable)
{
    for (int id : row)
    {
        auto* button = static_cast<CButton*>(dialog.GetDlgItem(id));
        button->EnableWindow(enable);
        if (enable)
            button->SetCheck(BST_UNCHECKED);
    }
}

void ShowText(CDialog& dialog, UINT id)
{
    CString text;
    text.LoadString(id);
    dialog.SetDlgItemText(IDC_B_VALUE, text);
}

} // namespace

BEGIN_MESSAGE_MAP(CBase_B, CDialog)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_B_DETACHED, IDC_B_DETACHED, OnKind)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_B_TERRACED, IDC_B_TERRACED, OnKind)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_B_WINDY_PROTECTED, IDC_B_WINDY_UNFAVOURABLE, OnPosition)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_B_NORMAL_PROTECTED, IDC_B_NORMAL_PROTECTED, OnPosition)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_B_NORMAL_UNPROTECTED, IDC_B_NORMAL_UNPROTECTED, OnPosition)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_B_NORMAL_UNFAVOURABLE, IDC_B_NORMAL_UNFAVOURABLE, OnPosition)
END_MESSAGE_MAP()

CBase_B::CBase_B(CWnd* pParent) : CDialog(IDD_BASE_B, pParent)
{
}

BOOL CBase_B::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetProgramIcon(*this);
    ShowText(*this, IDS_HLD_CHOOSE_KIND);
    EnableRow(*this, kNormal, false);
    EnableRow(*this, kWindy, false);
    ShowControls(*this, {IDOK}, false);
    GetDlgItem(IDC_B_DETACHED)->SetFocus();
    return FALSE;
}

void CBase_B::OnKind(UINT id)
{
    m_nKind = id == IDC_B_DETACHED ? 1 : 2;
    // A place whose landscape the catalogue does not give leaves the choice to the user.
    const Landscape landscape = LandscapeOf(ProjectModel::Instance().Header.windyLandscape);
    EnableRow(*this, kNormal, landscape != Landscape::Windy);
    EnableRow(*this, kWindy, landscape != Landscape::Normal);
    ShowText(*this, IDS_HLD_CHOOSE_WIND);
    ShowControls(*this, {IDOK}, false);
}

void CBase_B::OnPosition(UINT id)
{
    if (m_nKind == 0)
        return;
    bool windy = false;
    int position = 0;
    for (int i = 0; i < 3; ++i)
    {
        if (int(id) == kNormal[i])
            position = i;
        if (int(id) == kWindy[i])
            position = i, windy = true;
    }
    ProjectHeader& header = ProjectModel::Instance().Header;
    header.B = BuildingCharacteristicNumber(windy, BuildingPosition(position), BuildingKind(m_nKind));
    if (LandscapeOf(header.windyLandscape) == Landscape::Unknown)
        header.windyLandscape = LandscapeText(windy);
    CString text;
    text.Format("%ld", long(header.B));
    SetDlgItemText(IDC_B_VALUE, text);
    ShowControls(*this, {IDOK}, true);
}
