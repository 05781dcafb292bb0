#include "platform/gdi/CImageList.h"
#include "platform/gdi/DcState.h"

#include <QPainter>

using Gdi::ImageListData;

namespace
{
ImageListData* DataOf(HIMAGELIST list) { return reinterpret_cast<ImageListData*>(list); }

QImage WithMask(const QImage& source, COLORREF mask, bool masked)
{
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    if (masked && mask != CLR_NONE)
    {
        const QRgb key = qRgb(GetRValue(mask), GetGValue(mask), GetBValue(mask));
        for (int y = 0; y < image.height(); ++y)
        {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if ((line[x] & 0xFFFFFF) == (key & 0xFFFFFF))
                    line[x] = 0;
        }
    }
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}
} // namespace

CImageList::~CImageList() { DeleteImageList(); }

BOOL CImageList::Create(int cx, int cy, UINT flags, int, int)
{
    if (m_hImageList || cx <= 0 || cy <= 0)
        return FALSE;
    auto* data = new ImageListData;
    data->size = QSize(cx, cy);
    data->masked = (flags & ILC_MASK) != 0;
    m_hImageList = reinterpret_cast<HIMAGELIST>(data);
    return TRUE;
}

BOOL CImageList::Create(UINT bitmapId, int cx, int grow, COLORREF mask)
{
    CBitmap strip;
    if (!strip.LoadBitmap(bitmapId) || !Create(cx, strip.Image().height(), ILC_MASK | ILC_COLOR32, 0, grow))
        return FALSE;
    if (Add(&strip, mask) < 0)
    {
        DeleteImageList();
        return FALSE;
    }
    return TRUE;
}

BOOL CImageList::DeleteImageList()
{
    if (!m_hImageList)
        return FALSE;
    delete Data();
    m_hImageList = nullptr;
    return TRUE;
}

int CImageList::Add(const QImage& image)
{
    ImageListData* data = Data();
    if (!data || image.isNull())
        return -1;
    const int first = int(data->images.size());
    const int count = std::max(1, image.width() / data->size.width());
    for (int i = 0; i < count; ++i)
    {
        QImage piece(data->size, QImage::Format_ARGB32_Premultiplied);
        piece.fill(Qt::transparent);
        QPainter p(&piece);
        p.drawImage(QPoint(0, 0), image, QRect(i * data->size.width(), 0, data->size.width(), data->size.height()));
        p.end();
        data->images.push_back(piece);
    }
    return first;
}

int CImageList::Add(CBitmap* bitmap, COLORREF mask)
{
    if (!bitmap || !Data())
        return -1;
    return Add(WithMask(bitmap->Image(), mask, Data()->masked));
}

int CImageList::Add(CBitmap* bitmap, CBitmap* mask)
{
    if (!bitmap || !Data())
        return -1;
    QImage image = bitmap->Image().convertToFormat(QImage::Format_ARGB32);
    if (mask && !mask->Image().isNull())
    {
        // White pixels of the mask are transparent.
        const QImage& m = mask->Image();
        for (int y = 0; y < std::min(image.height(), m.height()); ++y)
            for (int x = 0; x < std::min(image.width(), m.width()); ++x)
                if (qGray(m.pixel(x, y)) > 127)
                    image.setPixel(x, y, 0);
    }
    return Add(image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

BOOL CImageList::Remove(int index)
{
    ImageListData* data = Data();
    if (!data)
        return FALSE;
    if (index < 0)
    {
        data->images.clear();
        return TRUE;
    }
    if (index >= int(data->images.size()))
        return FALSE;
    data->images.erase(data->images.begin() + index);
    return TRUE;
}

int CImageList::GetImageCount() const { return Data() ? int(Data()->images.size()) : 0; }

BOOL CImageList::GetImageInfo(int index, IMAGEINFO* info) const { return ImageList_GetImageInfo(m_hImageList, index, info); }

COLORREF CImageList::SetBkColor(COLORREF colour)
{
    ImageListData* data = Data();
    return data ? std::exchange(data->background, colour) : CLR_NONE;
}

BOOL CImageList::Draw(CDC* dc, int index, POINT at, UINT style)
{
    return dc && ImageList_Draw(m_hImageList, index, dc->m_hDC, at.x, at.y, style);
}

QImage CImageList::Image(int index) const
{
    const ImageListData* data = Data();
    if (!data || index < 0 || index >= int(data->images.size()))
        return {};
    return data->images[std::size_t(index)];
}

BOOL ImageList_GetImageInfo(HIMAGELIST list, int index, IMAGEINFO* info)
{
    const ImageListData* data = DataOf(list);
    if (!data || !info || index < 0 || index >= int(data->images.size()))
        return FALSE;
    *info = IMAGEINFO();
    const int w = data->size.width();
    info->rcImage = CRect(index * w, 0, (index + 1) * w, data->size.height());
    return TRUE;
}

int ImageList_GetImageCount(HIMAGELIST list) { return DataOf(list) ? int(DataOf(list)->images.size()) : 0; }

BOOL ImageList_Draw(HIMAGELIST list, int index, HDC dc, int x, int y, UINT)
{
    const ImageListData* data = DataOf(list);
    Gdi::DcState* s = Gdi::StateOf(dc);
    if (!data || !s || index < 0 || index >= int(data->images.size()))
        return FALSE;
    const QPoint at = s->ToDeviceInt(x, y);
    const QRect target(at, data->size);
    if (QPainter* p = s->Begin(target))
    {
        if (data->background != CLR_NONE)
            p->fillRect(target, Gdi::ToQColor(data->background));
        p->drawImage(at, data->images[std::size_t(index)]);
    }
    return TRUE;
}
