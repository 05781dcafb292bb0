#pragma once
// A device context of a window's client area outside WM_PAINT (see CWnd::GetDC); with no window,
// a context of the screen.

#include "platform/gdi/CDC.h"
#include "platform/ui/CWnd.h"

class CClientDC : public CDC
{
public:
    explicit CClientDC(CWnd* pWnd);
};
