#include "platform/gdi/CBrush.h"
#include "platform/gdi/SystemMetrics.h"
#include "platform/gdi/TemporaryObjects.h"

BOOL CBrush::CreateSolidBrush(COLORREF colour)
{
    LOGBRUSH brush;
    brush.lbStyle = BS_SOLID;
    brush.lbColor = colour;
    return CreateBrushIndirect(&brush);
}

BOOL CBrush::CreateSysColorBrush(int index) { return CreateSolidBrush(GetSysColor(index)); }

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* brush)
{
    if (!brush || m_hObject)
        return FALSE;
    auto object = std::make_shared<Gdi::BrushObject>();
    object->brush = *brush;
    Adopt(object);
    return TRUE;
}

CBrush* CBrush::FromHandle(HBRUSH handle) { return Gdi::TemporaryObject<CBrush>(handle); }
