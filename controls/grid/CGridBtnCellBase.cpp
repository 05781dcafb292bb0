#include "controls/grid/CGridBtnCellBase.h"

#include "controls/grid/CGridCtrl.h"
#include "controls/grid/CInPlaceEdit.h"
#include "platform/core/SystemTime.h"
#include "platform/ui/WinApi.h"

#include <algorithm>
#include <cctype>

IMPLEMENT_DYNCREATE(CGridBtnCellBase, CGridCellBase)

namespace
{
constexpr UINT kPressDelay = 200; // ms a button looks pressed when pressed by a key

bool IsPushButton(BYTE nType, UINT nState) { return nType == DFC_BUTTON && (nState & DFCS_BUTTONPUSH); }
} // namespace

// --- Shared attributes -----------------------------------------------------------------------------

void CGridBtnCellBase::SetText(LPCTSTR szText)
{
    if (m_pBtnDataBase)
        m_pBtnDataBase->SetText(m_nRow, m_nCol, szText);
}
void CGridBtnCellBase::SetImage(int nImage)
{
    if (m_pBtnDataBase)
        m_pBtnDataBase->SetImage(m_nRow, m_nCol, nImage);
}
void CGridBtnCellBase::SetData(LPARAM lParam)
{
    if (m_pBtnDataBase)
        m_pBtnDataBase->SetData(m_nRow, m_nCol, lParam);
}
void CGridBtnCellBase::SetFormat(DWORD nFormat)
{
    if (m_pBtnDataBase)
        m_pBtnDataBase->SetFormat(m_nRow, m_nCol, nFormat);
}
void CGridBtnCellBase::SetTextClr(COLORREF clr)
{
    if (m_pBtnDataBase)
        m_pBtnDataBase->SetTextClr(m_nRow, m_nCol, clr);
}
void CGridBtnCellBase::SetBackClr(COLORREF clr)
{
    if (m_pBtnDataBase)
        m_pBtnDataBase->SetBackClr(m_nRow, m_nCol, clr);
}
void CGridBtnCellBase::SetFont(const LOGFONT* plf)
{
    if (m_pBtnDataBase)
        m_pBtnDataBase->SetFont(m_nRow, m_nCol, plf);
}
void CGridBtnCellBase::SetMargin(UINT nMargin)
{
    if (m_pBtnDataBase)
        m_pBtnDataBase->SetMargin(m_nRow, m_nCol, nMargin);
}
void CGridBtnCellBase::SetGrid(CGridCtrl* pGrid)
{
    if (m_pBtnDataBase)
        m_pBtnDataBase->SetGrid(pGrid);
}
void CGridBtnCellBase::SetEditWnd(CWnd* pWnd)
{
    if (m_pBtnDataBase)
        m_pBtnDataBase->SetEditWnd(pWnd);
}

LPCTSTR CGridBtnCellBase::GetText() const
{
    return m_pBtnDataBase ? m_pBtnDataBase->GetText(m_nRow, m_nCol) : nullptr;
}
int CGridBtnCellBase::GetImage() const { return m_pBtnDataBase ? m_pBtnDataBase->GetImage(m_nRow, m_nCol) : -1; }
LPARAM CGridBtnCellBase::GetData() const { return m_pBtnDataBase ? m_pBtnDataBase->GetData(m_nRow, m_nCol) : 0; }
DWORD CGridBtnCellBase::GetFormat() const
{
    return m_pBtnDataBase ? m_pBtnDataBase->GetFormat(m_nRow, m_nCol) : 0;
}
COLORREF CGridBtnCellBase::GetTextClr() const
{
    return m_pBtnDataBase ? m_pBtnDataBase->GetTextClr(m_nRow, m_nCol) : 0;
}
COLORREF CGridBtnCellBase::GetBackClr() const
{
    return m_pBtnDataBase ? m_pBtnDataBase->GetBackClr(m_nRow, m_nCol) : 0;
}
const LOGFONT* CGridBtnCellBase::GetFont() const
{
    return m_pBtnDataBase ? m_pBtnDataBase->GetFont(m_nRow, m_nCol) : nullptr;
}
CFont* CGridBtnCellBase::GetFontObject() const
{
    return m_pBtnDataBase ? m_pBtnDataBase->GetFontObject(m_nRow, m_nCol) : nullptr;
}
UINT CGridBtnCellBase::GetMargin() const { return m_pBtnDataBase ? m_pBtnDataBase->GetMargin(m_nRow, m_nCol) : 0; }
CGridCtrl* CGridBtnCellBase::GetGrid() const { return m_pBtnDataBase ? m_pBtnDataBase->GetGrid() : nullptr; }
CWnd* CGridBtnCellBase::GetEditWnd() const { return m_pBtnDataBase ? m_pBtnDataBase->GetEditWnd() : nullptr; }

void CGridBtnCellBase::Reset()
{
    m_nPressedBtn = -1;
    m_nBtnCount = 0;
    m_nRow = m_nCol = -1;
    m_bEditing = FALSE;
}

void CGridBtnCellBase::Assign(const CGridBtnCellBase& cell)
{
    CopyFrom(cell);
    m_nPressedBtn = cell.m_nPressedBtn;
    m_nBtnCount = cell.m_nBtnCount;
    for (int i = 0; i < std::min(GetMaxBtns(), int(cell.m_nBtnCount)); i++)
    {
        SetBtnDrawType(i, cell.GetBtnDrawType(i));
        SetBtnDrawState(i, cell.GetBtnDrawState(i));
        SetBtnValue32(i, cell.GetBtnValue32(i));
        SetBtnSelector(i, cell.GetBtnSelector(i));
        SetBtnFlag(i, cell.GetBtnFlag(i));
        SetBtnText(i, cell.GetBtnText(i));
    }
}

LPCTSTR CGridBtnCellBase::GetCaptionsText()
{
    if (HasTextArea())
        return GetText();
    if (GetBtnCount() <= 0)
        return nullptr;
    static CString s_strCaptions;
    std::string text;
    for (int i = 0; i < GetBtnCount(); i++)
    {
        const LPCTSTR szCaption = GetBtnText(i);
        if (!szCaption)
            continue;
        if (!text.empty())
            text += ' ';
        for (const char* p = szCaption; *p; p++)
        {
            if (*p == '&')
            {
                if (p[1] != '&')
                    continue;
                p++;
            }
            text += *p;
        }
    }
    s_strCaptions = CString(text).Left(254);
    return s_strCaptions.GetString();
}

// --- Set-up and layout ---------------------------------------------------------------------------

BOOL CGridBtnCellBase::SetupBtn(int nIndex, BYTE nDrawType, UINT nDrawState, BYTE nPlacement, int nWidth,
                                BOOL bGroup, LPCTSTR szCaption)
{
    if (nIndex < 0 || nIndex >= GetMaxBtns() || nPlacement > BTNPOS_RIGHT ||
        (nPlacement == BTNPOS_FILL && nIndex != 0))
        return FALSE;
    if (nIndex >= GetBtnCount())
        SetBtnCount(nIndex + 1);
    SetBtnSelector(nIndex, nPlacement);
    SetBtnValue32(nIndex, nWidth);
    SetBtnDrawType(nIndex, nDrawType);
    SetBtnDrawState(nIndex, nDrawState);
    SetBtnText(nIndex, szCaption);
    SetBtnFlag(nIndex, bGroup);
    return TRUE;
}

BOOL CGridBtnCellBase::CalcBtnRects(CRect* pRects, int nCapacity, const CRect& cell)
{
    const int nCount = GetBtnCount();
    if (nCapacity < GetMaxBtns() || nCount <= 0 || nCount >= nCapacity)
        return FALSE;

    int nSpinDown = -1;
    for (int i = 0; i + 1 < nCount && nSpinDown < 0; i++)
        if (GetBtnDrawType(i) == DFC_SCROLL && (GetBtnDrawState(i) & 0xF) == DFCS_SCROLLUP &&
            GetBtnDrawType(i + 1) == DFC_SCROLL && (GetBtnDrawState(i + 1) & DFCS_SCROLLDOWN))
            nSpinDown = i + 1;

    int nFixed = 0, nAutomatic = 0;
    for (int i = 0; i < nCount; i++)
    {
        if (GetBtnSelector(i) == BTNPOS_FILL)
        {
            for (int j = 0; j < nCount; j++)
                pRects[j] = cell;
            pRects[nCount].SetRectEmpty();
            return TRUE;
        }
        if (i == nSpinDown)
            continue;
        if (GetBtnValue32(i) > 0)
            nFixed += GetBtnValue32(i);
        else
            nAutomatic++;
    }

    // Widths: fixed ones as set, automatic ones share what is left, non-push buttons at most square.
    int nFree = cell.Width() - nFixed;
    int nAutoWidth = nAutomatic > 0 ? nFree / nAutomatic : 0;
    int nAutoLeft = nAutomatic;
    int nUsed = 0;
    int widths[kMaxRects] = {};
    for (int i = 0; i < nCount; i++)
    {
        if (i == nSpinDown)
            continue;
        int w = GetBtnValue32(i);
        if (w <= 0)
        {
            w = nAutoWidth;
            if (!IsPushButton(GetBtnDrawType(i), GetBtnDrawState(i)) && cell.Height() < nAutoWidth)
            {
                w = cell.Height();
                nFree -= w;
                nAutoLeft--;
                nAutoWidth = nAutoLeft > 0 ? nFree / nAutoLeft : 0;
            }
            else
            {
                nFree -= w;
                nAutoLeft--;
            }
        }
        widths[i] = w;
        nUsed += w;
    }
    const int nMargin = int(GetMargin());
    const int nLeftOver = cell.Width() - nUsed;
    const bool bTextArea = nLeftOver >= nMargin;

    int x = cell.left;
    for (int i = 0; i < nCount; i++)
        if (i != nSpinDown && GetBtnSelector(i) == BTNPOS_LEFT)
        {
            pRects[i].SetRect(x, cell.top, x + widths[i], cell.bottom);
            x += widths[i];
        }
    CRect& text = pRects[nCount];
    if (bTextArea)
    {
        // The text keeps one margin from the buttons on either side, within the cell.
        text.SetRect(x + nMargin, cell.top, x + nMargin + std::max(0, nLeftOver - 2 * nMargin), cell.bottom);
        x = text.right + nMargin;
    }
    else
        text.SetRect(x, cell.top, x, cell.bottom);
    for (int i = 0; i < nCount; i++)
        if (i != nSpinDown && GetBtnSelector(i) == BTNPOS_RIGHT)
        {
            pRects[i].SetRect(x, cell.top, x + widths[i], cell.bottom);
            x += widths[i];
        }

    for (int i = 0; i <= nCount; i++)
    {
        pRects[i].left = std::clamp(pRects[i].left, cell.left, cell.right);
        pRects[i].right = std::clamp(pRects[i].right, cell.left, cell.right);
        pRects[i].top = cell.top;
        pRects[i].bottom = cell.bottom;
    }
    if (nSpinDown > 0)
    {
        CRect& up = pRects[nSpinDown - 1];
        CRect& down = pRects[nSpinDown];
        const int nMiddle = cell.top + cell.Height() / 2;
        down.SetRect(up.left, nMiddle, up.right, cell.bottom);
        up.bottom = nMiddle;
    }
    return TRUE;
}

CRect CGridBtnCellBase::CellRectAtOrigin() const
{
    CRect rect;
    CGridCtrl* pGrid = GetGrid();
    if (!pGrid || !pGrid->GetCellRect(m_nRow, m_nCol, rect))
        return CRect();
    rect.OffsetRect(-rect.left, -rect.top);
    rect.right -= m_nLeftInset;
    return rect;
}

int CGridBtnCellBase::HitTestBtn(CPoint point)
{
    // The buttons lie where they are drawn: inside the margin on either side.
    CRect cell = CellRectAtOrigin();
    cell.DeflateRect(int(GetMargin()), 0);
    CRect rects[kMaxRects];
    if (cell.IsRectEmpty() || !CalcBtnRects(rects, kMaxRects, cell))
        return -1;
    for (int i = 0; i < GetBtnCount(); i++)
        if (point.x >= rects[i].left && point.x <= rects[i].right && point.y >= rects[i].top &&
            point.y <= rects[i].bottom)
            return i;
    return -1;
}

int CGridBtnCellBase::FindBtnByAccel(UINT nChar) const
{
    if (nChar > 0x7F)
        return -1;
    const int wanted = std::tolower(int(nChar));
    for (int i = 0; i < GetBtnCount(); i++)
    {
        const LPCTSTR szCaption = GetBtnText(i);
        if (!szCaption)
            continue;
        for (const char* p = szCaption; *p && p[1]; p++)
            if (*p == '&' && std::tolower(static_cast<unsigned char>(p[1])) == wanted)
                return i;
    }
    return -1;
}

BOOL CGridBtnCellBase::HasTextArea()
{
    CGridCtrl* pGrid = GetGrid();
    CRect rect;
    if (!pGrid || !pGrid->GetCellRect(m_nRow, m_nCol, rect))
        return FALSE;
    rect.left += m_nLeftInset;
    GetTextRect(rect);
    return rect.Width() > 0;
}

// --- Drawing -------------------------------------------------------------------------------------

BOOL CGridBtnCellBase::DrawBtnCell(CDC* pDC, int /*nRow*/, int /*nCol*/, CRect& rect, BOOL bEraseBkgnd)
{
    if (!GetGrid() || !pDC || rect.IsRectEmpty())
        return FALSE;
    const int nSavedDC = pDC->SaveDC();
    if (GetBtnCount() <= 0)
    {
        pDC->RestoreDC(nSavedDC);
        return TRUE;
    }
    if (bEraseBkgnd)
    {
        CGridCellBase* pDefault = GetDefaultCell();
        const COLORREF back = GetBackClr() != CLR_DEFAULT ? GetBackClr()
                              : pDefault                  ? pDefault->GetBackClr()
                                                          : ::GetSysColor(COLOR_WINDOW);
        pDC->FillSolidRect(CRect(rect.left, rect.top, rect.right + 1, rect.bottom + 1), back);
    }
    if (IsSelected() || IsDropHighlighted())
    {
        pDC->SelectStockObject(BLACK_PEN);
        pDC->SelectStockObject(NULL_BRUSH);
        pDC->Rectangle(rect);
    }
    pDC->SetBkMode(TRANSPARENT);
    rect.DeflateRect(int(GetMargin()), 0);
    if (CFont* pFont = GetFontObject())
        pDC->SelectObject(pFont);

    CRect rects[kMaxRects];
    if (CalcBtnRects(rects, kMaxRects, rect))
    {
        for (int i = 0; i < GetBtnCount(); i++)
        {
            const UINT nState = GetBtnDrawState(i);
            pDC->DrawFrameControl(rects[i], GetBtnDrawType(i), nState);
            const LPCTSTR szCaption = GetBtnText(i);
            if (!szCaption)
                continue;
            const COLORREF oldColour = pDC->GetTextColor();
            const UINT nFormat = DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER | DT_CENTER;
            if (nState & DFCS_INACTIVE)
            {
                CRect shadow = rects[i];
                shadow.OffsetRect(1, 1);
                pDC->SetTextColor(RGB(255, 255, 255));
                pDC->DrawText(szCaption, -1, shadow, nFormat);
                pDC->SetTextColor(::GetSysColor(COLOR_GRAYTEXT));
            }
            else
                pDC->SetTextColor(::GetSysColor(COLOR_BTNTEXT));
            pDC->DrawText(szCaption, -1, rects[i], nFormat);
            pDC->SetTextColor(oldColour);
        }
        rect = rects[GetBtnCount()];
    }
    pDC->RestoreDC(nSavedDC);
    return TRUE;
}

BOOL CGridBtnCellBase::Draw(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBkgnd)
{
    if (!DrawBtnCell(pDC, nRow, nCol, rect, bEraseBkgnd))
        return FALSE;
    if (rect.Width() > 0)
    {
        m_bDrawing = true;
        CGridCellBase::Draw(pDC, nRow, nCol, rect, bEraseBkgnd);
        m_bDrawing = false;
    }
    return TRUE;
}

BOOL CGridBtnCellBase::PrintCell(CDC* pDC, int nRow, int nCol, CRect rect)
{
    return Draw(pDC, nRow, nCol, rect, TRUE);
}

BOOL CGridBtnCellBase::GetTextRect(LPRECT pRect)
{
    CRect rects[kMaxRects];
    if (GetBtnCount() > 0 && !m_bDrawing)
    {
        CRect cell(pRect);
        cell.DeflateRect(int(GetMargin()), 0);
        if (CalcBtnRects(rects, kMaxRects, cell))
        {
            CRect text = rects[GetBtnCount()];
            text.DeflateRect(int(GetMargin()), 0);
            if (text.right < text.left)
                text.right = text.left;
            *pRect = text;
        }
    }
    return CGridCellBase::GetTextRect(pRect);
}

BOOL CGridBtnCellBase::GetTipTextRect(LPRECT pRect)
{
    if (HasTextArea())
        GetTextRect(pRect);
    else if (GetBtnCount() <= 0)
        *pRect = CRect();
    return TRUE;
}

CSize CGridBtnCellBase::GetCellExtent(CDC* pDC)
{
    CSize size = CGridCellBase::GetCellExtent(pDC);
    if (GetBtnCount() <= 0)
        return size;
    CGridCtrl* pGrid = GetGrid();
    CDC* pOwnDC = nullptr;
    if (!pDC && pGrid)
        pDC = pOwnDC = pGrid->GetDC();
    CFont* pOldFont = nullptr;
    if (pDC)
        if (CFont* pFont = GetFontObject())
            pOldFont = pDC->SelectObject(pFont);
    for (int i = 0; i < GetBtnCount(); i++)
    {
        if (GetBtnValue32(i) >= 1)
            size.cx += GetBtnValue32(i);
        else if (GetBtnText(i) && pDC)
        {
            CRect measured(0, 0, 0, 0);
            // The caption's whole width: measured without shortening it to the empty rectangle.
            pDC->DrawText(GetBtnText(i), -1, measured, (GetFormat() & ~DT_END_ELLIPSIS) | DT_CALCRECT);
            size.cx += measured.Width();
        }
        else
            size.cx += size.cy;
    }
    size.cx += 4 * int(GetMargin());
    if (pOldFont)
        pDC->SelectObject(pOldFont);
    if (pOwnDC)
        pGrid->ReleaseDC(pOwnDC);
    return size;
}

// --- Buttons pressed and released ------------------------------------------------------------------

BOOL CGridBtnCellBase::ProcessBtnMessage(UINT message, int nIndex)
{
    if (nIndex < 0 || nIndex >= GetMaxBtns() || (GetBtnDrawState(nIndex) & DFCS_INACTIVE))
        return FALSE;
    m_nPressedBtn = std::int16_t(nIndex);
    CGridCtrl* pGrid = GetGrid();
    const UINT nOld = GetBtnDrawState(nIndex);
    if (message == WM_LBUTTONDOWN)
    {
        SetBtnDrawState(nIndex, nOld | DFCS_PUSHED);
        if (pGrid)
            pGrid->RedrawCell(m_nRow, m_nCol);
        return TRUE;
    }
    if (message != WM_LBUTTONUP && message != WM_LBUTTONDBLCLK)
        return FALSE;
    UINT nNew = nOld & ~DFCS_PUSHED;
    if (GetBtnDrawType(nIndex) == DFC_BUTTON)
    {
        const bool bRadio = (nOld & DFCS_BUTTONRADIO) != 0;
        const bool bGroup = GetBtnFlag(nIndex) != FALSE;
        if (!bRadio && !bGroup)
        {
            if ((nOld & 0x1F) == DFCS_BUTTONCHECK)
                nNew ^= DFCS_CHECKED;
        }
        else
        {
            for (int i = 0; i < GetBtnCount(); i++)
                if (i != nIndex && ((GetBtnDrawState(i) & DFCS_BUTTONRADIO) || GetBtnFlag(i)))
                    SetBtnDrawState(i, GetBtnDrawState(i) & ~(DFCS_PUSHED | DFCS_CHECKED));
            nNew |= DFCS_CHECKED;
            if (bGroup && !bRadio)
                nNew |= DFCS_PUSHED;
        }
    }
    SetBtnDrawState(nIndex, nNew);
    if (pGrid)
        pGrid->RedrawCell(m_nRow, m_nCol);
    return TRUE;
}

void CGridBtnCellBase::HandleBtnMouse(UINT message, CPoint point)
{
    const int nIndex = HitTestBtn(point);
    if (nIndex < 0)
    {
        m_nPressedBtn = -1;
        return;
    }
    ProcessBtnMessage(message, nIndex);
}

void CGridBtnCellBase::OnClickDown(CPoint point) { HandleBtnMouse(WM_LBUTTONDOWN, point); }

void CGridBtnCellBase::OnClick(CPoint /*point*/)
{
    // The button pressed is released wherever the mouse goes up, once: a click that pressed no
    // button (one on a tree's box) leaves the buttons as they are.
    if (m_nPressedBtn >= 0 && (GetBtnDrawState(m_nPressedBtn) & DFCS_PUSHED))
        ProcessBtnMessage(WM_LBUTTONUP, m_nPressedBtn);
}

void CGridBtnCellBase::OnDblClick(CPoint point) { HandleBtnMouse(WM_LBUTTONDBLCLK, point); }

void CGridBtnCellBase::ClickBtn(int nIndex)
{
    ProcessBtnMessage(WM_LBUTTONDOWN, nIndex);
    ::Sleep(kPressDelay);
    ProcessBtnMessage(WM_LBUTTONUP, nIndex);
    SendMessageToParent(m_nRow, m_nCol, GVN_CLICK);
}

BOOL CGridBtnCellBase::Edit(int nRow, int nCol, CRect rect, CPoint point, UINT nID, UINT nChar)
{
    if (HitTestBtn(point) >= 0)
    {
        HandleBtnMouse(WM_LBUTTONUP, point);
        SendMessageToParent(m_nRow, m_nCol, GVN_CLICK);
        return FALSE;
    }
    if (nChar == ' ' && (GetBtnCount() == 1 || GetBtnSelector(0) == BTNPOS_LEFT))
    {
        ClickBtn(0);
        return FALSE;
    }
    if (HasTextArea())
    {
        const DWORD dwStyle = CInPlaceEdit::StyleForFormat(GetFormat());
        CRect text = rect;
        GetTextRect(text);
        m_bEditing = TRUE;
        SetEditWnd(new CInPlaceEdit(GetGrid(), text, dwStyle, nID, nRow, nCol, GetText(), nChar));
        return TRUE;
    }
    const int nIndex = FindBtnByAccel(nChar);
    if (nIndex < 0)
        return TRUE;
    ClickBtn(nIndex);
    return FALSE;
}

void CGridBtnCellBase::EndEdit()
{
    if (CWnd* pWnd = GetEditWnd())
        if (auto* pEdit = dynamic_cast<CInPlaceEdit*>(pWnd))
            pEdit->EndEdit();
}

void CGridBtnCellBase::OnEndEdit()
{
    m_bEditing = FALSE;
    SetEditWnd(nullptr);
}
