// The design room's rows of the floor and wall design grids.
#include "common/AppSettings.h"
#include "controls/grid/fmt/CFmtGridCtrl.h"
#include "floorwall/CMistPodlahVytap.h"
#include "hydraulics/CTopnyOkruh.h"
#include "hydraulics/ui/CircuitGridRows.h"
#include "platform/gdi/GdiTypes.h"

void CMistPodlahVytap::FillFloorGridRow(int row, CFmtGridCtrl* grid)
{
    if (row < 0 || row >= grid->GetRowCount())
        row = grid->InsertRow("", -1);
    // Texts keep the format their cells have.
    grid->SetItemText(row, 1, m_strName);
    grid->SetItemText(row, 12, m_strBuildUpName);
    PutGridNumber(*grid, row, 14, "%.2f", m_dFloorArea);
    PutGridNumber(*grid, row, 2, "%.1f", m_dRoomTemperature);
    PutGridNumber(*grid, row, 8, "%9.1f", m_dRadiatorOutput);
    PutGridInteger(*grid, row, 13, m_nCircuitCount);
    PutGridInteger(*grid, row, 11, m_nSystemType);

    const CTopnyOkruh* current = CurrentCircuit();
    if (!current)
        return;
    const CTopnyOkruh& c = *current;
    const AppSettings& settings = AppSettings::Get();
    const double surfaceLimit = m_dOccupiedArea > 0.0 ? m_dRoomTemperature + 9.0 : c.m_dMaxSurfaceTemperature;
    const double flowKgPerH = c.m_dMassFlowKgPerS * 3600.0;
    grid->SetItemText(row, 0, c.m_strLabel);
    PutGridNumber(*grid, row, 6, "%9.1f", c.m_dRequiredOutput);
    PutGridNumber(*grid, row, 7, "%9.1f", m_dFloorLoad);
    PutGridNumber(*grid, row, 18, "%.3f", c.m_dSpacing);
    PutGridNumber(*grid, row, 19, "%.1f", c.m_dLoopLength);
    PutGridNumber(*grid, row, 20, "%.1f", c.m_dOwnSupplyLength);
    PutGridNumber(*grid, row, 21, "%.1f", c.m_dForeignLength);
    PutGridNumber(*grid, row, 9, "%9.1f", c.m_dCoveredHeat);
    PutGridNumber(*grid, row, 10, "%.1f", c.m_dOutputDifference);
    PutGridNumber(*grid, row, 22, "%9.1f", c.m_dMeanTemperatureDifference);
    PutGridNumber(*grid, row, 17, "%.1f", c.m_dHeatFlux);
    PutGridNumber(*grid, row, 23, "%9.1f", c.m_dSpread);
    PutGridNumber(*grid, row, 15, "%.2f", c.m_dEdgeArea);
    PutGridNumber(*grid, row, 16, "%.2f", c.m_dOccupiedArea);
    PutGridNumber(*grid, row, 4, "%.1f", c.m_dMeanSurfaceTemperature);
    PutGridNumber(*grid, row, 3, "%.1f", surfaceLimit);
    PutGridNumber(*grid, row, 24, "%.1f", c.m_dFlowTemperature);
    PutGridNumber(*grid, row, 25, "%.1f", c.m_dReturnTemperature);
    PutGridNumber(*grid, row, 26, "%9.1f", flowKgPerH);
    PutGridNumber(*grid, row, 5, "%.1f", c.m_dFloorTemperatureValue);
    PutGridNumber(*grid, row, 27, "%.1f", c.m_dPressureLoss);
    PutGridNumber(*grid, row, 28, "%.1f", c.m_dPressureReserve);
    PutGridInteger(*grid, row, 29, c.m_nThrottling);
    PutGridInteger(*grid, row, 30, c.m_nManifold);
    PutGridNumber(*grid, row, 31, "%.2f", c.m_dEquivalentArea);
    PutGridNumber(*grid, row, 32, "%.2f", c.m_dExternalArea);
    PutGridNumber(*grid, row, 33, "%.2f", c.m_dInsulationOnlyArea);
    grid->SetItemText(row, 34, c.m_strFormat);

    grid->RedrawRow(row);
    grid->ApplyCellFormat(row, FALSE, 34, CString());
    for (int column : {27, 18, 10, 26})
    {
        grid->SetItemBkColour(row, column, settings.Colours[2]);
        grid->RedrawCell(row, column);
    }
    MarkGridCell(*grid, row, 4, surfaceLimit < c.m_dMeanSurfaceTemperature);
    MarkGridCell(*grid, row, 16, c.m_dOccupiedArea < 0.0);
    MarkGridCell(*grid, row, 27, c.m_dPressureLoss > settings.EffectiveMaxTlakZtrata());
    MarkGridCell(*grid, row, 10, c.m_dOutputDifference > 0.0);
    MarkGridCell(*grid, row, 26, flowKgPerH > settings.MaxTokOkruhem);
    MarkGridCell(*grid, row, 21,
                 (c.m_dExternalArea + c.m_dEdgeArea + c.m_dOccupiedArea) * settings.KritPomerCizi < c.m_dExternalArea);
    const bool tooLong = c.m_dLoopLength + c.m_dOwnSupplyLength > settings.MaxDelkaOkruhu;
    MarkGridCell(*grid, row, 19, tooLong);
    MarkGridCell(*grid, row, 20, tooLong);
}

void CMistPodlahVytap::FillWallGridRow(int row, CFmtGridCtrl* grid)
{
    if (row < 0 || row >= grid->GetRowCount())
    {
        CString heading;
        heading.Format("%d", grid->GetRowCount());
        row = grid->InsertRow(heading, -1);
    }
    m_dWallDifference = m_dWallLoad - m_dWallOutput;
    PutGridText(*grid, row, 1, m_strNumber);
    PutGridText(*grid, row, 2, m_strName);
    PutGridNumber(*grid, row, 3, "%.1f", m_dRoomTemperature);
    PutGridNumber(*grid, row, 4, "%.1f", m_dWallExcessTemperature);
    PutGridNumber(*grid, row, 5, "%.0f", m_dWallLoad);
    PutGridNumber(*grid, row, 6, "%.1f", m_dOwnLength);
    PutGridNumber(*grid, row, 7, "%.1f", m_dAvailableArea);
    PutGridNumber(*grid, row, 8, "%.1f", m_dRequiredWallArea);
    PutGridNumber(*grid, row, 9, "%.1f", m_dRealisedArea);
    PutGridNumber(*grid, row, 10, "%.0f", m_dWallDifference);
    grid->SetItemText(row, 11, m_strFormat);
    grid->RedrawRow(row);
    grid->ApplyCellFormat(row, FALSE, 11, CString());
    MarkGridCell(*grid, row, 10, m_dWallDifference > 0.0);
    MarkGridCell(*grid, row, 7, m_dAvailableArea < m_dRealisedArea);
}
