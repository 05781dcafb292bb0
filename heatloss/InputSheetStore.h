#pragma once
// Storing the input table in the sheet "SeznamV$" of the current project workbook: the sheet
// is rebuilt empty with its own columns and every row is appended anew.

#include "platform/core/CString.h"

#include <vector>

// One row's texts by sheet column index, in the sheet's own column order.
using InputSheetTexts = std::vector<CString>;

// Writes the rows in their order, the building row first; empty texts leave their cells
// empty. 1 when every row was written; 0 when the sheet could not be emptied or opened
// (the failing step has shown its message; an unemptied sheet keeps its old rows).
int SaveInputSheet(const std::vector<InputSheetTexts>& rows);
