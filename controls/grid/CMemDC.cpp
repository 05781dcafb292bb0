#include "controls/grid/CMemDC.h"

CMemDC::CMemDC(CDC* pDC) : m_pDC(pDC), m_bMemDC(!pDC->IsPrinting())
{
    if (!m_bMemDC)
    {
        Attach(pDC->GetSafeHdc());
        return;
    }
    pDC->GetClipBox(&m_rect);
    CreateCompatibleDC(pDC);
    m_bitmap.CreateCompatibleBitmap(pDC, m_rect.Width(), m_rect.Height());
    m_pOldBitmap = SelectObject(&m_bitmap);
    SetWindowOrg(m_rect.left, m_rect.top);
    FillSolidRect(m_rect, pDC->GetBkColor());
}

CMemDC::~CMemDC()
{
    if (!m_bMemDC)
    {
        Detach();
        return;
    }
    m_pDC->BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), this, m_rect.left, m_rect.top,
                  SRCCOPY);
    SelectObject(m_pOldBitmap);
}
