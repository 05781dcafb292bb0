#pragma once
// A region in device coordinates.

#include "platform/gdi/CGdiObject.h"

class CRgn : public CGdiObject
{
public:
    BOOL CreateRectRgn(int left, int top, int right, int bottom);
    BOOL CreateRectRgnIndirect(LPCRECT rect);
    int CombineRgn(CRgn* a, CRgn* b, int mode);
    BOOL PtInRegion(int x, int y) const;
    BOOL PtInRegion(POINT p) const { return PtInRegion(p.x, p.y); }
    int GetRgnBox(LPRECT rect) const;
    operator HRGN() const { return static_cast<HRGN>(m_hObject); }
    static CRgn* FromHandle(HRGN handle);

    QRegion Region() const;
};
