#pragma once
// A grid as a test reads and clicks it: the texts below its fixed rows, the row that holds a
// text, and a notification sent to the grid's owner as the grid sends it.

#include "controls/grid/CGridCtrl.h"
#include "controls/grid/GridNotify.h"
#include "platform/core/CString.h"
#include "platform/ui/CWnd.h"

#include <vector>

// The texts of the column, row by row below the fixed rows.
inline std::vector<CString> ColumnTexts(CGridCtrl& grid, int column)
{
    std::vector<CString> texts;
    for (int row = grid.GetFixedRowCount(); row < grid.GetRowCount(); ++row)
        texts.push_back(grid.GetItemText(row, column));
    return texts;
}

// Every text below the fixed rows, row by row.
inline std::vector<std::vector<CString>> CellTexts(CGridCtrl& grid)
{
    std::vector<std::vector<CString>> cells;
    for (int row = grid.GetFixedRowCount(); row < grid.GetRowCount(); ++row)
    {
        cells.emplace_back();
        for (int column = 0; column < grid.GetColumnCount(); ++column)
            cells.back().push_back(grid.GetItemText(row, column));
    }
    return cells;
}

// The first row below the fixed rows whose cell in the column holds the text; -1 when none.
inline int RowWithText(CGridCtrl& grid, int column, const CString& text)
{
    for (int row = grid.GetFixedRowCount(); row < grid.GetRowCount(); ++row)
        if (grid.GetItemText(row, column) == text)
            return row;
    return -1;
}

// The grid's notification of a cell (a click, a double click, the start or end of an edit).
inline void NotifyGrid(CWnd& owner, CGridCtrl& grid, int gridId, UINT code, int row, int column)
{
    GridNotify notify;
    notify.hdr.hwndFrom = grid.GetSafeHwnd();
    notify.hdr.idFrom = UINT_PTR(gridId);
    notify.hdr.code = code;
    notify.iRow = row;
    notify.iColumn = column;
    owner.SendMessage(WM_NOTIFY, gridId, reinterpret_cast<LPARAM>(&notify));
}
