#include "controls/grid/CGridBtnCellCombo.h"

#include "controls/grid/CGridCtrl.h"
#include "controls/grid/CInPlaceList.h"

IMPLEMENT_DYNCREATE(CGridBtnCellCombo, CGridBtnCell)

void CGridBtnCellCombo::Reset()
{
    CGridBtnCell::Reset();
    m_dwComboStyle = CBS_SIMPLE;
    m_Strings.RemoveAll();
}

void CGridBtnCellCombo::Assign(const CGridBtnCellBase& cell)
{
    CGridBtnCell::Assign(cell);
    if (const auto* pCombo = dynamic_cast<const CGridBtnCellCombo*>(&cell))
    {
        m_dwComboStyle = pCombo->m_dwComboStyle;
        m_Strings.Copy(pCombo->m_Strings);
    }
}

bool CGridBtnCellCombo::IsDropDownArrow(int nIndex) const
{
    return nIndex >= 0 && GetBtnDrawType(nIndex) == DFC_SCROLL && (GetBtnDrawState(nIndex) & DFCS_SCROLLDOWN);
}

bool CGridBtnCellCombo::MayEdit() const
{
    CGridCtrl* pGrid = GetGrid();
    return pGrid && !IsReadOnly() && pGrid->IsCellEditable(m_nRow, m_nCol);
}

void CGridBtnCellCombo::OnClick(CPoint point)
{
    if (!IsDropDownArrow(HitTestBtn(point)))
    {
        CGridBtnCell::OnClick(point);
        return;
    }
    CRect rect;
    CGridCtrl* pGrid = GetGrid();
    if (!MayEdit() || !pGrid->GetCellRect(m_nRow, m_nCol, rect) ||
        SendMessageToParent(m_nRow, m_nCol, GVN_BEGINLABELEDIT) < 0 ||
        !Edit(m_nRow, m_nCol, rect, point, IDC_INPLACE_CONTROL, GRID_EDIT_BY_MOUSE))
        ReleaseButtons();
}

BOOL CGridBtnCellCombo::Edit(int nRow, int nCol, CRect rect, CPoint point, UINT nID, UINT nChar)
{
    const int nButton = HitTestBtn(point);
    if ((nButton >= 0 && !IsDropDownArrow(nButton)) || !HasTextArea())
        return CGridBtnCell::Edit(nRow, nCol, rect, point, nID, nChar);
    if (!MayEdit())
        return FALSE;
    if (m_bEditing && GetEditWnd())
        return TRUE;
    m_bEditing = TRUE;
    auto* pList = new CInPlaceList(GetGrid(), rect, m_dwComboStyle, nID, nRow, nCol, m_Strings, GetText(), nChar);
    if (IsDropDownArrow(nButton) && (m_dwComboStyle & 0x3) != 0)
        pList->ShowDropDown(TRUE);
    SetEditWnd(pList);
    return TRUE;
}

void CGridBtnCellCombo::EndEdit()
{
    if (auto* pList = dynamic_cast<CInPlaceList*>(GetEditWnd()))
        pList->EndEdit();
    else
        CGridBtnCell::EndEdit();
}

void CGridBtnCellCombo::OnEndEdit()
{
    CGridBtnCell::OnEndEdit();
    ReleaseButtons();
}

void CGridBtnCellCombo::ReleaseButtons()
{
    for (int i = 0; i < GetBtnCount(); i++)
    {
        const UINT nState = GetBtnDrawState(i);
        const bool bPush = GetBtnDrawType(i) == DFC_BUTTON && (nState & DFCS_BUTTONPUSH);
        if ((IsDropDownArrow(i) || bPush) && (nState & DFCS_PUSHED))
            ProcessBtnMessage(WM_LBUTTONUP, i);
    }
}

BOOL CGridBtnCellCombo::ValidateEdit(LPCTSTR /*str*/)
{
    return MayEdit();
}
