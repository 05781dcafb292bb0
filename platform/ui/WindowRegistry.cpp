#include "platform/ui/WindowRegistry.h"

#include "platform/ui/CWnd.h"

#include <QWidget>

#include <unordered_map>

namespace
{
std::unordered_map<const QWidget*, CWnd*>& Map()
{
    static std::unordered_map<const QWidget*, CWnd*> map;
    return map;
}
} // namespace

void WindowRegistry::Add(QWidget* widget, CWnd* wnd)
{
    Map()[widget] = wnd;
}
void WindowRegistry::Remove(QWidget* widget)
{
    Map().erase(widget);
}

CWnd* WindowRegistry::Find(const QWidget* widget)
{
    if (!widget)
        return nullptr;
    const auto it = Map().find(widget);
    return it == Map().end() ? nullptr : it->second;
}

CWnd* WindowRegistry::FindAncestor(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget())
        if (CWnd* wnd = Find(w))
            return wnd;
    return nullptr;
}

std::vector<CWnd*> WindowRegistry::OwnedBy(const CWnd* owner)
{
    std::vector<CWnd*> owned;
    for (const auto& [widget, wnd] : Map())
        if (!(wnd->GetStyle() & WS_CHILD) && wnd->GetWindow(GW_OWNER) == owner)
            owned.push_back(wnd);
    return owned;
}

std::size_t WindowRegistry::Count()
{
    return Map().size();
}
