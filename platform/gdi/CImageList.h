#pragma once
// A row of equally sized pictures, drawn by index at a point.

#include "platform/gdi/CDC.h"

#include <QImage>

#include <memory>
#include <vector>

namespace Gdi
{
struct ImageListData
{
    QSize size;
    bool masked = false;
    std::vector<QImage> images; // premultiplied ARGB; masked pixels are transparent
    COLORREF background = CLR_NONE;
};
} // namespace Gdi

class CImageList
{
public:
    CImageList() = default;
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;
    ~CImageList();

    HIMAGELIST m_hImageList = nullptr;

    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    // A strip bitmap resource cut into images cx pixels wide; pixels of colour mask are transparent.
    BOOL Create(UINT bitmapId, int cx, int grow, COLORREF mask);
    BOOL DeleteImageList();
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    operator HIMAGELIST() const { return m_hImageList; }

    // Adds every image of the strip; the index of the first, -1 on failure.
    int Add(CBitmap* bitmap, COLORREF mask);
    int Add(CBitmap* bitmap, CBitmap* mask);
    int Add(const QImage& image);
    BOOL Remove(int index);
    int GetImageCount() const;
    BOOL GetImageInfo(int index, IMAGEINFO* info) const;
    COLORREF SetBkColor(COLORREF colour);
    BOOL Draw(CDC* dc, int index, POINT at, UINT style);

    QImage Image(int index) const;

private:
    Gdi::ImageListData* Data() const { return reinterpret_cast<Gdi::ImageListData*>(m_hImageList); }
};

BOOL ImageList_GetImageInfo(HIMAGELIST list, int index, IMAGEINFO* info);
BOOL ImageList_Draw(HIMAGELIST list, int index, HDC dc, int x, int y, UINT style);
int ImageList_GetImageCount(HIMAGELIST list);
