#include "hydraulics/dialogs/CDeleniZtratKeKryti.h"

#include "controls/dialogs/DialogSupport.h"
#include "hydraulics/dialogs/HydraulicsResource.h"

namespace
{
// The fields in the order of LossSplit::Field.
constexpr int fieldIds[] = {IDC_SPLIT_TOTAL,         IDC_SPLIT_FLOOR_W,      IDC_SPLIT_WALL_W,
                            IDC_SPLIT_UNCOVERED_W,   IDC_SPLIT_FLOOR_PERCENT, IDC_SPLIT_WALL_PERCENT,
                            IDC_SPLIT_UNCOVERED_PERCENT};

LossSplit::Field FieldOf(UINT id)
{
    for (int f = 0; f < LossSplit::FieldCount; ++f)
        if (fieldIds[f] == int(LOWORD(id)))
            return LossSplit::Field(f);
    return LossSplit::NoField;
}
} // namespace

BEGIN_MESSAGE_MAP(CDeleniZtratKeKryti, CDialog)
    ON_BN_CLICKED(IDC_SPLIT_FLOOR_ON, OnFloorCheck)
    ON_BN_CLICKED(IDC_SPLIT_WALL_ON, OnWallCheck)
    ON_BN_CLICKED(IDC_LOSS_SPLIT_OK, OnSplitOk)
    ON_CONTROL_RANGE(EN_KILLFOCUS, IDC_SPLIT_TOTAL, IDC_SPLIT_UNCOVERED_PERCENT, OnLeave)
    ON_CONTROL_RANGE(EN_SETFOCUS, IDC_SPLIT_FLOOR_W, IDC_SPLIT_UNCOVERED_PERCENT, OnEnter)
END_MESSAGE_MAP()

CDeleniZtratKeKryti::CDeleniZtratKeKryti(CWnd* parent) : CDialog(IDD_DELENI_ZTRAT, parent) {}

BOOL CDeleniZtratKeKryti::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetProgramIcon(*this);
    const Field focus = Open(m_strRoomName, m_strTotal, m_dInitialFloor, m_dInitialWall, m_dInitialUncovered);
    SetDlgItemText(IDC_SPLIT_ROOM, RoomName());
    ShowState();
    if (focus == NoField)
        return TRUE;
    SelectField(*this, fieldIds[focus]);
    return FALSE;
}

void CDeleniZtratKeKryti::ShowState()
{
    for (int f = 0; f < FieldCount; ++f)
    {
        SetDlgItemText(fieldIds[f], Text(Field(f)));
        SetFieldReadOnly(*this, fieldIds[f], ReadOnly(Field(f)));
    }
    CheckDlgButton(IDC_SPLIT_FLOOR_ON, m_bFloor ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_SPLIT_WALL_ON, m_bWall ? BST_CHECKED : BST_UNCHECKED);
}

void CDeleniZtratKeKryti::OnFloorCheck()
{
    SetFloorHeating(IsDlgButtonChecked(IDC_SPLIT_FLOOR_ON) == BST_CHECKED);
    ShowState();
}

void CDeleniZtratKeKryti::OnWallCheck()
{
    SetWallHeating(IsDlgButtonChecked(IDC_SPLIT_WALL_ON) == BST_CHECKED);
    ShowState();
}

void CDeleniZtratKeKryti::OnLeave(UINT id)
{
    const Field field = FieldOf(id);
    if (field == NoField || ReadOnly(field))
        return;
    const CString typed = FieldText(*this, fieldIds[field]);
    if (typed == Text(field))
        return;
    const bool taken = Leave(field, typed);
    for (int f = 0; f < FieldCount; ++f)
        SetDlgItemText(fieldIds[f], Text(Field(f)));
    if (!taken)
        SelectField(*this, fieldIds[field]);
}

void CDeleniZtratKeKryti::OnEnter(UINT id)
{
    if (auto* edit = GetDlgItem(int(LOWORD(id))))
        edit->SendMessage(EM_SETSEL, 0, -1);
}

// Enter moves to the next field.
void CDeleniZtratKeKryti::OnOK()
{
    NextDlgCtrl();
}

void CDeleniZtratKeKryti::OnSplitOk()
{
    Field focus;
    if (Ok(focus))
    {
        EndDialog(IDOK);
        return;
    }
    SelectField(*this, fieldIds[focus]);
}
