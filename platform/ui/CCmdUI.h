#pragma once
// What an update handler sets on a command's user-interface item (menu item, tool button,
// control): enabled, checked, text. Menus and tool bars derive their own kinds.

#include "platform/core/CString.h"
#include "platform/ui/WinUser.h"

class CCmdTarget;
class CMenu;
class CWnd;

class CCmdUI
{
public:
    virtual ~CCmdUI() = default;

    UINT m_nID = 0;
    UINT m_nIndex = 0;
    CMenu* m_pMenu = nullptr;
    CMenu* m_pSubMenu = nullptr;
    CWnd* m_pOther = nullptr;
    BOOL m_bEnableChanged = FALSE;
    BOOL m_bContinueRouting = FALSE;

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCTSTR lpszText);
    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Asks the target's update handler; with none, disables the item when bDisableIfNoHndler is
    // set and no command handler exists either. Returns whether an update handler ran.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

    // The state last set, for items that keep no state of their own (and for tests).
    BOOL m_bEnabled = TRUE;
    int m_nCheck = 0;
    BOOL m_bTextSet = FALSE;
    CString m_strText;
};
