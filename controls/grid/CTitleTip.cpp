#include "controls/grid/CTitleTip.h"

#include "platform/gdi/SystemMetrics.h"
#include "platform/ui/CPaintDC.h"

#include <QWidget>

BEGIN_MESSAGE_MAP(CTitleTip, CWnd)
ON_WM_PAINT()
ON_WM_ACTIVATEAPP()
END_MESSAGE_MAP()

CTitleTip::CTitleTip() = default;

CTitleTip::~CTitleTip()
{
    DestroyWindow();
}

BOOL CTitleTip::Create(CWnd* pParentWnd)
{
    if (m_bCreated)
        return TRUE;
    m_pParentWnd = pParentWnd;
    m_bCreated = CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, TITLETIP_CLASSNAME, nullptr, WS_POPUP | WS_BORDER,
                          CRect(0, 0, 10, 10), pParentWnd, 0);
    if (m_bCreated)
        if (QWidget* widget = GetWidget())
        {
            // A tip window: it never takes the activation or the focus from the grid, and the
            // pointer passes through it to the grid beneath, which keeps the pointer.
            widget->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint |
                                   Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput);
            widget->setAttribute(Qt::WA_TransparentForMouseEvents);
            widget->setAttribute(Qt::WA_ShowWithoutActivating);
        }
    return m_bCreated;
}

BOOL CTitleTip::DestroyWindow()
{
    m_bCreated = FALSE;
    if (!GetSafeHwnd())
        return FALSE;
    return CWnd::DestroyWindow();
}

void CTitleTip::Hide()
{
    if (GetSafeHwnd() && IsWindowVisible())
        ShowWindow(SW_HIDE);
}

BOOL CTitleTip::IsOverHoverRect(CPoint ptParent) const
{
    return GetSafeHwnd() && IsWindowVisible() && m_rectHover.PtInRect(ptParent);
}

void CTitleTip::Show(CRect rectTitle, LPCTSTR lpszTitleText, int xoffset, LPRECT lpHoverRect,
                     const LOGFONT* lpLogFont, COLORREF crTextClr, COLORREF crBackClr)
{
    if (!m_pParentWnd || (!GetSafeHwnd() && !Create(m_pParentWnd)))
        return;
    if (rectTitle.IsRectEmpty() || IsWindowVisible())
        return;

    m_rectHover = lpHoverRect ? CRect(*lpHoverRect) : rectTitle;
    m_rectHover.right++, m_rectHover.bottom++;

    m_strText = CString(" ") + (lpszTitleText ? lpszTitleText : "") + " ";
    m_font.DeleteObject();
    if (lpLogFont)
        m_font.CreateFontIndirect(lpLogFont);
    else if (CFont* pParentFont = m_pParentWnd->GetFont())
    {
        LOGFONT lf;
        pParentFont->GetLogFont(&lf);
        m_font.CreateFontIndirect(&lf);
    }

    CDC* pDC = GetDC();
    if (!pDC)
        return;
    CFont* pOldFont = m_font.GetSafeHandle() ? pDC->SelectObject(&m_font) : nullptr;
    const CSize size = pDC->GetTextExtent(m_strText);
    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    if (pOldFont)
        pDC->SelectObject(pOldFont);
    ReleaseDC(pDC);

    // Shown only when the text does not fit its cell.
    if (size.cx + tm.tmOverhang + 3 * xoffset <= rectTitle.Width())
        return;

    m_crText = crTextClr;
    m_crBack = crBackClr;
    CRect rectScreen = rectTitle;
    m_pParentWnd->ClientToScreen(rectScreen);
    SetWindowPos(&wndTop, rectScreen.left + xoffset, rectScreen.top, size.cx + tm.tmOverhang + xoffset,
                 rectTitle.Height(), SWP_SHOWWINDOW | SWP_NOACTIVATE);
    Invalidate();
}

void CTitleTip::OnActivateApp(BOOL bActive, DWORD /*dwThreadID*/)
{
    if (!bActive)
        Hide();
}

void CTitleTip::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(rect);
    dc.FillSolidRect(rect, m_crBack != CLR_DEFAULT ? m_crBack : ::GetSysColor(COLOR_INFOBK));
    dc.SetTextColor(m_crText != CLR_DEFAULT ? m_crText : ::GetSysColor(COLOR_INFOTEXT));
    dc.SetBkMode(TRANSPARENT);
    CFont* pOldFont = m_font.GetSafeHandle() ? dc.SelectObject(&m_font) : nullptr;
    dc.TextOut(0, 0, m_strText);
    if (pOldFont)
        dc.SelectObject(pOldFont);
}
