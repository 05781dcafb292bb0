#pragma once
// The base of everything that receives commands: windows, documents, the application.

#include "platform/core/CObject.h"
#include "platform/ui/MessageMap.h"

class CCmdTarget : public CObject
{
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget() = default;
    ~CCmdTarget() override = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;

    // Runs the handler of command nID for code nCode (CN_COMMAND, a control notification code or
    // CN_UPDATE_COMMAND_UI with the CCmdUI in pExtra); nonzero when a handler ran.
    // A non-null pHandlerInfo only asks whether a handler exists.
    // Frames override it to route commands on to their view, document and application.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo);

    // Runs the first entry of the message map chain that matches; false when none matches.
    bool DispatchFromMap(UINT message, UINT code, UINT id, WPARAM wParam, LPARAM lParam, LRESULT& result);

    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

protected:
    static const MessageMap* GetThisMessageMap();
    virtual const MessageMap* GetMessageMap() const;
};
