#include "platform/ui/DialogBuilder.h"

#include "platform/gdi/CFont.h"
#include "platform/gdi/FontMapping.h"
#include "platform/gdi/SystemMetrics.h"
#include "platform/ui/CButton.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/CListBox.h"
#include "platform/ui/CStatic.h"
#include "platform/ui/ControlClasses.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/WinApi.h"
#include "platform/core/Resources.h"

#include <QFontMetrics>
#include <QWidget>

#include <cmath>
#include <cstring>
#include <list>
#include <map>
#include <memory>
#include <string>
#include <tuple>

namespace
{
struct FontKey
{
    std::string face;
    int points;
    int weight;
    int italic;
    bool operator<(const FontKey& o) const
    {
        return std::tie(face, points, weight, italic) < std::tie(o.face, o.points, o.weight, o.italic);
    }
};

struct DialogFont
{
    CFont font;
    double baseX = 6;
    double baseY = 13;
};

// A picture static shows the icon or bitmap its text names.
void ShowImageOf(CWnd* control, const DialogItemTemplate& item)
{
    auto* picture = dynamic_cast<CStatic*>(control);
    const DWORD type = item.style & SS_TYPEMASK;
    if (!picture || (type != SS_ICON && type != SS_BITMAP))
        return;
    if (type == SS_ICON)
        picture->SetIcon(LoadIcon(AfxGetInstanceHandle(), item.text));
    else
        picture->SetBitmap(LoadBitmap(AfxGetInstanceHandle(), item.text));
}

int Scale(int units, double base, int divisor)
{
    return int(std::lround(units * base / divisor));
}
} // namespace

HFONT DialogBuilder::FontOf(const DialogTemplate& t, double& baseUnitX, double& baseUnitY)
{
    static std::map<FontKey, std::unique_ptr<DialogFont>> fonts;
    const FontKey key{t.fontName ? t.fontName : "MS Sans Serif", t.pointSize ? t.pointSize : 8,
                      t.weight ? t.weight : 400, t.italic};
    auto& entry = fonts[key];
    if (!entry)
    {
        entry = std::make_unique<DialogFont>();
        LOGFONT lf{};
        lf.lfHeight = -MulDiv(key.points, Gdi::ScreenDpi, 72);
        lf.lfWeight = key.weight;
        lf.lfItalic = BYTE(key.italic);
        lf.lfCharSet = DEFAULT_CHARSET;
        std::strncpy(lf.lfFaceName, key.face.c_str(), sizeof lf.lfFaceName - 1);
        entry->font.CreateFontIndirect(&lf);
        const QFontMetrics metrics(Gdi::QFontFromHandle(entry->font));
        const int width = metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
        entry->baseX = (width / 26 + 1) / 2;
        entry->baseY = metrics.height();
    }
    baseUnitX = entry->baseX;
    baseUnitY = entry->baseY;
    return entry->font;
}

CWnd* DialogBuilder::NewWindowOfClass(const char* className)
{
    CWnd* wnd = ControlClasses::Create(className);
    return wnd ? wnd : new CWnd;
}

BOOL DialogBuilder::Build(CDialog& dialog, const DialogTemplate& t, CWnd* parent, bool asChild)
{
    double bx = 6, by = 13;
    HFONT font = FontOf(t, bx, by);
    dialog.m_baseUnitX = bx;
    dialog.m_baseUnitY = by;
    dialog.m_template = &t;

    const bool child = asChild || (t.style & WS_CHILD);
    CRect rect(Scale(t.x, bx, 4), Scale(t.y, by, 8), 0, 0);
    rect.right = rect.left + Scale(t.cx, bx, 4);
    rect.bottom = rect.top + Scale(t.cy, by, 8);
    if (!child)
        rect.OffsetRect(-rect.left, -rect.top);
    DWORD style = t.style & ~WS_VISIBLE;
    if (asChild)
        style = (style & ~(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME)) | WS_CHILD;
    DWORD exStyle = t.exStyle | WS_EX_CONTROLPARENT;
    if (!dialog.CreateEx(exStyle, "#32770", t.caption, style, rect, parent, child ? t.id : 0))
        return FALSE;
    dialog.SetFontHandle(font, FALSE);

    for (int i = 0; i < t.itemCount; ++i)
    {
        const DialogItemTemplate& item = t.items[i];
        CWnd* control = NewWindowOfClass(item.className);
        control->DeleteWithWindow();
        CRect r(Scale(item.x, bx, 4), Scale(item.y, by, 8), 0, 0);
        r.right = r.left + Scale(item.cx, bx, 4);
        r.bottom = r.top + Scale(item.cy, by, 8);
        const DWORD itemStyle = item.style | WS_CHILD;
        if (!control->CreateEx(item.exStyle, item.className, item.text, itemStyle & ~WS_VISIBLE, r, &dialog,
                               UINT(item.id)))
        {
            delete control;
            continue;
        }
        control->SetFontHandle(font, FALSE);
        ShowImageOf(control, item);
        if (itemStyle & WS_VISIBLE)
            control->ShowWindow(SW_SHOWNA);
    }
    return TRUE;
}
