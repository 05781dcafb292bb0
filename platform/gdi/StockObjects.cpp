#include "platform/gdi/GdiHandle.h"
#include "platform/gdi/SystemMetrics.h"

#include <array>
#include <cstring>

namespace
{
std::shared_ptr<Gdi::HandleObject> MakeBrush(UINT style, COLORREF colour)
{
    auto b = std::make_shared<Gdi::BrushObject>();
    b->brush.lbStyle = style;
    b->brush.lbColor = colour;
    b->stock = true;
    return b;
}

std::shared_ptr<Gdi::HandleObject> MakePen(int style, COLORREF colour)
{
    auto p = std::make_shared<Gdi::PenObject>();
    p->pen.lopnStyle = UINT(style);
    p->pen.lopnColor = colour;
    p->stock = true;
    return p;
}

std::shared_ptr<Gdi::HandleObject> MakeFont(const LOGFONT& lf)
{
    auto f = std::make_shared<Gdi::FontObject>();
    f->font = lf;
    f->stock = true;
    return f;
}

std::array<std::shared_ptr<Gdi::HandleObject>, 18> MakeStockObjects()
{
    std::array<std::shared_ptr<Gdi::HandleObject>, 18> s;
    s[WHITE_BRUSH] = MakeBrush(BS_SOLID, RGB(255, 255, 255));
    s[LTGRAY_BRUSH] = MakeBrush(BS_SOLID, RGB(192, 192, 192));
    s[GRAY_BRUSH] = MakeBrush(BS_SOLID, RGB(128, 128, 128));
    s[DKGRAY_BRUSH] = MakeBrush(BS_SOLID, RGB(64, 64, 64));
    s[BLACK_BRUSH] = MakeBrush(BS_SOLID, RGB(0, 0, 0));
    s[NULL_BRUSH] = MakeBrush(BS_NULL, 0);
    s[WHITE_PEN] = MakePen(PS_SOLID, RGB(255, 255, 255));
    s[BLACK_PEN] = MakePen(PS_SOLID, RGB(0, 0, 0));
    s[NULL_PEN] = MakePen(PS_NULL, 0);
    const LOGFONT gui = Gdi::MessageFont();
    LOGFONT system = gui;
    system.lfHeight = 16;
    system.lfWeight = FW_BOLD;
    s[ANSI_VAR_FONT] = MakeFont(gui);
    s[SYSTEM_FONT] = MakeFont(system);
    s[DEVICE_DEFAULT_FONT] = MakeFont(system);
    s[DEFAULT_GUI_FONT] = MakeFont(gui);
    return s;
}
} // namespace

std::shared_ptr<Gdi::HandleObject> Gdi::StockObject(int index)
{
    static const auto stock = MakeStockObjects();
    if (index < 0 || index >= int(stock.size()))
        return {};
    return stock[std::size_t(index)];
}
