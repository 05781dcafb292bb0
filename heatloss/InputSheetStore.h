#pragma once
// Storing the input table in the sheet "SeznamV$" of the current project workbook: the sheet
// is built anew with its own columns and every row, and put in place whole.

#include "platform/core/CString.h"

#include <vector>

// One row's texts by sheet column index, in the sheet's own column order.
using InputSheetTexts = std::vector<CString>;

// Writes the rows in their order, the building row first; empty texts leave their cells
// empty. 1 when every row was written and the sheet is in place; 0 when it could not be
// (the failure has been shown; the sheet keeps its old rows).
int SaveInputSheet(const std::vector<InputSheetTexts>& rows);
