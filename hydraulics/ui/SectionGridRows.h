#pragma once
// Distribution sections as rows of the sizing grid: number, designation, pipe, flow, length,
// inserted resistances and the three losses. A section whose loss is unknown shows its loss and
// the accumulated losses of its subtree empty, on the warning colour.

class CDimenzUsek;
class CGridCtrl;

// Writes the section into a row: with insert, a row < 0 or past the end is appended. The
// columns are sized unless the caller sizes them once for a batch. Returns the row used.
int ShowRow(const CDimenzUsek& section, int row, CGridCtrl& grid, int insert, bool sizeColumns = true);

// The section and its subtree in pre-order from the row on (row < 0: every row appended), the
// accumulated-loss cell coloured by inner and end sections; the columns sized once at the end.
// Returns the row of the last section written.
int ShowTree(const CDimenzUsek& section, int row, CGridCtrl& grid, int insert);

// Sets the fixed widths of the sizing grid's columns after sizing them to their contents.
void SizeSectionColumns(CGridCtrl& grid);
