#include "platform/ui/CCmdTarget.h"

#include "platform/ui/CCmdUI.h"
#include "platform/ui/CWnd.h"
#include "platform/ui/WaitCursor.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

const MessageMapEntry* FindMessageEntry(const MessageMap* map, UINT message, UINT code, UINT id)
{
    const bool command = message == WM_COMMAND || message == WM_NOTIFY;
    for (; map; map = map->base ? map->base() : nullptr)
    {
        for (const MessageMapEntry* e = map->entries; e->thunk; ++e)
        {
            if (e->registered)
            {
                if (*e->registered == message && message != 0)
                    return e;
                continue;
            }
            if (e->message != message)
                continue;
            if (!command || (e->code == code && id >= e->firstId && id <= e->lastId))
                return e;
        }
    }
    return nullptr;
}

const MessageMap* CCmdTarget::GetThisMessageMap()
{
    static const MessageMapEntry entries[] = {MessageMapEntry{}};
    static const MessageMap map{nullptr, entries};
    return &map;
}

const MessageMap* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

bool CCmdTarget::DispatchFromMap(UINT message, UINT code, UINT id, WPARAM wParam, LPARAM lParam,
                                 LRESULT& result)
{
    const MessageMapEntry* entry = FindMessageEntry(GetMessageMap(), message, code, id);
    if (!entry)
        return false;
    entry->thunk(this, wParam, lParam, result);
    return true;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo)
{
    // With pHandlerInfo the caller only asks whether a handler exists.
    if (pHandlerInfo)
        return FindMessageEntry(GetMessageMap(), WM_COMMAND, UINT(nCode), nID) != nullptr;
    const MessageMapEntry* entry = FindMessageEntry(GetMessageMap(), WM_COMMAND, UINT(nCode), nID);
    if (!entry)
        return FALSE;
    LRESULT result = 0;
    entry->thunk(this, WPARAM(nID), reinterpret_cast<LPARAM>(pExtra), result);
    // An update handler that asks for it passes the item on to the next target.
    if (auto* state = nCode == CN_UPDATE_COMMAND_UI ? static_cast<CCmdUI*>(pExtra) : nullptr;
        state && state->m_bContinueRouting)
    {
        state->m_bContinueRouting = FALSE;
        return FALSE;
    }
    return entry->answers ? result != 0 : TRUE;
}

void CCmdTarget::BeginWaitCursor()
{
    WaitCursor::Begin();
}
void CCmdTarget::EndWaitCursor()
{
    WaitCursor::End();
}
void CCmdTarget::RestoreWaitCursor()
{
    WaitCursor::Restore();
}
