#include "platform/dao/SheetFormatting.h"

#include <algorithm>

namespace workbook
{

int SheetFormatting::AddStyle(const CellStyle& style)
{
    const auto found = std::find(styles_.begin(), styles_.end(), style);
    if (found != styles_.end())
        return int(found - styles_.begin());
    styles_.push_back(style);
    return int(styles_.size()) - 1;
}

void SheetFormatting::SetCellStyle(int row, int col, int style)
{
    if (style < 0)
        cellStyles_.erase(Key(row, col));
    else
        cellStyles_[Key(row, col)] = style;
}

int SheetFormatting::CellStyleAt(int row, int col) const
{
    if (cellStyles_.empty())
        return -1;
    const auto found = cellStyles_.find(Key(row, col));
    return found == cellStyles_.end() ? -1 : found->second;
}

void SheetFormatting::SetColumnHidden(int col, bool hidden)
{
    if (hidden)
        hiddenColumns_.insert(col);
    else
        hiddenColumns_.erase(col);
}

void SheetFormatting::SetRowHidden(int row, bool hidden)
{
    if (hidden)
        hiddenRows_.insert(row);
    else
        hiddenRows_.erase(row);
}

} // namespace workbook
