#pragma once
// The grid's drop target: registers the grid window for drops of text and forwards the drag
// events over the grid to the grid's own drag operations.

#include "platform/ui/ClipboardFormat.h"

#include <memory>

class CGridCtrl;
class QObject;

class CGridDropTarget
{
public:
    CGridDropTarget();
    ~CGridDropTarget();
    CGridDropTarget(const CGridDropTarget&) = delete;
    CGridDropTarget& operator=(const CGridDropTarget&) = delete;

    // Registers once; a second call, or one made while registering, changes nothing and gives FALSE.
    BOOL Register(CGridCtrl* pGridCtrl);
    void Revoke();
    BOOL IsRegistered() const { return m_bRegistered; }
    CGridCtrl* GetGrid() const { return m_pGridCtrl; }

private:
    CGridCtrl* m_pGridCtrl = nullptr;
    BOOL m_bRegistered = FALSE;
    bool m_bRegistering = false;
    std::unique_ptr<QObject> m_pFilter;
};
