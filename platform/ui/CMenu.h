#pragma once
// Menus: loaded from the resources or built, shown as pop-up menus at a point (TrackPopupMenu).
// Before a pop-up shows, its items ask their command's update handler through the owner window.
// Tests choose the item of the next pop-up menu (MenuScript); off screen an unscripted pop-up
// chooses nothing.

#include "platform/core/CString.h"
#include "platform/ui/WinUser.h"

#include <memory>
#include <vector>

class CWnd;
class QMenu;

constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_BYCOMMAND = 0x0000;
constexpr UINT MF_ENABLED = 0x0000;
constexpr UINT MF_UNCHECKED = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_DISABLED = 0x0002;
constexpr UINT MF_CHECKED = 0x0008;
constexpr UINT MF_POPUP = 0x0010;
constexpr UINT MF_MENUBARBREAK = 0x0020;
constexpr UINT MF_MENUBREAK = 0x0040;
constexpr UINT MF_BYPOSITION = 0x0400;
constexpr UINT MF_SEPARATOR = 0x0800;
constexpr UINT MF_HELP = 0x4000;

constexpr UINT TPM_LEFTALIGN = 0x0000;
constexpr UINT TPM_LEFTBUTTON = 0x0000;
constexpr UINT TPM_RIGHTBUTTON = 0x0002;
constexpr UINT TPM_CENTERALIGN = 0x0004;
constexpr UINT TPM_RIGHTALIGN = 0x0008;
constexpr UINT TPM_NONOTIFY = 0x0080;
constexpr UINT TPM_RETURNCMD = 0x0100;

class CMenu
{
public:
    CMenu();
    ~CMenu();
    CMenu(const CMenu&) = delete;
    CMenu& operator=(const CMenu&) = delete;

    HMENU m_hMenu = nullptr;
    operator HMENU() const { return m_hMenu; }
    static CMenu* FromHandle(HMENU hMenu);

    BOOL LoadMenu(UINT nIDResource);
    BOOL CreateMenu();
    BOOL CreatePopupMenu();
    BOOL DestroyMenu();

    BOOL AppendMenu(UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
    BOOL InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
    BOOL RemoveMenu(UINT nPosition, UINT nFlags);
    BOOL DeleteMenu(UINT nPosition, UINT nFlags);
    BOOL ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem = 0, LPCTSTR lpszNewItem = nullptr);
    UINT EnableMenuItem(UINT nIDEnableItem, UINT nEnable);
    UINT CheckMenuItem(UINT nIDCheckItem, UINT nCheck);
    UINT GetMenuState(UINT nID, UINT nFlags) const;
    int GetMenuItemCount() const;
    UINT GetMenuItemID(int nPos) const;
    int GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const;
    CMenu* GetSubMenu(int nPos) const;

    // Shows the menu at a screen point; the chosen command goes to the owner as WM_COMMAND
    // (or, with TPM_RETURNCMD, is the result). 0 when nothing was chosen.
    BOOL TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT lpRect = nullptr);

private:
    struct Item
    {
        CString text;
        UINT id = 0;
        UINT flags = 0;
        std::unique_ptr<CMenu> popup;
    };
    Item* Find(UINT nItem, UINT nFlags);
    const Item* Find(UINT nItem, UINT nFlags) const;
    void Build(QMenu& menu, CWnd* owner) const;

    std::vector<Item> m_items;
};

// The items tests choose in the next pop-up menus, in order (0: the menu is dismissed).
class MenuScript
{
public:
    static void ChooseNext(UINT commandId);
    static void Clear();
    // The command ids each shown pop-up menu offered (enabled items), one list per menu.
    static const std::vector<std::vector<UINT>>& Shown();
};
