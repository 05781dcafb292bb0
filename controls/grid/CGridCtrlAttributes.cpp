// The grid's cell attributes, row heights and column widths, auto-sizing and fitting, the modified
// marks, the sort column and the cell tests.
#include "controls/grid/CGridCtrl.h"

#include <algorithm>
#include <cstdlib>

// --- Cell attributes ---------------------------------------------------------------------------

template <class ObjectChange, class AttributeChange>
BOOL CGridCtrl::ChangeCell(int nRow, int nCol, ObjectChange onObject, AttributeChange onAttributes)
{
    CGridCellRecord* pRecord = CellRecord(nRow, nCol);
    if (!pRecord)
        return FALSE;
    if (CGridCellBase* pCell = pRecord->GetObject())
    {
        onObject(*pCell);
        return TRUE;
    }
    CGridAttributeSets::Attributes attributes = m_attributeSets.Get(pRecord->GetAttributes());
    onAttributes(attributes);
    if (attributes == m_attributeSets.Get(pRecord->GetAttributes()))
        return TRUE;
    const std::int64_t nIndex = m_attributeSets.Find(attributes);
    if (nIndex >= 0)
        pRecord->SetAttributes(std::uint32_t(nIndex));
    else
        onObject(*MakeCellObject(nRow, nCol));
    return TRUE;
}

void CGridCtrl::StoreText(int nRow, int nCol, LPCTSTR szText)
{
    if (CGridCellRecord* pRecord = CellRecord(nRow, nCol))
    {
        if (CGridCellBase* pCell = pRecord->GetObject())
            pCell->SetText(szText);
        else
            pRecord->SetText(szText);
    }
}

BOOL CGridCtrl::SetItemText(int nRow, int nCol, LPCTSTR str)
{
    if (!CellRecord(nRow, nCol))
        return FALSE;
    StoreText(nRow, nCol, str);
    SetModified(TRUE, nRow, nCol);
    return TRUE;
}

BOOL CGridCtrl::SetItemImage(int nRow, int nCol, int iImage)
{
    if (!ChangeCell(
            nRow, nCol, [&](CGridCellBase& cell) { cell.SetImage(iImage); },
            [&](CGridAttributeSets::Attributes& attributes) { attributes.nImage = iImage; }))
        return FALSE;
    SetModified(TRUE, nRow, nCol);
    return TRUE;
}

BOOL CGridCtrl::SetItemData(int nRow, int nCol, LPARAM lParam)
{
    if (!ChangeCell(
            nRow, nCol, [&](CGridCellBase& cell) { cell.SetData(lParam); },
            [&](CGridAttributeSets::Attributes& attributes) { attributes.lParam = lParam; }))
        return FALSE;
    SetModified(TRUE, nRow, nCol);
    return TRUE;
}

BOOL CGridCtrl::SetItemState(int nRow, int nCol, UINT state)
{
    // A place outside the grid has no cell and never enters the selection.
    CGridCellRecord* pRecord = CellRecord(nRow, nCol);
    if (!pRecord)
        return FALSE;
    const bool bSelected = IsCellSelected(nRow, nCol);
    if (!bSelected && (state & GVIS_SELECTED))
        m_SelectedCellMap[CellKey(nRow, nCol)] = CCellID(nRow, nCol);
    else if (bSelected && !(state & GVIS_SELECTED))
        m_SelectedCellMap.erase(CellKey(nRow, nCol));
    if (CGridCellBase* pCell = pRecord->GetObject())
        pCell->SetState(state);
    else
        pRecord->SetState(state);
    return TRUE;
}

BOOL CGridCtrl::SetItemFormat(int nRow, int nCol, UINT nFormat)
{
    return ChangeCell(
        nRow, nCol, [&](CGridCellBase& cell) { cell.SetFormat(nFormat); },
        [&](CGridAttributeSets::Attributes& attributes) { attributes.nFormat = nFormat; });
}

BOOL CGridCtrl::SetItemBkColour(int nRow, int nCol, COLORREF cr)
{
    return ChangeCell(
        nRow, nCol, [&](CGridCellBase& cell) { cell.SetBackClr(cr); },
        [&](CGridAttributeSets::Attributes& attributes) { attributes.crBkClr = cr; });
}

BOOL CGridCtrl::SetItemFgColour(int nRow, int nCol, COLORREF cr)
{
    return ChangeCell(
        nRow, nCol, [&](CGridCellBase& cell) { cell.SetTextClr(cr); },
        [&](CGridAttributeSets::Attributes& attributes) { attributes.crFgClr = cr; });
}

BOOL CGridCtrl::SetItemFont(int nRow, int nCol, const LOGFONT* plf)
{
    return ChangeCell(
        nRow, nCol, [&](CGridCellBase& cell) { cell.SetFont(plf); },
        [&](CGridAttributeSets::Attributes& attributes)
        {
            attributes.bFont = plf != nullptr;
            attributes.lfFont = plf ? *plf : LOGFONT{};
        });
}

BOOL CGridCtrl::SetItemMargin(int nRow, int nCol, UINT nMargin)
{
    return ChangeCell(
        nRow, nCol, [&](CGridCellBase& cell) { cell.SetMargin(nMargin); },
        [&](CGridAttributeSets::Attributes& attributes) { attributes.nMargin = nMargin; });
}

BOOL CGridCtrl::SetItemMaxTextWidth(int nRow, int nCol, int nWidth)
{
    return ChangeCell(
        nRow, nCol, [&](CGridCellBase& cell) { cell.SetMaxTextWidth(nWidth); },
        [&](CGridAttributeSets::Attributes& attributes) { attributes.nMaxTextWidth = nWidth; });
}

LPCTSTR CGridCtrl::PeekItemText(int nRow, int nCol) const
{
    const CGridCellRecord* pRecord = CellRecord(nRow, nCol);
    if (!pRecord)
        return "";
    if (const CGridCellBase* pCell = pRecord->GetObject())
    {
        LPCTSTR szText = pCell->GetText();
        return szText ? szText : "";
    }
    return pRecord->GetText();
}

LPCTSTR CGridCtrl::PeekItemValueText(int nRow, int nCol) const
{
    const CGridCellRecord* pRecord = CellRecord(nRow, nCol);
    if (!pRecord)
        return nullptr;
    if (const CGridCellBase* pCell = pRecord->GetObject())
        return pCell->GetValueText();
    return pRecord->GetValueText();
}

BOOL CGridCtrl::SetItemValueText(int nRow, int nCol, LPCTSTR szValue, LPCTSTR szForText)
{
    CGridCellRecord* pRecord = CellRecord(nRow, nCol);
    if (!pRecord)
        return FALSE;
    if (CGridCellBase* pCell = pRecord->GetObject())
        pCell->KeepValue(szValue, szForText);
    else
        pRecord->KeepValue(szValue, szForText);
    return TRUE;
}

BOOL CGridCtrl::GetItemKeptValue(int nRow, int nCol, CString& value, CString& forText) const
{
    const CGridCellRecord* pRecord = CellRecord(nRow, nCol);
    if (!pRecord)
        return FALSE;
    const CGridCellBase* pCell = pRecord->GetObject();
    const LPCTSTR szValue = pCell ? pCell->GetKeptValue() : pRecord->GetKeptValue();
    if (!szValue)
        return FALSE;
    value = szValue;
    forText = pCell ? pCell->GetKeptValueText() : pRecord->GetKeptValueText();
    return TRUE;
}

CString CGridCtrl::GetItemText(int nRow, int nCol) const
{
    return CString(PeekItemText(nRow, nCol));
}

template <class T>
T CGridCtrl::ReadAttribute(int nRow, int nCol, T fallback, T (CGridCellBase::*getter)() const,
                           T CGridAttributeSets::Attributes::*member) const
{
    const CGridCellRecord* pRecord = CellRecord(nRow, nCol);
    if (!pRecord)
        return fallback;
    if (const CGridCellBase* pCell = pRecord->GetObject())
        return (pCell->*getter)();
    return m_attributeSets.Get(pRecord->GetAttributes()).*member;
}

int CGridCtrl::GetItemImage(int nRow, int nCol) const
{
    return ReadAttribute(nRow, nCol, -1, &CGridCellBase::GetImage, &CGridAttributeSets::Attributes::nImage);
}

LPARAM CGridCtrl::GetItemData(int nRow, int nCol) const
{
    return ReadAttribute(nRow, nCol, LPARAM(0), &CGridCellBase::GetData,
                         &CGridAttributeSets::Attributes::lParam);
}

UINT CGridCtrl::GetItemState(int nRow, int nCol) const
{
    const CGridCellRecord* pRecord = CellRecord(nRow, nCol);
    if (!pRecord)
        return 0;
    if (const CGridCellBase* pCell = pRecord->GetObject())
        return UINT(pCell->GetState());
    return UINT(pRecord->GetState());
}

UINT CGridCtrl::GetItemFormat(int nRow, int nCol) const
{
    CGridCell scratch;
    const CGridCellBase* pCell = CellToUse(nRow, nCol, scratch);
    return pCell ? UINT(pCell->GetFormat()) : 0;
}

COLORREF CGridCtrl::GetItemBkColour(int nRow, int nCol) const
{
    CGridCell scratch;
    const CGridCellBase* pCell = CellToUse(nRow, nCol, scratch);
    return pCell ? pCell->GetBackClr() : CLR_DEFAULT;
}

COLORREF CGridCtrl::GetItemFgColour(int nRow, int nCol) const
{
    CGridCell scratch;
    const CGridCellBase* pCell = CellToUse(nRow, nCol, scratch);
    return pCell ? pCell->GetTextClr() : CLR_DEFAULT;
}

const LOGFONT* CGridCtrl::GetItemFont(int nRow, int nCol) const
{
    const CGridCellRecord* pRecord = CellRecord(nRow, nCol);
    if (!pRecord)
        return nullptr;
    if (const CGridCellBase* pCell = pRecord->GetObject())
        return pCell->GetFont();
    const CGridAttributeSets::Attributes& attributes = m_attributeSets.Get(pRecord->GetAttributes());
    if (attributes.bFont)
        return &attributes.lfFont;
    const DWORD nState = pRecord->GetState();
    return GetDefaultCell((nState & GVIS_FIXEDROW) != 0, (nState & GVIS_FIXEDCOL) != 0)->GetFont();
}

BOOL CGridCtrl::IsItemDefaultFont(int nRow, int nCol) const
{
    const CGridCellRecord* pRecord = CellRecord(nRow, nCol);
    if (!pRecord)
        return TRUE;
    if (const CGridCellBase* pCell = pRecord->GetObject())
        return pCell->IsDefaultFont();
    return !m_attributeSets.Get(pRecord->GetAttributes()).bFont;
}

BOOL CGridCtrl::IsItemEditing(int nRow, int nCol)
{
    CGridCellBase* pCell = GetExistingCell(nRow, nCol);
    return pCell ? pCell->IsEditing() : FALSE;
}

CSize CGridCtrl::GetTextExtent(int nRow, int nCol, LPCTSTR str)
{
    CGridCell scratch;
    CGridCellBase* pCell = CellToUse(nRow, nCol, scratch);
    return pCell ? pCell->GetTextExtent(str, nullptr) : CSize(0, 0);
}

// --- Row heights and column widths ------------------------------------------------------------

int CGridCtrl::GetRowHeight(int nRow) const
{
    if (nRow < 0 || nRow >= m_nRows || nRow >= m_arRowHeights.Count())
        return -1;
    return int(m_arRowHeights.Size(nRow));
}

int CGridCtrl::GetColumnWidth(int nCol) const
{
    if (nCol < 0 || nCol >= m_nCols || nCol >= m_arColWidths.Count())
        return -1;
    return int(m_arColWidths.Size(nCol));
}

BOOL CGridCtrl::SetRowHeight(int nRow, int height)
{
    if (nRow < 0 || nRow >= m_nRows || nRow >= m_arRowHeights.Count() || height < 0)
        return FALSE;
    m_arRowHeights.Set(nRow, UINT(height));
    ResetScrollBars();
    return TRUE;
}

BOOL CGridCtrl::SetColumnWidth(int nCol, int width)
{
    if (nCol < 0 || nCol >= m_nCols || nCol >= m_arColWidths.Count() || width < 0)
        return FALSE;
    m_arColWidths.Set(nCol, UINT(width));
    ResetScrollBars();
    return TRUE;
}

int CGridCtrl::GetFixedRowHeight() const
{
    return int(m_arRowHeights.Start(m_nFixedRows));
}

int CGridCtrl::GetFixedColumnWidth() const
{
    return int(m_arColWidths.Start(m_nFixedCols));
}

long CGridCtrl::GetVirtualWidth() const
{
    return m_arColWidths.Total();
}

long CGridCtrl::GetVirtualHeight() const
{
    return m_arRowHeights.Total();
}

namespace
{
// Spreads a difference over the visible (non-zero) sizes from index first on: an equal share each,
// and the remainder one pixel each to the first positions. No size goes below 1.
void SpreadDifference(GridSizes& sizes, int first, long difference)
{
    int nVisible = 0;
    for (int i = first; i < sizes.Count(); i++)
        if (sizes.Size(i) != 0)
            nVisible++;
    if (nVisible == 0)
        return;
    const long share = difference / nVisible;
    for (int i = first; i < sizes.Count(); i++)
        if (sizes.Size(i) != 0)
            sizes.Set(i, UINT(std::max(1L, long(sizes.Size(i)) + share)));
    const long remainder = std::labs(difference) % nVisible;
    const long step = difference > 0 ? 1 : -1;
    for (long i = first; i < first + remainder && i < sizes.Count(); i++)
        if (sizes.Size(int(i)) != 0)
            sizes.Set(int(i), UINT(std::max(1L, long(sizes.Size(int(i))) + step)));
}
} // namespace

void CGridCtrl::ExpandColumnsToFit(BOOL bExpandFixed)
{
    if (bExpandFixed ? m_nCols <= 0 : m_nCols <= m_nFixedCols)
        return;
    EnableGridScrollBars(SB_HORZ, FALSE);
    CRect rect;
    GetClientRect(rect);
    const int first = bExpandFixed ? 0 : m_nFixedCols;
    SpreadDifference(m_arColWidths, first, long(rect.Width()) - GetVirtualWidth());
    Refresh();
    ResetScrollBars();
}

void CGridCtrl::ExpandRowsToFit(BOOL bExpandFixed)
{
    if (bExpandFixed ? m_nRows <= 0 : m_nRows <= m_nFixedRows)
        return;
    EnableGridScrollBars(SB_VERT, FALSE);
    CRect rect;
    GetClientRect(rect);
    const int first = bExpandFixed ? 0 : m_nFixedRows;
    SpreadDifference(m_arRowHeights, first, long(rect.Height()) - GetVirtualHeight());
    Refresh();
    ResetScrollBars();
}

void CGridCtrl::ExpandToFit(BOOL bExpandFixed)
{
    ExpandColumnsToFit(bExpandFixed);
    ExpandRowsToFit(bExpandFixed);
    ExpandColumnsToFit(bExpandFixed);
    Refresh();
}

void CGridCtrl::ExpandLastColumn()
{
    int nLast = m_nCols - 1;
    while (nLast > 0 && GetColumnWidth(nLast) == 0)
        nLast--;
    if (nLast <= 0)
        return;
    EnableGridScrollBars(SB_HORZ, FALSE);
    CRect rect;
    GetClientRect(rect);
    const long nDifference = long(rect.Width()) - GetVirtualWidth();
    if (nDifference > 0)
    {
        m_arColWidths.Set(nLast, m_arColWidths.Size(nLast) + UINT(nDifference));
        Refresh();
    }
    ResetScrollBars();
}

// --- Modified marks and the sort column --------------------------------------------------------

void CGridCtrl::SetModified(BOOL bModified, int nRow, int nCol)
{
    if (nCol < 0 || nCol == m_nSortColumn)
        SetSortColumn(-1);
    if (nRow < 0 || nCol < 0)
        m_bModified = bModified;
    else if (bModified)
    {
        SetItemState(nRow, nCol, GetItemState(nRow, nCol) | GVIS_MODIFIED);
        m_bModified = TRUE;
    }
    else
    {
        SetItemState(nRow, nCol, GetItemState(nRow, nCol) & ~GVIS_MODIFIED);
    }

    if (!m_bModified)
        for (int row = 0; row < m_nRows; row++)
            for (int col = 0; col < m_nCols; col++)
                if (const UINT nState = GetItemState(row, col); nState & GVIS_MODIFIED)
                    SetItemState(row, col, nState & ~GVIS_MODIFIED);
}

BOOL CGridCtrl::GetModified(int nRow, int nCol) const
{
    if (nRow < 0 || nCol < 0)
        return m_bModified;
    return (GetItemState(nRow, nCol) & GVIS_MODIFIED) != 0;
}

void CGridCtrl::SetSortColumn(int nCol)
{
    if (m_nSortColumn >= 0)
        InvalidateCellRect(0, m_nSortColumn);
    m_nSortColumn = nCol;
    if (nCol >= 0)
        InvalidateCellRect(0, nCol);
}

void CGridCtrl::SetRowSelectMode(BOOL bEnable)
{
    ResetSelectedRange();
    SetSortColumn(-1);
    m_bListMode = bEnable;
    m_bFixedRowSelection = FALSE;
    Refresh();
}

void CGridCtrl::SetGridLines(int nWhichLines)
{
    m_nGridLines = nWhichLines;
    Refresh();
}

void CGridCtrl::EnableSelection(BOOL bEnable)
{
    ResetSelectedRange();
    m_bEnableSelection = bEnable;
    ResetSelectedRange();
}

void CGridCtrl::Refresh()
{
    if (GetSafeHwnd() && m_bAllowDraw)
        Invalidate();
}

// --- Visibility and tests ------------------------------------------------------------------------

void CGridCtrl::EnsureVisible(int nRow, int nCol)
{
    if (!m_bAllowDraw)
        return;
    CWnd* pFocus = GetFocus();

    const CCellRange visible = GetVisibleCellRange();
    // Every loop below sends at most one scroll per column or row, and the final loops stop as soon
    // as a scroll step does not move the cell.
    int right = nCol - visible.GetMaxCol();
    for (int col = visible.GetMaxCol() + 1; right > 0 && col < m_nCols; col++, right--)
        if (GetColumnWidth(col) > 0)
            SendMessage(WM_HSCROLL, SB_LINERIGHT, 0);
    int left = visible.GetMinCol() - nCol;
    for (int col = visible.GetMinCol() - 1; left > 0 && col >= 0; col--, left--)
        if (GetColumnWidth(col) > 0)
            SendMessage(WM_HSCROLL, SB_LINELEFT, 0);
    int down = nRow - visible.GetMaxRow();
    for (int row = visible.GetMaxRow() + 1; down > 0 && row < m_nRows; row++, down--)
        if (GetRowHeight(row) > 0)
            SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
    int up = visible.GetMinRow() - nRow;
    for (int row = visible.GetMinRow() - 1; up > 0 && row >= 0; row--, up--)
        if (GetRowHeight(row) > 0)
            SendMessage(WM_VSCROLL, SB_LINEUP, 0);

    CRect rectCell, rectClient;
    GetClientRect(rectClient);
    if (GetCellRect(nRow, nCol, rectCell))
    {
        while (rectCell.right > rectClient.right && rectCell.left > GetFixedColumnWidth())
        {
            const CRect before = rectCell;
            SendMessage(WM_HSCROLL, SB_LINERIGHT, 0);
            if (!GetCellRect(nRow, nCol, rectCell) || rectCell == before)
                break;
        }
        while (rectCell.bottom > rectClient.bottom && rectCell.top > GetFixedRowHeight())
        {
            const CRect before = rectCell;
            SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
            if (!GetCellRect(nRow, nCol, rectCell) || rectCell == before)
                break;
        }
    }
    if (pFocus && pFocus != GetFocus())
        pFocus->SetFocus();
}

BOOL CGridCtrl::IsCellEditable(int nRow, int nCol) const
{
    return m_bEditable && !(GetItemState(nRow, nCol) & GVIS_READONLY);
}

BOOL CGridCtrl::IsCellSelected(int nRow, int nCol) const
{
    if (!m_bEnableSelection)
        return FALSE;
    return (GetItemState(nRow, nCol) & GVIS_SELECTED) != 0;
}

BOOL CGridCtrl::IsCellVisible(int nRow, int nCol)
{
    if (!GetSafeHwnd())
        return FALSE;
    const bool bFixedCorner = nRow < m_nFixedRows && nCol < m_nFixedCols;
    CCellID topLeft;
    if (!bFixedCorner)
    {
        topLeft = GetFirstScrolledCell();
        if ((nCol >= m_nFixedCols && nCol < topLeft.col) || (nRow >= m_nFixedRows && nRow < topLeft.row))
            return FALSE;
    }
    CRect rect;
    GetClientRect(rect);

    int x = 0;
    int firstCol = 0;
    if (nCol >= m_nFixedCols)
    {
        x = GetFixedColumnWidth();
        firstCol = topLeft.col;
    }
    for (int col = firstCol; col < nCol; col++)
    {
        x += GetColumnWidth(col);
        if (x >= rect.right)
            return FALSE;
    }
    if (x >= rect.right)
        return FALSE;

    int y = 0;
    int firstRow = 0;
    if (nRow >= m_nFixedRows)
    {
        y = GetFixedRowHeight();
        firstRow = topLeft.row;
    }
    for (int row = firstRow; row < nRow; row++)
    {
        y += GetRowHeight(row);
        if (y >= rect.bottom)
            return FALSE;
    }
    return y < rect.bottom;
}

BOOL CGridCtrl::InvalidateCellRect(int row, int col)
{
    if (!::IsWindow(GetSafeHwnd()) || !m_bAllowDraw || !IsValid(row, col) || !IsCellVisible(row, col))
        return FALSE;
    CRect rect;
    if (!GetCellRect(row, col, rect))
        return FALSE;
    rect.right++, rect.bottom++;
    InvalidateRect(rect, TRUE);
    return TRUE;
}
