#pragma once
// Scroll bar controls (class "SCROLLBAR"): the parent hears of every move as WM_HSCROLL or
// WM_VSCROLL with the scroll bar's window in lParam, and sets the position itself.

#include "platform/ui/CWnd.h"

class QScrollBar;

class CScrollBar : public CWnd
{
    DECLARE_DYNAMIC(CScrollBar)
public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
    int GetScrollPos() const;
    int SetScrollPos(int nPos, BOOL bRedraw = TRUE);
    void GetScrollRange(LPINT lpMinPos, LPINT lpMaxPos) const;
    void SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
    BOOL SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
    BOOL GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
    void ShowScrollBar(BOOL bShow = TRUE) { ShowWindow(bShow ? SW_SHOW : SW_HIDE); }

protected:
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parent) override;
    void ConnectWidget() override;

private:
    QScrollBar* Bar() const;
};
