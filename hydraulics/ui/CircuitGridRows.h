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

// The cell helpers of these rows, for the room rows of the design grids too: a number
// right-aligned in its printf format, a whole number ("%d"), a text left-aligned, and the
// warning colours on a cell whose value breaks a limit (nothing when it does not).
void PutGridNumber(CGridCtrl& grid, int row, int column, const char* format, double value);
void PutGridInteger(CGridCtrl& grid, int row, int column, int value);
void PutGridText(CGridCtrl& grid, int row, int column, const CString& text);
void MarkGridCell(CGridCtrl& grid, int row, int column, bool marked);
