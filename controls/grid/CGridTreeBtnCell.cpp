#include "controls/grid/CGridTreeBtnCell.h"

IMPLEMENT_DYNCREATE(CGridTreeBtnCell, CGridTreeCell)

void CGridTreeBtnCell::SetText(LPCTSTR szText)
{
    CGridTreeCell::SetText(szText);
    m_BtnCell.SetText(szText);
}

void CGridTreeBtnCell::SetCoords(int nRow, int nCol)
{
    CGridTreeCell::SetCoords(nRow, nCol);
    m_BtnCell.SetCoords(nRow, nCol);
}

void CGridTreeBtnCell::Reset()
{
    CGridTreeCell::Reset();
    const CBtnDataBase* pShared = m_BtnCell.GetBtnDataBase();
    m_BtnCell.Reset();
    m_BtnCell.SetBtnDataBase(const_cast<CBtnDataBase*>(pShared));
}

void CGridTreeBtnCell::Assign(const CGridTreeCellBase& cell)
{
    if (const auto* pBtnCell = dynamic_cast<const CGridTreeBtnCell*>(&cell))
        CopyWithBtnData(*pBtnCell);
    else
        CGridTreeCell::Assign(cell);
}

void CGridTreeBtnCell::CopyWithoutBtnData(const CGridTreeBtnCell& cell)
{
    CGridTreeCell::Assign(cell);
    m_BtnCell.Assign(cell.m_BtnCell);
    SetCoords(cell.m_nRow, cell.m_nCol);
}

void CGridTreeBtnCell::CopyWithBtnData(const CGridTreeBtnCell& cell)
{
    CopyWithoutBtnData(cell);
    m_BtnCell.SetBtnDataBase(cell.m_BtnCell.GetBtnDataBase());
}

CPoint CGridTreeBtnCell::ForButtons(CPoint point)
{
    const int nIndent = GetTreeIndent();
    m_BtnCell.SetLeftInset(nIndent);
    return CPoint(point.x - nIndent, point.y);
}

BOOL CGridTreeBtnCell::GetTextRect(LPRECT pRect)
{
    if (IsDrawing())
        return CGridCellBase::GetTextRect(pRect);
    pRect->left += GetTreeIndent();
    return m_BtnCell.GetTextRect(pRect);
}

CSize CGridTreeBtnCell::GetCellExtent(CDC* pDC)
{
    CSize size = m_BtnCell.GetCellExtent(pDC);
    size.cx += GetTreeIndent();
    return size;
}

BOOL CGridTreeBtnCell::DrawContent(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBkgnd)
{
    if (!m_BtnCell.DrawBtnCell(pDC, nRow, nCol, rect, bEraseBkgnd))
        return FALSE;
    if (rect.Width() <= 0)
        return TRUE;
    return CGridTreeCell::DrawContent(pDC, nRow, nCol, rect, bEraseBkgnd);
}

BOOL CGridTreeBtnCell::Edit(int nRow, int nCol, CRect rect, CPoint point, UINT nID, UINT nChar)
{
    const CPoint inner = ForButtons(point);
    rect.left += GetTreeIndent();
    return m_BtnCell.Edit(nRow, nCol, rect, inner, nID, nChar);
}

void CGridTreeBtnCell::EndEdit() { m_BtnCell.EndEdit(); }

void CGridTreeBtnCell::OnEndEdit() { m_BtnCell.OnEndEdit(); }

void CGridTreeBtnCell::OnClick(CPoint point) { m_BtnCell.OnClick(ForButtons(point)); }

void CGridTreeBtnCell::OnClickDown(CPoint point)
{
    if (HitTestPlusMinus(point))
        GetTreeColumn()->TreeExpandCollapseToggle(m_nRow);
    else
        m_BtnCell.OnClickDown(ForButtons(point));
}

void CGridTreeBtnCell::OnRClick(CPoint point) { m_BtnCell.OnRClick(ForButtons(point)); }

void CGridTreeBtnCell::OnDblClick(CPoint point)
{
    if (!ToggleOnDblClick(point))
        m_BtnCell.OnDblClick(ForButtons(point));
}
