#include "platform/gdi/frame/CPaintDC.h"
#include "platform/gdi/DcState.h"

#include <QWidget>

CPaintDC::CPaintDC(CWnd* pWnd)
{
    if (!pWnd || !pWnd->GetSafeHwnd())
        return;
    m_hWnd = pWnd->GetSafeHwnd();
    pWnd->BeginPaint(&m_ps);
    QWidget* client = pWnd->GetClientWidget();
    CRect update;
    const bool painting = pWnd->GetUpdateRect(&update);
    if (painting && client && CreateForDevice(client, false))
    {
        Gdi::DcState* s = Gdi::StateOf(m_hDC);
        s->hasSystemClip = true;
        s->systemClip = QRegion(update.left, update.top, update.Width(), update.Height());
        m_ps.hdc = m_hDC;
        return;
    }
    CreateForWindow(client);
    m_ps.hdc = m_hDC;
}

CPaintDC::~CPaintDC()
{
    DeleteDC();
}

CClientDC::CClientDC(CWnd* pWnd)
{
    m_hWnd = pWnd ? pWnd->GetSafeHwnd() : nullptr;
    CreateForWindow(m_hWnd ? pWnd->GetClientWidget() : nullptr);
}
