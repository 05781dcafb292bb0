#include "platform/gdi/CGdiObject.h"

#include <cstring>

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject)
        return FALSE;
    m_object.reset();
    m_hObject = nullptr;
    return TRUE;
}

BOOL CGdiObject::CreateStockObject(int index)
{
    auto stock = Gdi::StockObject(index);
    if (!stock)
        return FALSE;
    Adopt(stock);
    return TRUE;
}

int CGdiObject::GetObject(int size, LPVOID buffer) const { return ::GetObject(m_hObject, size, buffer); }

BOOL CGdiObject::Attach(HGDIOBJ handle)
{
    if (!handle)
        return FALSE;
    Adopt(Gdi::FromHandle(handle)->shared_from_this());
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ h = m_hObject;
    m_object.reset();
    m_hObject = nullptr;
    return h;
}

void CGdiObject::Adopt(std::shared_ptr<Gdi::HandleObject> object)
{
    m_object = std::move(object);
    m_hObject = m_object.get();
}

HGDIOBJ GetStockObject(int index) { return Gdi::StockObject(index).get(); }

BOOL DeleteObject(HGDIOBJ handle)
{
    // Handles belong to their C++ objects here; a handle dies with the last owner.
    return handle != nullptr;
}

namespace
{
template <class T>
int CopyOut(const T& value, int size, LPVOID buffer)
{
    if (!buffer)
        return int(sizeof(T));
    const int n = std::min<int>(size, sizeof(T));
    std::memcpy(buffer, &value, n);
    return n;
}
} // namespace

int GetObject(HGDIOBJ handle, int size, LPVOID buffer)
{
    auto* o = Gdi::FromHandle(handle);
    if (!o || size < 0)
        return 0;
    switch (o->kind)
    {
    case Gdi::HandleKind::Font:
        return CopyOut(static_cast<Gdi::FontObject*>(o)->font, size, buffer);
    case Gdi::HandleKind::Pen:
        return CopyOut(static_cast<Gdi::PenObject*>(o)->pen, size, buffer);
    case Gdi::HandleKind::Brush:
        return CopyOut(static_cast<Gdi::BrushObject*>(o)->brush, size, buffer);
    case Gdi::HandleKind::Bitmap:
    {
        const QImage& img = static_cast<Gdi::BitmapObject*>(o)->image;
        BITMAP bm;
        bm.bmWidth = img.width();
        bm.bmHeight = img.height();
        bm.bmWidthBytes = int(img.bytesPerLine());
        bm.bmBitsPixel = WORD(img.depth());
        return CopyOut(bm, size, buffer);
    }
    case Gdi::HandleKind::Region:
        return 0;
    }
    return 0;
}
