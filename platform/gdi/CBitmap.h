#pragma once

#include "platform/gdi/CGdiObject.h"

class CDC;

class CBitmap : public CGdiObject
{
public:
    // The bitmap resource of an id (see Gdi::SetBitmapResourceLoader).
    BOOL LoadBitmap(UINT resourceId);
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
    // Takes a picture (converted to 32-bit RGB).
    BOOL CreateFromImage(const QImage& image);
    int GetBitmap(BITMAP* bm) const { return GetObject(sizeof(BITMAP), bm); }
    CSize GetBitmapDimension() const;
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
    static CBitmap* FromHandle(HBITMAP handle);

    // The pixels; a null image when empty.
    const QImage& Image() const;
};

namespace Gdi
{
// Resources: the layer that owns resource lookup installs the loader of bitmap ids.
using BitmapResourceLoader = QImage (*)(UINT id);
void SetBitmapResourceLoader(BitmapResourceLoader loader);
QImage LoadBitmapResource(UINT id);
} // namespace Gdi
