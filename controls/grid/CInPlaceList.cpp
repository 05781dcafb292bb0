#include "controls/grid/CInPlaceList.h"

#include "controls/grid/CGridCtrl.h"
#include "controls/grid/GridDefs.h"
#include "controls/grid/CInPlaceEdit.h"
#include "platform/gdi/CDC.h"
#include "platform/ui/CClientDC.h"
#include "platform/ui/KeyMap.h"
#include "platform/ui/WinApi.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CInPlaceList, CComboBox)
ON_WM_KILLFOCUS()
ON_WM_KEYDOWN()
ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

namespace
{
bool IsNavigationKey(UINT nChar)
{
    return nChar == VK_PRIOR || nChar == VK_NEXT || (nChar >= VK_LEFT && nChar <= VK_DOWN);
}
} // namespace

CInPlaceList::CInPlaceList(CWnd* pParent, CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nColumn,
                           const CStringArray& items, CString sInitText, UINT nFirstChar)
    : m_nRow(nRow), m_nColumn(nColumn), m_sInitText(sInitText)
{
    m_bAutoDelete = TRUE;
    const auto* pGrid = dynamic_cast<const CGridCtrl*>(pParent);
    m_bEditorList = pGrid && pGrid->GetPolicy().editorDropList;
    const int nCellHeight = rect.Height();
    // The window's height given at creation is the one with the list open.
    CRect dropped = rect;
    dropped.bottom += ::GetSystemMetrics(SM_CYHSCROLL) + DropDownLines() * nCellHeight;
    const DWORD dwComboStyle = dwStyle | WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | CBS_AUTOHSCROLL;
    if (!Create(dwComboStyle, dropped, pParent, nID))
        return;
    for (INT_PTR i = 0; i < items.GetSize(); i++)
        AddString(items[i]);
    if (m_bEditorList)
        FitDropWidth(pParent, rect, nCellHeight);
    else
        FitWidthToItems(pParent, rect, nCellHeight);
    SelectInitialText();
    if ((dwStyle & 0x3) != CBS_DROPDOWNLIST)
        StartWith(nFirstChar);
    else
        SetFocus();
}

CInPlaceList::~CInPlaceList() = default;

int CInPlaceList::WidestItem(CDC& dc) const
{
    int nWidest = 0;
    for (int i = 0; i < GetCount(); i++)
    {
        CString text;
        GetLBText(i, text);
        nWidest = std::max(nWidest, int(dc.GetTextExtent(text).cx));
    }
    return nWidest;
}

void CInPlaceList::FitWidthToItems(CWnd* pParent, CRect& rect, int nCellHeight)
{
    CFont* pFont = pParent->GetFont();
    int nWidth = 0;
    {
        CClientDC dc(pParent);
        CFont* pOld = pFont ? dc.SelectObject(pFont) : nullptr;
        nWidth = ::GetSystemMetrics(SM_CXVSCROLL) + WidestItem(dc) + 2 * int(dc.GetTextExtent(" ").cx);
        if (pOld)
            dc.SelectObject(pOld);
    }
    if (nWidth > rect.Width())
        rect.right = rect.left + nWidth;
    if (pFont)
        SetFont(pFont);
    // The selection field is as high as the cell it covers.
    MoveWindow(CRect(rect.left, rect.top, rect.right, rect.top + nCellHeight));
    SetDroppedWidth(UINT(nWidth));
}

void CInPlaceList::FitDropWidth(CWnd* pParent, const CRect& rect, int nCellHeight)
{
    if (CFont* pFont = pParent->GetFont())
        SetFont(pFont);
    MoveWindow(CRect(rect.left, rect.top, rect.right, rect.top + nCellHeight));
    SetDroppedWidth(UINT(CorrectDropWidth()));
}

int CInPlaceList::CorrectDropWidth()
{
    CClientDC dc(this);
    CFont* pFont = GetFont();
    CFont* pOld = pFont ? dc.SelectObject(pFont) : nullptr;
    const int nWidth = WidestItem(dc) + ::GetSystemMetrics(SM_CXVSCROLL) + int(dc.GetTextExtent("0").cx);
    if (pOld)
        dc.SelectObject(pOld);
    return std::min(nWidth, kMaxDropWidth);
}

void CInPlaceList::SelectInitialText()
{
    // Only an item equal to the text is chosen, not one that merely begins with it.
    for (int i = 0; i < GetCount(); i++)
    {
        CString text;
        GetLBText(i, text);
        if (text == m_sInitText)
        {
            SetCurSel(i);
            return;
        }
    }
    SetWindowText(m_sInitText);
}

void CInPlaceList::StartWith(UINT nFirstChar)
{
    SetFocus();
    const int nLength = GetWindowTextLength();
    const bool bByKey = (nFirstChar & GRID_EDIT_STARTED_BY_KEY) != 0;
    const UINT nChar = nFirstChar & ~GRID_EDIT_STARTED_BY_KEY;
    if (!bByKey && (nChar == GRID_EDIT_BY_MOUSE || nChar == VK_RETURN))
    {
        SetEditSel(nLength, -1);
        return;
    }
    if (!bByKey && nChar == VK_BACK)
    {
        CString text;
        GetWindowText(text);
        if (!text.IsEmpty())
            SetWindowText(text.Left(text.GetLength() - 1));
        SetEditSel(-1, -1);
        return;
    }
    if (bByKey || IsNavigationKey(nChar) || nChar == VK_TAB || nChar < ' ')
    {
        SetEditSel(0, -1);
        return;
    }
    // A typed character replaces the whole text, as typing into the selected text does.
    SetWindowText(CString::FromCodePoint(char32_t(nChar)));
    SetEditSel(-1, -1);
}

UINT CInPlaceList::OnGetDlgCode()
{
    return DLGC_WANTALLKEYS;
}

void CInPlaceList::EndWithKey(UINT nChar)
{
    m_nLastChar = nChar;
    GetParent()->SetFocus();
}

void CInPlaceList::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    m_bClosedUp = false;
    if (IsNavigationKey(nChar) && (m_bExitOnArrows || ::GetKeyState(VK_CONTROL) < 0))
    {
        EndWithKey(nChar);
        return;
    }
    if (nChar == VK_ESCAPE && !GetDroppedState())
    {
        SelectInitialText();
        EndWithKey(nChar);
        return;
    }
    if ((nChar == VK_TAB || nChar == VK_RETURN) && !GetDroppedState())
    {
        EndWithKey(nChar);
        return;
    }
    CComboBox::OnKeyDown(nChar, nRepCnt, nFlags);
}

BOOL CInPlaceList::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND && HIWORD(wParam) == CBN_SELENDOK)
    {
        // Under the editor's policy an arrow in the closed list only changes the text.
        const bool chosen = !m_bEditorList || m_bClosedUp;
        m_bClosedUp = false;
        if (chosen)
            OnSelendOK(); // ends the edit, which may destroy this list
        return TRUE;
    }
    if (message == WM_COMMAND && HIWORD(wParam) == CBN_CLOSEUP)
        m_bClosedUp = true;
    if (message == WM_COMMAND && HIWORD(wParam) == CBN_DROPDOWN && m_bEditorList)
        SetDroppedWidth(UINT(CorrectDropWidth()));
    return CComboBox::OnChildNotify(message, wParam, lParam, pResult);
}

void CInPlaceList::OnSelendOK()
{
    const int nIndex = GetCurSel();
    if (nIndex != CB_ERR)
    {
        CString text;
        GetLBText(nIndex, text);
        SetWindowText(text);
    }
    ShowDropDown(FALSE);
    GetParent()->SetFocus();
}

void CInPlaceList::OnKillFocus(CWnd* pNewWnd)
{
    CComboBox::OnKillFocus(pNewWnd);
    if (pNewWnd != this)
        EndEdit();
}

void CInPlaceList::EndEdit()
{
    if (m_bEnding)
        return;
    m_bEnding = true;

    CInPlaceEdit::NotifyEndEdit(this, m_nRow, m_nColumn, m_nLastChar);
    if (::IsWindow(GetSafeHwnd()))
        SendMessage(WM_CLOSE);
}

void CInPlaceList::PostNcDestroy()
{
    CComboBox::PostNcDestroy();
}
