#include "floorwall/dialogs/CSoustavaTypu.h"

#include "floorwall/dialogs/CDruhyKonstrukci.h"

CSoustavaTypu::CSoustavaTypu() = default;

BOOL CSoustavaTypu::OnInitDialog()
{
    CPropertySheet::OnInitDialog();
    // Inside the dialog the sheet has no buttons of its own: the dialog confirms.
    for (int id : {IDOK, IDCANCEL, ID_APPLY_NOW, IDHELP})
        if (CWnd* button = GetDlgItem(id))
            button->ShowWindow(SW_HIDE);
    if (CPropertyPage* page = GetActivePage())
        SetActivePage(page);
    return TRUE;
}

void CSoustavaTypu::OnRoomTemperatureChanged()
{
    if (m_pOwner)
        m_pOwner->OnRoomTemperatureChanged();
}
