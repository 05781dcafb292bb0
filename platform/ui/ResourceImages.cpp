// Bitmaps and icons of the resources, loaded once.

#include "platform/gdi/CBitmap.h"
#include "platform/ui/UiResources.h"
#include "platform/ui/WinApi.h"

#include <cstdlib>
#include <QImage>

#include <map>
#include <tuple>
#include <memory>

UINT ResourceIdOf(LPCTSTR name)
{
    if (IS_INTRESOURCE(name))
        return UINT(reinterpret_cast<UINT_PTR>(name));
    if (name && name[0] == '#')
        return UINT(std::strtoul(name + 1, nullptr, 10));
    return 0;
}

namespace
{
HBITMAP SharedImage(UINT id)
{
    static std::map<UINT, std::unique_ptr<CBitmap>> images;
    auto& image = images[id];
    if (!image)
    {
        image = std::make_unique<CBitmap>();
        if (!UiResources::FindImage(id) || !image->LoadBitmap(id))
        {
            image.reset();
            images.erase(id);
            return nullptr;
        }
    }
    return static_cast<HBITMAP>(image->m_hObject);
}
} // namespace

HANDLE LoadImage(HINSTANCE, LPCTSTR name, UINT, int cx, int cy, UINT)
{
    const UINT id = ResourceIdOf(name);
    if (cx <= 0 && cy <= 0)
        return SharedImage(id);
    static std::map<std::tuple<UINT, int, int>, std::unique_ptr<CBitmap>> sized;
    auto& image = sized[{id, cx, cy}];
    if (!image)
    {
        const ImageTemplate* found = UiResources::FindImage(id);
        QImage picture;
        if (!found || !picture.loadFromData(found->data, int(found->size)))
        {
            sized.erase({id, cx, cy});
            return nullptr;
        }
        image = std::make_unique<CBitmap>();
        image->CreateFromImage(picture.scaled(cx > 0 ? cx : cy, cy > 0 ? cy : cx, Qt::IgnoreAspectRatio,
                                              Qt::SmoothTransformation));
    }
    return image->m_hObject;
}

HBITMAP LoadBitmap(HINSTANCE, LPCTSTR lpBitmapName)
{
    return SharedImage(ResourceIdOf(lpBitmapName));
}

HICON LoadIcon(HINSTANCE, LPCTSTR lpIconName)
{
    return reinterpret_cast<HICON>(SharedImage(ResourceIdOf(lpIconName)));
}
