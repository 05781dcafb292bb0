#include "floorwall/dialogs/CMistGridCtrl.h"

#include "common/AppSettings.h"
#include "controls/grid/CGridCellBase.h"

BEGIN_MESSAGE_MAP(CMistGridCtrl, CGridCtrl)
END_MESSAGE_MAP()

namespace
{
constexpr UINT kReadOnlyState = 8;
} // namespace

BOOL CMistGridCtrl::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_LBUTTONDOWN)
    {
        const CPoint point(short(LOWORD(pMsg->lParam)), short(HIWORD(pMsg->lParam)));
        const CCellID cell = GetCellFromPt(point, FALSE);
        if (cell.row >= 0 && cell.col >= 0)
            OnCellClick(cell.row, cell.col);
    }
    return CGridCtrl::PreTranslateMessage(pMsg);
}

void CMistGridCtrl::LockRowExcept(int row, int col)
{
    const COLORREF lockColour = AppSettings::Get().Colours[3];
    for (int c = 0; c <= GetColumnCount() - 2; ++c)
    {
        if (c == col)
            continue;
        if (CGridCellBase* cell = GetCell(row, c))
        {
            cell->SetBackClr(lockColour);
            cell->SetState(cell->GetState() | kReadOnlyState);
        }
    }
}

int CMistGridCtrl::OnCellClick(int row, int col)
{
    const int image = GetItemImage(row, col);
    if (image < 0 || image > 1)
        return 1;
    if (image == 1)
    {
        SetItemImage(row, col, 0);
        LockRowExcept(row, col);
        SetFocusCell(row, 1);
        SetSelectedRange(row, 1, row, 1);
        EnsureVisible(row, 1);
        if (GetRowCount() == 3)
        {
            const int other = 3 - row;
            SetItemImage(other, col, 1);
            LockRowExcept(other, col);
            RedrawRow(other);
        }
    }
    else
    {
        SetItemImage(row, col, 1);
        LockRowExcept(row, col);
    }
    RedrawRow(row);
    return 0;
}

int CMistGridCtrl::AppendRow(LPCTSTR heading, int position)
{
    const int row = InsertRow(heading, position);
    if (row >= 0 && GetColumnCount() >= 2)
    {
        for (int c = 0; c < GetColumnCount(); ++c)
        {
            const CGridCellBase* header = GetCell(0, c);
            CGridCellBase* cell = GetCell(row, c);
            if (header && cell)
                cell->SetFormat(header->GetFormat());
        }
    }
    return row;
}
