// Sizing columns and rows to their cells.
#include "controls/grid/CGridCtrl.h"

#include "controls/grid/CGridCell.h"
#include "controls/grid/GridColumnMeasure.h"

#include <algorithm>
#include <vector>

namespace
{
// The rows the auto-size operations measure for a style.
void MeasuredRows(UINT nStyle, int nFixedRows, int nRows, int& first, int& last)
{
    first = (nStyle & GVS_HEADER) ? 0 : nFixedRows;
    last = (nStyle & GVS_DATA) ? nRows - 1 : nFixedRows - 1;
}
} // namespace

BOOL CGridCtrl::AutoSizeColumn(int nCol, UINT nAutoSizeStyle, BOOL bResetScroll)
{
    if (nCol < 0 || nCol >= m_nCols || GetColumnWidth(nCol) < 1)
        return FALSE;
    CDC* pDC = GetDC();
    if (!pDC)
        return FALSE;
    int first = 0, last = 0;
    MeasuredRows(nAutoSizeStyle ? nAutoSizeStyle : m_nAutoSizeColumnStyle, m_nFixedRows, m_nRows, first,
                 last);
    {
        GridColumnMeasure measure(*this, *pDC);
        m_arColWidths.Set(nCol, measure.Width(nCol, first, last));
    }
    ReleaseDC(pDC);
    if (bResetScroll)
        ResetScrollBars();
    return TRUE;
}

BOOL CGridCtrl::AutoSizeRow(int nRow, BOOL bResetScroll)
{
    if (nRow < 0 || nRow >= m_nRows || GetRowHeight(nRow) < 1)
        return FALSE;
    CDC* pDC = GetDC();
    if (!pDC)
        return FALSE;
    int nHeight = 0;
    CGridCell scratch;
    for (int col = 0; col < m_nCols; col++)
        if (CGridCellBase* pCell = CellToUse(nRow, col, scratch))
            nHeight = std::max(nHeight, int(pCell->GetCellExtent(pDC).cy));
    m_arRowHeights.Set(nRow, UINT(nHeight));
    ReleaseDC(pDC);
    if (bResetScroll)
        ResetScrollBars();
    return TRUE;
}

void CGridCtrl::AutoSizeColumns(UINT nAutoSizeStyle)
{
    for (int col = 0; col < m_nCols; col++)
        if (GetColumnWidth(col) > 0)
            AutoSizeColumn(col, nAutoSizeStyle, FALSE);
    ResetScrollBars();
}

void CGridCtrl::AutoSize(UINT nAutoSizeStyle)
{
    CDC* pDC = GetDC();
    if (!pDC)
        return;
    int first = 0, last = 0;
    MeasuredRows(nAutoSizeStyle ? nAutoSizeStyle : m_nAutoSizeColumnStyle, m_nFixedRows, m_nRows, first,
                 last);

    // Each shown row measured starts at 1 and grows to its highest cell; hidden rows stay 0.
    std::vector<UINT> heights(std::size_t(std::max(0, last - first + 1)));
    for (int row = first; row <= last; row++)
        heights[std::size_t(row - first)] = m_arRowHeights.Size(row) > 0 ? 1 : 0;
    {
        GridColumnMeasure measure(*this, *pDC);
        for (int col = 0; col < m_nCols; col++)
            if (m_arColWidths.Size(col) != 0)
                m_arColWidths.Set(col, measure.Width(col, first, last, &heights));
    }
    for (int row = first; row <= last; row++)
        if (const UINT height = heights[std::size_t(row - first)]; height != m_arRowHeights.Size(row))
            m_arRowHeights.Set(row, height);
    ReleaseDC(pDC);
    ResetScrollBars();
    Refresh();
}
