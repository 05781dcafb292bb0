// Three-dimensional edges and the frame controls (buttons, check boxes, radio buttons,
// scroll arrows) of CDC, in the system colours.

#include "platform/gdi/CDC.h"
#include "platform/gdi/DcState.h"
#include "platform/gdi/SystemMetrics.h"

#include <QPainterPath>

using namespace Gdi;

namespace
{
// One pixel wide borders, outer first.
void DrawBorder(QPainter* p, QRect& r, COLORREF topLeft, COLORREF bottomRight, UINT sides)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    const QColor tl = ToQColor(topLeft);
    const QColor br = ToQColor(bottomRight);
    if (sides & BF_TOP)
        p->fillRect(QRect(r.left(), r.top(), r.width(), 1), tl);
    if (sides & BF_LEFT)
        p->fillRect(QRect(r.left(), r.top(), 1, r.height()), tl);
    if (sides & BF_BOTTOM)
        p->fillRect(QRect(r.left(), r.bottom(), r.width(), 1), br);
    if (sides & BF_RIGHT)
        p->fillRect(QRect(r.right(), r.top(), 1, r.height()), br);
    r.adjust((sides & BF_LEFT) ? 1 : 0, (sides & BF_TOP) ? 1 : 0, (sides & BF_RIGHT) ? -1 : 0,
             (sides & BF_BOTTOM) ? -1 : 0);
}

void DrawEdgeOn(QPainter* p, QRect& r, UINT edge, UINT flags)
{
    if (edge & BDR_RAISEDOUTER)
        DrawBorder(p, r, GetSysColor(COLOR_3DLIGHT), GetSysColor(COLOR_3DDKSHADOW), flags);
    else if (edge & BDR_SUNKENOUTER)
        DrawBorder(p, r, GetSysColor(COLOR_3DSHADOW), GetSysColor(COLOR_3DHIGHLIGHT), flags);
    if (edge & BDR_RAISEDINNER)
        DrawBorder(p, r, GetSysColor(COLOR_3DHIGHLIGHT), GetSysColor(COLOR_3DSHADOW), flags);
    else if (edge & BDR_SUNKENINNER)
        DrawBorder(p, r, GetSysColor(COLOR_3DDKSHADOW), GetSysColor(COLOR_3DLIGHT), flags);
    if ((flags & BF_MIDDLE) && r.width() > 0 && r.height() > 0)
        p->fillRect(r, ToQColor(GetSysColor(COLOR_3DFACE)));
}

void DrawCheckMark(QPainter* p, const QRect& box, const QColor& colour)
{
    const double w = box.width();
    QPainterPath path;
    path.moveTo(box.left() + w * 0.2, box.top() + w * 0.5);
    path.lineTo(box.left() + w * 0.42, box.top() + w * 0.72);
    path.lineTo(box.left() + w * 0.8, box.top() + w * 0.28);
    p->save();
    p->setRenderHint(QPainter::Antialiasing, true);
    p->setPen(QPen(colour, std::max(1.5, w / 7.0)));
    p->drawPath(path);
    p->restore();
}

QRect SquareIn(const QRect& r, int maxSide)
{
    const int side = std::min({r.width(), r.height(), maxSide});
    return QRect(r.left() + (r.width() - side) / 2, r.top() + (r.height() - side) / 2, side, side);
}

void DrawCheckBox(QPainter* p, const QRect& r, UINT state)
{
    QRect box = SquareIn(r, 13);
    const QRect outer = box;
    DrawEdgeOn(p, box, EDGE_SUNKEN, BF_RECT);
    const bool grey = (state & (DFCS_INACTIVE | DFCS_PUSHED)) != 0;
    p->fillRect(box, ToQColor(GetSysColor(grey ? COLOR_3DFACE : COLOR_WINDOW)));
    if (state & DFCS_CHECKED)
        DrawCheckMark(p, outer, ToQColor(GetSysColor((state & DFCS_INACTIVE) ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT)));
}

void DrawRadioButton(QPainter* p, const QRect& r, UINT state)
{
    const QRect box = SquareIn(r, 13);
    p->save();
    p->setRenderHint(QPainter::Antialiasing, true);
    const bool grey = (state & (DFCS_INACTIVE | DFCS_PUSHED)) != 0;
    p->setPen(QPen(ToQColor(GetSysColor(COLOR_3DSHADOW)), 1));
    p->setBrush(ToQColor(GetSysColor(grey ? COLOR_3DFACE : COLOR_WINDOW)));
    p->drawEllipse(QRectF(box).adjusted(0.5, 0.5, -0.5, -0.5));
    if (state & DFCS_CHECKED)
    {
        p->setPen(Qt::NoPen);
        p->setBrush(ToQColor(GetSysColor((state & DFCS_INACTIVE) ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT)));
        const double inset = box.width() * 0.3;
        p->drawEllipse(QRectF(box).adjusted(inset, inset, -inset, -inset));
    }
    p->restore();
}

void DrawPushFace(QPainter* p, QRect& r, UINT state)
{
    if (state & (DFCS_PUSHED | DFCS_CHECKED))
    {
        DrawBorder(p, r, GetSysColor(COLOR_3DSHADOW), GetSysColor(COLOR_3DSHADOW), BF_RECT);
        p->fillRect(r, ToQColor(GetSysColor(COLOR_3DFACE)));
    }
    else
        DrawEdgeOn(p, r, EDGE_RAISED, BF_RECT | BF_MIDDLE);
}

void DrawArrow(QPainter* p, const QRect& r, UINT direction, const QColor& colour, bool shifted)
{
    const int side = std::max(3, std::min(r.width(), r.height()) / 3);
    const QPointF c = QRectF(r).center() + (shifted ? QPointF(1, 1) : QPointF(0, 0));
    const double h = side / 2.0;
    QPolygonF tri;
    switch (direction)
    {
    case DFCS_SCROLLUP:
        tri << QPointF(c.x() - h, c.y() + h / 2) << QPointF(c.x() + h, c.y() + h / 2) << QPointF(c.x(), c.y() - h / 2);
        break;
    case DFCS_SCROLLLEFT:
        tri << QPointF(c.x() + h / 2, c.y() - h) << QPointF(c.x() + h / 2, c.y() + h) << QPointF(c.x() - h / 2, c.y());
        break;
    case DFCS_SCROLLRIGHT:
        tri << QPointF(c.x() - h / 2, c.y() - h) << QPointF(c.x() - h / 2, c.y() + h) << QPointF(c.x() + h / 2, c.y());
        break;
    default: // down and combo box
        tri << QPointF(c.x() - h, c.y() - h / 2) << QPointF(c.x() + h, c.y() - h / 2) << QPointF(c.x(), c.y() + h / 2);
        break;
    }
    p->save();
    p->setRenderHint(QPainter::Antialiasing, true);
    p->setPen(Qt::NoPen);
    p->setBrush(colour);
    p->drawPolygon(tri);
    p->restore();
}

void DrawScrollControl(QPainter* p, QRect r, UINT state)
{
    const bool pushed = (state & DFCS_PUSHED) != 0;
    if (state & DFCS_FLAT)
        p->fillRect(r, ToQColor(GetSysColor(COLOR_3DFACE)));
    else
        DrawPushFace(p, r, state & DFCS_PUSHED);
    const UINT direction = state & 0xF;
    if (state & DFCS_INACTIVE)
    {
        DrawArrow(p, r, direction, ToQColor(GetSysColor(COLOR_3DHIGHLIGHT)), true);
        DrawArrow(p, r, direction, ToQColor(GetSysColor(COLOR_GRAYTEXT)), false);
    }
    else
        DrawArrow(p, r, direction, ToQColor(GetSysColor(COLOR_BTNTEXT)), pushed);
}
} // namespace

BOOL CDC::DrawEdge(LPRECT rect, UINT edge, UINT flags)
{
    DcState* s = UsableState(m_hDC);
    if (!s || !rect)
        return FALSE;
    QRect r = s->ToDeviceRect(rect->left, rect->top, rect->right, rect->bottom);
    QPainter* p = s->Begin(r);
    QRect inner = r;
    if (p)
        DrawEdgeOn(p, inner, edge, flags);
    if (flags & BF_ADJUST)
    {
        const int shrinkLeft = inner.left() - r.left();
        const int shrinkTop = inner.top() - r.top();
        const int shrinkRight = r.right() - inner.right();
        const int shrinkBottom = r.bottom() - inner.bottom();
        CRect adjusted(r.left() + shrinkLeft, r.top() + shrinkTop, r.right() + 1 - shrinkRight,
                       r.bottom() + 1 - shrinkBottom);
        DPtoLP(&adjusted);
        *rect = adjusted;
    }
    return TRUE;
}

BOOL CDC::DrawFrameControl(LPRECT rect, UINT type, UINT state)
{
    DcState* s = UsableState(m_hDC);
    if (!s || !rect)
        return FALSE;
    QRect r = s->ToDeviceRect(rect->left, rect->top, rect->right, rect->bottom);
    QPainter* p = s->Begin(r);
    if (!p || r.isEmpty())
        return TRUE;
    switch (type)
    {
    case DFC_BUTTON:
        if (state & DFCS_BUTTONPUSH)
            DrawPushFace(p, r, state);
        else if (state & (DFCS_BUTTONRADIO | DFCS_BUTTONRADIOIMAGE))
            DrawRadioButton(p, r, state);
        else
            DrawCheckBox(p, r, state);
        return TRUE;
    case DFC_SCROLL:
        DrawScrollControl(p, r, state);
        return TRUE;
    default:
        return FALSE;
    }
}
