#include "heatloss/dialogs/DialogControls.h"

#include "controls/grid/CGridCtrl.h"
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

void CreateGridOverPlaceholder(CDialog& dialog, int id, CGridCtrl& grid)
{
    CRect frame;
    if (CWnd* placeholder = dialog.GetDlgItem(id))
    {
        placeholder->GetWindowRect(&frame);
        dialog.ScreenToClient(&frame);
        placeholder->DestroyWindow();
    }
    grid.Create(frame, &dialog, UINT(id), WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP);
}
