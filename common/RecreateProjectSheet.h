#pragma once
// Rewriting a whole sheet of the project workbook empty: the sheet keeps its columns and loses
// its rows. A store that writes rows goes through ProjectSheetStore, which puts the sheet in
// place only with its rows.

#include "platform/core/CString.h"

class CData;

// sheet with its "$" ("SeznamM$"). 0 when the sheet of the current project workbook is now
// empty; 1 on any failure, with the project workbook exactly as it was (a missing project
// workbook without a message).
int RecreateProjectSheet(const CString& sheet);
// The same with the columns of that sheet in the workbook columnsFrom (the project template,
// for a project of an older layout); empty: the project workbook's own.
int RecreateProjectSheetAs(const CString& sheet, const CString& columnsFrom);

// Creates in target (a workbook open without a table) the sheet with the columns of the sheet
// open in source, in their order and with their types; text columns 255 wide. The result of
// CData::CreateTable: nonzero when created.
int CreateTableColumns(CData& source, CData& target, const CString& sheet);

// The name without its last character when that is "$".
CString StripSheetSuffix(const CString& name);
