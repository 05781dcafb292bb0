#include "heatloss/dialogs/DialogControls.h"

#include "platform/core/Resources.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/WinApi.h"

void SetDialogIcon(CDialog& dialog)
{
    if (HICON icon = static_cast<HICON>(LoadImage(AfxGetResourceHandle(), MAKEINTRESOURCE(128), IMAGE_ICON, 16, 16, 0)))
        dialog.SetIcon(icon, FALSE);
}

CString ControlText(const CDialog& dialog, int id)
{
    CString text;
    dialog.GetDlgItemText(id, text);
    return text;
}

void ShowControls(CDialog& dialog, std::initializer_list<int> ids, bool show)
{
    for (int id : ids)
        if (CWnd* control = dialog.GetDlgItem(id))
        {
            control->EnableWindow(show);
            control->ShowWindow(show ? SW_SHOW : SW_HIDE);
        }
}
