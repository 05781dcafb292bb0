#include "floorwall/dialogs/DesignGridRows.h"

#include "floorwall/CMistPodlahVytap.h"

void FillFloorGridRow(CMistPodlahVytap& room, int row, CFmtGridCtrl& grid)
{
    room.FillFloorGridRow(row, &grid);
}
