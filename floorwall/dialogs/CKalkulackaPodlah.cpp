#include "floorwall/dialogs/CKalkulackaPodlah.h"

#include "common/AppSettings.h"
#include "common/CommonRoutines.h"
#include "controls/grid/CGridCellBase.h"
#include "floorwall/CMistPodlahVytap.h"
#include "floorwall/CircuitVariants.h"
#include "floorwall/dialogs/CircuitPanelIds.h"
#include "hydraulics/CTopnyOkruh.h"
#include "hydraulics/NumberReading.h"
#include "controls/dialogs/DialogSupport.h"
#include "hydraulics/dialogs/HydraulicsResource.h"
#include "hydraulics/ui/CircuitGridRows.h"
#include "platform/core/MessageBox.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/ui/CEdit.h"

namespace
{
constexpr COLORREF kBackground = 0xE9FFFF;
constexpr int kColumns = 11;
enum Column { Spacing, Circuits, Missing, Flux, Loop, Flow, Return, MassFlow, Loss, Surface, Format };

double ReadCell(const CGridCtrl& grid, int row, int column)
{
    return ReadNumber(LocalizeDecimalSeparator(grid.GetItemText(row, column)));
}
} // namespace

BEGIN_MESSAGE_MAP(CKalkulackaPodlah, CDialog)
    ON_EN_KILLFOCUS(IDC_KP_SPREAD, OnKillFocusSpread)
    ON_BN_CLICKED(IDC_KP_RECALCULATE, OnRecalculate)
    ON_BN_CLICKED(IDC_KP_TAKE, OnTakeVariant)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CKalkulackaPodlah::CKalkulackaPodlah(CWnd* parent)
    : CDialog(IDD_KALKULACKA_PODLAH, parent), m_pWork(std::make_unique<CTopnyOkruh>())
{
}

CKalkulackaPodlah::~CKalkulackaPodlah() = default;

BOOL CKalkulackaPodlah::OnInitDialog()
{
    CDialog::OnInitDialog();
    SetProgramIcon(*this);
    ReplacePlaceholderByGrid(*this, IDC_KP_GRID, m_grid);
    m_grid.GetDefaultCell(FALSE, FALSE)->SetBackClr(kBackground);
    if (!LoadCircuit())
    {
        EndDialog(IDCANCEL);
        return TRUE;
    }
    SetupGrid();
    ShowTemperatures();
    ComputeVariants();
    return TRUE;
}

bool CKalkulackaPodlah::LoadCircuit()
{
    if (!m_pRoom || !m_pCalculation)
        return false;
    const int index = m_pRoom->m_nCurrentCircuit;
    if (index < 0 || index >= int(m_pRoom->m_floorCircuits.size()) || !m_pRoom->m_floorCircuits[std::size_t(index)])
        return false;
    const CTopnyOkruh& source = *m_pRoom->m_floorCircuits[std::size_t(index)];
    CTopnyOkruh& work = *m_pWork;
    work.BuildLabel(&source, index + 1);
    work.m_dSpacing = source.m_dSpacing;
    work.m_dLoopLength = source.m_dLoopLength;
    work.m_dHeatFlux = source.m_dHeatFlux;
    work.m_dOutputDifference = source.m_dOutputDifference;
    work.m_dSpread = source.m_dSpread;
    work.m_dMassFlowKgPerS = source.m_dMassFlowKgPerS;
    work.m_dPressureLoss = source.m_dPressureLoss;
    work.m_dMeanSurfaceTemperature = source.m_dMeanSurfaceTemperature;
    work.m_nManifold = source.m_nManifold;
    work.m_dOwnSupplyLength = source.m_dOwnSupplyLength;
    work.m_dFlowTemperature = source.m_dFlowTemperature;
    work.m_dReturnTemperature = source.m_dReturnTemperature;
    work.m_nSeparateEdgeZone = work.m_dEdgeArea > 0.0 && work.m_dOccupiedArea != 0.0 ? 1 : 0;
    CString caption;
    GetWindowText(caption);
    SetWindowText(caption + " : " + work.m_strLabel);
    return true;
}

void CKalkulackaPodlah::SetupGrid()
{
    m_grid.SetColumnCount(kColumns);
    m_grid.SetRowCount(1);
    m_grid.SetFixedRowCount(1);
    m_grid.SetFixedColumnCount(1);
    m_grid.SetRowSelectMode(TRUE);
    for (int column = 0; column < kColumns; ++column)
    {
        CString heading;
        heading.LoadString(IDS_KP_SPACING + UINT(column));
        m_grid.SetItemText(0, column, heading);
    }
    m_grid.AutoSizeColumns();
    m_grid.SetColumnWidth(Format, 0);
}

void CKalkulackaPodlah::ShowTemperatures()
{
    CTopnyOkruh& work = *m_pWork;
    SetDlgItemText(IDC_KP_SPREAD, WriteNumber("%.1f", work.m_dSpread));
    work.m_dSpread = ReadNumber(LocalizeDecimalSeparator(FieldText(*this, IDC_KP_SPREAD)));
    work.m_dReturnTemperature = work.m_dFlowTemperature - work.m_dSpread;
    SetDlgItemText(IDC_KP_FLOW, WriteNumber("%.1f", work.m_dFlowTemperature));
    if (work.m_dReturnTemperature < AppSettings::Get().MinDifVratOdTi + m_pRoom->m_dRoomTemperature)
        if (auto* edit = static_cast<CEdit*>(GetDlgItem(IDC_KP_SPREAD)))
            edit->SetSel(0, -1);
}

void CKalkulackaPodlah::ComputeVariants()
{
    CTopnyOkruh& work = *m_pWork;
    const std::vector<CircuitVariant> variants =
        ComputeCircuitVariants(*m_pRoom, work, *m_pCalculation, m_dReferenceValue);
    m_grid.DeleteNonFixedRows();
    const CTopnyOkruh* circuit = m_pRoom->CurrentCircuit();
    const CString current = circuit ? WriteNumber("%5.3f", circuit->m_dSpacing) : CString();
    int currentRow = -1;
    for (const CircuitVariant& v : variants)
    {
        const int row = m_grid.InsertRow(WriteNumber("%.3f", v.spacing), -1);
        m_grid.SetItemFormat(row, Spacing, DT_RIGHT);
        if (v.computed)
        {
            PutGridNumber(m_grid, row, Circuits, "%.0f", v.requiredOutput);
            PutGridNumber(m_grid, row, Missing, "%.0f", v.uncovered);
            PutGridNumber(m_grid, row, Flux, "%.1f", v.heatFlux);
            PutGridNumber(m_grid, row, Loop, "%.1f", v.loopLength);
            PutGridNumber(m_grid, row, Flow, "%.1f", v.flowTemperature);
            PutGridNumber(m_grid, row, Return, "%.1f", v.returnTemperature);
            PutGridNumber(m_grid, row, MassFlow, "%.3f", v.massFlow * 3600.0);
            if (v.pressureLoss)
                PutGridNumber(m_grid, row, Loss, "%.3f", *v.pressureLoss);
            PutGridNumber(m_grid, row, Surface, "%.1f", v.meanSurfaceTemperature);
            MarkGridCell(m_grid, row, Loss, v.lossTooHigh);
            MarkGridCell(m_grid, row, Surface, v.surfaceTooHot);
            MarkGridCell(m_grid, row, Missing, v.notCovered);
            MarkGridCell(m_grid, row, Loop, v.tooLong);
        }
        if (WriteNumber("%5.3f", v.spacing) == current)
            currentRow = row;
    }
    m_grid.AutoSizeColumns();
    m_grid.SetColumnWidth(Format, 0);
    // The circuit's own variant stands selected.
    if (currentRow > 0)
    {
        m_grid.SetSelectedRange(currentRow, 0, currentRow, kColumns - 1);
        m_grid.RedrawRow(currentRow);
    }
    m_grid.Refresh();
}

void CKalkulackaPodlah::OnKillFocusSpread()
{
    CString text;
    GetDlgItemText(IDC_KP_SPREAD, text);
    const double spread = ReadNumber(LocalizeDecimalSeparator(text));
    if (!(spread > 0.0))
    {
        if (auto* edit = static_cast<CEdit*>(GetDlgItem(IDC_KP_SPREAD)))
            edit->SetSel(0, -1);
        return;
    }
    m_pWork->m_dSpread = spread;
    ShowTemperatures();
    ComputeVariants();
}

void CKalkulackaPodlah::OnRecalculate()
{
    ComputeVariants();
}

// Enter takes the spread and recalculates; the panel stays open.
void CKalkulackaPodlah::OnOK()
{
    OnKillFocusSpread();
    GotoDlgCtrl(GetDlgItem(IDC_KP_RECALCULATE));
}

void CKalkulackaPodlah::OnTakeVariant()
{
    CTopnyOkruh* circuit = m_pRoom ? m_pRoom->CurrentCircuit() : nullptr;
    if (!circuit)
        return;
    const CCellRange range = m_grid.GetSelectedCellRange();
    const int row = range.IsValid() ? range.GetMinRow() : -1;
    // A row the calculation could not fill is no variant either.
    if (row < m_grid.GetFixedRowCount() || m_grid.GetItemText(row, Flux).IsEmpty())
    {
        CString text;
        text.LoadString(IDS_NO_VARIANT);
        MessageBox(GetSafeHwnd(), text, AppSettings::Get().ErrorCaption(), MB_OK | MB_ICONSTOP);
        return;
    }
    circuit->m_dSpacing = ReadCell(m_grid, row, Spacing);
    circuit->m_dOutputDifference = ReadCell(m_grid, row, Missing);
    circuit->m_dHeatFlux = ReadCell(m_grid, row, Flux);
    circuit->m_dLoopLength = ReadCell(m_grid, row, Loop);
    circuit->m_dReturnTemperature = ReadCell(m_grid, row, Return);
    circuit->m_dSpread = circuit->m_dFlowTemperature - circuit->m_dReturnTemperature;
    circuit->m_dMassFlowKgPerS = ReadCell(m_grid, row, MassFlow) * 0.0002777777777777778;
    // An unknown loss leaves the stored one.
    if (!m_grid.GetItemText(row, Loss).IsEmpty())
        circuit->m_dPressureLoss = ReadCell(m_grid, row, Loss);
    circuit->m_dMeanSurfaceTemperature = ReadCell(m_grid, row, Surface);
    EndDialog(IDOK);
}

void CKalkulackaPodlah::OnDestroy()
{
    CDialog::OnDestroy();
    m_pWork.reset();
}
