#include "hydraulics/dialogs/CTopneMedium.h"

#include "controls/dialogs/DialogSupport.h"
#include "hydraulics/dialogs/HydraulicsResource.h"

namespace
{
constexpr int fieldIds[] = {IDC_DIFFERENCE, IDC_MEAN, IDC_INLET, IDC_OUTLET, IDC_ROOM_TEMPERATURE};
}

BEGIN_MESSAGE_MAP(CTopneMedium, CDialog)
    ON_BN_CLICKED(IDC_MODE_MEAN, OnModeMean)
    ON_BN_CLICKED(IDC_MODE_LIMITS, OnModeLimits)
    ON_EN_KILLFOCUS(IDC_DIFFERENCE, OnLeaveDifference)
    ON_EN_KILLFOCUS(IDC_MEAN, OnLeaveMean)
    ON_EN_KILLFOCUS(IDC_INLET, OnLeaveInlet)
    ON_EN_KILLFOCUS(IDC_OUTLET, OnLeaveOutlet)
    ON_EN_KILLFOCUS(IDC_ROOM_TEMPERATURE, OnLeaveRoom)
END_MESSAGE_MAP()

CTopneMedium::CTopneMedium(CWnd* parent) : CDialog(IDD_TOPNE_MEDIUM, parent) {}

BOOL CTopneMedium::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetProgramIcon(*this);
    WriteFields();
    CheckRadioButton(IDC_MEDIUM_WATER, IDC_MEDIUM_OTHER, IDC_MEDIUM_WATER);
    ShowMode();
    if (m_bRoomLocked)
    {
        SetFieldReadOnly(*this, IDC_ROOM_TEMPERATURE, true);
        EnableControls(*this, {IDC_MODE_MEAN}, false);
    }
    return TRUE;
}

void CTopneMedium::OnModeMean()
{
    m_nEntryMode = 1;
    ShowMode();
}

void CTopneMedium::OnModeLimits()
{
    m_nEntryMode = 0;
    ShowMode();
}

void CTopneMedium::Leave(Field field)
{
    if (!Editable(field))
        return; // tabbing through a read-only field changes nothing
    HeatingMediumFields::Leave(field, FieldText(*this, fieldIds[field]));
    if (field == Room)
        SetDlgItemText(fieldIds[Room], Text(Room));
    else if (field <= Mean || m_dInlet > m_dOutlet)
        WriteFields();
    EnableControls(*this, {IDOK}, OkEnabled());
}

void CTopneMedium::ShowMode()
{
    CheckRadioButton(IDC_MODE_MEAN, IDC_MODE_LIMITS, m_nEntryMode == 1 ? IDC_MODE_MEAN : IDC_MODE_LIMITS);
    for (Field field : {Difference, Mean, Inlet, Outlet})
        SetFieldReadOnly(*this, fieldIds[field], !Editable(field));
    EnableControls(*this, {IDOK}, OkEnabled());
}

void CTopneMedium::WriteFields()
{
    for (Field field : {Difference, Mean, Inlet, Outlet, Room})
        SetDlgItemText(fieldIds[field], Text(field));
}
