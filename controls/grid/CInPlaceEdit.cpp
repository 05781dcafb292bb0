#include "controls/grid/CInPlaceEdit.h"

#include "controls/grid/CGridCtrl.h"
#include "controls/grid/GridDefs.h"
#include "controls/grid/GridDispInfo.h"
#include "platform/gdi/CDC.h"
#include "platform/ui/KeyMap.h"
#include "platform/ui/WinApi.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CInPlaceEdit, CEdit)
ON_WM_KILLFOCUS()
ON_WM_CHAR()
ON_WM_KEYDOWN()
ON_WM_GETDLGCODE()
END_MESSAGE_MAP()

CInPlaceEdit::CInPlaceEdit(CWnd* pParent, CRect& rect, DWORD dwStyle, UINT nID, int nRow, int nColumn,
                           CString sInitText, UINT nFirstChar)
    : m_nRow(nRow), m_nColumn(nColumn), m_sInitText(sInitText),
      m_bExitOnArrows(nFirstChar != GRID_EDIT_BY_MOUSE), m_Rect(rect)
{
    m_bAutoDelete = TRUE;
    const auto* pGrid = dynamic_cast<const CGridCtrl*>(pParent);
    m_bEditorKeys = pGrid && pGrid->GetPolicy().editorInPlaceKeys;
    const DWORD dwEditStyle =
        WS_BORDER | WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | dwStyle | (m_bEditorKeys ? ES_MULTILINE : 0);
    if (!Create(dwEditStyle, rect, pParent, nID))
        return;
    SetFont(pParent->GetFont());
    SetWindowText(sInitText);
    SetFocus();
    StartWith(nFirstChar);
}

CInPlaceEdit::~CInPlaceEdit() = default;

LRESULT CInPlaceEdit::NotifyEndEdit(CWnd* pEditWnd, int nRow, int nColumn, UINT nLastKey)
{
    CString str;
    pEditWnd->GetWindowText(str);
    GridDispInfo dispinfo;
    dispinfo.hdr.hwndFrom = pEditWnd->GetSafeHwnd();
    dispinfo.hdr.idFrom = UINT_PTR(pEditWnd->GetDlgCtrlID());
    dispinfo.hdr.code = UINT(GVN_ENDLABELEDIT);
    dispinfo.item.mask = GVIF_TEXT | GVIF_PARAM;
    dispinfo.item.row = nRow;
    dispinfo.item.col = nColumn;
    dispinfo.item.strText = str;
    dispinfo.item.lParam = LPARAM(nLastKey);

    CWnd* pOwner = pEditWnd->GetOwner();
    if (!pOwner)
        pOwner = pEditWnd->GetParent();
    return pOwner ? pOwner->SendMessage(WM_NOTIFY, dispinfo.hdr.idFrom, reinterpret_cast<LPARAM>(&dispinfo)) : 0;
}

DWORD CInPlaceEdit::StyleForFormat(DWORD nFormat)
{
    if (nFormat & DT_RIGHT)
        return ES_RIGHT;
    if (nFormat & DT_CENTER)
        return ES_CENTER;
    return 0;
}

void CInPlaceEdit::StartWith(UINT nFirstChar)
{
    const int nLength = GetWindowTextLength();
    // An edit started by the navigation key that ended the previous edit types nothing.
    const bool bByKey = (nFirstChar & GRID_EDIT_STARTED_BY_KEY) != 0;
    if (!bByKey && (nFirstChar == GRID_EDIT_BY_MOUSE || nFirstChar == VK_RETURN || nFirstChar == VK_BACK))
    {
        SetSel(nLength, -1);
        SendMessage(EM_SCROLLCARET);
        if (nFirstChar == VK_BACK)
            TypeFirstCharacter(nFirstChar);
        return;
    }
    SetSel(0, -1);
    SendMessage(EM_SCROLLCARET);
    const bool bQuietKey = m_bEditorKeys && (nFirstChar == VK_SPACE || (nFirstChar >= VK_PRIOR && nFirstChar <= VK_DOWN));
    if (!bByKey && nFirstChar != VK_TAB && !bQuietKey)
        TypeFirstCharacter(nFirstChar);
}

void CInPlaceEdit::TypeFirstCharacter(UINT nChar)
{
    if (nChar == VK_BACK)
    {
        CString text;
        GetWindowText(text);
        if (!text.IsEmpty())
            SetWindowText(text.Left(text.GetLength() - 1));
        SetSel(-1, -1);
        return;
    }
    // The character replaces the selected text, as typing it would.
    ReplaceSel(CString::FromCodePoint(char32_t(nChar)));
    GrowToText();
}

BOOL CInPlaceEdit::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_SYSCHAR)
        return TRUE;
    return CEdit::PreTranslateMessage(pMsg);
}

void CInPlaceEdit::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    const bool bNavigation = nChar == VK_PRIOR || nChar == VK_NEXT || (nChar >= VK_LEFT && nChar <= VK_DOWN);
    if (m_bEditorKeys && (nChar == VK_LEFT || nChar == VK_RIGHT))
    {
        // Left leaves from the start of the text, Right from its end; a caret inside keeps
        // every arrow in the edit from then on.
        int nStart = 0, nEnd = 0;
        GetSel(nStart, nEnd);
        const int nAt = nChar == VK_LEFT ? 0 : GetWindowTextLength();
        m_bExitOnArrows = nStart == nEnd && nStart == nAt;
    }
    if (bNavigation && (m_bExitOnArrows || ::GetKeyState(VK_CONTROL) < 0))
    {
        m_nLastChar = nChar;
        GetParent()->SetFocus();
        return;
    }
    CEdit::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CInPlaceEdit::OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    if (m_bEditorKeys && (nChar == 10 || (nChar == VK_RETURN && ::GetKeyState(VK_CONTROL) < 0)))
    {
        ReplaceSel("\n");
        GrowToText();
        return;
    }
    if (nChar == VK_TAB || nChar == VK_RETURN)
    {
        m_nLastChar = nChar;
        GetParent()->SetFocus();
        return;
    }
    if (nChar == VK_ESCAPE)
    {
        SetWindowText(m_sInitText);
        m_nLastChar = nChar;
        GetParent()->SetFocus();
        return;
    }
    CEdit::OnChar(nChar, nRepCnt, nFlags);
    GrowToText();
}

void CInPlaceEdit::GrowToText()
{
    CString str;
    GetWindowText(str);
    str += m_bEditorKeys ? "WW" : "  ";
    CDC* pDC = GetDC();
    if (!pDC)
        return;
    CFont* pOldFont = pDC->SelectObject(GetFont());
    const CSize size = pDC->GetTextExtent(str);
    pDC->SelectObject(pOldFont);
    ReleaseDC(pDC);
    if (size.cx <= m_Rect.Width())
        return;
    CRect parentRect;
    GetParent()->GetClientRect(parentRect);
    m_Rect.right = std::min(int(m_Rect.left + size.cx), int(parentRect.right));
    MoveWindow(m_Rect);
}

UINT CInPlaceEdit::OnGetDlgCode()
{
    return DLGC_WANTALLKEYS;
}

void CInPlaceEdit::OnKillFocus(CWnd* pNewWnd)
{
    CEdit::OnKillFocus(pNewWnd);
    EndEdit();
}

void CInPlaceEdit::EndEdit()
{
    if (m_bEnding)
        return;
    m_bEnding = true;

    if (NotifyEndEdit(this, m_nRow, m_nColumn, m_nLastChar) < 0 && ::IsWindow(GetSafeHwnd()))
    {
        // The text was refused: the user goes on editing it.
        m_bEnding = false;
        SetFocus();
        SetSel(0, -1);
        return;
    }
    if (::IsWindow(GetSafeHwnd()))
        SendMessage(WM_CLOSE);
}

void CInPlaceEdit::PostNcDestroy()
{
    CEdit::PostNcDestroy();
}
