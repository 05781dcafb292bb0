#include "hydraulics/ui/CircuitGridRows.h"

#include "common/AppSettings.h"
#include "controls/grid/fmt/CFmtGridCtrl.h"
#include "hydraulics/CTopnyOkruh.h"
#include "hydraulics/NumberReading.h"
#include "platform/gdi/GdiTypes.h"

namespace
{
constexpr UINT kNumber = DT_RIGHT;
constexpr UINT kText = DT_LEFT;

COLORREF Colour(int number)
{
    return AppSettings::Get().Colours[std::size_t(number - 1)];
}

int RowFor(CGridCtrl& grid, int row, const CString& heading)
{
    if (row < 0 || row >= grid.GetRowCount())
        row = grid.InsertRow(heading);
    return row;
}
} // namespace

void FormatGridCells(const CTopnyOkruh& c, int row, CGridCtrl& grid, bool sizeGrid)
{
    row = RowFor(grid, row, "");
    // The external area belongs to the edge zone only when the row had an edge zone alone.
    const bool externalOnEdge = c.m_dEdgeAreaRead > 0.0 && !(c.m_dOccupiedAreaRead > 0.0);
    const double occupied = c.m_dOccupiedArea + (externalOnEdge ? 0.0 : c.m_dExternalAreaRead);
    const double edge = c.m_dEdgeArea + (externalOnEdge ? c.m_dExternalAreaRead : 0.0);
    PutGridText(grid, row, 0, c.m_strLabel);
    PutGridNumber(grid, row, 1, "%.2f", occupied);
    PutGridNumber(grid, row, 2, "%.2f", edge);
    PutGridNumber(grid, row, 3, "%.1f", c.m_dRequiredOutput);
    PutGridNumber(grid, row, 4, "%.1f", c.m_dHeatFlux);
    PutGridNumber(grid, row, 5, "%.3f", c.m_dSpacing);
    PutGridNumber(grid, row, 6, "%.1f", c.m_dMeanSurfaceTemperature);
    PutGridNumber(grid, row, 7, "%.1f", c.m_dLoopLength);
    PutGridNumber(grid, row, 8, "%.1f", c.m_dOwnSupplyLength);
    PutGridNumber(grid, row, 9, "%.1f", c.m_dForeignLength);
    PutGridNumber(grid, row, 10, "%.1f", c.m_dFlowTemperature);
    PutGridNumber(grid, row, 11, "%.1f", c.m_dReturnTemperature);
    PutGridText(grid, row, 12, c.m_strSupplyChain);
    PutGridText(grid, row, 13, c.m_strSupplyValues);
    for (int column : {0, 3, 4, 5, 6, 7, 10, 11, 12})
        grid.SetItemBkColour(row, column, Colour(4));
    const bool foreignTooLarge = (occupied + edge) * AppSettings::Get().KritPomerCizi < c.m_dExternalArea;
    grid.SetItemBkColour(row, 9, foreignTooLarge ? Colour(1) : Colour(4));
    grid.RedrawRow(row);
    if (sizeGrid)
        grid.AutoSize(3);
}

void FormatDesignGridRow(const CTopnyOkruh& c, int row, CFmtGridCtrl& grid, double roomTemperature)
{
    const AppSettings& settings = AppSettings::Get();
    row = RowFor(grid, row, "");
    const double limit = c.m_dOccupiedArea > 0.0 ? roomTemperature + 9.0 : c.m_dMaxSurfaceTemperature;
    const double flowKgPerH = c.m_dMassFlowKgPerS * 3600.0;
    PutGridText(grid, row, 0, c.m_strLabel);
    for (int column : {1, 2, 7, 8, 11, 13, 14, 28, 29})
        PutGridText(grid, row, column, "");
    PutGridNumber(grid, row, 3, "%.1f", limit);
    PutGridNumber(grid, row, 4, "%.1f", c.m_dMeanSurfaceTemperature);
    PutGridNumber(grid, row, 5, "%.1f", c.m_dFloorTemperatureValue);
    PutGridNumber(grid, row, 6, "%.1f", c.m_dRequiredOutput);
    PutGridNumber(grid, row, 9, "%9.1f", c.m_dCoveredHeat);
    PutGridNumber(grid, row, 10, "%.1f", c.m_dOutputDifference);
    PutGridNumber(grid, row, 15, "%.2f", c.m_dEdgeArea);
    PutGridNumber(grid, row, 16, "%.2f", c.m_dOccupiedArea);
    PutGridNumber(grid, row, 17, "%.1f", c.m_dHeatFlux);
    PutGridNumber(grid, row, 18, "%10.3f", c.m_dSpacing);
    PutGridNumber(grid, row, 19, "%.1f", c.m_dLoopLength);
    PutGridNumber(grid, row, 20, "%.1f", c.m_dOwnSupplyLength);
    PutGridNumber(grid, row, 21, "%.1f", c.m_dForeignLength);
    PutGridNumber(grid, row, 22, "%9.1f", c.m_dMeanTemperatureDifference);
    PutGridNumber(grid, row, 23, "%9.1f", c.m_dSpread);
    PutGridNumber(grid, row, 24, "%.1f", c.m_dFlowTemperature);
    PutGridNumber(grid, row, 25, "%.1f", c.m_dReturnTemperature);
    PutGridNumber(grid, row, 26, "%9.1f", flowKgPerH);
    PutGridNumber(grid, row, 27, "%9.1f", c.m_dPressureLoss);
    PutGridInteger(grid, row, 30, c.m_nManifold);
    PutGridText(grid, row, 34, c.m_strFormat);
    grid.RedrawRow(row);
    grid.ApplyCellFormat(row, FALSE, 34, c.m_strFormat);
    for (int column : {27, 18, 10, 26})
        grid.SetItemBkColour(row, column, Colour(3));
    MarkGridCell(grid, row, 10, c.m_dOutputDifference > 0.0);
    MarkGridCell(grid, row, 26, flowKgPerH > settings.MaxTokOkruhem);
    MarkGridCell(grid, row, 21,
         (c.m_dEdgeArea + c.m_dOccupiedArea + c.m_dExternalArea) * settings.KritPomerCizi < c.m_dExternalArea);
    MarkGridCell(grid, row, 4, limit < c.m_dMeanSurfaceTemperature);
    MarkGridCell(grid, row, 27, c.m_dPressureLoss > settings.EffectiveMaxTlakZtrata());
    const bool tooLong = c.m_dOwnSupplyLength + c.m_dLoopLength > settings.MaxDelkaOkruhu;
    MarkGridCell(grid, row, 19, tooLong);
    MarkGridCell(grid, row, 20, tooLong);
}

void FormatTableCells(const CTopnyOkruh& c, CFmtGridCtrl& grid, const CString& roomText, int row)
{
    CString heading;
    heading.Format("%d", grid.GetRowCount());
    row = RowFor(grid, row, heading);
    const double flowKgPerH = c.m_dMassFlowKgPerS * 3600.0;
    PutGridText(grid, row, 1, roomText);
    PutGridText(grid, row, 2, c.m_strLabel);
    PutGridNumber(grid, row, 3, "%.1f", c.m_dHeatFlux);
    PutGridNumber(grid, row, 4, "%.1f", c.m_dDeliveredOutput);
    PutGridNumber(grid, row, 5, "%.2f", c.m_dEdgeArea);
    PutGridInteger(grid, row, 6, c.m_nElementCount);
    PutGridNumber(grid, row, 7, "%.2f", c.m_dOccupiedArea);
    PutGridNumber(grid, row, 8, "%.1f", c.m_dOwnSupplyLength);
    PutGridNumber(grid, row, 9, "%.1f", c.m_dLoopLength);
    PutGridNumber(grid, row, 10, "%.3f", flowKgPerH);
    PutGridNumber(grid, row, 11, "%.0f", c.m_dPressureLoss);
    PutGridInteger(grid, row, 12, c.m_nManifold);
    PutGridText(grid, row, 13, c.m_strFormat);
    grid.RedrawRow(row);
    grid.ApplyCellFormat(row, FALSE, 13, c.m_strFormat);
    MarkGridCell(grid, row, 11, c.m_dPressureLoss > 35000.0);
    MarkGridCell(grid, row, 10, flowKgPerH > AppSettings::Get().MaxTokOkruhem);
    grid.RedrawRow(row);
}

void PutGridText(CGridCtrl& grid, int row, int column, const CString& text)
{
    grid.SetItemText(row, column, text);
    grid.SetItemFormat(row, column, kText);
}

void PutGridNumber(CGridCtrl& grid, int row, int column, const char* format, double value)
{
    grid.SetItemText(row, column, WriteNumber(format, value));
    grid.SetItemFormat(row, column, kNumber);
}

void PutGridInteger(CGridCtrl& grid, int row, int column, int value)
{
    CString text;
    text.Format("%d", value);
    grid.SetItemText(row, column, text);
    grid.SetItemFormat(row, column, kNumber);
}

void MarkGridCell(CGridCtrl& grid, int row, int column, bool marked)
{
    if (!marked)
        return;
    grid.SetItemFgColour(row, column, Colour(2));
    grid.SetItemBkColour(row, column, Colour(1));
    grid.RedrawCell(row, column);
}
