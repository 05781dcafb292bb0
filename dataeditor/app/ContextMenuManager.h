#pragma once
// The context menus the user meets in the editor's windows, registered by name and menu id
// (the grid's menu 1057): a window shows one at a screen point with the window as the owner
// of its commands. The names are the menus' titles in the language in force.

#include "platform/core/CString.h"
#include "platform/core/WinTypes.h"

#include <vector>

class CWnd;

class ContextMenuManager
{
public:
    // A second registration of a menu id renames it.
    void AddMenu(const CString& name, UINT menuId);
    void RemoveAll();
    CString MenuName(UINT menuId) const;
    // The first pop-up of a registered menu at the screen point; false for a menu that is not
    // registered or does not load.
    bool ShowPopupMenu(UINT menuId, int x, int y, CWnd* owner) const;

private:
    struct Entry
    {
        UINT menuId;
        CString name;
    };
    std::vector<Entry> m_menus;
};
