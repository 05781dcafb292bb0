#include "controls/grid/CGridCellCombo.h"

#include "controls/grid/CGridCtrl.h"
#include "controls/grid/CInPlaceList.h"
#include "platform/ui/WinApi.h"

IMPLEMENT_DYNCREATE(CGridCellCombo, CGridCell)

CGridCellCombo::CGridCellCombo() : m_dwStyle(CBS_DROPDOWN) {}

CGridCellCombo::~CGridCellCombo() = default;

void CGridCellCombo::SetOptions(const CStringArray& options)
{
    m_Strings.RemoveAll();
    for (INT_PTR i = 0; i < options.GetSize(); i++)
        m_Strings.Add(options[i]);
}

CRect CGridCellCombo::ArrowRect(const CRect& rect)
{
    const int width = ::GetSystemMetrics(SM_CXVSCROLL);
    const int height = ::GetSystemMetrics(SM_CYHSCROLL);
    if (rect.Width() <= height || rect.Height() <= height)
        return CRect();
    return CRect(rect.right - width, rect.top, rect.right, rect.top + height);
}

BOOL CGridCellCombo::Draw(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBkgnd)
{
    if (IsFocused() && !IsFixed())
    {
        CRect arrow = ArrowRect(rect);
        if (!arrow.IsRectEmpty())
        {
            pDC->DrawFrameControl(&arrow, DFC_SCROLL, DFCS_SCROLLDOWN);
            rect.right = arrow.left;
        }
    }
    return CGridCell::Draw(pDC, nRow, nCol, rect, bEraseBkgnd);
}

BOOL CGridCellCombo::Edit(int nRow, int nCol, CRect rect, CPoint /*point*/, UINT nID, UINT nChar)
{
    if (m_bEditing && m_pEditWnd)
        return TRUE;
    m_bEditing = TRUE;
    m_pEditWnd = new CInPlaceList(GetGrid(), rect, GetStyle(), nID, nRow, nCol, m_Strings, GetText(), nChar);
    return TRUE;
}

void CGridCellCombo::EndEdit()
{
    if (m_pEditWnd)
        static_cast<CInPlaceList*>(m_pEditWnd)->EndEdit();
}
