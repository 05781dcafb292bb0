#pragma once
// The borderless pop-up that shows the whole text of a cell whose text is wider than the cell,
// while the mouse rests over the cell. Mouse input passes through it to the grid beneath.

#include "controls/grid/GridDefs.h"
#include "platform/gdi/CFont.h"
#include "platform/ui/CWnd.h"

class CTitleTip : public CWnd
{
public:
    CTitleTip();
    ~CTitleTip() override;

    virtual BOOL Create(CWnd* pParentWnd);
    BOOL DestroyWindow() override;
    void SetParentWnd(CWnd* pParentWnd) { m_pParentWnd = pParentWnd; }

    // Shows the text over rectTitle (parent's client coordinates) when it does not fit there;
    // the tip stays while the mouse stays inside the hover rectangle.
    void Show(CRect rectTitle, LPCTSTR lpszTitleText, int xoffset = 0, LPRECT lpHoverRect = nullptr,
              const LOGFONT* lpLogFont = nullptr, COLORREF crTextClr = CLR_DEFAULT,
              COLORREF crBackClr = CLR_DEFAULT);
    void Hide();
    // True while the tip is shown and the point (parent's client coordinates) is inside its hover area.
    BOOL IsOverHoverRect(CPoint ptParent) const;
    CString GetShownText() const { return m_strText; }

protected:
    afx_msg void OnPaint();
    // The tip goes when the program is deactivated.
    afx_msg void OnActivateApp(BOOL bActive, DWORD dwThreadID);
    DECLARE_MESSAGE_MAP()

private:
    CWnd* m_pParentWnd = nullptr;
    CRect m_rectHover;
    CString m_strText;
    CFont m_font;
    COLORREF m_crText = CLR_DEFAULT;
    COLORREF m_crBack = CLR_DEFAULT;
    BOOL m_bCreated = FALSE;
};
