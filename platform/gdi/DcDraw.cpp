// Lines, rectangles, fills and bitmap copies of CDC.

#include "platform/gdi/CDC.h"
#include "platform/gdi/DcState.h"

#include <QImage>
#include <QPolygon>

#include <cmath>

using namespace Gdi;

namespace
{
bool IsRaster(const DcState& s) { return !s.printing; }

QPen PenOf(const DcState& s)
{
    const LOGPEN& lp = s.a.pen->pen;
    if (lp.lopnStyle == UINT(PS_NULL))
        return QPen(Qt::NoPen);
    const double width = s.UnitsToPixelsX(lp.lopnWidth.x);
    QPen pen(ToQColor(lp.lopnColor));
    pen.setWidthF(width > 1.5 ? width : 0.0);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    switch (lp.lopnStyle)
    {
    case PS_DASH:
        pen.setStyle(Qt::DashLine);
        break;
    case PS_DOT:
        pen.setStyle(Qt::DotLine);
        break;
    case PS_DASHDOT:
        pen.setStyle(Qt::DashDotLine);
        break;
    case PS_DASHDOTDOT:
        pen.setStyle(Qt::DashDotDotLine);
        break;
    default:
        break;
    }
    return pen;
}

bool HasBrush(const DcState& s) { return s.a.brush->brush.lbStyle != BS_NULL; }

QColor BrushColour(const DcState& s) { return ToQColor(s.a.brush->brush.lbColor); }

QColor BrushColourOf(CBrush* brush)
{
    LOGBRUSH lb;
    if (!brush || !brush->GetLogBrush(&lb) || lb.lbStyle == BS_NULL)
        return QColor();
    return ToQColor(lb.lbColor);
}

const QImage* SourceImage(CDC* source)
{
    if (!source || !source->m_hDC)
        return nullptr;
    DcState* s = StateOf(source->m_hDC);
    if (s->kind == DcKind::Memory)
        return &s->a.bitmap->image;
    return dynamic_cast<const QImage*>(s->device);
}

void XorFill(QPainter* p, const QRect& r, const QColor& colour)
{
    p->save();
    p->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p->fillRect(r, colour);
    p->restore();
}
} // namespace

void CDC::FillRect(LPCRECT rect, CBrush* brush)
{
    DcState* s = UsableState(m_hDC);
    const QColor colour = BrushColourOf(brush);
    if (!s || !rect || !colour.isValid())
        return;
    const QRect r = s->ToDeviceRect(rect->left, rect->top, rect->right, rect->bottom);
    if (QPainter* p = s->Begin(r))
        p->fillRect(r, colour);
}

void CDC::FillSolidRect(LPCRECT rect, COLORREF colour)
{
    DcState* s = UsableState(m_hDC);
    if (!s || !rect)
        return;
    SetBkColor(colour);
    const QRect r = s->ToDeviceRect(rect->left, rect->top, rect->right, rect->bottom);
    if (QPainter* p = s->Begin(r))
        p->fillRect(r, ToQColor(colour));
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF colour)
{
    const CRect r(x, y, x + cx, y + cy);
    FillSolidRect(&r, colour);
}

void CDC::FrameRect(LPCRECT rect, CBrush* brush)
{
    DcState* s = UsableState(m_hDC);
    const QColor colour = BrushColourOf(brush);
    if (!s || !rect || !colour.isValid())
        return;
    const QRect r = s->ToDeviceRect(rect->left, rect->top, rect->right, rect->bottom);
    if (r.isEmpty())
        return;
    // One logical unit wide, at least one pixel.
    const int w = std::max(1, int(std::lround(s->UnitsToPixelsX(1))));
    const int h = std::max(1, int(std::lround(s->UnitsToPixelsY(1))));
    if (QPainter* p = s->Begin(r))
    {
        p->fillRect(QRect(r.left(), r.top(), r.width(), h), colour);
        p->fillRect(QRect(r.left(), r.bottom() + 1 - h, r.width(), h), colour);
        p->fillRect(QRect(r.left(), r.top(), w, r.height()), colour);
        p->fillRect(QRect(r.right() + 1 - w, r.top(), w, r.height()), colour);
    }
}

BOOL CDC::Rectangle(int left, int top, int right, int bottom)
{
    DcState* s = UsableState(m_hDC);
    if (!s)
        return FALSE;
    const QRect r = s->ToDeviceRect(left, top, right, bottom);
    if (r.isEmpty())
        return TRUE;
    QPainter* p = s->Begin(r);
    if (!p)
        return TRUE;
    if (HasBrush(*s))
        p->fillRect(r, BrushColour(*s));
    const QPen pen = PenOf(*s);
    if (pen.style() != Qt::NoPen)
    {
        p->setPen(pen);
        p->setBrush(Qt::NoBrush);
        if (pen.widthF() == 0.0)
            p->drawRect(QRect(r.left(), r.top(), r.width() - 1, r.height() - 1));
        else
        {
            const double half = pen.widthF() / 2;
            p->drawRect(QRectF(r).adjusted(half, half, -half, -half));
        }
    }
    return TRUE;
}

BOOL CDC::Ellipse(int left, int top, int right, int bottom)
{
    DcState* s = UsableState(m_hDC);
    if (!s)
        return FALSE;
    const QRect r = s->ToDeviceRect(left, top, right, bottom);
    if (QPainter* p = s->Begin(r))
    {
        p->save();
        p->setRenderHint(QPainter::Antialiasing, true);
        p->setPen(PenOf(*s));
        p->setBrush(HasBrush(*s) ? QBrush(BrushColour(*s)) : QBrush(Qt::NoBrush));
        p->drawEllipse(QRectF(r).adjusted(0, 0, -1, -1));
        p->restore();
    }
    return TRUE;
}

static QPolygon DevicePolygon(const DcState& s, const POINT* points, int count)
{
    QPolygon poly;
    for (int i = 0; i < count; ++i)
        poly << s.ToDeviceInt(points[i].x, points[i].y);
    return poly;
}

BOOL CDC::Polygon(const POINT* points, int count)
{
    DcState* s = UsableState(m_hDC);
    if (!s || !points || count < 2)
        return FALSE;
    const QPolygon poly = DevicePolygon(*s, points, count);
    if (QPainter* p = s->Begin(poly.boundingRect()))
    {
        p->setPen(PenOf(*s));
        p->setBrush(HasBrush(*s) ? QBrush(BrushColour(*s)) : QBrush(Qt::NoBrush));
        p->drawPolygon(poly);
    }
    return TRUE;
}

BOOL CDC::Polyline(const POINT* points, int count)
{
    if (!points || count < 2)
        return FALSE;
    const CPoint saved = GetCurrentPosition();
    MoveTo(points[0]);
    for (int i = 1; i < count; ++i)
        LineTo(points[i]);
    MoveTo(saved);
    return TRUE;
}

CPoint CDC::MoveTo(int x, int y)
{
    DcState* s = UsableState(m_hDC);
    const QPoint old = std::exchange(s->a.position, QPoint(x, y));
    return {old.x(), old.y()};
}

CPoint CDC::GetCurrentPosition() const
{
    const QPoint p = UsableState(m_hDC)->a.position;
    return {p.x(), p.y()};
}

BOOL CDC::LineTo(int x, int y)
{
    DcState* s = UsableState(m_hDC);
    if (!s)
        return FALSE;
    const QPoint from = s->ToDeviceInt(s->a.position.x(), s->a.position.y());
    const QPoint to = s->ToDeviceInt(x, y);
    s->a.position = QPoint(x, y);
    const QPen pen = PenOf(*s);
    if (pen.style() == Qt::NoPen)
        return TRUE;
    QPainter* p = s->Begin(QRect(from, to).normalized());
    if (!p)
        return TRUE;
    p->setPen(pen);
    // An aliased one-pixel line leaves out its last pixel, as a line to a point must.
    if (to != from)
        p->drawLine(from, to);
    return TRUE;
}

void CDC::InvertRect(LPCRECT rect)
{
    DcState* s = UsableState(m_hDC);
    if (!s || !rect)
        return;
    const QRect r = s->ToDeviceRect(rect->left, rect->top, rect->right, rect->bottom);
    if (QPainter* p = s->Begin(r); p && IsRaster(*s))
        XorFill(p, r, Qt::white);
}

BOOL CDC::PatBlt(int x, int y, int width, int height, DWORD rop)
{
    DcState* s = UsableState(m_hDC);
    if (!s)
        return FALSE;
    const QRect r = s->ToDeviceRect(x, y, x + width, y + height);
    QPainter* p = s->Begin(r);
    if (!p)
        return TRUE;
    switch (rop)
    {
    case PATCOPY:
        if (HasBrush(*s))
            p->fillRect(r, BrushColour(*s));
        break;
    case PATINVERT:
        if (HasBrush(*s) && IsRaster(*s))
            XorFill(p, r, BrushColour(*s));
        break;
    case DSTINVERT:
        if (IsRaster(*s))
            XorFill(p, r, Qt::white);
        break;
    case BLACKNESS:
        p->fillRect(r, Qt::black);
        break;
    case WHITENESS:
        p->fillRect(r, Qt::white);
        break;
    default:
        return FALSE;
    }
    return TRUE;
}

void CDC::DrawFocusRect(LPCRECT rect)
{
    DcState* s = UsableState(m_hDC);
    if (!s || !rect)
        return;
    const QRect r = s->ToDeviceRect(rect->left, rect->top, rect->right, rect->bottom);
    QPainter* p = s->Begin(r);
    if (!p || !IsRaster(*s) || r.isEmpty())
        return;
    // Every other pixel of the outline, inverted: drawing it twice removes it.
    p->save();
    p->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    p->setPen(Qt::NoPen);
    for (int x = r.left(); x <= r.right(); x += 2)
    {
        p->fillRect(QRect(x, r.top(), 1, 1), Qt::white);
        if (r.bottom() != r.top())
            p->fillRect(QRect(x, r.bottom(), 1, 1), Qt::white);
    }
    for (int y = r.top() + 2; y < r.bottom(); y += 2)
    {
        p->fillRect(QRect(r.left(), y, 1, 1), Qt::white);
        if (r.right() != r.left())
            p->fillRect(QRect(r.right(), y, 1, 1), Qt::white);
    }
    p->restore();
}

COLORREF CDC::GetPixel(int x, int y) const
{
    const DcState* s = UsableState(m_hDC);
    const QImage* image = nullptr;
    if (s && s->kind == DcKind::Memory)
        image = &s->a.bitmap->image;
    else if (s)
        image = dynamic_cast<const QImage*>(s->device);
    if (!image)
        return CLR_NONE;
    const QPoint d = s->ToDeviceInt(x, y);
    if (!image->rect().contains(d))
        return CLR_NONE;
    return FromQColor(image->pixelColor(d));
}

COLORREF CDC::SetPixel(int x, int y, COLORREF colour)
{
    DcState* s = UsableState(m_hDC);
    const QPoint d = s->ToDeviceInt(x, y);
    if (QPainter* p = s->Begin(QRect(d, QSize(1, 1))))
        p->fillRect(QRect(d, QSize(1, 1)), ToQColor(colour));
    return colour;
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, DWORD rop)
{
    if (!source && rop != SRCCOPY && rop != SRCPAINT && rop != SRCAND && rop != SRCINVERT)
        return PatBlt(x, y, width, height, rop);
    const DcState* src = source && source->m_hDC ? StateOf(source->m_hDC) : nullptr;
    if (!src)
        return FALSE;
    // The source rectangle has the same size in device pixels of the source as the destination.
    DcState* s = UsableState(m_hDC);
    const QRect d = s->ToDeviceRect(x, y, x + width, y + height);
    const QPoint origin = src->ToDeviceInt(xSrc, ySrc);
    const int widthSrc = int(std::lround(d.width() / std::abs(s->ScaleX()) * std::abs(src->ScaleX())));
    const int heightSrc = int(std::lround(d.height() / std::abs(s->ScaleY()) * std::abs(src->ScaleY())));
    const QPointF corner = src->ToLogical(origin.x() + widthSrc, origin.y() + heightSrc);
    return StretchBlt(x, y, width, height, source, xSrc, ySrc, int(std::lround(corner.x())) - xSrc,
                      int(std::lround(corner.y())) - ySrc, rop);
}

BOOL CDC::StretchBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, int widthSrc,
                     int heightSrc, DWORD rop)
{
    DcState* s = UsableState(m_hDC);
    const QImage* image = SourceImage(source);
    if (!s || !image)
        return FALSE;
    const DcState* src = StateOf(source->m_hDC);
    const QRect d = s->ToDeviceRect(x, y, x + width, y + height);
    const QRect from = src->ToDeviceRect(xSrc, ySrc, xSrc + widthSrc, ySrc + heightSrc);
    QPainter* p = s->Begin(d);
    if (!p || d.isEmpty() || from.isEmpty())
        return TRUE;
    p->save();
    switch (rop)
    {
    case SRCCOPY:
        p->setCompositionMode(QPainter::CompositionMode_Source);
        break;
    case SRCAND:
        if (IsRaster(*s))
            p->setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        break;
    case SRCPAINT:
        if (IsRaster(*s))
            p->setCompositionMode(QPainter::RasterOp_SourceOrDestination);
        break;
    case SRCINVERT:
        if (IsRaster(*s))
            p->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        break;
    default:
        break;
    }
    if (s->printing)
        p->setCompositionMode(QPainter::CompositionMode_SourceOver);
    p->setRenderHint(QPainter::SmoothPixmapTransform, s->a.stretchMode == HALFTONE || s->printing);
    if (s->kind == DcKind::Memory && s->a.bitmap && image == &s->a.bitmap->image)
    {
        const QImage copy = image->copy(from);
        p->drawImage(d, copy);
    }
    else
        p->drawImage(d, *image, from);
    p->restore();
    return TRUE;
}
