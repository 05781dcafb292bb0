#pragma once
// Opens a sheet of a workbook for reading or writing through a data object.

#include "platform/core/CString.h"

class CData;

// Error display on, then the workbook ("Excel 8.0") and the table with the query.
// 0 both open (the caller closes them); -1 the workbook did not open, -2 the table did not
// open (the workbook is closed again). Each failure shows its one message.
int OpenWorkbookTable(CData& data, const CString& path, const CString& table, const CString& sql);

// A message of a string-table text with one "%s" (a path or a sheet), with the program's error
// caption and the icon, without an owner window.
void ShowWorkbookProblem(UINT textId, const CString& name, UINT icon);
