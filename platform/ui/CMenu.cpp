#include "platform/ui/CMenu.h"

#include "platform/ui/CCmdUI.h"
#include "platform/ui/CWnd.h"
#include "platform/ui/QtText.h"
#include "platform/ui/UiResources.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>

#include <deque>
#include <set>

namespace
{
std::set<CMenu*>& LiveMenus()
{
    static std::set<CMenu*> menus;
    return menus;
}

std::deque<UINT>& Choices()
{
    static std::deque<UINT> choices;
    return choices;
}

std::vector<std::vector<UINT>> g_shown;

// The update handler of a pop-up item sets its state on the item.
class MenuItemCmdUI : public CCmdUI
{
public:
    explicit MenuItemCmdUI(QAction* action) : m_action(action) {}
    void Enable(BOOL bOn) override
    {
        CCmdUI::Enable(bOn);
        m_action->setEnabled(bOn);
    }
    void SetCheck(int nCheck) override
    {
        CCmdUI::SetCheck(nCheck);
        m_action->setCheckable(true);
        m_action->setChecked(nCheck != 0);
    }
    void SetText(LPCTSTR lpszText) override
    {
        CCmdUI::SetText(lpszText);
        m_action->setText(ToQString(lpszText));
    }

private:
    QAction* m_action;
};
} // namespace

void MenuScript::ChooseNext(UINT commandId)
{
    Choices().push_back(commandId);
}

void MenuScript::Clear()
{
    Choices().clear();
    g_shown.clear();
}

const std::vector<std::vector<UINT>>& MenuScript::Shown()
{
    return g_shown;
}

CMenu::CMenu() = default;

CMenu::~CMenu()
{
    DestroyMenu();
}

CMenu* CMenu::FromHandle(HMENU hMenu)
{
    auto* menu = reinterpret_cast<CMenu*>(hMenu);
    return LiveMenus().count(menu) ? menu : nullptr;
}

BOOL CMenu::CreateMenu()
{
    DestroyMenu();
    m_hMenu = reinterpret_cast<HMENU>(this);
    LiveMenus().insert(this);
    return TRUE;
}

BOOL CMenu::CreatePopupMenu()
{
    return CreateMenu();
}

BOOL CMenu::DestroyMenu()
{
    if (!m_hMenu)
        return FALSE;
    m_items.clear();
    LiveMenus().erase(this);
    m_hMenu = nullptr;
    return TRUE;
}

BOOL CMenu::LoadMenu(UINT nIDResource)
{
    const MenuTemplate* t = UiResources::FindMenu(nIDResource);
    if (!t)
        return FALSE;
    CreateMenu();
    // Items follow their popup one level deeper.
    std::vector<CMenu*> stack{this};
    for (int i = 0; i < t->itemCount; ++i)
    {
        const MenuItemTemplate& item = t->items[i];
        if (!item.text && item.flags == 0)
            continue;
        stack.resize(std::size_t(item.level) + 1);
        CMenu* into = stack.back();
        if (item.flags & MF_POPUP)
        {
            into->AppendMenu(item.flags, 0, item.text);
            stack.push_back(into->m_items.back().popup.get());
        }
        else
        {
            into->AppendMenu(item.flags, item.id, item.text);
        }
    }
    return TRUE;
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    return InsertMenu(UINT(m_items.size()), nFlags | MF_BYPOSITION, nIDNewItem, lpszNewItem);
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    if (!m_hMenu)
        CreateMenu();
    Item item;
    item.text = lpszNewItem ? lpszNewItem : "";
    item.flags = nFlags & ~MF_BYPOSITION;
    if (nFlags & MF_POPUP)
    {
        // A popup given by handle is taken over; otherwise a new empty one.
        CMenu* given = FromHandle(reinterpret_cast<HMENU>(nIDNewItem));
        item.popup = std::make_unique<CMenu>();
        item.popup->CreatePopupMenu();
        if (given && given != this)
        {
            item.popup->m_items = std::move(given->m_items);
            given->DestroyMenu();
        }
    }
    else
    {
        item.id = UINT(nIDNewItem);
    }
    std::size_t at = m_items.size();
    if (nFlags & MF_BYPOSITION)
        at = std::min<std::size_t>(nPosition, m_items.size());
    else
        for (std::size_t i = 0; i < m_items.size(); ++i)
            if (m_items[i].id == nPosition && !(m_items[i].flags & MF_POPUP))
                at = i;
    m_items.insert(m_items.begin() + std::ptrdiff_t(at), std::move(item));
    return TRUE;
}

CMenu::Item* CMenu::Find(UINT nItem, UINT nFlags)
{
    return const_cast<Item*>(static_cast<const CMenu*>(this)->Find(nItem, nFlags));
}

const CMenu::Item* CMenu::Find(UINT nItem, UINT nFlags) const
{
    if (nFlags & MF_BYPOSITION)
        return nItem < m_items.size() ? &m_items[nItem] : nullptr;
    for (const Item& item : m_items)
    {
        if (!(item.flags & (MF_POPUP | MF_SEPARATOR)) && item.id == nItem)
            return &item;
        if (item.popup)
            if (const Item* inner = item.popup->Find(nItem, nFlags))
                return inner;
    }
    return nullptr;
}

BOOL CMenu::RemoveMenu(UINT nPosition, UINT nFlags)
{
    const Item* item = Find(nPosition, nFlags);
    if (!item)
        return FALSE;
    for (auto it = m_items.begin(); it != m_items.end(); ++it)
        if (&*it == item)
        {
            m_items.erase(it);
            return TRUE;
        }
    for (Item& i : m_items)
        if (i.popup && i.popup->RemoveMenu(nPosition, nFlags))
            return TRUE;
    return FALSE;
}

BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags)
{
    return RemoveMenu(nPosition, nFlags);
}

BOOL CMenu::ModifyMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem)
{
    Item* item = Find(nPosition, nFlags);
    if (!item)
        return FALSE;
    item->flags = (nFlags & ~MF_BYPOSITION) | (item->flags & MF_POPUP);
    if (!(item->flags & MF_POPUP))
        item->id = UINT(nIDNewItem);
    if (lpszNewItem)
        item->text = lpszNewItem;
    return TRUE;
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable)
{
    Item* item = Find(nIDEnableItem, nEnable & MF_BYPOSITION);
    if (!item)
        return UINT(-1);
    const UINT old = item->flags & (MF_GRAYED | MF_DISABLED);
    item->flags = (item->flags & ~(MF_GRAYED | MF_DISABLED)) | (nEnable & (MF_GRAYED | MF_DISABLED));
    return old;
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck)
{
    Item* item = Find(nIDCheckItem, nCheck & MF_BYPOSITION);
    if (!item)
        return UINT(-1);
    const UINT old = item->flags & MF_CHECKED;
    item->flags = (item->flags & ~MF_CHECKED) | (nCheck & MF_CHECKED);
    return old;
}

UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const
{
    const Item* item = Find(nID, nFlags);
    if (!item)
        return UINT(-1);
    return (item->flags & ~MF_POPUP) |
           (item->popup ? (UINT(item->popup->GetMenuItemCount()) << 8) | MF_POPUP : 0);
}

int CMenu::GetMenuItemCount() const
{
    return m_hMenu ? int(m_items.size()) : -1;
}

UINT CMenu::GetMenuItemID(int nPos) const
{
    if (nPos < 0 || std::size_t(nPos) >= m_items.size())
        return 0;
    const Item& item = m_items[std::size_t(nPos)];
    return item.popup ? UINT(-1) : (item.flags & MF_SEPARATOR) ? 0 : item.id;
}

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const
{
    const Item* item = Find(nIDItem, nFlags);
    rString = item ? item->text : CString();
    return rString.ByteLength();
}

CMenu* CMenu::GetSubMenu(int nPos) const
{
    if (nPos < 0 || std::size_t(nPos) >= m_items.size())
        return nullptr;
    return m_items[std::size_t(nPos)].popup.get();
}

void CMenu::Build(QMenu& menu, CWnd* owner) const
{
    for (const Item& item : m_items)
    {
        if (item.flags & MF_SEPARATOR)
        {
            menu.addSeparator();
            continue;
        }
        if (item.popup)
        {
            QMenu* sub = menu.addMenu(ToQString(item.text));
            item.popup->Build(*sub, owner);
            continue;
        }
        QAction* action = menu.addAction(ToQString(item.text));
        action->setData(item.id);
        action->setEnabled(!(item.flags & (MF_GRAYED | MF_DISABLED)));
        if (item.flags & MF_CHECKED)
        {
            action->setCheckable(true);
            action->setChecked(true);
        }
        // The command's update handler decides, when the owner has one.
        if (owner)
        {
            MenuItemCmdUI ui(action);
            ui.m_nID = item.id;
            ui.m_pMenu = const_cast<CMenu*>(this);
            owner->OnCmdMsg(item.id, CN_UPDATE_COMMAND_UI, &ui, nullptr);
        }
    }
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT)
{
    QMenu menu;
    Build(menu, pWnd);
    std::vector<UINT> offered;
    for (QAction* a : menu.actions())
        if (a->isEnabled() && !a->isSeparator() && !a->menu())
            offered.push_back(a->data().toUInt());
    g_shown.push_back(offered);

    UINT chosen = 0;
    if (!Choices().empty())
    {
        chosen = Choices().front();
        Choices().pop_front();
    }
    else if (QGuiApplication::platformName() != "offscreen")
    {
        QAction* action = menu.exec(QPoint(x, y));
        chosen = action ? action->data().toUInt() : 0;
    }
    if (chosen == 0)
        return 0;
    if (nFlags & TPM_RETURNCMD)
        return BOOL(chosen);
    if (pWnd && !(nFlags & TPM_NONOTIFY))
        pWnd->PostMessage(WM_COMMAND, MakeCommandParam(chosen, 0), 0);
    return TRUE;
}
