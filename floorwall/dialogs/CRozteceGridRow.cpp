// The settings grid's row of a pipe spacing series.
#include "controls/grid/CGridCtrl.h"
#include "floorwall/CRoztece.h"

namespace
{
constexpr UINT kReadOnlyState = 8;
} // namespace

void CRoztece::FillGridRow(int row, CGridCtrl* grid) const
{
    for (int column = 1; column <= 4; ++column)
    {
        grid->SetItemText(row, column, ColumnText(column));
        grid->SetItemState(row, column, grid->GetItemState(row, column) | kReadOnlyState);
    }
    const UINT first = grid->GetItemState(row, 0);
    grid->SetItemState(row, 0, m_nSystem0072 ? (first & ~kReadOnlyState) : (first | kReadOnlyState));
    grid->SetItemImage(row, 0, GetImageIndex());
    grid->RedrawRow(row);
}
