#pragma once
// The device context of a window's client area while the window handles WM_PAINT: it draws on
// the window, clipped to the area being repainted. Outside WM_PAINT it acts as a CClientDC.

#include "platform/gdi/CDC.h"
#include "platform/ui/CWnd.h"

#include <memory>

class CPaintDC : public CDC
{
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps;
    HWND m_hWnd = nullptr;
};

// A device context of a window's client area outside WM_PAINT: it measures, and what is drawn
// on it reaches the screen through the window's next repaint.
class CClientDC : public CDC
{
public:
    explicit CClientDC(CWnd* pWnd);

    HWND m_hWnd = nullptr;
};

using CWindowDC = CClientDC;
