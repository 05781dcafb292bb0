#include "platform/gdi/CRgn.h"
#include "platform/gdi/TemporaryObjects.h"

namespace
{
Gdi::RegionObject* RegionOf(HGDIOBJ h)
{
    auto* o = Gdi::FromHandle(h);
    return o && o->kind == Gdi::HandleKind::Region ? static_cast<Gdi::RegionObject*>(o) : nullptr;
}

int RegionType(const QRegion& r)
{
    if (r.isEmpty())
        return NULLREGION;
    return r.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}
} // namespace

BOOL CRgn::CreateRectRgn(int left, int top, int right, int bottom)
{
    if (m_hObject)
        return FALSE;
    auto object = std::make_shared<Gdi::RegionObject>();
    CRect r(left, top, right, bottom);
    r.NormalizeRect();
    object->region = QRegion(r.left, r.top, r.Width(), r.Height());
    Adopt(object);
    return TRUE;
}

BOOL CRgn::CreateRectRgnIndirect(LPCRECT rect)
{
    return rect && CreateRectRgn(rect->left, rect->top, rect->right, rect->bottom);
}

int CRgn::CombineRgn(CRgn* a, CRgn* b, int mode)
{
    auto* self = RegionOf(m_hObject);
    if (!self || !a)
        return ERROR;
    const QRegion ra = a->Region();
    const QRegion rb = b ? b->Region() : QRegion();
    switch (mode)
    {
    case RGN_AND:
        self->region = ra.intersected(rb);
        break;
    case RGN_OR:
        self->region = ra.united(rb);
        break;
    case RGN_XOR:
        self->region = ra.xored(rb);
        break;
    case RGN_DIFF:
        self->region = ra.subtracted(rb);
        break;
    case RGN_COPY:
        self->region = ra;
        break;
    default:
        return ERROR;
    }
    return RegionType(self->region);
}

BOOL CRgn::PtInRegion(int x, int y) const { return Region().contains(QPoint(x, y)); }

int CRgn::GetRgnBox(LPRECT rect) const
{
    auto* self = RegionOf(m_hObject);
    if (!self || !rect)
        return ERROR;
    const QRect b = self->region.boundingRect();
    *rect = CRect(b.left(), b.top(), b.left() + b.width(), b.top() + b.height());
    return RegionType(self->region);
}

QRegion CRgn::Region() const
{
    auto* self = RegionOf(m_hObject);
    return self ? self->region : QRegion();
}

CRgn* CRgn::FromHandle(HRGN handle) { return Gdi::TemporaryObject<CRgn>(handle); }
