#include "platform/ui/CPaintDC.h"

#include <QPainter>
#include <QWidget>

CPaintDC::CPaintDC(CWnd* pWnd)
{
    pWnd->BeginPaint(&m_ps);
    QWidget* client = pWnd->GetClientWidget();
    if (!client)
        return;
    m_painter = std::make_unique<QPainter>(client);
    if (!m_painter->isActive())
    {
        // Not inside the window's paint event: draw as a client DC does (the window repaints).
        m_painter.reset();
        CreateForWindow(client);
        m_ps.hdc = m_hDC;
        return;
    }
    CreateForPainter(m_painter.get(), false);
    IntersectClipRect(&m_ps.rcPaint);
    m_ps.hdc = m_hDC;
}

CPaintDC::~CPaintDC()
{
    DeleteDC();
    m_painter.reset();
}
