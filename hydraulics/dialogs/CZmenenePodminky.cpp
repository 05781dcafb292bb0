#include "hydraulics/dialogs/CZmenenePodminky.h"

#include "common/AppSettings.h"
#include "hydraulics/NumberReading.h"
#include "hydraulics/dialogs/CPripojeniTelesa.h"
#include "hydraulics/dialogs/CTopneMedium.h"
#include "hydraulics/dialogs/CUmisteniTelesa.h"
#include "hydraulics/dialogs/CZakrytiTelesa.h"
#include "controls/dialogs/DialogSupport.h"
#include "hydraulics/dialogs/HydraulicsResource.h"
#include "platform/core/MessageBox.h"

#include <cmath>

BEGIN_MESSAGE_MAP(CZmenenePodminky, CDialog)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_KIND_PANEL, IDC_KIND_TUBE, OnKind)
    ON_BN_CLICKED(IDC_CONNECTION_CHANGE, OnConnection)
    ON_BN_CLICKED(IDC_COVER_CHANGE, OnCover)
    ON_BN_CLICKED(IDC_PLACEMENT_CHANGE, OnPlacement)
    ON_BN_CLICKED(IDC_ROOM_CHANGE, OnTemperatures)
    ON_BN_CLICKED(IDC_MEAN_CHANGE, OnTemperatures)
    ON_BN_CLICKED(IDC_MASS_FLOW_CHANGE, OnMassFlow)
END_MESSAGE_MAP()

CZmenenePodminky::CZmenenePodminky(CWnd* parent) : CDialog(IDD_ZMENENE_PODMINKY, parent) {}

BOOL CZmenenePodminky::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetProgramIcon(*this);
    SpoctiPrutokovyFaktor();
    SpoctiTeplotniFaktor();
    ObnovPole();
    CheckRadioButton(IDC_KIND_PANEL, IDC_KIND_TUBE, IDC_KIND_PANEL + m_nKind);
    if (!TemperaturesValid())
    {
        CString text;
        text.LoadString(IDS_TEMPERATURES_OUT_OF_ORDER);
        MessageBox(GetSafeHwnd(), text, AppSettings::Get().WarningCaption(), MB_OK | MB_ICONEXCLAMATION);
    }
    EnableControls(*this,
                   {IDC_SECTIONS, IDC_SECTIONS_LABEL, IDC_SECTIONS_CHANGE, IDC_MEDIUM, IDC_MEDIUM_LABEL, IDC_MEDIUM_INFO},
                   false);
    return TRUE;
}

void CZmenenePodminky::ObnovPole()
{
    const struct
    {
        int id;
        double value;
    } fields[] = {{IDC_CONNECTION, m_dConnectionFactor}, {IDC_COVER, m_dCoverFactor},
                  {IDC_PLACEMENT, m_dPlacementFactor},   {IDC_ROOM_FACTOR, m_dTemperatureFactor},
                  {IDC_MEAN_FACTOR, m_dTemperatureFactor}, {IDC_MASS_FLOW, m_dMassFlowFactor},
                  {IDC_SECTIONS, m_dSectionsFactor},     {IDC_MEDIUM, m_dMediumFactor}};
    for (const auto& field : fields)
        SetDlgItemText(field.id, WriteNumber("%.3f", field.value));
}

// A kind chosen gives the exponent again: a preset exponent is dropped.
void CZmenenePodminky::OnKind(UINT id)
{
    m_nKind = int(LOWORD(id)) - IDC_KIND_PANEL;
    m_dPresetExponent = 0.0;
    CheckRadioButton(IDC_KIND_PANEL, IDC_KIND_TUBE, IDC_KIND_PANEL + m_nKind);
    Recompute();
}

void CZmenenePodminky::OnConnection()
{
    CPripojeniTelesa dialog(this);
    PickFactor(dialog, m_nConnectionChoice, m_dConnectionFactor);
}

void CZmenenePodminky::OnCover()
{
    CZakrytiTelesa dialog(this);
    PickFactor(dialog, m_nCoverChoice, m_dCoverFactor);
}

void CZmenenePodminky::OnPlacement()
{
    CUmisteniTelesa dialog(this);
    PickFactor(dialog, m_nPlacementChoice, m_dPlacementFactor);
}

// The factor dialog opens with the choice and factor; on OK both come back.
void CZmenenePodminky::PickFactor(CFactorChoiceDlg& dialog, int& choice, double& factor)
{
    dialog.m_nChoice = choice;
    dialog.m_dFactor = factor;
    if (dialog.DoModal() != IDOK)
        return;
    choice = dialog.m_nChoice;
    factor = dialog.m_dFactor;
    ObnovPole();
}

void CZmenenePodminky::OnTemperatures()
{
    CTopneMedium dialog(this);
    dialog.m_nEntryMode = m_nEntryMode;
    dialog.m_dDeltaT = m_dDeltaT;
    dialog.m_dMean = m_dMean;
    dialog.m_dInlet = m_dInlet;
    dialog.m_dOutlet = m_dOutlet;
    dialog.m_dRoom = m_dRoom;
    if (dialog.DoModal() != IDOK)
        return;
    m_nEntryMode = dialog.m_nEntryMode;
    m_dDeltaT = dialog.m_dDeltaT;
    m_dMean = dialog.m_dMean;
    m_dInlet = dialog.m_dInlet;
    m_dOutlet = dialog.m_dOutlet;
    m_dRoom = dialog.m_dRoom;
    Recompute();
}

void CZmenenePodminky::OnMassFlow()
{
    SpoctiPrutokovyFaktor();
    ObnovPole();
}

void CZmenenePodminky::Recompute()
{
    SpoctiPrutokovyFaktor();
    SpoctiTeplotniFaktor();
    ObnovPole();
}

// Each typed factor must be a number above 0; the first that is not takes the focus.
void CZmenenePodminky::OnOK()
{
    const struct
    {
        int id;
        double& factor;
    } fields[] = {{IDC_CONNECTION, m_dConnectionFactor}, {IDC_COVER, m_dCoverFactor},
                  {IDC_MEAN_FACTOR, m_dTemperatureFactor}, {IDC_PLACEMENT, m_dPlacementFactor},
                  {IDC_MASS_FLOW, m_dMassFlowFactor},   {IDC_MEDIUM, m_dMediumFactor},
                  {IDC_SECTIONS, m_dSectionsFactor}};
    double values[std::size(fields)];
    for (std::size_t i = 0; i < std::size(fields); ++i)
    {
        values[i] = ReadNumber(FieldText(*this, fields[i].id));
        if (!(values[i] > 0.0))
        {
            CString text;
            text.LoadString(IDS_FACTOR_NOT_POSITIVE);
            MessageBox(GetSafeHwnd(), text, AppSettings::Get().ErrorCaption(), MB_OK | MB_ICONSTOP);
            SelectField(*this, fields[i].id);
            return;
        }
    }
    for (std::size_t i = 0; i < std::size(fields); ++i)
        fields[i].factor = values[i];
    EndDialog(IDOK);
}
