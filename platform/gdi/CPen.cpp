#include "platform/gdi/CPen.h"
#include "platform/gdi/TemporaryObjects.h"

BOOL CPen::CreatePen(int style, int width, COLORREF colour)
{
    LOGPEN pen;
    pen.lopnStyle = UINT(style);
    pen.lopnWidth.x = width;
    pen.lopnColor = colour;
    return CreatePenIndirect(&pen);
}

BOOL CPen::CreatePenIndirect(const LOGPEN* pen)
{
    if (!pen || m_hObject)
        return FALSE;
    auto object = std::make_shared<Gdi::PenObject>();
    object->pen = *pen;
    Adopt(object);
    return TRUE;
}

CPen* CPen::FromHandle(HPEN handle) { return Gdi::TemporaryObject<CPen>(handle); }
