#include "floorwall/dialogs/CStena.h"

#include "floorwall/dialogs/WallDesignIds.h"
#include "hydraulics/NumberReading.h"
#include "controls/dialogs/DialogSupport.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CEdit.h"

BEGIN_MESSAGE_MAP(CStena, CDialog)
ON_BN_CLICKED(IDC_STENA_OK, OnConfirm)
ON_EN_KILLFOCUS(IDC_STENA_HEAT_DEMAND, OnHeatDemandLeft)
ON_EN_KILLFOCUS(IDC_STENA_CONNECTION, OnConnectionLeft)
ON_EN_KILLFOCUS(IDC_STENA_TI, OnTemperatureLeft)
ON_EN_KILLFOCUS(IDC_STENA_AVAILABLE, OnAvailableLeft)
ON_EN_KILLFOCUS(IDC_STENA_SEGMENT_AREA, OnSegmentAreaLeft)
ON_CONTROL_RANGE(EN_SETFOCUS, IDC_STENA_HEAT_DEMAND, IDC_STENA_HEAT_DEMAND, OnNumberFocused)
ON_CONTROL_RANGE(EN_SETFOCUS, IDC_STENA_CONNECTION, IDC_STENA_CONNECTION, OnNumberFocused)
ON_CONTROL_RANGE(EN_SETFOCUS, IDC_STENA_TI, IDC_STENA_TI, OnNumberFocused)
ON_CONTROL_RANGE(EN_SETFOCUS, IDC_STENA_AVAILABLE, IDC_STENA_AVAILABLE, OnNumberFocused)
END_MESSAGE_MAP()

CStena::CStena(CWnd* pParent) : CDialog(IDD_STENA, pParent)
{
}

CStena::~CStena() = default;

void CStena::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_STENA_NUMBER, m_strRoomNumber);
    DDX_Text(pDX, IDC_STENA_NAME, m_strRoomName);
    DDX_Text(pDX, IDC_STENA_CIRCUIT, m_strCircuitNumber);
    DDX_Text(pDX, IDC_STENA_HEAT_DEMAND, m_dHeatDemand);
    DDX_Text(pDX, IDC_STENA_TI, m_dRoomTemperature);
    DDX_Text(pDX, IDC_STENA_AVAILABLE, m_dAvailableArea);
    DDX_Text(pDX, IDC_STENA_CONNECTION, m_dConnectionLength);
    DDX_Text(pDX, IDC_STENA_SEGMENTS, m_nSegmentCount);
    DDX_Text(pDX, IDC_STENA_SEGMENT_AREA, m_dSegmentArea);
}

BOOL CStena::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetProgramIcon(*this);
    ShowNumber(IDC_STENA_HEAT_DEMAND, "%.0f", m_dHeatDemand);
    ShowNumber(IDC_STENA_CONNECTION, "%.1f", m_dConnectionLength);
    ShowNumber(IDC_STENA_TI, "%.1f", m_dRoomTemperature);
    ShowNumber(IDC_STENA_AVAILABLE, "%.1f", m_dAvailableArea);
    SelectField(*this, IDC_STENA_NUMBER);
    return FALSE;
}

void CStena::OnOK()
{
    NextDlgCtrl();
}

void CStena::OnConfirm()
{
    // The field may still have the focus: its text counts, not the value it left last.
    TakeNumber(IDC_STENA_HEAT_DEMAND, "%.0f", m_dHeatDemand);
    if (m_dHeatDemand > 0.0)
        CDialog::OnOK();
    else
        SelectField(*this, IDC_STENA_HEAT_DEMAND);
}

void CStena::ShowNumber(int id, const char* format, double& value)
{
    const CString text = WriteNumber(format, value);
    SetDlgItemText(id, text);
    value = ReadNumber(text);
}

void CStena::TakeNumber(int id, const char* format, double& value)
{
    value = ReadNumber(FieldText(*this, id));
    ShowNumber(id, format, value);
}

void CStena::OnHeatDemandLeft()
{
    TakeNumber(IDC_STENA_HEAT_DEMAND, "%.0f", m_dHeatDemand);
}

void CStena::OnConnectionLeft()
{
    TakeNumber(IDC_STENA_CONNECTION, "%.1f", m_dConnectionLength);
}

void CStena::OnTemperatureLeft()
{
    TakeNumber(IDC_STENA_TI, "%.1f", m_dRoomTemperature);
}

void CStena::OnAvailableLeft()
{
    TakeNumber(IDC_STENA_AVAILABLE, "%.1f", m_dAvailableArea);
}

void CStena::OnSegmentAreaLeft()
{
    TakeNumber(IDC_STENA_SEGMENT_AREA, "%.2f", m_dSegmentArea);
}

void CStena::OnNumberFocused(UINT id)
{
    if (auto* edit = dynamic_cast<CEdit*>(GetDlgItem(int(id))))
        edit->SetSel(0, -1);
}
