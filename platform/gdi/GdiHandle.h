#pragma once
// What a drawing-object handle (HPEN, HBRUSH, HFONT, HBITMAP, HRGN) points at.
// Objects are shared: a device context keeps what is selected into it alive.

#include "platform/gdi/GdiTypes.h"

#include <QImage>
#include <QRegion>

#include <memory>

namespace Gdi
{
enum class HandleKind
{
    Pen,
    Brush,
    Font,
    Bitmap,
    Region
};

struct HandleObject : std::enable_shared_from_this<HandleObject>
{
    explicit HandleObject(HandleKind k) : kind(k) {}
    virtual ~HandleObject() = default;
    const HandleKind kind;
    bool stock = false;
};

struct PenObject : HandleObject
{
    PenObject() : HandleObject(HandleKind::Pen) {}
    LOGPEN pen;
};

struct BrushObject : HandleObject
{
    BrushObject() : HandleObject(HandleKind::Brush) {}
    LOGBRUSH brush;
};

struct FontObject : HandleObject
{
    FontObject() : HandleObject(HandleKind::Font) {}
    LOGFONT font;
};

struct BitmapObject : HandleObject
{
    BitmapObject() : HandleObject(HandleKind::Bitmap) {}
    QImage image;
};

// Device coordinates.
struct RegionObject : HandleObject
{
    RegionObject() : HandleObject(HandleKind::Region) {}
    QRegion region;
};

inline HandleObject* FromHandle(HGDIOBJ h) { return static_cast<HandleObject*>(h); }

template <class T>
std::shared_ptr<T> SharedFromHandle(HGDIOBJ h, HandleKind kind)
{
    HandleObject* o = FromHandle(h);
    if (!o || o->kind != kind)
        return {};
    return std::static_pointer_cast<T>(o->shared_from_this());
}

// The stock object of an index (WHITE_BRUSH ... DEFAULT_GUI_FONT); null for an unknown index.
std::shared_ptr<HandleObject> StockObject(int index);
} // namespace Gdi
