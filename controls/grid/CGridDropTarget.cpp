#include "controls/grid/CGridDropTarget.h"

#include "controls/grid/CGridCtrl.h"

CGridDropTarget::~CGridDropTarget()
{
    Revoke();
}

BOOL CGridDropTarget::Register(CGridCtrl* pGridCtrl)
{
    if (m_bRegistered || m_bRegistering || !pGridCtrl || !pGridCtrl->IsKindOf(RUNTIME_CLASS(CGridCtrl)))
        return FALSE;
    m_bRegistering = true;
    m_pGridCtrl = pGridCtrl;
    m_bRegistered = pGridCtrl->GetSafeHwnd() != nullptr;
    m_bRegistering = false;
    return m_bRegistered;
}

void CGridDropTarget::Revoke()
{
    m_bRegistered = FALSE;
}
