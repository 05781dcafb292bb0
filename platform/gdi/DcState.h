#pragma once
// The state behind an HDC: the device, its painter and the attributes that SaveDC keeps.

#include "platform/gdi/CDC.h"
#include "platform/gdi/GdiHandle.h"

#include <QFont>
#include <QPainter>
#include <QRegion>

#include <memory>
#include <vector>

namespace Gdi
{
struct DcAttributes
{
    int mapMode = MM_TEXT;
    QPoint windowOrg;
    QPoint viewportOrg;
    std::shared_ptr<PenObject> pen;
    CPen* penWrapper = nullptr;
    std::shared_ptr<BrushObject> brush;
    CBrush* brushWrapper = nullptr;
    std::shared_ptr<FontObject> font;
    CFont* fontWrapper = nullptr;
    std::shared_ptr<BitmapObject> bitmap;
    CBitmap* bitmapWrapper = nullptr;
    COLORREF textColour = RGB(0, 0, 0);
    COLORREF bkColour = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    UINT textAlign = TA_LEFT | TA_TOP;
    int stretchMode = BLACKONWHITE;
    bool clipped = false;
    QRegion clip; // device pixels
    QPoint position; // logical
};

enum class DcKind
{
    Device,  // a paint device with a painter of its own
    Painter, // a painter opened by the caller
    Memory,  // draws into the selected bitmap
    Window,  // measures; drawing makes the window repaint
    Screen   // measures only
};

struct DcState
{
    DcKind kind = DcKind::Screen;
    QPaintDevice* device = nullptr;
    std::unique_ptr<QPainter> ownPainter;
    QPainter* painter = nullptr;
    QWidget* widget = nullptr;
    bool printing = false;
    int dpiX = 96;
    int dpiY = 96;
    QSize size;               // device pixels of the drawing area
    QSize physicalSize;       // printers: the whole sheet
    QPoint physicalOffset;    // printers: the drawing area's corner on the sheet
    bool hasSystemClip = false;
    QRegion systemClip;       // a paint event's region
    std::unique_ptr<CBitmap> defaultBitmap; // a memory context's own 1 x 1 bitmap
    DcAttributes a;
    std::vector<DcAttributes> saved;

    // Font cache of the current font at the current scale.
    const FontObject* cachedFontObject = nullptr;
    double cachedScale = 0;
    QFont cachedFont;

    double ScaleX() const;
    double ScaleY() const;
    QPointF ToDevice(double x, double y) const;
    QPoint ToDeviceInt(int x, int y) const;
    QPointF ToLogical(double x, double y) const;
    QRect ToDeviceRect(int l, int t, int r, int b) const;
    double UnitsToPixelsX(double units) const { return units * std::abs(ScaleX()); }
    double UnitsToPixelsY(double units) const { return units * std::abs(ScaleY()); }
    const QFont& CurrentFont();
    void ApplyClip();
    // The painter to draw on, or null; a window context asks its window to repaint the rectangle.
    QPainter* Begin(const QRect& touched);
    QRegion VisibleRegion() const;
};

DcState* StateOf(HDC dc);
// The state of a device context; for none, a context that draws nothing (as a failed DC would).
DcState* UsableState(HDC dc);
QColor ToQColor(COLORREF c);
COLORREF FromQColor(const QColor& c);
} // namespace Gdi
