// Device contexts of windows (the drawing layer, platform/gdi, draws on them).

#include "platform/gdi/CDC.h"
#include "platform/ui/CWnd.h"

CDC* CWnd::GetDC()
{
    auto* dc = new CDC;
    dc->CreateForWindow(m_hWnd ? GetClientWidget() : nullptr);
    return dc;
}

int CWnd::ReleaseDC(CDC* pDC)
{
    if (!pDC)
        return 0;
    delete pDC;
    return 1;
}
