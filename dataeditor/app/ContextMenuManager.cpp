#include "dataeditor/app/ContextMenuManager.h"

#include "platform/ui/CMenu.h"

#include <algorithm>

void ContextMenuManager::AddMenu(const CString& name, UINT menuId)
{
    auto entry = std::find_if(m_menus.begin(), m_menus.end(), [menuId](const Entry& e) { return e.menuId == menuId; });
    if (entry != m_menus.end())
        entry->name = name;
    else
        m_menus.push_back({menuId, name});
}

void ContextMenuManager::RemoveAll() { m_menus.clear(); }

CString ContextMenuManager::MenuName(UINT menuId) const
{
    for (const Entry& entry : m_menus)
        if (entry.menuId == menuId)
            return entry.name;
    return CString();
}

bool ContextMenuManager::ShowPopupMenu(UINT menuId, int x, int y, CWnd* owner) const
{
    if (std::none_of(m_menus.begin(), m_menus.end(), [menuId](const Entry& e) { return e.menuId == menuId; }))
        return false;
    CMenu menu;
    if (!menu.LoadMenu(menuId))
        return false;
    CMenu* popup = menu.GetSubMenu(0);
    if (!popup)
        return false;
    popup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, owner);
    return true;
}
