#include "controls/resizable/CResizableGrip.h"

#include "platform/ui/CWnd.h"
#include "platform/ui/WinApi.h"

CResizableGrip::CResizableGrip() : m_sizeGrip(GetSystemMetrics(SM_CXVSCROLL), GetSystemMetrics(SM_CYHSCROLL))
{
}

CResizableGrip::~CResizableGrip() = default;

BOOL CResizableGrip::CreateGripWindow()
{
    const CRect rect(0, 0, m_sizeGrip.cx, m_sizeGrip.cy);
    if (!m_wndGrip.Create(WS_CHILD | WS_CLIPSIBLINGS | SBS_SIZEGRIP, rect, GetLayoutWindow(), 0))
        return FALSE;
    m_wndGrip.SetTriangleRegion(m_sizeGrip);
    PlaceGrip();
    ShowGrip(TRUE);
    return TRUE;
}

void CResizableGrip::PlaceGrip()
{
    if (!m_wndGrip.GetSafeHwnd())
        return;
    CWnd* pWnd = GetLayoutWindow();
    CRect client;
    pWnd->GetClientRect(&client);
    m_wndGrip.SetWindowPos(&CWnd::wndBottom, client.right - m_sizeGrip.cx, client.bottom - m_sizeGrip.cy, 0,
                           0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    m_wndGrip.EnableWindow(!pWnd->IsZoomed());
}

void CResizableGrip::ShowGrip(BOOL bShow)
{
    if (m_wndGrip.GetSafeHwnd())
        m_wndGrip.ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}
