// The grid's focus cell, its selection and its keyboard.
#include "controls/grid/CGridCtrl.h"

#include "controls/grid/GridDispInfo.h"
#include "platform/ui/InputRouter.h"
#include "platform/ui/KeyMap.h"

#include <algorithm>
#include <vector>

namespace
{
bool IsCtrlDown()
{
    return ::GetKeyState(VK_CONTROL) < 0;
}
bool IsShiftDown()
{
    return ::GetKeyState(VK_SHIFT) < 0;
}
} // namespace

// --- Focus ----------------------------------------------------------------------------------------

CCellID CGridCtrl::SetFocusCell(CCellID cell)
{
    if (cell == m_idCurrentCell)
        return m_idCurrentCell;
    const CCellID idPrev = m_idCurrentCell;
    if (cell.row != -1 && cell.row < m_nFixedRows)
        cell.row = m_nFixedRows;
    if (cell.col != -1 && cell.col < m_nFixedCols)
        cell.col = m_nFixedCols;

    auto redrawHeadings = [this](const CCellID& changed, const CCellID& other)
    {
        if (!m_bTrackFocusCell)
            return;
        if (changed.col != other.col)
            for (int row = 0; row < m_nFixedRows; row++)
                RedrawCell(row, changed.col);
        if (changed.row != other.row)
            for (int col = 0; col < m_nFixedCols; col++)
                RedrawCell(changed.row, col);
    };

    if (IsValid(idPrev))
    {
        if (m_policy.focusNotifications)
            SendMessageToParent(idPrev.row, idPrev.col, GVN_SELCHANGING);
        SetItemState(idPrev.row, idPrev.col, GetItemState(idPrev.row, idPrev.col) & ~GVIS_FOCUSED);
        RedrawCell(idPrev);
        redrawHeadings(idPrev, cell);
    }
    m_idCurrentCell = cell;
    if (IsValid(cell))
    {
        SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) | GVIS_FOCUSED);
        RedrawCell(cell);
        redrawHeadings(cell, idPrev);
        if (m_policy.focusNotifications)
            SendMessageToParent(cell.row, cell.col, GVN_SELCHANGED);
    }
    return idPrev;
}

// --- Selection --------------------------------------------------------------------------------------

void CGridCtrl::SetSelectedRange(const CCellRange& range, BOOL bForceRepaint, BOOL bSelectCells)
{
    SetSelectedRange(range.GetMinRow(), range.GetMinCol(), range.GetMaxRow(), range.GetMaxCol(),
                     bForceRepaint, bSelectCells);
}

void CGridCtrl::SetSelectedRange(int nMinRow, int nMinCol, int nMaxRow, int nMaxCol, BOOL /*bForceRepaint*/,
                                 BOOL bSelectCells)
{
    if (!m_bEnableSelection)
        return;
    // Cells are repainted by their paint handler; a forced repaint is an invalidation as well.
    const CCellRange visible = GetVisibleCellRange();
    auto raise = [](int& index, int nFixed)
    {
        if (index >= 0 && index < nFixed)
            index = nFixed;
    };
    raise(nMinRow, m_nFixedRows);
    raise(nMaxRow, m_nFixedRows);
    raise(nMinCol, m_nFixedCols);
    raise(nMaxCol, m_nFixedCols);
    const CCellRange range(nMinRow, nMinCol, nMaxRow, nMaxCol);

    if (bSelectCells)
    {
        std::vector<CCellID> selected;
        selected.reserve(m_SelectedCellMap.size());
        for (const auto& entry : m_SelectedCellMap)
            selected.push_back(entry.second);
        for (const CCellID& cell : selected)
        {
            if (!IsValid(cell))
            {
                m_SelectedCellMap.erase(CellKey(cell.row, cell.col));
                continue;
            }
            SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) & ~GVIS_SELECTED);
            if (!range.InRange(cell) && visible.InRange(cell))
                InvalidateCellRect(cell);
        }
        if (!(m_bListMode && m_bSingleRowSelection))
        {
            if (nMinRow < 0)
                return;
            if (nMinCol >= 0 && nMaxRow >= 0 && nMaxCol >= 0)
            {
                for (const auto& entry : m_PrevSelectedCellMap)
                {
                    const CCellID& cell = entry.second;
                    if (!IsValid(cell))
                        continue;
                    SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) | GVIS_SELECTED);
                    if (visible.InRange(cell))
                        InvalidateCellRect(cell);
                }
            }
        }
    }

    if (!IsValid(range))
        return;
    for (int row = nMinRow; row <= nMaxRow; row++)
        for (int col = nMinCol; col <= nMaxCol; col++)
        {
            const UINT state = GetItemState(row, col);
            const bool bSelected = (state & GVIS_SELECTED) != 0;
            if (bSelectCells == bSelected)
                continue;
            SetItemState(row, col, bSelectCells ? (state | GVIS_SELECTED) : (state & ~GVIS_SELECTED));
            if (visible.InRange(row, col))
                InvalidateCellRect(row, col);
        }
}

CCellRange CGridCtrl::GetSelectedCellRange() const
{
    CCellRange range(m_nRows, m_nCols, -1, -1);
    for (const auto& entry : m_SelectedCellMap)
    {
        const CCellID& cell = entry.second;
        range.SetMinRow(std::min(range.GetMinRow(), cell.row));
        range.SetMinCol(std::min(range.GetMinCol(), cell.col));
        range.SetMaxRow(std::max(range.GetMaxRow(), cell.row));
        range.SetMaxCol(std::max(range.GetMaxCol(), cell.col));
    }
    return range;
}

void CGridCtrl::ResetSelectedRange()
{
    m_PrevSelectedCellMap.clear();
    SetSelectedRange(-1, -1, -1, -1);
    SetFocusCell(-1, -1);
}

void CGridCtrl::SelectEverything()
{
    if (m_bEnableSelection)
        SetSelectedRange(m_nFixedRows, m_nFixedCols, m_nRows - 1, m_nCols - 1);
}

void CGridCtrl::SelectRows(CCellID currentCell, BOOL bForceRedraw, BOOL bSelectCells)
{
    if (!m_bEnableSelection || !IsValid(currentCell) || currentCell.row < m_nFixedRows)
        return;
    if (m_bListMode && m_bSingleRowSelection)
        SetSelectedRange(currentCell.row, m_nFixedCols, currentCell.row, m_nCols - 1, bForceRedraw,
                         bSelectCells);
    else
        SetSelectedRange(std::min(m_SelectionStartCell.row, currentCell.row), m_nFixedCols,
                         std::max(m_SelectionStartCell.row, currentCell.row), m_nCols - 1, bForceRedraw,
                         bSelectCells);
}

void CGridCtrl::SelectColumnRange(CCellID currentCell, BOOL bForceRedraw, BOOL bSelectCells)
{
    if (!m_bEnableSelection || !IsValid(currentCell) || currentCell.col < m_nFixedCols)
        return;
    if (m_bSingleColSelection)
        SetSelectedRange(m_nFixedRows, currentCell.col, m_nRows - 1, currentCell.col, bForceRedraw,
                         bSelectCells);
    else
        SetSelectedRange(m_nFixedRows, std::min(m_SelectionStartCell.col, currentCell.col), m_nRows - 1,
                         std::max(m_SelectionStartCell.col, currentCell.col), bForceRedraw, bSelectCells);
}

void CGridCtrl::SelectCellRange(CCellID currentCell, BOOL bForceRedraw, BOOL bSelectCells)
{
    if (!m_bEnableSelection || !IsValid(currentCell) || currentCell.row < m_nFixedRows ||
        currentCell.col < m_nFixedCols)
        return;
    SetSelectedRange(std::min(m_SelectionStartCell.row, currentCell.row),
                     std::min(m_SelectionStartCell.col, currentCell.col),
                     std::max(m_SelectionStartCell.row, currentCell.row),
                     std::max(m_SelectionStartCell.col, currentCell.col), bForceRedraw, bSelectCells);
}

void CGridCtrl::ExtendSelectionTo(const CCellID& currentCell)
{
    if (!m_bEnableSelection)
        return;
    switch (m_MouseMode)
    {
    case MOUSE_SELECT_ALL:
        SelectEverything();
        break;
    case MOUSE_SELECT_COL:
        SelectColumnRange(currentCell, FALSE, TRUE);
        break;
    case MOUSE_SELECT_ROW:
        SelectRows(currentCell, FALSE, TRUE);
        break;
    case MOUSE_SELECT_CELLS:
        SelectCellRange(currentCell, FALSE, TRUE);
        break;
    default:
        break;
    }
}

// --- Keyboard --------------------------------------------------------------------------------------

namespace
{
// The next index from start in a direction whose size is not 0, within [low, high]; -1 when none.
template <class SizeOf> int NextVisible(int start, int step, int low, int high, SizeOf sizeOf)
{
    for (int index = start; index >= low && index <= high; index += step)
        if (sizeOf(index) > 0)
            return index;
    return -1;
}
} // namespace

void CGridCtrl::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!IsValid(m_idCurrentCell))
    {
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    const bool bCtrl = IsCtrlDown();
    const bool bShift = IsShiftDown();
    auto width = [this](int col) { return GetColumnWidth(col); };
    auto height = [this](int row) { return GetRowHeight(row); };

    if (bCtrl)
    {
        switch (nChar)
        {
        case VK_INSERT:
        case 'C':
            OnEditCopy();
            break;
        case 'A':
            OnEditSelectAll();
            break;
        case 'V':
            OnEditPaste();
            break;
        case 'X':
            OnEditCut();
            break;
        default:
            break;
        }
    }
    if (bShift && nChar == VK_INSERT)
    {
        OnEditPaste();
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }

    CCellID next = m_idCurrentCell;
    bool bWrapped = false;
    bool bHorzScrolled = false, bVertScrolled = false;
    const bool bTabForward = nChar == VK_TAB && !bShift;
    const bool bTabBack = nChar == VK_TAB && bShift;

    switch (nChar)
    {
    case VK_DELETE:
        if (!m_policy.deleteInforms)
            ReplaceCellText(m_idCurrentCell.row, m_idCurrentCell.col, _T(""));
        else if (IsValid(m_idCurrentCell) && IsCellEditable(m_idCurrentCell))
        {
            ClearCellInforming(m_idCurrentCell.row, m_idCurrentCell.col);
            RedrawCell(m_idCurrentCell);
        }
        break;
    case VK_DOWN:
        if (const int row = NextVisible(next.row + 1, 1, 0, m_nRows - 1, height); row >= 0)
            next.row = row;
        break;
    case VK_UP:
        if (const int row = NextVisible(next.row - 1, -1, m_nFixedRows, m_nRows - 1, height); row >= 0)
            next.row = row;
        break;
    case VK_RIGHT:
    case VK_TAB:
        if (nChar == VK_RIGHT || bTabForward)
        {
            if (const int col = NextVisible(next.col + 1, 1, 0, m_nCols - 1, width); col >= 0)
                next.col = col;
            else if (bTabForward)
            {
                const int row = NextVisible(next.row + 1, 1, 0, m_nRows - 1, height);
                const int col2 = NextVisible(m_nFixedCols, 1, m_nFixedCols, m_nCols - 1, width);
                if (row < 0 || col2 < 0)
                {
                    if (!m_policy.tabStopsAtEnds)
                        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
                    return;
                }
                next = CCellID(row, col2);
                bWrapped = true;
            }
            break;
        }
        [[fallthrough]];
    case VK_LEFT:
        if (const int col = NextVisible(next.col - 1, -1, m_nFixedCols, m_nCols - 1, width); col >= 0)
            next.col = col;
        else if (bTabBack)
        {
            const int row = NextVisible(next.row - 1, -1, m_nFixedRows, m_nRows - 1, height);
            const int col2 = NextVisible(m_nCols - 1, -1, m_nFixedCols, m_nCols - 1, width);
            if (row < 0 || col2 < 0)
            {
                if (!m_policy.tabStopsAtEnds)
                    CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
                return;
            }
            next = CCellID(row, col2);
            bWrapped = true;
        }
        break;
    case VK_NEXT:
    {
        const CCellID before = GetFirstScrolledCell();
        SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
        bVertScrolled = true;
        const int moved = GetFirstScrolledCell().row - before.row;
        next.row = moved > 0 ? std::min(m_nRows - 1, next.row + moved) : m_nRows - 1;
        break;
    }
    case VK_PRIOR:
    {
        const CCellID before = GetFirstScrolledCell();
        SendMessage(WM_VSCROLL, SB_PAGEUP, 0);
        bVertScrolled = true;
        const int moved = before.row - GetFirstScrolledCell().row;
        next.row = moved > 0 ? std::max(m_nFixedRows, next.row - moved) : m_nFixedRows;
        break;
    }
    case VK_HOME:
    {
        SendMessage(WM_HSCROLL, SB_LEFT, 0);
        bHorzScrolled = true;
        if (bCtrl)
        {
            SendMessage(WM_VSCROLL, SB_TOP, 0);
            bVertScrolled = true;
            next.row = m_nFixedRows;
        }
        if (const int col = NextVisible(m_nFixedCols, 1, m_nFixedCols, m_nCols - 1, width); col >= 0)
            next.col = col;
        if (const int row = NextVisible(next.row, 1, next.row, m_nRows - 1, height); row >= 0)
            next.row = row;
        break;
    }
    case VK_END:
    {
        SendMessage(WM_HSCROLL, SB_RIGHT, 0);
        bHorzScrolled = true;
        if (bCtrl)
        {
            SendMessage(WM_VSCROLL, SB_BOTTOM, 0);
            bVertScrolled = true;
            next.row = m_nRows - 1;
        }
        if (const int col = NextVisible(m_nCols - 1, -1, m_nFixedCols, m_nCols - 1, width); col >= 0)
            next.col = col;
        if (const int row = NextVisible(next.row, -1, m_nFixedRows, next.row, height); row >= 0)
            next.row = row;
        break;
    }
    case VK_F2:
        OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, CPoint(-1, -1), VK_LBUTTON);
        break;
    default:
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }

    if (next != m_idCurrentCell)
    {
        if (m_MouseMode == MOUSE_NOTHING)
        {
            m_PrevSelectedCellMap.clear();
            m_MouseMode = m_bListMode ? MOUSE_SELECT_ROW : MOUSE_SELECT_CELLS;
            if (!bShift || nChar == VK_TAB)
                m_SelectionStartCell = next;
            else if (!IsValid(m_SelectionStartCell))
                m_SelectionStartCell = m_idCurrentCell; // Shift extends from the focus cell
            ExtendSelectionTo(next);
            m_MouseMode = MOUSE_NOTHING;
        }
        SetFocusCell(next);

        if (!IsCellVisible(next))
        {
            auto hscroll = [&](UINT code)
            {
                SendMessage(WM_HSCROLL, code, 0);
                bHorzScrolled = true;
            };
            auto vscroll = [&](UINT code)
            {
                SendMessage(WM_VSCROLL, code, 0);
                bVertScrolled = true;
            };
            if (bTabForward)
            {
                if (bWrapped)
                {
                    vscroll(SB_LINEDOWN);
                    SetScrollPosition(SB_HORZ, 0);
                    bHorzScrolled = true;
                }
                else
                    hscroll(SB_LINERIGHT);
            }
            else if (bTabBack)
            {
                if (bWrapped)
                {
                    vscroll(SB_LINEUP);
                    SetScrollPosition(SB_HORZ, m_nHScrollMax);
                    bHorzScrolled = true;
                }
                else
                    hscroll(SB_LINELEFT);
            }
            else if (nChar == VK_LEFT)
                hscroll(SB_LINELEFT);
            else if (nChar == VK_UP)
                vscroll(SB_LINEUP);
            else if (nChar == VK_RIGHT)
                hscroll(SB_LINERIGHT);
            else if (nChar == VK_DOWN)
                vscroll(SB_LINEDOWN);
            EnsureVisible(next);
            Invalidate();
        }
        EnsureVisible(next);
    }

    if (bHorzScrolled)
        SendMessage(WM_HSCROLL, SB_ENDSCROLL, 0);
    if (bVertScrolled)
        SendMessage(WM_VSCROLL, SB_ENDSCROLL, 0);
}

void CGridCtrl::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (!IsCtrlDown() && m_MouseMode == MOUSE_NOTHING && nChar != VK_ESCAPE)
    {
        if (!(nChar == VK_TAB && m_bHandleTabKey))
            OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, CPoint(-1, -1), nChar);
    }
    CWnd::OnChar(nChar, nRepCnt, nFlags);
}

LRESULT CGridCtrl::OnImeChar(WPARAM wParam, LPARAM /*lParam*/)
{
    const UINT nChar = UINT(wParam);
    if (!IsCtrlDown() && m_MouseMode == MOUSE_NOTHING && nChar != VK_ESCAPE)
        OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, CPoint(-1, -1), nChar);
    return 0;
}

void CGridCtrl::OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    CWnd::OnSysKeyDown(nChar, nRepCnt, nFlags);
}

UINT CGridCtrl::OnGetDlgCode()
{
    UINT nCode = DLGC_WANTARROWS | DLGC_WANTCHARS;
    if (m_bHandleTabKey && !IsCtrlDown())
        nCode |= DLGC_WANTTAB;
    return nCode;
}

void CGridCtrl::OnEndInPlaceEdit(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    auto* pDispInfo = reinterpret_cast<GridDispInfo*>(pNMHDR);
    const GridItem& item = pDispInfo->item;
    if (!GetSafeHwnd())
        return;
    CString text = item.strText;
    if (!AcceptEditedText(item.row, item.col, text))
    {
        *pResult = -1;
        return;
    }
    OnEndEditCell(item.row, item.col, text);
    if (m_policy.editsInformOnly)
        SendMessageToParent(item.row, item.col, GVN_ENDLABELEDIT);
    const UINT nKey = UINT(item.lParam);
    if (nKey == VK_TAB || (nKey >= VK_PRIOR && nKey <= VK_DOWN))
    {
        OnKeyDown(nKey, 0, 0);
        OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, CPoint(-1, -1), nKey | GRID_EDIT_STARTED_BY_KEY);
    }
    else if (nKey == VK_RETURN && m_policy.keyAfterEnter)
        OnKeyDown(m_nKeyAfterEnter, 0, 0);
}

// --- Auto-scroll timer, capture and cursor ------------------------------------------------------

void CGridCtrl::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != GRID_AUTOSCROLL_TIMER)
        return;
    CPoint pt;
    if (!::GetCursorPos(&pt))
        return;
    ScreenToClient(&pt);
    CRect rect;
    GetClientRect(rect);
    const int nFixedRowHeight = GetFixedRowHeight();
    const int nFixedColWidth = GetFixedColumnWidth();
    const int x = std::clamp(int(pt.x), int(rect.left), int(rect.right));
    const int y = std::clamp(int(pt.y), int(rect.top), int(rect.bottom));

    if (pt.y > rect.bottom)
    {
        SendMessage(WM_KEYDOWN, VK_DOWN, 0);
        ExtendSelectionTo(GetCellFromPt(CPoint(x, rect.bottom)));
    }
    else if (pt.y < nFixedRowHeight)
    {
        SendMessage(WM_KEYDOWN, VK_UP, 0);
        ExtendSelectionTo(GetCellFromPt(CPoint(x, nFixedRowHeight + 1)));
    }
    if (pt.x > rect.right)
    {
        SendMessage(WM_KEYDOWN, VK_RIGHT, 0);
        ExtendSelectionTo(GetCellFromPt(CPoint(rect.right, y)));
    }
    else if (pt.x < nFixedColWidth)
    {
        SendMessage(WM_KEYDOWN, VK_LEFT, 0);
        ExtendSelectionTo(GetCellFromPt(CPoint(nFixedColWidth + 1, y)));
    }
}

void CGridCtrl::OnCaptureChanged(CWnd* pWnd)
{
    if (pWnd == this)
        return;
    if (m_nTimerID)
        KillTimer(m_nTimerID);
    m_nTimerID = 0;
    if (m_MouseMode == MOUSE_DRAGGING)
        m_MouseMode = MOUSE_NOTHING;
}

BOOL CGridCtrl::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest != HTCLIENT)
        return CWnd::OnSetCursor(pWnd, nHitTest, message);
    switch (m_MouseMode)
    {
    case MOUSE_OVER_ROW_DIVIDE:
        ::SetCursor(::LoadCursor(nullptr, IDC_SIZENS));
        return TRUE;
    case MOUSE_OVER_COL_DIVIDE:
        ::SetCursor(::LoadCursor(nullptr, IDC_SIZEWE));
        return TRUE;
    case MOUSE_DRAGGING:
        return TRUE;
    default:
        break;
    }
    const DWORD pos = ::GetMessagePos();
    CPoint pt(GET_X_LPARAM(pos), GET_Y_LPARAM(pos));
    ScreenToClient(&pt);
    const CCellID cell = GetCellFromPt(pt);
    CGridCell scratch;
    if (CGridCellBase* pCell = CellToUse(cell.row, cell.col, scratch))
        return pCell->OnSetCursor();
    ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
    return TRUE;
}

int CGridCtrl::ReadWheelScrollLines()
{
    UINT nLines = 3;
    if (!::SystemParametersInfo(SPI_GETWHEELSCROLLLINES, 0, &nLines, 0))
        nLines = 3;
    return int(nLines);
}
