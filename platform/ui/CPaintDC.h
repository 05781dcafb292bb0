#pragma once
// The device context of a window's WM_PAINT handler: draws on the client area, clipped to the
// part being repainted.

#include "platform/gdi/CDC.h"
#include "platform/ui/CWnd.h"

#include <memory>

class QPainter;

class CPaintDC : public CDC
{
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;

    PAINTSTRUCT m_ps;

private:
    std::unique_ptr<QPainter> m_painter;
};
