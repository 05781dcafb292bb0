#pragma once
// Heating circuits as rows of the design dialogs' grids: the circuit grid of the floor
// construction, the floor design grid and the wall design grid. The cells that pass a design
// limit are marked (text colour 2 on colour 1).

#include "platform/core/CString.h"

class CGridCtrl;
class CFmtGridCtrl;
class CTopnyOkruh;

// Row < 0 or past the end appends. The grid is sized unless the caller sizes it once for a batch.
void FormatGridCells(const CTopnyOkruh& circuit, int row, CGridCtrl& grid, bool sizeGrid = true);
void FormatDesignGridRow(const CTopnyOkruh& circuit, int row, CFmtGridCtrl& grid, double roomTemperature);
void FormatTableCells(const CTopnyOkruh& circuit, CFmtGridCtrl& grid, const CString& roomText, int row);
