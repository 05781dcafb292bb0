#pragma once
// A design room as its row of the floor design grid: the room's columns and, when it has one,
// the columns of its current floor circuit with the row style and the marks of the limits.

class CFmtGridCtrl;
class CMistPodlahVytap;

// A row at or past the end of the grid is appended.
void FillFloorGridRow(CMistPodlahVytap& room, int row, CFmtGridCtrl& grid);
