#include "controls/grid/CGridTreeCell.h"

#include "controls/grid/CGridCtrl.h"
#include "controls/grid/CInPlaceEdit.h"

IMPLEMENT_DYNCREATE(CGridTreeCell, CGridTreeCellBase)

void CGridTreeCell::Assign(const CGridTreeCellBase& cell)
{
    CGridTreeCellBase::Assign(cell);
    SetText(cell.GetText());
}

BOOL CGridTreeCell::Edit(int nRow, int nCol, CRect rect, CPoint /*point*/, UINT nID, UINT nChar)
{
    CTreeColumn* pTree = GetTreeColumn();
    if (!pTree)
        return FALSE;
    const DWORD dwStyle = CInPlaceEdit::StyleForFormat(GetFormat());
    // The edit covers the text, not the tree lines beside it.
    GetTextRect(rect);
    m_bEditing = TRUE;
    pTree->SetEditWnd(new CInPlaceEdit(GetGrid(), rect, dwStyle, nID, nRow, nCol, GetText(), nChar));
    return TRUE;
}

void CGridTreeCell::EndEdit()
{
    CTreeColumn* pTree = GetTreeColumn();
    if (!pTree)
        return;
    if (auto* pEdit = dynamic_cast<CInPlaceEdit*>(pTree->GetEditWnd()))
        pEdit->EndEdit();
    pTree->SetEditWnd(nullptr);
}

void CGridTreeCell::OnEndEdit()
{
    if (CTreeColumn* pTree = GetTreeColumn())
        pTree->SetEditWnd(nullptr);
    m_bEditing = FALSE;
}
