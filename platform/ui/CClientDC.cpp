#include "platform/ui/CClientDC.h"

CClientDC::CClientDC(CWnd* pWnd)
{
    CreateForWindow(pWnd ? pWnd->GetClientWidget() : nullptr);
}
