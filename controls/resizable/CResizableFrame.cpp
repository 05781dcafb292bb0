#include "controls/resizable/CResizableFrame.h"

void CResizableFrame::MakeSizingFrame(CWnd* pWnd)
{
    CRect client, window;
    pWnd->GetClientRect(&client);
    pWnd->GetWindowRect(&window);
    const CSize frame = window.Size() - client.Size();
    pWnd->ModifyStyle(DS_MODALFRAME, WS_POPUP | WS_THICKFRAME);
    const CSize size = client.Size() + frame;
    pWnd->SetWindowPos(nullptr, 0, 0, size.cx, size.cy,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED | SWP_NOOWNERZORDER);
}

BOOL CResizableFrame::ArrangesOn(UINT nSizeType)
{
    return nSizeType != SIZE_MAXSHOW && nSizeType != SIZE_MAXHIDE;
}
