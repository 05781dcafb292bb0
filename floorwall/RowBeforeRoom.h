#pragma once
// The message of a radiator or circuit row of "SeznamM$" that stands before the first room: it
// names the row as a spreadsheet shows it (the column names are row 1), what it holds and its
// label, so that the user can find it and mend the sheet.

#include "platform/core/CString.h"

class CData;

CString RowBeforeRoomMessage(CData& table, int row, int kind);
