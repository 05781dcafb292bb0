#pragma once
// An off-screen device context bound to a target DC: drawing goes to a bitmap of the target's clip
// box, copied to the target once when the object ends. A printing target is drawn on directly.

#include "platform/gdi/CDC.h"

class CMemDC : public CDC
{
public:
    explicit CMemDC(CDC* pDC);
    ~CMemDC() override;
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;

    bool IsOffScreen() const { return m_bMemDC; }

private:
    CDC* m_pDC;
    CBitmap m_bitmap;
    CBitmap* m_pOldBitmap = nullptr;
    CRect m_rect;
    bool m_bMemDC;
};
