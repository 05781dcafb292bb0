// The grid's painting, its geometry (cell rectangles, the cell under a point) and its scroll bars.
#include "controls/grid/CGridCtrl.h"

#include "controls/grid/CMemDC.h"
#include "platform/ui/CPaintDC.h"

#include <algorithm>

// --- Painting ----------------------------------------------------------------------------------

void CGridCtrl::OnPaint()
{
    CPaintDC dc(this);
    if (m_bDoubleBuffer)
    {
        CMemDC memDC(&dc);
        OnDraw(&memDC);
    }
    else
    {
        OnDraw(&dc);
    }
}

BOOL CGridCtrl::OnEraseBkgnd(CDC* /*pDC*/)
{
    return TRUE;
}

void CGridCtrl::FillGridBackground(CDC* pDC)
{
    CRect clip;
    if (pDC->GetClipBox(&clip) == ERROR)
        return;
    CRect visRect;
    GetVisibleCellRange(&visRect);
    const int W = GetFixedColumnWidth();
    const int H = GetFixedRowHeight();

    auto fill = [&](const CRect& area, COLORREF colour)
    {
        CRect part;
        if (part.IntersectRect(&area, &clip))
            pDC->FillSolidRect(part, colour);
    };
    fill(CRect(clip.left, clip.top, W, H), GetDefaultCell(TRUE, TRUE)->GetBackClr());
    fill(CRect(clip.left, H - 1, W, visRect.bottom), GetDefaultCell(FALSE, TRUE)->GetBackClr());
    fill(CRect(W - 1, clip.top, visRect.right, H), GetDefaultCell(TRUE, FALSE)->GetBackClr());
    fill(CRect(std::max(int(visRect.left), W), std::max(int(visRect.top), H), visRect.right, visRect.bottom),
         GetDefaultCell(FALSE, FALSE)->GetBackClr());
    fill(CRect(visRect.right, clip.top, clip.right, clip.bottom), m_crGridBkColour);
    fill(CRect(clip.left, visRect.bottom, visRect.right, clip.bottom), m_crGridBkColour);
}

namespace
{
// Runs over the cells of one band: rows rowFirst..rowLast from y, columns colFirst..colLast from x,
// skipping cells outside the clip box and stopping at the first row or column beyond it.
template <class DrawCell>
void ForEachCellInBand(const CGridCtrl& grid, const CRect& clip, int rowFirst, int rowLast, int y0,
                       int colFirst, int colLast, int x0, DrawCell drawCell)
{
    CRect rect;
    rect.bottom = y0 - 1;
    for (int row = rowFirst; row <= rowLast; row++)
    {
        rect.top = rect.bottom + 1;
        rect.bottom = rect.top + grid.GetRowHeight(row) - 1;
        if (rect.top > clip.bottom)
            break;
        if (rect.bottom < clip.top)
            continue;
        rect.right = x0 - 1;
        for (int col = colFirst; col <= colLast; col++)
        {
            rect.left = rect.right + 1;
            rect.right = rect.left + grid.GetColumnWidth(col) - 1;
            if (rect.left > clip.right)
                break;
            if (rect.right < clip.left)
                continue;
            drawCell(row, col, rect);
        }
    }
}
} // namespace

void CGridCtrl::OnDraw(CDC* pDC)
{
    CRect clip;
    if (!m_bAllowDraw || pDC->GetClipBox(&clip) == ERROR)
        return;
    FillGridBackground(pDC);

    const int nFixedRowHeight = GetFixedRowHeight();
    const int nFixedColWidth = GetFixedColumnWidth();
    const CCellID idTopLeft = GetFirstScrolledCell();
    CRect visRect;
    const CCellRange visible = GetVisibleCellRange(&visRect);
    const int maxRow = visible.GetMaxRow();
    const int maxCol = visible.GetMaxCol();

    CGridCell scratch;
    auto drawCell = [&](int row, int col, const CRect& rect)
    {
        if (CGridCellBase* pCell = CellToUse(row, col, scratch))
            pCell->Draw(pDC, row, col, rect, FALSE);
    };
    ForEachCellInBand(*this, clip, 0, m_nFixedRows - 1, 0, 0, m_nFixedCols - 1, 0, drawCell);
    ForEachCellInBand(*this, clip, idTopLeft.row, maxRow, nFixedRowHeight, 0, m_nFixedCols - 1, 0, drawCell);
    ForEachCellInBand(*this, clip, 0, m_nFixedRows - 1, 0, idTopLeft.col, maxCol, nFixedColWidth, drawCell);
    ForEachCellInBand(*this, clip, idTopLeft.row, maxRow, nFixedRowHeight, idTopLeft.col, maxCol,
                      nFixedColWidth, drawCell);

    CPen pen(PS_SOLID, 1, m_crGridLineColour);
    CPen* pOldPen = pDC->SelectObject(&pen);
    if (m_nGridLines == GVL_BOTH || m_nGridLines == GVL_VERT)
    {
        int x = nFixedColWidth;
        for (int col = idTopLeft.col; col <= maxCol; col++)
        {
            const int width = GetColumnWidth(col);
            if (width <= 0)
                continue;
            x += width;
            pDC->MoveTo(x - 1, nFixedRowHeight);
            pDC->LineTo(x - 1, visRect.bottom);
        }
    }
    if (m_nGridLines == GVL_BOTH || m_nGridLines == GVL_HORZ)
    {
        int y = nFixedRowHeight;
        for (int row = idTopLeft.row; row <= maxRow; row++)
        {
            const int height = GetRowHeight(row);
            if (height <= 0)
                continue;
            y += height;
            pDC->MoveTo(nFixedColWidth, y - 1);
            pDC->LineTo(visRect.right, y - 1);
        }
    }
    pDC->SelectObject(pOldPen);
    DrawSizingLine(pDC);
    pDC->SelectStockObject(NULL_PEN);
}

void CGridCtrl::DrawSizingLine(CDC* pDC)
{
    if (m_nDragLine < 0)
        return;
    CRect client;
    GetClientRect(client);
    if (m_MouseMode == MOUSE_SIZING_COL)
        pDC->InvertRect(CRect(m_nDragLine, client.top, m_nDragLine + 2, client.bottom));
    else if (m_MouseMode == MOUSE_SIZING_ROW)
        pDC->InvertRect(CRect(client.left, m_nDragLine, client.right, m_nDragLine + 2));
}

void CGridCtrl::DrawCellLines(CDC* pDC, const CRect& rect)
{
    CPen pen(PS_SOLID, 1, m_crGridLineColour);
    CPen* pOldPen = pDC->SelectObject(&pen);
    if (m_nGridLines == GVL_BOTH || m_nGridLines == GVL_HORZ)
    {
        pDC->MoveTo(rect.left, rect.bottom);
        pDC->LineTo(rect.right + 1, rect.bottom);
    }
    if (m_nGridLines == GVL_BOTH || m_nGridLines == GVL_VERT)
    {
        pDC->MoveTo(rect.right, rect.top);
        pDC->LineTo(rect.right, rect.bottom + 1);
    }
    pDC->SelectObject(pOldPen);
}

BOOL CGridCtrl::RedrawCell(int nRow, int nCol, CDC* pDC)
{
    if (!m_bAllowDraw || !IsCellVisible(nRow, nCol))
        return FALSE;
    CRect rect;
    if (!GetCellRect(nRow, nCol, rect))
        return FALSE;
    if (!pDC)
    {
        // Windows are painted only in their paint handler: the cell's area is repainted there.
        rect.right++, rect.bottom++;
        InvalidateRect(rect, TRUE);
        return TRUE;
    }
    CGridCell scratch;
    CGridCellBase* pCell = CellToUse(nRow, nCol, scratch);
    if (!pCell)
        return TRUE;
    if (pCell->IsFixed())
        return pCell->Draw(pDC, nRow, nCol, rect, FALSE);
    const BOOL bResult = pCell->Draw(pDC, nRow, nCol, rect, TRUE);
    DrawCellLines(pDC, rect);
    return bResult;
}

void CGridCtrl::InvalidateOrRedraw(int nRow, int nCol, CDC* pDC)
{
    if (pDC)
        RedrawCell(nRow, nCol, pDC);
    else
        InvalidateCellRect(nRow, nCol);
}

BOOL CGridCtrl::RedrawRow(int row)
{
    BOOL bResult = TRUE;
    for (int col = 0; col < m_nCols; col++)
        bResult = RedrawCell(row, col) && bResult;
    return bResult;
}

BOOL CGridCtrl::RedrawColumn(int col)
{
    BOOL bResult = TRUE;
    for (int row = 0; row < m_nRows; row++)
        bResult = RedrawCell(row, col) && bResult;
    return bResult;
}

void CGridCtrl::SetDrawingAllowed(BOOL bAllow, BOOL bResetScrollbars)
{
    if (bAllow && !m_bAllowDraw)
    {
        m_bAllowDraw = TRUE;
        Refresh();
    }
    m_bAllowDraw = bAllow;
    if (bResetScrollbars)
        ResetScrollBars();
}

// --- Geometry ----------------------------------------------------------------------------------

CCellID CGridCtrl::GetFirstScrolledCell(BOOL bForceRecalc)
{
    if (!bForceRecalc && m_idTopLeftCell.IsValid())
        return m_idTopLeftCell;
    const int nVertPos = GetScrollPosition(SB_VERT);
    const int nHorzPos = GetScrollPosition(SB_HORZ);

    m_idTopLeftCell = CCellID(FirstScrolledIndex(m_arRowHeights, m_nFixedRows, nVertPos),
                              FirstScrolledIndex(m_arColWidths, m_nFixedCols, nHorzPos));
    return m_idTopLeftCell;
}

// The first row or column that the scroll position has not passed, at most the last one.
int CGridCtrl::FirstScrolledIndex(const GridSizes& sizes, int nFixed, int nScrollPos)
{
    const int nLast = sizes.Count() - 1;
    if (nScrollPos <= 0 || nFixed >= nLast)
        return nFixed;
    const int index = sizes.FirstStartingAt(sizes.Start(nFixed) + nScrollPos);
    return std::max(nFixed, std::min(index, nLast));
}

// The last row or column that reaches into a client area ending at nClientEnd, from the first
// scrolled one on, and where the shown part ends (nClientEnd when the items reach it).
int CGridCtrl::LastVisibleIndex(const GridSizes& sizes, int nFixedSize, int nFirst, int nClientEnd, int& nEnd)
{
    nEnd = nFixedSize;
    if (nFirst >= sizes.Count())
        return nFirst;
    const long firstStart = sizes.Start(nFirst);
    const int index = sizes.FirstStartingAt(long(nClientEnd) - nFixedSize + firstStart);
    if (index > sizes.Count())
    {
        nEnd = int(nFixedSize + sizes.Total() - firstStart);
        return sizes.Count();
    }
    nEnd = nClientEnd;
    return std::max(nFirst, index - 1);
}

CCellRange CGridCtrl::GetVisibleCellRange(LPRECT pRect, BOOL bForceRecalc)
{
    CRect rect;
    GetClientRect(rect);
    const CCellID idTopLeft = GetFirstScrolledCell(bForceRecalc);

    int bottom = 0, right = 0;
    const int row = LastVisibleIndex(m_arRowHeights, GetFixedRowHeight(), idTopLeft.row, rect.bottom, bottom);
    const int col = LastVisibleIndex(m_arColWidths, GetFixedColumnWidth(), idTopLeft.col, rect.right, right);
    if (pRect)
        *pRect = CRect(0, 0, right, bottom);
    return CCellRange(idTopLeft.row, idTopLeft.col, std::min(row, m_nRows - 1), std::min(col, m_nCols - 1));
}

BOOL CGridCtrl::GetCellTopLeft(int nRow, int nCol, LPPOINT p)
{
    if (!IsValid(nRow, nCol))
        return FALSE;
    const CCellID idTopLeft = GetFirstScrolledCell();
    if ((nRow >= m_nFixedRows && nRow < idTopLeft.row) || (nCol >= m_nFixedCols && nCol < idTopLeft.col))
        return FALSE;

    p->x = m_arColWidths.Start(nCol);
    if (nCol >= m_nFixedCols)
        p->x += GetFixedColumnWidth() - m_arColWidths.Start(idTopLeft.col);
    p->y = m_arRowHeights.Start(nRow);
    if (nRow >= m_nFixedRows)
        p->y += GetFixedRowHeight() - m_arRowHeights.Start(idTopLeft.row);
    return TRUE;
}

BOOL CGridCtrl::GetCellRect(int nRow, int nCol, LPRECT pRect)
{
    CPoint topLeft;
    if (!GetCellTopLeft(nRow, nCol, &topLeft))
        return FALSE;
    pRect->left = topLeft.x;
    pRect->top = topLeft.y;
    pRect->right = topLeft.x + GetColumnWidth(nCol) - 1;
    pRect->bottom = topLeft.y + GetRowHeight(nRow) - 1;
    return TRUE;
}

BOOL CGridCtrl::GetRangeRect(const CCellRange& cellRange, LPRECT lpRect)
{
    CPoint minOrigin, maxOrigin;
    if (!GetCellTopLeft(cellRange.GetMinRow(), cellRange.GetMinCol(), &minOrigin) ||
        !GetCellTopLeft(cellRange.GetMaxRow(), cellRange.GetMaxCol(), &maxOrigin))
        return FALSE;
    lpRect->left = minOrigin.x;
    lpRect->top = minOrigin.y;
    lpRect->right = maxOrigin.x + GetColumnWidth(cellRange.GetMaxCol()) - 1;
    lpRect->bottom = maxOrigin.y + GetRowHeight(cellRange.GetMaxRow()) - 1;
    return TRUE;
}

namespace
{
// The index along one axis under a coordinate: -1 before the start, the fixed part's index when
// fixed cells are allowed and the coordinate lies there, else the scrolled index; -1 past the end.
int IndexAt(int pos, BOOL bAllowFixed, int nFixed, int nFirstScrolled, const GridSizes& sizes)
{
    const long nFixedSize = sizes.Start(nFixed);
    if (pos < 0 || (!bAllowFixed && pos < nFixedSize))
        return -1;
    if (pos < nFixedSize)
        return std::min(sizes.CountUpTo(pos), nFixed);
    const int index = sizes.CountUpTo(pos - nFixedSize + sizes.Start(nFirstScrolled));
    return index < sizes.Count() ? index : -1;
}
} // namespace

CCellID CGridCtrl::GetCellFromPt(CPoint point, BOOL bAllowFixedCellCheck)
{
    const CCellID idTopLeft = GetFirstScrolledCell();
    if (!bAllowFixedCellCheck && !IsValid(idTopLeft))
        return CCellID();
    CCellID cell;
    cell.col = IndexAt(point.x, bAllowFixedCellCheck, m_nFixedCols, idTopLeft.col, m_arColWidths);
    cell.row = IndexAt(point.y, bAllowFixedCellCheck, m_nFixedRows, idTopLeft.row, m_arRowHeights);
    return cell;
}

BOOL CGridCtrl::IsOverRowBorder(CPoint point)
{
    if (point.x >= GetFixedColumnWidth())
        return FALSE;
    const CCellID cell = GetCellFromPt(point);
    CPoint start;
    if (!GetCellTopLeft(cell.row, cell.col, &start))
        return FALSE;
    const int endY = start.y + GetRowHeight(cell.row);
    return (point.y - start.y < m_nResizeCaptureRange && cell.row != 0) ||
           endY - point.y < m_nResizeCaptureRange;
}

BOOL CGridCtrl::IsOverColumnBorder(CPoint point)
{
    if (point.y >= GetFixedRowHeight())
        return FALSE;
    const CCellID cell = GetCellFromPt(point);
    CPoint start;
    if (!GetCellTopLeft(cell.row, cell.col, &start))
        return FALSE;
    const int endX = start.x + GetColumnWidth(cell.col);
    return (point.x - start.x < m_nResizeCaptureRange && cell.col != 0) ||
           endX - point.x < m_nResizeCaptureRange;
}

// --- Scroll bars -------------------------------------------------------------------------------

int CGridCtrl::GetScrollPosition(int nBar, BOOL bGetTrackPos)
{
    SCROLLINFO si;
    si.cbSize = sizeof(SCROLLINFO);
    si.fMask = bGetTrackPos ? SIF_TRACKPOS : SIF_POS;
    if (!GetSafeHwnd() || !GetScrollInfo(nBar, &si, si.fMask))
        return 0;
    return bGetTrackPos ? si.nTrackPos : si.nPos;
}

BOOL CGridCtrl::SetScrollPosition(int nBar, int nPos, BOOL bRedraw)
{
    m_idTopLeftCell = CCellID();
    if (!GetSafeHwnd())
        return FALSE;
    SCROLLINFO si;
    si.cbSize = sizeof(SCROLLINFO);
    si.fMask = SIF_POS;
    si.nPos = nPos;
    return SetScrollInfo(nBar, &si, bRedraw);
}

void CGridCtrl::EnableGridScrollBars(int nBar, BOOL bEnable)
{
    constexpr int HORZ_SHOWN = 1, VERT_SHOWN = 2;
    if (!GetSafeHwnd())
        return;
    if (nBar == int(SB_HORZ) || nBar == int(SB_BOTH))
    {
        if (bool(m_nBarState & HORZ_SHOWN) != bool(bEnable))
        {
            ShowScrollBar(SB_HORZ, bEnable);
            m_nBarState ^= HORZ_SHOWN;
        }
    }
    if (nBar == int(SB_VERT) || nBar == int(SB_BOTH))
    {
        if (bool(m_nBarState & VERT_SHOWN) != bool(bEnable))
        {
            ShowScrollBar(SB_VERT, bEnable);
            m_nBarState ^= VERT_SHOWN;
        }
    }
}

void CGridCtrl::UpdateScrollBars()
{
    m_idTopLeftCell = CCellID();
    if (!m_bAllowDraw || !::IsWindow(GetSafeHwnd()))
        return;
    CRect rect;
    GetClientRect(rect);
    if (rect.IsRectEmpty())
        return;

    if (m_nBarState & 2)
        rect.right += ::GetSystemMetrics(SM_CXVSCROLL) + ::GetSystemMetrics(SM_CXBORDER);
    if (m_nBarState & 1)
        rect.bottom += ::GetSystemMetrics(SM_CYHSCROLL) + ::GetSystemMetrics(SM_CYBORDER);

    const int nFixedColWidth = GetFixedColumnWidth();
    const int nFixedRowHeight = GetFixedRowHeight();
    rect.left += nFixedColWidth;
    rect.top += nFixedRowHeight;
    if (rect.left >= rect.right || rect.top >= rect.bottom)
    {
        EnableGridScrollBars(SB_BOTH, FALSE);
        return;
    }

    const long nScrollHeight = GetVirtualHeight() - nFixedRowHeight;
    const long nScrollWidth = GetVirtualWidth() - nFixedColWidth;
    if (rect.bottom - nFixedRowHeight < nScrollHeight)
    {
        rect.right -= ::GetSystemMetrics(SM_CXVSCROLL);
        if (rect.right - nFixedColWidth < nScrollWidth)
            rect.bottom -= ::GetSystemMetrics(SM_CYHSCROLL);
    }
    else if (rect.right - nFixedColWidth < nScrollWidth)
    {
        // A horizontal bar takes height that the rows may then miss.
        rect.bottom -= ::GetSystemMetrics(SM_CYHSCROLL);
        if (rect.bottom - nFixedRowHeight < nScrollHeight)
            rect.right -= ::GetSystemMetrics(SM_CXVSCROLL);
    }

    const int nVisibleHeight = rect.bottom - nFixedRowHeight;
    const int nVisibleWidth = rect.right - nFixedColWidth;
    if (nVisibleHeight >= nScrollHeight)
    {
        EnableGridScrollBars(SB_VERT, FALSE);
        m_nVScrollMax = 0;
    }
    else
    {
        EnableGridScrollBars(SB_VERT, TRUE);
        m_nVScrollMax = int(nScrollHeight - 1);
    }
    if (nVisibleWidth >= nScrollWidth)
    {
        EnableGridScrollBars(SB_HORZ, FALSE);
        m_nHScrollMax = 0;
    }
    else
    {
        EnableGridScrollBars(SB_HORZ, TRUE);
        m_nHScrollMax = int(nScrollWidth - 1);
    }

    SCROLLINFO si;
    si.cbSize = sizeof(SCROLLINFO);
    si.fMask = SIF_PAGE | SIF_RANGE;
    si.nMin = 0;
    si.nMax = m_nHScrollMax;
    si.nPage = m_nHScrollMax > 0 ? UINT(nVisibleWidth) : 0;
    SetScrollInfo(SB_HORZ, &si, TRUE);
    si.fMask |= SIF_DISABLENOSCROLL;
    si.nMax = m_nVScrollMax;
    si.nPage = m_nVScrollMax > 0 ? UINT(nVisibleHeight) : 0;
    SetScrollInfo(SB_VERT, &si, TRUE);
}

void CGridCtrl::OnSize(UINT nType, int cx, int cy)
{
    if (m_bInOnSize || !::IsWindow(GetSafeHwnd()))
        return;
    m_bInOnSize = true;
    m_DropTarget.Register(this);
    EndEditing();
    CWnd::OnSize(nType, cx, cy);
    UpdateScrollBars();
    m_bInOnSize = false;
}

void CGridCtrl::OnHScroll(UINT nSBCode, UINT /*nPos*/, CScrollBar* /*pScrollBar*/)
{
    ScrollTo(SB_HORZ, nSBCode);
}

void CGridCtrl::OnVScroll(UINT nSBCode, UINT /*nPos*/, CScrollBar* /*pScrollBar*/)
{
    ScrollTo(SB_VERT, nSBCode);
}

void CGridCtrl::ScrollTo(int nBar, UINT nSBCode)
{
    EndEditing();
    m_TitleTip.Hide();
    const bool bHorz = nBar == int(SB_HORZ);
    const int nPos = GetScrollPosition(nBar);
    const CCellID idTopLeft = GetFirstScrolledCell();
    CRect rect;
    GetClientRect(rect);

    const int nFixed = bHorz ? m_nFixedCols : m_nFixedRows;
    const int nCount = bHorz ? m_nCols : m_nRows;
    const int nFirst = bHorz ? idTopLeft.col : idTopLeft.row;
    const int nMax = bHorz ? m_nHScrollMax : m_nVScrollMax;
    const int nFixedSize = bHorz ? GetFixedColumnWidth() : GetFixedRowHeight();
    const int nPage = (bHorz ? rect.right : rect.bottom) - nFixedSize;
    auto sizeOf = [&](int index) { return bHorz ? GetColumnWidth(index) : GetRowHeight(index); };
    const GridSizes& sizes = bHorz ? m_arColWidths : m_arRowHeights;

    CRect scrolledArea = rect;
    if (bHorz)
        scrolledArea.left = nFixedSize;
    else
        scrolledArea.top = nFixedSize;

    auto moveTo = [&](int nNewPos, bool bWholeWindow)
    {
        SetScrollPosition(nBar, nNewPos);
        if (GetScrollPosition(nBar) == nPos)
            return;
        if (bWholeWindow)
            Invalidate();
        else
            InvalidateRect(scrolledArea, TRUE);
    };

    switch (nSBCode)
    {
    case SB_LINELEFT:
        if (nPos >= 1 && nFirst > nFixed)
        {
            // The last shown row or column before the first scrolled one (hidden ones skipped).
            const long start = sizes.Start(nFirst);
            const int index = start > sizes.Start(nFixed) ? sizes.CountUpTo(start - 1) : nFixed;
            moveTo(std::max(0, nPos - sizeOf(index)), false);
        }
        break;
    case SB_LINERIGHT:
        if (nPos < nMax)
        {
            // The first shown one from the first scrolled one on.
            const int index = std::min(sizes.CountUpTo(sizes.Start(nFirst)), nCount - 1);
            if (index >= 0 && index < nCount)
                moveTo(nPos + sizeOf(index), false);
        }
        break;
    case SB_PAGELEFT:
        if (nPos >= 1)
            moveTo(std::max(0, nPos - nPage), false);
        break;
    case SB_PAGERIGHT:
        if (nPos < nMax)
            moveTo(std::min(nMax, nPos + nPage), false);
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        moveTo(GetScrollPosition(nBar, TRUE), false);
        GetFirstScrolledCell(TRUE);
        break;
    case SB_LEFT:
        if (nPos >= 1)
            moveTo(0, true);
        break;
    case SB_RIGHT:
        if (nPos < nMax)
            moveTo(nMax, true);
        break;
    default:
        break;
    }
}

// --- System colours and fonts ------------------------------------------------------------------

void CGridCtrl::OnSysColorChange()
{
    CWnd::OnSysColorChange();
    const COLORREF crWindowText = ::GetSysColor(COLOR_WINDOWTEXT);
    const COLORREF crWindow = ::GetSysColor(COLOR_WINDOW);
    for (CGridDefaultCell* pCell :
         {&m_cellDefault, &m_cellFixedColDef, &m_cellFixedRowDef, &m_cellFixedRowColDef})
    {
        if (pCell->GetTextClr() == m_crWindowText)
            pCell->SetTextClr(crWindowText);
        if (pCell->GetBackClr() == m_crWindowColour)
            pCell->SetBackClr(crWindow);
    }
    if (m_crGridBkColour == m_crShadow)
        m_crGridBkColour = ::GetSysColor(COLOR_3DSHADOW);
    m_crWindowText = crWindowText;
    m_crWindowColour = crWindow;
    m_cr3DFace = ::GetSysColor(COLOR_3DFACE);
    m_crShadow = ::GetSysColor(COLOR_3DSHADOW);
}

LRESULT CGridCtrl::OnSetFont(WPARAM hFont, LPARAM /*lParam*/)
{
    const LRESULT result = Default();
    LOGFONT lf;
    if (CFont* pFont = CFont::FromHandle(reinterpret_cast<HFONT>(hFont)); pFont && pFont->GetLogFont(&lf))
    {
        for (CGridDefaultCell* pCell :
             {&m_cellDefault, &m_cellFixedColDef, &m_cellFixedRowDef, &m_cellFixedRowColDef})
            pCell->SetFont(&lf);
    }
    Refresh();
    return result;
}

LRESULT CGridCtrl::OnGetFont(WPARAM /*hFont*/, LPARAM /*lParam*/)
{
    CFont* pFont = m_cellDefault.GetFontObject();
    return pFont ? reinterpret_cast<LRESULT>(pFont->GetSafeHandle()) : 0;
}
