#include "floorwall/dialogs/DesignGridRows.h"

#include "controls/grid/fmt/CFmtGridCtrl.h"
#include "floorwall/CMistPodlahVytap.h"
#include "hydraulics/CTopnyOkruh.h"
#include "hydraulics/NumberReading.h"
#include "hydraulics/ui/CircuitGridRows.h"
#include "platform/gdi/GdiTypes.h"

namespace
{
void PutNumber(CFmtGridCtrl& grid, int row, int column, const char* format, double value)
{
    grid.SetItemText(row, column, WriteNumber(format, value));
    grid.SetItemFormat(row, column, DT_RIGHT);
}
} // namespace

void FillFloorGridRow(CMistPodlahVytap& room, int row, CFmtGridCtrl& grid)
{
    if (row < 0 || row >= grid.GetRowCount())
        row = grid.InsertRow("", -1);
    if (CTopnyOkruh* c = room.CurrentCircuit())
    {
        FormatDesignGridRow(*c, row, grid, room.m_dRoomTemperature);
        PutNumber(grid, row, 7, "%9.1f", room.m_dFloorLoad);
        const double limit = room.m_dOccupiedArea > 0.0 ? room.m_dRoomTemperature + 9.0 : c->m_dMaxSurfaceTemperature;
        PutNumber(grid, row, 3, "%.1f", limit);
    }
    grid.SetItemText(row, 1, room.m_strName);
    grid.SetItemText(row, 12, room.m_strBuildUpName);
    PutNumber(grid, row, 14, "%.2f", room.m_dFloorArea);
    PutNumber(grid, row, 2, "%.1f", room.m_dRoomTemperature);
    PutNumber(grid, row, 8, "%9.1f", room.m_dRadiatorOutput);
    grid.SetItemText(row, 13, WriteInteger(room.m_nCircuitCount));
    grid.SetItemFormat(row, 13, DT_RIGHT);
    grid.SetItemText(row, 11, WriteInteger(room.m_nSystemType));
    grid.SetItemFormat(row, 11, DT_RIGHT);
    grid.RedrawRow(row);
}
