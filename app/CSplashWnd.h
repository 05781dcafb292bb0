#pragma once
// The start picture: bitmap 317 in a borderless pop-up window centred over the main frame. The
// view draws nothing on screen, so this is what the user sees between commands. Printing
// switches it off.

#include "platform/gdi/CBitmap.h"
#include "platform/ui/CWnd.h"

class CSplashWnd : public CWnd
{
public:
    static void EnableSplashScreen(BOOL bEnable);
    // Shows the picture over the parent frame when enabled and none exists.
    static void ShowSplashScreen(CWnd* pParentWnd = nullptr);
    static void HideSplashScreen();
    // The picture window, null when none.
    static CSplashWnd* Current() { return c_pSplashWnd; }

    CBitmap m_bitmap;

protected:
    CSplashWnd() = default;
    ~CSplashWnd() override;
    BOOL Create(CWnd* pParentWnd);
    void PostNcDestroy() override;

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnPaint();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    static CSplashWnd* c_pSplashWnd;
    static BOOL c_bShowSplashWnd;
};
