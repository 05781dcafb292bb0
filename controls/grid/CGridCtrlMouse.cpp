// The grid's mouse: selecting, sizing rows and columns at their borders, starting edits and drags,
// heading clicks, the wheel; and the start and end of in-place editing.
#include "controls/grid/CGridCtrl.h"

#include "platform/ui/InputRouter.h"
#include "platform/ui/WaitCursor.h"

#include <algorithm>

CPoint CGridCtrl::GetPointClicked(int nRow, int nCol, const CPoint& point)
{
    CPoint origin;
    if (!GetCellTopLeft(nRow, nCol, &origin))
        return CPoint(0, 0);
    return CPoint(point.x - origin.x, point.y - origin.y);
}

BOOL CGridCtrl::IsPointInText(const CCellID& cell, CPoint point)
{
    CGridCell scratch;
    CGridCellBase* pCell = CellToUse(cell.row, cell.col, scratch);
    CRect rect;
    if (!pCell || !GetCellRect(cell, rect))
        return FALSE;
    pCell->GetTextRect(rect);
    return rect.PtInRect(point);
}

// --- Left button ----------------------------------------------------------------------------------

void CGridCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    m_TitleTip.Hide();
    SetFocus();
    m_LeftClickDownPoint = point;
    m_bLMouseButtonDown = TRUE;
    m_LeftClickDownCell = GetCellFromPt(point);
    if (!IsValid(m_LeftClickDownCell))
        return;
    const CCellID cell = m_LeftClickDownCell;
    const bool bCtrl = (nFlags & MK_CONTROL) != 0;

    if (nFlags & MK_SHIFT)
    {
        if (!IsValid(m_SelectionStartCell))
            m_SelectionStartCell = m_idCurrentCell;
    }
    else
    {
        m_SelectionStartCell = cell;
    }

    EndEditing();
    CGridCell scratch;
    if (CGridCellBase* pCell = CellToUse(cell.row, cell.col, scratch))
        pCell->OnClickDown(GetPointClicked(cell.row, cell.col, point));

    if (cell == m_idCurrentCell && !bCtrl && IsPointInText(cell, point) && IsCellEditable(cell))
    {
        m_MouseMode = MOUSE_PREPARE_EDIT;
        return;
    }

    if (IsCellSelected(cell))
    {
        if (bCtrl)
        {
            SetFocusCell(cell);
            if (m_bListMode)
                SelectRows(cell, TRUE, FALSE);
            else
                SelectCellRange(cell, TRUE, FALSE);
            return;
        }
        if (m_bAllowDragAndDrop)
            m_MouseMode = MOUSE_PREPARE_DRAG;
    }
    else if (m_MouseMode != MOUSE_OVER_COL_DIVIDE && m_MouseMode != MOUSE_OVER_ROW_DIVIDE)
    {
        SetFocusCell(-1, -1);
        if (m_nRows > m_nFixedRows && m_nCols > m_nFixedCols)
            SetFocusCell(std::max(cell.row, m_nFixedRows), std::max(cell.col, m_nFixedCols));
    }

    SetCapture();

    if (m_MouseMode == MOUSE_NOTHING)
    {
        if (m_bAllowColumnResize && IsOverColumnBorder(point))
        {
            ::SetCursor(::LoadCursor(nullptr, IDC_SIZEWE));
            m_MouseMode = MOUSE_OVER_COL_DIVIDE;
        }
        else if (m_bAllowRowResize && IsOverRowBorder(point))
        {
            ::SetCursor(::LoadCursor(nullptr, IDC_SIZENS));
            m_MouseMode = MOUSE_OVER_ROW_DIVIDE;
        }
    }

    if (m_MouseMode == MOUSE_OVER_COL_DIVIDE)
    {
        m_MouseMode = MOUSE_SIZING_COL;
        StartColumnSizing(point);
    }
    else if (m_MouseMode == MOUSE_OVER_ROW_DIVIDE)
    {
        m_MouseMode = MOUSE_SIZING_ROW;
        StartRowSizing(point);
    }
    else if (m_MouseMode != MOUSE_PREPARE_DRAG)
    {
        NotifySelectionChange(cell.row, cell.col, GVN_SELCHANGING);
        m_PrevSelectedCellMap.clear();
        if (bCtrl)
            m_PrevSelectedCellMap = m_SelectedCellMap;
        CCellID clicked = cell;
        if (cell.row < m_nFixedRows)
            SortOnHeaderClick(clicked);
        else if (cell.col < m_nFixedCols)
            OnFixedCellClick(clicked);
        else
        {
            m_MouseMode = m_bListMode ? MOUSE_SELECT_ROW : MOUSE_SELECT_CELLS;
            ExtendSelectionTo(cell);
            m_nTimerID = SetTimer(GRID_AUTOSCROLL_TIMER, UINT(m_nTimerInterval), nullptr);
        }
    }
    m_LastMousePoint = point;
}

namespace
{
// The index whose border a point at offset from the origin of the index under it sizes: the index
// itself, or the one before it when the point lies at its leading edge.
template <class SizeOf, class OriginOf>
int SizedIndex(int index, int pos, int range, int nCount, bool bUnhideHidden, SizeOf sizeOf,
               OriginOf originOf, int& origin)
{
    if (!originOf(index, origin))
        return -1;
    if (pos - origin < range && (index != nCount - 1 || sizeOf(index) >= range))
    {
        index--;
        if (!bUnhideHidden)
            while (index >= 0 && sizeOf(index) == 0)
                index--;
        if (index < 0 || !originOf(index, origin))
            return -1;
    }
    return index;
}
} // namespace

void CGridCtrl::StartColumnSizing(CPoint point)
{
    CRect visRect;
    GetVisibleCellRange(&visRect);
    int col = m_LeftClickDownCell.col;
    if (GetColumnWidth(m_nCols - 1) < m_nResizeCaptureRange &&
        std::abs(int(point.x - visRect.right)) < m_nResizeCaptureRange)
        col = m_nCols - 1;
    int origin = 0;
    col = SizedIndex(
        col, point.x, m_nResizeCaptureRange, m_nCols, m_bHiddenColUnhide,
        [this](int c) { return GetColumnWidth(c); },
        [this](int c, int& x)
        {
            CPoint p;
            if (!GetCellTopLeft(0, c, &p))
                return false;
            x = p.x;
            return true;
        },
        origin);
    if (col < 0)
    {
        m_MouseMode = MOUSE_NOTHING;
        return;
    }
    m_LeftClickDownCell.col = col;
    CRect client;
    GetClientRect(client);
    m_rcSizingLimit =
        CRect(origin + 1, client.top, origin + 1 + client.Width() - GetFixedColumnWidth(), client.bottom);
    m_nDragLine = std::clamp(int(point.x), int(m_rcSizingLimit.left), int(m_rcSizingLimit.right));
    Invalidate();
}

void CGridCtrl::StartRowSizing(CPoint point)
{
    CRect visRect;
    GetVisibleCellRange(&visRect);
    int row = m_LeftClickDownCell.row;
    if (GetRowHeight(m_nRows - 1) < m_nResizeCaptureRange &&
        std::abs(int(point.y - visRect.bottom)) < m_nResizeCaptureRange)
        row = m_nRows - 1;
    int origin = 0;
    row = SizedIndex(
        row, point.y, m_nResizeCaptureRange, m_nRows, m_bHiddenRowUnhide,
        [this](int r) { return GetRowHeight(r); },
        [this](int r, int& y)
        {
            CPoint p;
            if (!GetCellTopLeft(r, 0, &p))
                return false;
            y = p.y;
            return true;
        },
        origin);
    if (row < 0)
    {
        m_MouseMode = MOUSE_NOTHING;
        return;
    }
    m_LeftClickDownCell.row = row;
    CRect client;
    GetClientRect(client);
    m_rcSizingLimit =
        CRect(client.left, origin + 1, client.right, origin + 1 + client.Height() - GetFixedRowHeight());
    m_nDragLine = std::clamp(int(point.y), int(m_rcSizingLimit.top), int(m_rcSizingLimit.bottom));
    Invalidate();
}

CPoint CGridCtrl::ConfinedSizingPoint(CPoint point) const
{
    // The cursor cannot be confined on every platform: the point is confined instead.
    point.x = std::clamp(int(point.x), int(m_rcSizingLimit.left), int(m_rcSizingLimit.right));
    point.y = std::clamp(int(point.y), int(m_rcSizingLimit.top), int(m_rcSizingLimit.bottom));
    return point;
}

void CGridCtrl::UpdateBorderHover(CPoint point)
{
    if (m_bAllowColumnResize && IsOverColumnBorder(point))
    {
        if (m_MouseMode != MOUSE_OVER_COL_DIVIDE)
        {
            ::SetCursor(::LoadCursor(nullptr, IDC_SIZEWE));
            m_MouseMode = MOUSE_OVER_COL_DIVIDE;
        }
    }
    else if (m_bAllowRowResize && IsOverRowBorder(point))
    {
        if (m_MouseMode != MOUSE_OVER_ROW_DIVIDE)
        {
            ::SetCursor(::LoadCursor(nullptr, IDC_SIZENS));
            m_MouseMode = MOUSE_OVER_ROW_DIVIDE;
        }
    }
    else if (m_MouseMode != MOUSE_NOTHING)
    {
        ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
        m_MouseMode = MOUSE_NOTHING;
    }
}

void CGridCtrl::OnMouseMove(UINT /*nFlags*/, CPoint point)
{
    CRect client;
    GetClientRect(client);
    if (m_MouseMode != MOUSE_DRAGGING && !client.PtInRect(point))
        return;

    if (m_bLMouseButtonDown && m_MouseMode != MOUSE_NOTHING)
    {
        if (!IsValid(m_LeftClickDownCell))
        {
            m_LastMousePoint = point;
            return;
        }
        switch (m_MouseMode)
        {
        case MOUSE_SELECT_ALL:
            break;
        case MOUSE_SELECT_COL:
        case MOUSE_SELECT_ROW:
        case MOUSE_SELECT_CELLS:
        {
            const CCellID cell = GetCellFromPt(point);
            if (!IsValid(cell))
                return;
            if (cell != m_idCurrentCell)
            {
                ExtendSelectionTo(cell);
                if ((cell.row >= m_nFixedRows && cell.col >= m_nFixedCols) ||
                    m_MouseMode == MOUSE_SELECT_COL || m_MouseMode == MOUSE_SELECT_ROW)
                    SetFocusCell(cell);
            }
            break;
        }
        case MOUSE_SIZING_COL:
            m_nDragLine = ConfinedSizingPoint(point).x;
            Invalidate();
            break;
        case MOUSE_SIZING_ROW:
            m_nDragLine = ConfinedSizingPoint(point).y;
            Invalidate();
            break;
        case MOUSE_PREPARE_EDIT:
        case MOUSE_PREPARE_DRAG:
            m_MouseMode = MOUSE_PREPARE_DRAG;
            OnBeginDrag();
            break;
        default:
            break;
        }
        m_LastMousePoint = point;
        return;
    }

    UpdateBorderHover(point);
    if (!m_TitleTip.IsOverHoverRect(point))
        m_TitleTip.Hide();

    if (m_MouseMode == MOUSE_NOTHING)
    {
        const CCellID cell = GetCellFromPt(point);
        CGridCell scratch;
        if (CGridCellBase* pCell = CellToUse(cell.row, cell.col, scratch))
        {
            pCell->OnCellHook55();
            LPCTSTR szTip = pCell->GetTipText();
            CRect cellRect;
            if (m_bTitleTips && szTip && *szTip && !pCell->IsEditing() && GetCellRect(cell, cellRect))
            {
                CRect textRect = cellRect;
                pCell->GetTipTextRect(textRect);
                m_TitleTip.Show(textRect, szTip, 0, cellRect, pCell->GetFont(), m_crTTipTextClr,
                                m_crTTipBackClr);
                if (m_TitleTip.IsWindowVisible())
                {
                    // The tip goes when the pointer leaves the grid.
                    TRACKMOUSEEVENT track;
                    track.dwFlags = TME_LEAVE;
                    track.hwndTrack = GetSafeHwnd();
                    ::TrackMouseEvent(&track);
                }
            }
        }
    }
    m_LastMousePoint = point;
}

void CGridCtrl::OnMouseLeave()
{
    m_TitleTip.Hide();
}

void CGridCtrl::OnKillFocus(CWnd* pNewWnd)
{
    CWnd::OnKillFocus(pNewWnd);
    m_TitleTip.Hide();
}

void CGridCtrl::OnLButtonUp(UINT nFlags, CPoint point)
{
    CWnd::OnLButtonUp(nFlags, point);
    m_bLMouseButtonDown = FALSE;
    if (GetCapture() == this)
    {
        ReleaseCapture();
        if (m_nTimerID)
            KillTimer(m_nTimerID);
        m_nTimerID = 0;
    }

    const CPoint ptClicked = GetPointClicked(m_idCurrentCell.row, m_idCurrentCell.col, point);
    CGridCell scratch;
    switch (m_MouseMode)
    {
    case MOUSE_PREPARE_EDIT:
        OnEditCell(m_idCurrentCell.row, m_idCurrentCell.col, ptClicked, VK_LBUTTON);
        break;
    case MOUSE_PREPARE_DRAG:
        if (CGridCellBase* pCell = CellToUse(m_idCurrentCell.row, m_idCurrentCell.col, scratch))
            pCell->OnClick(ptClicked);
        SendMessageToParent(m_LeftClickDownCell.row, m_LeftClickDownCell.col, GVN_CLICK);
        NotifySelectionChange(m_LeftClickDownCell.row, m_LeftClickDownCell.col, GVN_SELCHANGING);
        ResetSelectedRange();
        NotifySelectionChange(m_idCurrentCell.row, m_idCurrentCell.col, GVN_SELCHANGED);
        break;
    case MOUSE_SIZING_COL:
    case MOUSE_SIZING_ROW:
        FinishSizing(point);
        break;
    default:
        NotifySelectionChange(m_idCurrentCell.row, m_idCurrentCell.col, GVN_SELCHANGED);
        if (CGridCellBase* pCell = CellToUse(m_idCurrentCell.row, m_idCurrentCell.col, scratch))
            pCell->OnClick(ptClicked);
        SendMessageToParent(m_LeftClickDownCell.row, m_LeftClickDownCell.col, GVN_CLICK);
        break;
    }

    m_MouseMode = MOUSE_NOTHING;
    ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
    // Releasing the capture moves the mouse where it is: a border under it is found again, so
    // that a double click there sizes the column or row.
    UpdateBorderHover(point);

    if (IsValid(m_LeftClickDownCell))
    {
        CWnd* pOwner = GetOwner();
        if (!pOwner)
            pOwner = GetParent();
        if (pOwner && ::IsWindow(pOwner->GetSafeHwnd()))
            pOwner->PostMessage(WM_COMMAND, MAKEWPARAM(WORD(GetDlgCtrlID()), 0),
                                reinterpret_cast<LPARAM>(GetSafeHwnd()));
    }
}

void CGridCtrl::FinishSizing(CPoint point)
{
    const bool bColumn = m_MouseMode == MOUSE_SIZING_COL;
    m_nDragLine = -1;
    Invalidate();
    if (point == m_LeftClickDownPoint)
        return;
    point = ConfinedSizingPoint(point);
    CPoint origin;
    if (bColumn)
    {
        if (!GetCellTopLeft(0, m_LeftClickDownCell.col, &origin))
            return;
        const int nMinimum = m_bAllowColHide ? 0 : 1;
        SetColumnWidth(m_LeftClickDownCell.col, std::max(nMinimum, int(point.x - origin.x)));
    }
    else
    {
        if (!GetCellTopLeft(m_LeftClickDownCell.row, 0, &origin))
            return;
        const int nMinimum = m_bAllowRowHide ? 0 : 1;
        SetRowHeight(m_LeftClickDownCell.row, std::max(nMinimum, int(point.y - origin.y)));
    }
    ResetScrollBars();
    Invalidate();
}

void CGridCtrl::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    const CCellID cell = GetCellFromPt(point);
    if (!IsValid(cell))
    {
        CWnd::OnLButtonDblClk(nFlags, point);
        return;
    }
    if (m_MouseMode == MOUSE_OVER_COL_DIVIDE || m_MouseMode == MOUSE_OVER_ROW_DIVIDE)
    {
        const bool bColumn = m_MouseMode == MOUSE_OVER_COL_DIVIDE;
        CPoint origin;
        if (!GetCellTopLeft(bColumn ? 0 : cell.row, bColumn ? cell.col : 0, &origin))
            return;
        int index = bColumn ? cell.col : cell.row;
        if ((bColumn ? point.x - origin.x : point.y - origin.y) < m_nResizeCaptureRange)
            index--;
        while (index >= 0 && (bColumn ? GetColumnWidth(index) : GetRowHeight(index)) == 0)
            index--;
        if (index < 0)
            return;
        if (bColumn)
            AutoSizeColumn(index, m_nAutoSizeColumnStyle, TRUE);
        else
            AutoSizeRow(index, TRUE);
        Invalidate();
    }
    else if (m_MouseMode == MOUSE_NOTHING)
    {
        const CPoint ptClicked = GetPointClicked(cell.row, cell.col, point);
        if (cell.row >= m_nFixedRows && cell.col >= m_nFixedCols && IsPointInText(cell, point) &&
            (IsValid(m_LeftClickDownCell) || m_bListMode))
            OnEditCell(cell.row, cell.col, ptClicked, VK_LBUTTON);
        CGridCell scratch;
        if (CGridCellBase* pCell = CellToUse(cell.row, cell.col, scratch))
            pCell->OnDblClick(ptClicked);
        SendMessageToParent(cell.row, cell.col, GVN_DBLCLK);
    }
    CWnd::OnLButtonDblClk(nFlags, point);
}

// --- Right button and wheel ------------------------------------------------------------------------

void CGridCtrl::OnRButtonUp(UINT nFlags, CPoint point)
{
    CWnd::OnRButtonUp(nFlags, point);
    const CCellID cell = GetCellFromPt(point);
    EndEditing();
    if (!IsValid(cell))
    {
        SendMessageToParent(-1, -1, GVN_RCLICK);
        return;
    }
    SetFocusCell(-1, -1);
    SetFocusCell(std::max(cell.row, m_nFixedRows), std::max(cell.col, m_nFixedCols));
    CGridCell scratch;
    if (CGridCellBase* pCell = CellToUse(cell.row, cell.col, scratch))
        pCell->OnRClick(GetPointClicked(cell.row, cell.col, point));
    SendMessageToParent(cell.row, cell.col, GVN_RCLICK);
}

BOOL CGridCtrl::OnMouseWheel(UINT nFlags, short zDelta, CPoint pt)
{
    // Small deltas (touchpads send less than a notch) add up until a whole line or page is reached.
    const bool bPages = m_nRowsPerWheelNotch == -1;
    const int total = m_nWheelRemainder + int(zDelta) * (bPages ? 1 : m_nRowsPerWheelNotch);
    const int steps = total / WHEEL_DELTA;
    m_nWheelRemainder = total % WHEEL_DELTA;
    const UINT code = steps > 0 ? (bPages ? SB_PAGEUP : SB_LINEUP) : (bPages ? SB_PAGEDOWN : SB_LINEDOWN);
    for (int i = 0; i < std::abs(steps); i++)
        PostMessage(WM_VSCROLL, code, 0);
    return CWnd::OnMouseWheel(nFlags, zDelta, pt);
}

// --- Fixed-cell clicks -----------------------------------------------------------------------------

void CGridCtrl::SortOnHeaderClick(CCellID& cell)
{
    if (!IsValid(cell))
        return;
    if (m_bSortOnClick)
    {
        CWaitCursor waiter;
        const BOOL bAscending = !(cell.col == m_nSortColumn && m_bAscending);
        SortByColumn(cell.col, bAscending);
        Invalidate();
    }
    if (m_bFixedRowSelection)
    {
        m_MouseMode = cell.col < m_nFixedCols ? MOUSE_SELECT_ALL : MOUSE_SELECT_COL;
        ExtendSelectionTo(cell);
    }
}

void CGridCtrl::OnFixedCellClick(CCellID& cell)
{
    if (!IsValid(cell) || !m_bFixedColumnSelection)
        return;
    m_MouseMode = cell.row < m_nFixedRows ? MOUSE_SELECT_ALL : MOUSE_SELECT_ROW;
    ExtendSelectionTo(cell);
}

// --- In-place editing ------------------------------------------------------------------------------

void CGridCtrl::OnEditCell(int nRow, int nCol, CPoint point, UINT nChar)
{
    m_TitleTip.Hide();
    const CCellID cell(nRow, nCol);
    if (!IsValid(cell) || !IsCellEditable(cell))
        return;
    EnsureVisible(cell);
    CRect rect;
    if (!IsCellVisible(cell) || !GetCellRect(cell, rect))
        return;
    if (SendMessageToParent(nRow, nCol, GVN_BEGINLABELEDIT) < 0 && !m_policy.editsInformOnly)
        return;
    // The in-place edit needs a cell object: a compact cell becomes one.
    if (CGridCellBase* pCell = GetCell(nRow, nCol))
        pCell->Edit(nRow, nCol, rect, point, IDC_INPLACE_CONTROL, nChar);
}

void CGridCtrl::OnEndEditCell(int nRow, int nCol, CString str)
{
    if (!CellRecord(nRow, nCol))
        return;
    const CString strOld = GetItemText(nRow, nCol);
    if (m_policy.editsInformOnly)
    {
        // No check and no question: the owner hears of the change afterwards.
        if (str != strOld)
        {
            SetModified(TRUE, nRow, nCol);
            StoreText(nRow, nCol, str);
            RedrawCell(nRow, nCol);
        }
    }
    else if (str != strOld)
    {
        // The owner reads the new text while it is asked; a refusal leaves the cell as it was.
        StoreText(nRow, nCol, str);
        if (ValidateEdit(nRow, nCol, str) && SendMessageToParent(nRow, nCol, GVN_ENDLABELEDIT) >= 0)
        {
            SetModified(TRUE, nRow, nCol);
            RedrawCell(nRow, nCol);
        }
        else
        {
            StoreText(nRow, nCol, strOld);
            RedrawCell(nRow, nCol);
        }
    }
    if (CGridCellBase* pCell = GetExistingCell(nRow, nCol))
        pCell->OnEndEdit();
}

BOOL CGridCtrl::ValidateEdit(int nRow, int nCol, LPCTSTR str)
{
    CGridCell scratch;
    CGridCellBase* pCell = CellToUse(nRow, nCol, scratch);
    return pCell ? pCell->ValidateEdit(str) : TRUE;
}

void CGridCtrl::EndEditing()
{
    if (CGridCellBase* pCell = GetExistingCell(m_idCurrentCell.row, m_idCurrentCell.col))
        pCell->EndEdit();
}

CImageList* CGridCtrl::CreateDragImage(CPoint* /*pHotSpot*/)
{
    // Drags show the platform's own drag feedback.
    return nullptr;
}
