#include "dataeditor/grid/CGridRowSort.h"

#include "controls/grid/CGridCtrl.h"
#include "dataeditor/document/CColumnInfo.h"
#include "dataeditor/grid/CCellSortKeys.h"

bool CGridRowSort::SortRows(CGridCtrl& grid, int col, bool ascending, const CColumnInfo* description, int low,
                            int high)
{
    if (col < 0 || col >= grid.GetColumnCount())
        return false;
    if (high == -1)
        high = grid.GetRowCount() - 1;
    if (low < 0 || low >= high || high >= grid.GetRowCount())
        return false;
    const auto text = [&grid, low, col](int i) { return std::string_view(grid.PeekItemText(low + i, col)); };
    const CCellSortKeys keys(high - low + 1, text, description, CCollationAlphabet::OfLanguagePack());
    return grid.ReorderRows(low, keys.Order(ascending));
}

bool CGridRowSort::SortRowsByIndex(CGridCtrl& grid, int low, int high)
{
    const CColumnInfo index(4, 4, 0);
    return SortRows(grid, 0, true, &index, low, high);
}
