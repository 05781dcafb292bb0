#include "controls/grid/CGridTreeCellBase.h"

#include "controls/grid/CGridCtrl.h"
#include "platform/ui/WinApi.h"

IMPLEMENT_DYNCREATE(CGridTreeCellBase, CGridCellBase)

namespace
{
// Tree states shown by the row images.
constexpr int kImageExpanded = 0;
constexpr int kImageCollapsed = 1;
constexpr int kImageNoChildren = 2;
} // namespace

// --- Attributes of the tree column -------------------------------------------------------------------

void CGridTreeCellBase::SetData(LPARAM lParam)
{
    if (m_pTreeColumn)
        m_pTreeColumn->SetData(lParam);
}
LPARAM CGridTreeCellBase::GetData() const { return m_pTreeColumn ? m_pTreeColumn->GetData() : 0; }
void CGridTreeCellBase::SetFormat(DWORD nFormat)
{
    if (m_pTreeColumn)
        m_pTreeColumn->SetFormat(nFormat);
}
DWORD CGridTreeCellBase::GetFormat() const { return m_pTreeColumn ? m_pTreeColumn->GetFormat() : 0; }
void CGridTreeCellBase::SetTextClr(COLORREF clr)
{
    if (m_pTreeColumn)
        m_pTreeColumn->SetTextClr(clr);
}
COLORREF CGridTreeCellBase::GetTextClr() const
{
    return m_pTreeColumn ? m_pTreeColumn->GetTextClr() : CLR_DEFAULT;
}
void CGridTreeCellBase::SetBackClr(COLORREF clr)
{
    if (m_pTreeColumn)
        m_pTreeColumn->SetBackClr(clr);
}
COLORREF CGridTreeCellBase::GetBackClr() const
{
    return m_pTreeColumn ? m_pTreeColumn->GetBackClr() : CLR_DEFAULT;
}
const LOGFONT* CGridTreeCellBase::GetFont() const { return m_pTreeColumn ? m_pTreeColumn->GetFont() : nullptr; }
CGridCtrl* CGridTreeCellBase::GetGrid() const { return m_pTreeColumn ? m_pTreeColumn->GetGrid() : nullptr; }
CWnd* CGridTreeCellBase::GetEditWnd() const { return m_pTreeColumn ? m_pTreeColumn->GetEditWnd() : nullptr; }
BOOL CGridTreeCellBase::IsDefaultFont() const { return m_pTreeColumn ? m_pTreeColumn->IsDefaultFont() : TRUE; }

void CGridTreeCellBase::SetFont(const LOGFONT* plf)
{
    if (!m_pTreeColumn)
        return;
    m_pTreeColumn->SetFont(plf);
    CGridCtrl* pGrid = GetGrid();
    if (!pGrid)
        return;
    CDC* pDC = pGrid->GetDC();
    if (!pDC)
        return;
    CFont* pOld = nullptr;
    if (CFont* pFont = GetFontObject())
        pOld = pDC->SelectObject(pFont);
    TEXTMETRIC tm;
    if (pDC->GetTextMetrics(&tm))
        m_pTreeColumn->SetIndentPerLevel(int(tm.tmHeight + tm.tmExternalLeading));
    if (pOld)
        pDC->SelectObject(pOld);
    pGrid->ReleaseDC(pDC);
}

CFont* CGridTreeCellBase::GetFontObject() const
{
    if (m_pTreeColumn)
        if (CFont* pFont = m_pTreeColumn->GetOwnFontObject())
            return pFont;
    CGridCellBase* pDefault = GetDefaultCell();
    return pDefault ? pDefault->GetFontObject() : nullptr;
}

void CGridTreeCellBase::SetMargin(UINT nMargin)
{
    CGridCtrl* pGrid = GetGrid();
    if (!pGrid)
        return;
    for (BOOL bFixedRow : {FALSE, TRUE})
        for (BOOL bFixedCol : {FALSE, TRUE})
            pGrid->GetDefaultCell(bFixedRow, bFixedCol)->SetMargin(nMargin);
}

UINT CGridTreeCellBase::GetMargin() const
{
    CGridCtrl* pGrid = GetGrid();
    return pGrid ? pGrid->GetDefaultCell(FALSE, FALSE)->GetMargin() : 0;
}

void CGridTreeCellBase::Assign(const CGridTreeCellBase& cell)
{
    m_pTreeColumn = cell.m_pTreeColumn;
    CopyFrom(cell);
    m_nLevelAndHide = cell.m_nLevelAndHide;
    m_nImage = cell.m_nImage;
}

void CGridTreeCellBase::Reset()
{
    m_nRow = m_nCol = -1;
    SetState(0);
    m_nImage = -1;
    m_bEditing = FALSE;
    m_nLevelAndHide = TREE_VIEWABLE;
}

// --- Geometry ------------------------------------------------------------------------------------------

int CGridTreeCellBase::GetTreeIndent() const
{
    const int nLevel = GetLevel();
    if (nLevel == 0 || !m_pTreeColumn)
        return 0;
    const int nLevels = m_pTreeColumn->GetTreeLines() ? nLevel : nLevel - 1;
    return m_pTreeColumn->GetIndentPerLevel() * nLevels + 2 * int(GetMargin());
}

CRect CGridTreeCellBase::GetPlusMinusRect() const
{
    const int nLevel = GetLevel();
    if (nLevel < 1 || !m_pTreeColumn)
        return CRect();
    const int w = m_pTreeColumn->GetIndentPerLevel();
    const int m = int(GetMargin());
    const int left = (nLevel - 1) * w + m + 2;
    return CRect(left, m, left + w - 2, w + m - 4);
}

BOOL CGridTreeCellBase::HitTestPlusMinus(CPoint point) const
{
    if (!m_pTreeColumn || !m_pTreeColumn->GetTreeLines() ||
        !m_pTreeColumn->TreeCellHasPlusMinus(m_nRow, nullptr, nullptr, nullptr))
        return FALSE;
    const CRect box = GetPlusMinusRect();
    return point.x >= box.left && point.x <= box.right + 2 && point.y >= box.top - 2 && point.y <= box.bottom;
}

BOOL CGridTreeCellBase::GetTextRect(LPRECT pRect)
{
    if (!m_bDrawing)
        pRect->left += GetTreeIndent();
    return CGridCellBase::GetTextRect(pRect);
}

CSize CGridTreeCellBase::GetCellExtent(CDC* pDC)
{
    CSize size = CGridCellBase::GetCellExtent(pDC);
    size.cx += GetTreeIndent();
    return size;
}

// --- Mouse -------------------------------------------------------------------------------------------

void CGridTreeCellBase::OnClickDown(CPoint point)
{
    if (HitTestPlusMinus(point))
        m_pTreeColumn->TreeExpandCollapseToggle(m_nRow);
}

bool CGridTreeCellBase::ToggleOnDblClick(CPoint point)
{
    CGridCtrl* pGrid = GetGrid();
    if (!m_pTreeColumn || !pGrid || !(IsReadOnly() || !pGrid->IsEditable()) || HitTestPlusMinus(point))
        return false;
    m_pTreeColumn->TreeExpandCollapseToggle(m_nRow);
    return true;
}

void CGridTreeCellBase::OnDblClick(CPoint point) { ToggleOnDblClick(point); }

// --- Drawing -------------------------------------------------------------------------------------------

BOOL CGridTreeCellBase::DrawTreePart(CDC* pDC, int nRow, int nCol, CRect& rect, BOOL bEraseBkgnd)
{
    CGridCtrl* pGrid = GetGrid();
    CTreeColumn* pTree = m_pTreeColumn;
    if (!pTree || !pTree->IsTreeReady() || !pGrid || !pDC || pTree->GetFixedRowCount() != pGrid->GetFixedRowCount() ||
        pTree->GetRowCount() > pGrid->GetRowCount() || rect.IsRectEmpty())
        return FALSE;
    if (nCol != pTree->GetTreeColumn())
        return TRUE;
    const int nSavedDC = pDC->SaveDC();
    if (IsViewable())
    {
        if (bEraseBkgnd)
        {
            CGridCellBase* pDefault = GetDefaultCell();
            const COLORREF back = GetBackClr() != CLR_DEFAULT ? GetBackClr() : pDefault->GetBackClr();
            pDC->FillSolidRect(CRect(rect.left, rect.top, rect.left + GetTreeIndent(), rect.bottom + 1), back);
        }
        if (pTree->GetTreeLines())
            DrawTreeLines(pDC, nRow, rect);
        else if (pTree->GetTreeUsesImages())
            ShowStateImage(nRow);
    }
    rect.left += GetTreeIndent();
    pDC->RestoreDC(nSavedDC);
    return TRUE;
}

void CGridTreeCellBase::ShowStateImage(int nRow)
{
    BOOL bPlus = FALSE, bMinus = FALSE;
    int nImage = kImageNoChildren;
    if (nRow < m_pTreeColumn->GetRowCount() && m_pTreeColumn->TreeCellHasPlusMinus(nRow, &bPlus, &bMinus, nullptr))
        nImage = bPlus ? kImageCollapsed : kImageExpanded;
    m_nImage = std::int16_t(nImage);
}

void CGridTreeCellBase::DrawTreeLines(CDC* pDC, int nRow, const CRect& rect)
{
    const int nLevel = GetLevel();
    const int w = m_pTreeColumn->GetIndentPerLevel();
    if (nLevel < 1 || w < 6)
        return;
    const int m = int(GetMargin());
    CRect bounds = rect;
    bounds.InflateRect(m, m);
    auto inside = [&](int x, int y) { return x >= bounds.left && x <= bounds.right && y >= bounds.top && y <= bounds.bottom; };
    auto line = [&](int x1, int y1, int x2, int y2)
    {
        if (!inside(x1, y1) || !inside(x2, y2))
            return;
        pDC->MoveTo(x1, y1);
        pDC->LineTo(x2, y2);
    };

    CPen pen(PS_SOLID, 1, m_pTreeColumn->GetTreeLineColor());
    pDC->SelectObject(&pen);
    CRect box = GetPlusMinusRect();
    box.OffsetRect(rect.left, rect.top);
    const int cx = (box.left + box.right) / 2;
    const int cy = (box.top + box.bottom) / 2;
    const int below = rect.bottom + 1;

    BOOL bPlus = FALSE, bMinus = FALSE, bLast = FALSE;
    const bool bChildren = m_pTreeColumn->TreeCellHasPlusMinus(nRow, &bPlus, &bMinus, &bLast) != FALSE;
    if (nRow == m_pTreeColumn->GetRowCount() - 1)
    {
        line(cx - w, rect.top, cx - w, cy);
        line(cx - w, cy, box.right, cy);
    }
    else
    {
        bool bLastSibling = bLast != FALSE;
        if (bChildren)
        {
            if (rect.PtInRect(box.TopLeft()) && rect.PtInRect(box.BottomRight()))
            {
                pDC->SelectStockObject(WHITE_BRUSH);
                pDC->Rectangle(box);
            }
            line(box.left + 2, cy, box.right - 2, cy);
            if (nLevel > 1)
                line(cx - w, cy, box.left, cy);
            if (bPlus)
                line(cx, box.top + 2, cx, box.bottom - 2);
            else
                line(cx, box.bottom, cx, below);
        }
        else if (nLevel >= 2)
        {
            line(cx - w, cy, cx, cy);
            bLastSibling = m_pTreeColumn->GetTreeLevel(nRow + 1) < nLevel;
        }
        if (nLevel > 1)
            line(cx - w, rect.top, cx - w, bLastSibling ? cy : below);
        // Lines of the ancestors that have later siblings pass by.
        int x = cx - 2 * w;
        for (int k = nLevel - 1; k >= 2; k--, x -= w)
        {
            int row = nRow + 1;
            while (row < m_pTreeColumn->GetRowCount() && m_pTreeColumn->GetTreeLevel(row) > k)
                row++;
            if (row < m_pTreeColumn->GetRowCount() && m_pTreeColumn->GetTreeLevel(row) == k &&
                m_pTreeColumn->IsTreeRowViewable(row))
                line(x, rect.top, x, below);
        }
    }
    if (m_pTreeColumn->GetTreeUsesImages())
        m_nImage = std::int16_t(bChildren ? (bPlus ? kImageCollapsed : kImageExpanded) : kImageNoChildren);
}

BOOL CGridTreeCellBase::Draw(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBkgnd)
{
    if (!DrawTreePart(pDC, nRow, nCol, rect, bEraseBkgnd))
        return FALSE;
    m_bDrawing = true;
    const BOOL bDrawn = DrawContent(pDC, nRow, nCol, rect, bEraseBkgnd);
    m_bDrawing = false;
    return bDrawn;
}

BOOL CGridTreeCellBase::DrawContent(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBkgnd)
{
    return CGridCellBase::Draw(pDC, nRow, nCol, rect, bEraseBkgnd);
}

BOOL CGridTreeCellBase::PrintCell(CDC* pDC, int nRow, int nCol, CRect rect)
{
    return Draw(pDC, nRow, nCol, rect, TRUE);
}
