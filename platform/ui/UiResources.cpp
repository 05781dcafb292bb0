#include "platform/ui/UiResources.h"

#include "platform/core/Modules.h"
#include "platform/core/Resources.h"
#include "platform/gdi/CBitmap.h"

#include <QImage>

#include <algorithm>
#include <deque>
#include <map>

namespace
{
std::deque<const UiResourceTable*>& BuiltIn()
{
    static std::deque<const UiResourceTable*> tables;
    return tables;
}

// The language pack's table, when the resource handle is a pack that has one.
const UiResourceTable* PackTable()
{
    const HINSTANCE module = AfxGetResourceHandle();
    if (!module || module == AfxGetInstanceHandle())
        return nullptr;
    static std::map<HINSTANCE, const UiResourceTable*> packs;
    const auto it = packs.find(module);
    if (it != packs.end())
        return it->second;
    using TableFunction = const UiResourceTable* (*)();
    auto function =
        reinterpret_cast<TableFunction>(GetProcAddress(module, KALVENROD_UI_RESOURCE_TABLE_EXPORT));
    return packs[module] = function ? function() : nullptr;
}

template <class T> const T* FindIn(const T* items, int count, UINT id)
{
    for (int i = 0; items && i < count; ++i)
        if (items[i].id == id)
            return &items[i];
    return nullptr;
}

template <class T, class Pick> const T* Find(UINT id, Pick pick)
{
    if (const UiResourceTable* pack = PackTable())
    {
        const auto [items, count] = pick(*pack);
        if (const T* found = FindIn(items, count, id))
            return found;
    }
    for (const UiResourceTable* table : BuiltIn())
    {
        const auto [items, count] = pick(*table);
        if (const T* found = FindIn(items, count, id))
            return found;
    }
    return nullptr;
}

QImage LoadBitmapImage(UINT id)
{
    const ImageTemplate* image = UiResources::FindImage(id);
    QImage result;
    if (image)
        result.loadFromData(image->data, int(image->size));
    return result;
}

const bool g_loaderInstalled = (Gdi::SetBitmapResourceLoader(&LoadBitmapImage), true);
} // namespace

void UiResources::RegisterBuiltIn(const UiResourceTable* table, bool program)
{
    if (program)
        BuiltIn().push_front(table);
    else
        BuiltIn().push_back(table);
}

const DialogTemplate* UiResources::FindDialog(UINT id)
{
    return Find<DialogTemplate>(id,
                                [](const UiResourceTable& t) { return std::pair(t.dialogs, t.dialogCount); });
}

const MenuTemplate* UiResources::FindMenu(UINT id)
{
    return Find<MenuTemplate>(id, [](const UiResourceTable& t) { return std::pair(t.menus, t.menuCount); });
}

const AcceleratorTemplate* UiResources::FindAccelerators(UINT id)
{
    return Find<AcceleratorTemplate>(id, [](const UiResourceTable& t)
                                     { return std::pair(t.accelerators, t.acceleratorCount); });
}

const ToolbarTemplate* UiResources::FindToolbar(UINT id)
{
    return Find<ToolbarTemplate>(id, [](const UiResourceTable& t)
                                 { return std::pair(t.toolbars, t.toolbarCount); });
}

const ImageTemplate* UiResources::FindImage(UINT id)
{
    return Find<ImageTemplate>(id,
                               [](const UiResourceTable& t) { return std::pair(t.images, t.imageCount); });
}

std::vector<UINT> UiResources::DialogIds()
{
    std::vector<UINT> ids;
    auto add = [&ids](const UiResourceTable* table)
    {
        for (int i = 0; table && i < table->dialogCount; ++i)
            ids.push_back(table->dialogs[i].id);
    };
    add(PackTable());
    for (const UiResourceTable* table : BuiltIn())
        add(table);
    std::sort(ids.begin(), ids.end());
    ids.erase(std::unique(ids.begin(), ids.end()), ids.end());
    return ids;
}
