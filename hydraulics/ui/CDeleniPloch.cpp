#include "hydraulics/ui/CDeleniPloch.h"

#include "common/AppSettings.h"
#include "controls/dialogs/DialogSupport.h"
#include "controls/grid/CGridBtnCellCombo.h"
#include "controls/grid/GridDefs.h"
#include "controls/grid/GridNotify.h"
#include "floorwall/CMistPodlahVytap.h"
#include "hydraulics/CTopnyOkruh.h"
#include "hydraulics/NumberReading.h"
#include "hydraulics/ui/SizingIds.h"
#include "platform/core/MessageBox.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/ui/CDataExchange.h"

#include <cmath>

namespace
{
constexpr int kColumns = 9;
constexpr int kAreaColumn = 1;
constexpr int kSegmentsColumn = 2;
constexpr int kSegmentAreaColumn = 3;
constexpr int kConnectionColumn = 4;
constexpr int kLossColumn = 5;
constexpr int kPipeColumn = 6;
constexpr int kFlowColumn = 7;

COLORREF Colour(int number)
{
    return AppSettings::Get().Colours[std::size_t(number - 1)];
}
} // namespace

BEGIN_MESSAGE_MAP(CDeleniPloch, CDialog)
    ON_EN_KILLFOCUS(IDC_SPLIT_REALISED, OnKillFocusRealised)
    ON_EN_CHANGE(IDC_SPLIT_COUNT, OnChangeCount)
    ON_BN_CLICKED(IDC_SPLIT_OK, OnConfirm)
    ON_NOTIFY(GVN_BEGINLABELEDIT, IDC_SPLIT_GRID, OnBeginEdit)
    ON_NOTIFY(GVN_ENDLABELEDIT, IDC_SPLIT_GRID, OnEndEdit)
END_MESSAGE_MAP()

CDeleniPloch::CDeleniPloch(CWnd* parent) : CDialog(IDD_DELENI_PLOCH, parent) {}

void CDeleniPloch::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SPLIT_SPIN, m_spin);
}

double CDeleniPloch::DefaultConnectionLength() const
{
    return m_pRoom ? ReadNumber(WriteNumber("%.1f", m_pRoom->m_dOwnLength)) : 0.0;
}

bool CDeleniPloch::FlowKnown() const
{
    return m_pRoom && m_pRoom->m_dFlowTemperature > m_pRoom->m_dReturnTemperature;
}

BOOL CDeleniPloch::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetProgramIcon(*this);
    ReplacePlaceholderByGrid(*this, IDC_SPLIT_GRID, m_grid);
    m_buttons.SetGrid(&m_grid);
    if (m_pRoom)
    {
        SetDlgItemText(IDC_SPLIT_NUMBER, m_pRoom->m_strNumber);
        SetDlgItemText(IDC_SPLIT_NAME, m_pRoom->m_strName);
        SetDlgItemText(IDC_SPLIT_CONNECTION, WriteNumber("%.1f", m_pRoom->m_dOwnLength));
        // The dialog works with the areas as shown, one decimal.
        const std::pair<int, double*> areas[] = {{IDC_SPLIT_AVAILABLE, &m_dAvailableArea},
                                                 {IDC_SPLIT_REQUIRED, &m_dRequiredArea},
                                                 {IDC_SPLIT_REALISED, &m_dRealisedArea}};
        const double values[] = {m_pRoom->m_dAvailableArea, m_pRoom->m_dRequiredWallArea, m_pRoom->m_dRealisedArea};
        for (std::size_t i = 0; i < 3; ++i)
        {
            const CString text = WriteNumber("%.1f", values[i]);
            SetDlgItemText(areas[i].first, text);
            *areas[i].second = ReadNumber(text);
        }
    }
    DeriveCircuitCount();
    SetupGrid();
    if (m_pRoom)
        for (const CTopnyOkruh* circuit : m_pRoom->m_wallCircuits)
        {
            Row row;
            row.area = circuit->m_dEdgeArea;
            row.segments = circuit->m_nElementCount;
            row.connectionLength = circuit->m_dOwnSupplyLength;
            row.result.segmentCount = circuit->m_nElementCount;
            row.result.segmentArea = circuit->m_dOccupiedArea;
            row.result.pipeLength = circuit->m_dLoopLength;
            row.result.pressureLoss = circuit->m_dPressureLoss;
            row.result.massFlowKgPerS = circuit->m_dMassFlowKgPerS;
            row.result.flowKnown = true;
            m_rows.push_back(row);
            AppendGridRow();
            const int index = int(m_rows.size()) - 1;
            if (m_bRecompute)
                ComputeRow(index);
            else
                ShowRow(index);
        }
    m_grid.ExpandLastColumn();
    m_bInitialising = false;
    return TRUE;
}

void CDeleniPloch::SetupGrid()
{
    m_grid.SetColumnCount(kColumns);
    m_grid.SetFixedRowCount(1);
    m_grid.SetFixedColumnCount(1);
    m_grid.SetRowCount(1);
    m_grid.SetRowHeight(0, 32);
    const CString headings[kColumns] = {"#",
                                        CString("Plocha okruhu [m2]") + "\nmax. 8 [m2]",
                                        CString("Počet") + " " + "segmentů",
                                        CString("Plocha segmentu [m2]") + "\nmax. 2 [m2]",
                                        "Délka přípojky [m]",
                                        CString("TlakZtráta") + "\nmax. 35 000 [Pa]",
                                        "Délka Topení",
                                        "mH [kg/hod.]",
                                        "Format"};
    for (int column = 0; column < kColumns; ++column)
    {
        m_grid.SetItemText(0, column, headings[column]);
        m_grid.SetItemFormat(0, column, DT_CENTER | DT_VCENTER | DT_WORDBREAK);
    }
    const int widths[kColumns] = {30, 111, 94, 133, 111, 100, 0, 0, 0};
    for (int column = 0; column < kColumns; ++column)
        m_grid.SetColumnWidth(column, widths[column]);
}

void CDeleniPloch::DeriveCircuitCount()
{
    const bool initialising = m_bInitialising;
    m_bInitialising = true;
    m_nCircuitCount = AreaSplit::CircuitCount(m_dRealisedArea);
    const bool any = m_nCircuitCount > 0;
    m_spin.SetRange32(any ? m_nCircuitCount : 0, AreaSplit::MaxCircuits);
    m_spin.SetPos(m_nCircuitCount);
    SetDlgItemText(IDC_SPLIT_COUNT, WriteInteger(m_nCircuitCount));
    GetDlgItem(IDC_SPLIT_COUNT)->EnableWindow(any);
    m_spin.EnableWindow(any);
    m_bInitialising = initialising;
}

void CDeleniPloch::AppendGridRow()
{
    const int row = m_grid.InsertRow(WriteInteger(m_grid.GetRowCount()));
    m_grid.SetCellType(row, kSegmentsColumn, RUNTIME_CLASS(CGridBtnCellCombo));
    if (auto* cell = dynamic_cast<CGridBtnCellCombo*>(m_grid.GetCell(row, kSegmentsColumn)))
    {
        cell->SetBtnDataBase(&m_buttons);
        cell->SetupBtn(0, DFC_SCROLL, DFCS_SCROLLDOWN, BTNPOS_RIGHT, 0, FALSE, nullptr);
    }
}

void CDeleniPloch::SetSegmentCell(int index)
{
    Row& row = m_rows[std::size_t(index)];
    const AreaSplit::SegmentChoice choice = AreaSplit::SegmentChoices(row.area, row.segments);
    row.segments = choice.count;
    if (auto* cell = dynamic_cast<CGridBtnCellCombo*>(m_grid.GetCell(index + 1, kSegmentsColumn)))
    {
        CStringArray list;
        for (int n : choice.offered)
            list.Add(WriteInteger(n));
        cell->SetComboString(list);
    }
    ComputeRow(index);
}

void CDeleniPloch::ShowRow(int index)
{
    const Row& row = m_rows[std::size_t(index)];
    const int gridRow = index + 1;
    auto put = [this, gridRow](int column, const CString& text) {
        m_grid.SetItemText(gridRow, column, text);
        m_grid.SetItemFormat(gridRow, column, DT_RIGHT);
    };
    put(kAreaColumn, WriteNumber("%.2f", row.area));
    put(kSegmentsColumn, WriteInteger(row.result.segmentCount));
    put(kSegmentAreaColumn, WriteNumber("%.2f", row.result.segmentArea));
    put(kConnectionColumn, WriteNumber("%.1f", row.connectionLength));
    put(kPipeColumn, WriteNumber("%.1f", row.result.pipeLength));
    const bool known = row.result.flowKnown;
    put(kLossColumn, known ? WriteNumber("%.0f", row.result.pressureLoss) : CString());
    put(kFlowColumn, known ? WriteNumber("%.7f", row.result.massFlowKgPerS) : CString());
    m_grid.SetItemBkColour(gridRow, kSegmentAreaColumn, Colour(4));
    const bool overLimit = !known || row.result.pressureLoss > AreaSplit::PressureLimit;
    m_grid.SetItemBkColour(gridRow, kLossColumn, overLimit ? Colour(1) : Colour(4));
    m_grid.RedrawRow(gridRow);
}

void CDeleniPloch::ComputeRow(int index)
{
    Row& row = m_rows[std::size_t(index)];
    AreaSplit::RowInput input;
    input.circuitArea = row.area;
    input.segmentCount = row.segments;
    input.connectionLength = row.connectionLength;
    if (m_pRoom)
    {
        input.heatFlux = m_pRoom->m_dHeatFluxDensity;
        input.flowTemperature = m_pRoom->m_dFlowTemperature;
        input.returnTemperature = m_pRoom->m_dReturnTemperature;
    }
    row.result = AreaSplit::ComputeRow(input);
    row.segments = row.result.segmentCount;
    ShowRow(index);
}

void CDeleniPloch::ApplyMinimumSegment(int index)
{
    Row& row = m_rows[std::size_t(index)];
    if (!AreaSplit::BelowMinimumSegment(row.result))
        return;
    row.segments = int(std::floor(row.area));
    ComputeRow(index);
}

void CDeleniPloch::RebuildRows()
{
    m_grid.DeleteNonFixedRows();
    m_rows.clear();
    const int count = std::clamp(m_nCircuitCount, 0, AreaSplit::MaxCircuits);
    for (int i = 0; i < count; ++i)
    {
        Row row;
        row.area = ReadNumber(WriteNumber("%.2f", m_dRealisedArea / count));
        row.segments = 4;
        row.connectionLength = DefaultConnectionLength();
        m_rows.push_back(row);
        AppendGridRow();
        ComputeRow(i);
        SetSegmentCell(i);
    }
    m_grid.ExpandLastColumn();
}

void CDeleniPloch::OnKillFocusRealised()
{
    CString text;
    GetDlgItemText(IDC_SPLIT_REALISED, text);
    const CString shown = WriteNumber("%.1f", ReadNumber(text));
    SetDlgItemText(IDC_SPLIT_REALISED, shown);
    m_dRealisedArea = ReadNumber(shown);
    DeriveCircuitCount();
    RebuildRows();
}

void CDeleniPloch::OnChangeCount()
{
    if (m_bInitialising)
        return;
    CString text;
    GetDlgItemText(IDC_SPLIT_COUNT, text);
    int lower = 0;
    int upper = 0;
    m_spin.GetRange32(lower, upper);
    const int count = std::clamp(ReadInteger(text), lower, upper);
    if (WriteInteger(count) != text)
    {
        // A count outside the range goes to the nearest bound.
        m_bInitialising = true;
        SetDlgItemText(IDC_SPLIT_COUNT, WriteInteger(count));
        m_bInitialising = false;
    }
    m_spin.SetPos(count);
    m_nCircuitCount = count;
    RebuildRows();
    for (int i = 0; i < int(m_rows.size()); ++i)
        ApplyMinimumSegment(i);
}

void CDeleniPloch::OnBeginEdit(NMHDR* pNotifyStruct, LRESULT* pResult)
{
    const auto* notify = reinterpret_cast<GridNotify*>(pNotifyStruct);
    const int index = notify->iRow - 1;
    const int column = notify->iColumn;
    const bool dataRow = index >= 0 && index < int(m_rows.size());
    if (dataRow && column == kSegmentsColumn)
    {
        SetSegmentCell(index);
        *pResult = 0;
        return;
    }
    *pResult = dataRow && (column == kAreaColumn || column == kConnectionColumn) ? 0 : -1;
}

void CDeleniPloch::OnEndEdit(NMHDR* pNotifyStruct, LRESULT* pResult)
{
    const auto* notify = reinterpret_cast<GridNotify*>(pNotifyStruct);
    const int index = notify->iRow - 1;
    *pResult = 0;
    if (index < 0 || index >= int(m_rows.size()))
        return;
    Row& row = m_rows[std::size_t(index)];
    const double value = ReadNumber(m_grid.GetItemText(notify->iRow, notify->iColumn));
    switch (notify->iColumn)
    {
    case kAreaColumn:
        if (!(value > 0.0) || value > AreaSplit::MaxCircuitArea)
        {
            *pResult = -1; // the old text stays
            m_grid.SetItemText(notify->iRow, kAreaColumn, WriteNumber("%.2f", row.area));
            return;
        }
        row.area = ReadNumber(WriteNumber("%.2f", value));
        ComputeRow(index);
        ApplyMinimumSegment(index);
        break;
    case kConnectionColumn:
        row.connectionLength = ReadNumber(WriteNumber("%.1f", std::max(0.0, value)));
        ComputeRow(index);
        break;
    case kSegmentsColumn:
        row.segments = ReadInteger(m_grid.GetItemText(notify->iRow, kSegmentsColumn));
        ComputeRow(index);
        break;
    default:
        break;
    }
}

void CDeleniPloch::OnOK()
{
    NextDlgCtrl();
}

void CDeleniPloch::OnConfirm()
{
    if (!m_rows.empty() && !FlowKnown())
    {
        CString format;
        format.LoadString(IDS_SPLIT_NO_FLOW);
        CString text;
        text.Format(format.GetString(), m_pRoom ? m_pRoom->m_dFlowTemperature : 0.0,
                    m_pRoom ? m_pRoom->m_dReturnTemperature : 0.0);
        MessageBox(GetSafeHwnd(), text, AppSettings::Get().WarningCaption(), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    double sum = 0.0;
    for (const Row& row : m_rows)
        sum += row.area;
    if (std::fabs(sum - m_dRealisedArea) > 0.1)
    {
        CString format;
        format.LoadString(IDS_SPLIT_AREA_QUESTION);
        CString text;
        text.Format(format.GetString(), sum, m_dRealisedArea);
        if (MessageBox(GetSafeHwnd(), text, AppSettings::Get().QuestionCaption(), MB_YESNO | MB_ICONQUESTION) !=
            IDYES)
            return;
        m_dRealisedArea = sum;
        SetDlgItemText(IDC_SPLIT_REALISED, WriteNumber("%.1f", sum));
    }
    if (m_pRoom)
    {
        std::vector<int> manifolds;
        for (const CTopnyOkruh* circuit : m_pRoom->m_wallCircuits)
            manifolds.push_back(circuit->m_nManifold);
        for (CTopnyOkruh* circuit : m_pRoom->m_wallCircuits)
            delete circuit;
        m_pRoom->m_wallCircuits.clear();
        m_pRoom->m_dWallOutput = 0.0;
        const CString& format = AppSettings::Get().RowFormats[2];
        for (std::size_t i = 0; i < m_rows.size(); ++i)
        {
            const Row& row = m_rows[i];
            auto circuit = std::make_unique<CTopnyOkruh>();
            circuit->m_dEdgeArea = row.area;
            circuit->m_nElementCount = row.result.segmentCount;
            circuit->m_dOccupiedArea = row.result.segmentArea;
            circuit->m_dOwnSupplyLength = row.connectionLength;
            circuit->m_dPressureLoss = row.result.pressureLoss;
            circuit->m_dLoopLength = row.result.pipeLength;
            circuit->m_dMassFlowKgPerS = row.result.massFlowKgPerS;
            circuit->m_dHeatFlux = m_pRoom->m_dHeatFluxDensity;
            circuit->m_dFlowTemperature = m_pRoom->m_dFlowTemperature;
            circuit->m_dReturnTemperature = m_pRoom->m_dReturnTemperature;
            circuit->m_dDeliveredOutput = row.area * m_pRoom->m_dHeatFluxDensity;
            m_pRoom->m_dWallOutput += circuit->m_dDeliveredOutput;
            circuit->m_dSpread = m_pRoom->m_dFlowTemperature - m_pRoom->m_dReturnTemperature;
            circuit->m_strFormat = format.IsEmpty() ? CString("000000|ffffe0||1") : format;
            circuit->m_pPipe->m_strCode = "9001-0102";
            circuit->m_nManifold = i < manifolds.size() ? manifolds[i] : 0;
            circuit->m_strLabel.Format("%s%c%d", m_pRoom->m_strNumber.GetString(), '/', int(i + 1));
            m_pRoom->m_wallCircuits.push_back(circuit.release());
        }
    }
    EndDialog(IDOK);
}
