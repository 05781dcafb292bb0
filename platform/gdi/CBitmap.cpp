#include "platform/gdi/CBitmap.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/TemporaryObjects.h"

namespace
{
Gdi::BitmapResourceLoader g_loader = nullptr;
}

void Gdi::SetBitmapResourceLoader(BitmapResourceLoader loader) { g_loader = loader; }

QImage Gdi::LoadBitmapResource(UINT id) { return g_loader ? g_loader(id) : QImage(); }

BOOL CBitmap::LoadBitmap(UINT resourceId)
{
    const QImage image = Gdi::LoadBitmapResource(resourceId);
    return !image.isNull() && CreateFromImage(image);
}

BOOL CBitmap::CreateCompatibleBitmap(CDC*, int width, int height)
{
    if (width <= 0 || height <= 0)
        return FALSE;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    return CreateFromImage(image);
}

BOOL CBitmap::CreateBitmap(int width, int height, UINT, UINT bitsPerPixel, const void* bits)
{
    if (width <= 0 || height <= 0)
        return FALSE;
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    if (bits && bitsPerPixel == 32)
    {
        const auto* src = static_cast<const uchar*>(bits);
        for (int y = 0; y < height; ++y)
            std::memcpy(image.scanLine(y), src + std::size_t(y) * width * 4, std::size_t(width) * 4);
    }
    return CreateFromImage(image);
}

BOOL CBitmap::CreateFromImage(const QImage& image)
{
    if (image.isNull() || m_hObject)
        return FALSE;
    auto object = std::make_shared<Gdi::BitmapObject>();
    object->image = image.convertToFormat(QImage::Format_RGB32);
    Adopt(object);
    return TRUE;
}

CSize CBitmap::GetBitmapDimension() const
{
    const QImage& img = Image();
    return {img.width(), img.height()};
}

const QImage& CBitmap::Image() const
{
    static const QImage empty;
    auto* o = Gdi::FromHandle(m_hObject);
    return o && o->kind == Gdi::HandleKind::Bitmap ? static_cast<Gdi::BitmapObject*>(o)->image : empty;
}

CBitmap* CBitmap::FromHandle(HBITMAP handle) { return Gdi::TemporaryObject<CBitmap>(handle); }
