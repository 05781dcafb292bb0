#pragma once
// Rewriting a whole sheet of the project workbook: the workbook is rebuilt with the sheet
// empty (same columns, no rows) and put in the place of the project workbook, so that the
// writer that follows appends its rows to an empty sheet.

#include "platform/core/CString.h"

class CData;

// sheet with its "$" ("SeznamM$"). 0 when the sheet of the current project workbook is now
// empty; 1 on any failure, with the project workbook exactly as it was (the caller then
// writes nothing).
int RecreateProjectSheet(const CString& sheet);
// The same with the columns of that sheet in the workbook columnsFrom (the project template,
// for a project of an older layout).
int RecreateProjectSheetAs(const CString& sheet, const CString& columnsFrom);

// Creates in target (a workbook open without a table) the sheet with the columns of the sheet
// open in source, in their order and with their types; text columns 255 wide. The result of
// CData::CreateTable: nonzero when created.
int CreateTableColumns(CData& source, CData& target, const CString& sheet);

// The name without its last character when that is "$".
CString StripSheetSuffix(const CString& name);
