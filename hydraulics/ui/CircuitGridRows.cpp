#include "hydraulics/ui/CircuitGridRows.h"

#include "app/common/AppSettings.h"
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

void PutText(CGridCtrl& grid, int row, int column, const CString& text)
{
    grid.SetItemText(row, column, text);
    grid.SetItemFormat(row, column, kText);
}

void PutNumber(CGridCtrl& grid, int row, int column, const char* format, double value)
{
    grid.SetItemText(row, column, WriteNumber(format, value));
    grid.SetItemFormat(row, column, kNumber);
}

void PutInteger(CGridCtrl& grid, int row, int column, int value)
{
    CString text;
    text.Format("%d", value);
    grid.SetItemText(row, column, text);
    grid.SetItemFormat(row, column, kNumber);
}

void Mark(CGridCtrl& grid, int row, int column, bool marked)
{
    if (!marked)
        return;
    grid.SetItemFgColour(row, column, Colour(2));
    grid.SetItemBkColour(row, column, Colour(1));
    grid.RedrawCell(row, column);
}
} // namespace

void FormatGridCells(const CTopnyOkruh& c, int row, CGridCtrl& grid, bool sizeGrid)
{
    row = RowFor(grid, row, "");
    // The external area belongs to the edge zone only when the row had an edge zone alone.
    const bool externalOnEdge = c.m_dEdgeAreaRead > 0.0 && !(c.m_dOccupiedAreaRead > 0.0);
    const double occupied = c.m_dOccupiedArea + (externalOnEdge ? 0.0 : c.m_dExternalAreaRead);
    const double edge = c.m_dEdgeArea + (externalOnEdge ? c.m_dExternalAreaRead : 0.0);
    PutText(grid, row, 0, c.m_strLabel);
    PutNumber(grid, row, 1, "%.2f", occupied);
    PutNumber(grid, row, 2, "%.2f", edge);
    PutNumber(grid, row, 3, "%.1f", c.m_dRequiredOutput);
    PutNumber(grid, row, 4, "%.1f", c.m_dHeatFlux);
    PutNumber(grid, row, 5, "%.3f", c.m_dSpacing);
    PutNumber(grid, row, 6, "%.1f", c.m_dMeanSurfaceTemperature);
    PutNumber(grid, row, 7, "%.1f", c.m_dLoopLength);
    PutNumber(grid, row, 8, "%.1f", c.m_dOwnSupplyLength);
    PutNumber(grid, row, 9, "%.1f", c.m_dForeignLength);
    PutNumber(grid, row, 10, "%.1f", c.m_dFlowTemperature);
    PutNumber(grid, row, 11, "%.1f", c.m_dReturnTemperature);
    PutText(grid, row, 12, c.m_strSupplyChain);
    PutText(grid, row, 13, c.m_strSupplyValues);
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
    PutText(grid, row, 0, c.m_strLabel);
    for (int column : {1, 2, 7, 8, 11, 13, 14, 28, 29})
        PutText(grid, row, column, "");
    PutNumber(grid, row, 3, "%.1f", limit);
    PutNumber(grid, row, 4, "%.1f", c.m_dMeanSurfaceTemperature);
    PutNumber(grid, row, 5, "%.1f", c.m_dFloorTemperatureValue);
    PutNumber(grid, row, 6, "%.1f", c.m_dRequiredOutput);
    PutNumber(grid, row, 9, "%9.1f", c.m_dCoveredHeat);
    PutNumber(grid, row, 10, "%.1f", c.m_dOutputDifference);
    PutNumber(grid, row, 15, "%.2f", c.m_dEdgeArea);
    PutNumber(grid, row, 16, "%.2f", c.m_dOccupiedArea);
    PutNumber(grid, row, 17, "%.1f", c.m_dHeatFlux);
    PutNumber(grid, row, 18, "%10.3f", c.m_dSpacing);
    PutNumber(grid, row, 19, "%.1f", c.m_dLoopLength);
    PutNumber(grid, row, 20, "%.1f", c.m_dOwnSupplyLength);
    PutNumber(grid, row, 21, "%.1f", c.m_dForeignLength);
    PutNumber(grid, row, 22, "%9.1f", c.m_dMeanTemperatureDifference);
    PutNumber(grid, row, 23, "%9.1f", c.m_dSpread);
    PutNumber(grid, row, 24, "%.1f", c.m_dFlowTemperature);
    PutNumber(grid, row, 25, "%.1f", c.m_dReturnTemperature);
    PutNumber(grid, row, 26, "%9.1f", flowKgPerH);
    PutNumber(grid, row, 27, "%9.1f", c.m_dPressureLoss);
    PutInteger(grid, row, 30, c.m_nManifold);
    PutText(grid, row, 34, c.m_strFormat);
    grid.RedrawRow(row);
    grid.ApplyCellFormat(row, FALSE, 34, c.m_strFormat);
    for (int column : {27, 18, 10, 26})
        grid.SetItemBkColour(row, column, Colour(3));
    Mark(grid, row, 10, c.m_dOutputDifference > 0.0);
    Mark(grid, row, 26, flowKgPerH > settings.MaxTokOkruhem);
    Mark(grid, row, 21,
         (c.m_dEdgeArea + c.m_dOccupiedArea + c.m_dExternalArea) * settings.KritPomerCizi < c.m_dExternalArea);
    Mark(grid, row, 4, limit < c.m_dMeanSurfaceTemperature);
    // A limit never set stands for 20000 Pa.
    Mark(grid, row, 27, c.m_dPressureLoss > settings.EffectiveMaxTlakZtrata());
    const bool tooLong = c.m_dOwnSupplyLength + c.m_dLoopLength > settings.MaxDelkaOkruhu;
    Mark(grid, row, 19, tooLong);
    Mark(grid, row, 20, tooLong);
}

void FormatTableCells(const CTopnyOkruh& c, CFmtGridCtrl& grid, const CString& roomText, int row)
{
    CString heading;
    heading.Format("%d", grid.GetRowCount());
    row = RowFor(grid, row, heading);
    const double flowKgPerH = c.m_dMassFlowKgPerS * 3600.0;
    PutText(grid, row, 1, roomText);
    PutText(grid, row, 2, c.m_strLabel);
    PutNumber(grid, row, 3, "%.1f", c.m_dHeatFlux);
    PutNumber(grid, row, 4, "%.1f", c.m_dDeliveredOutput);
    PutNumber(grid, row, 5, "%.2f", c.m_dEdgeArea);
    PutInteger(grid, row, 6, c.m_nElementCount);
    PutNumber(grid, row, 7, "%.2f", c.m_dOccupiedArea);
    PutNumber(grid, row, 8, "%.1f", c.m_dOwnSupplyLength);
    PutNumber(grid, row, 9, "%.1f", c.m_dLoopLength);
    PutNumber(grid, row, 10, "%.3f", flowKgPerH);
    PutNumber(grid, row, 11, "%.0f", c.m_dPressureLoss);
    PutInteger(grid, row, 12, c.m_nManifold);
    PutText(grid, row, 13, c.m_strFormat);
    grid.RedrawRow(row);
    grid.ApplyCellFormat(row, FALSE, 13, c.m_strFormat);
    Mark(grid, row, 11, c.m_dPressureLoss > 35000.0);
    Mark(grid, row, 10, flowKgPerH > AppSettings::Get().MaxTokOkruhem);
    grid.RedrawRow(row);
}
