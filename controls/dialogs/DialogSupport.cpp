#include "controls/dialogs/DialogSupport.h"

#include "controls/grid/CGridCtrl.h"
#include "platform/core/Resources.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CEdit.h"
#include "platform/ui/WinApi.h"

namespace
{
constexpr int kProgramIcon = 128;
}

void SetProgramIcon(CWnd& dialog)
{
    if (HICON icon = static_cast<HICON>(
            LoadImage(AfxGetResourceHandle(), MAKEINTRESOURCE(kProgramIcon), IMAGE_ICON, 16, 16, 0)))
        dialog.SetIcon(icon, FALSE);
}

void ReplacePlaceholderByGrid(CWnd& dialog, int placeholderId, CGridCtrl& grid)
{
    CRect rect;
    if (CWnd* placeholder = dialog.GetDlgItem(placeholderId))
    {
        placeholder->GetWindowRect(&rect);
        dialog.ScreenToClient(&rect);
        placeholder->DestroyWindow();
    }
    grid.Create(rect, &dialog, UINT(placeholderId), WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP);
}

CString FieldText(const CWnd& dialog, int id)
{
    CString text;
    dialog.GetDlgItemText(id, text);
    return text;
}

void SelectField(CDialog& dialog, int id)
{
    auto* edit = static_cast<CEdit*>(dialog.GetDlgItem(id));
    if (!edit)
        return;
    dialog.GotoDlgCtrl(edit);
    edit->SetSel(0, -1);
}

void SetFieldReadOnly(CWnd& dialog, int id, bool readOnly)
{
    if (auto* edit = static_cast<CEdit*>(dialog.GetDlgItem(id)))
        edit->SetReadOnly(readOnly);
}

void EnableControls(CWnd& dialog, std::initializer_list<int> ids, bool enable)
{
    for (int id : ids)
        if (CWnd* control = dialog.GetDlgItem(id))
            control->EnableWindow(enable);
}

void ShowControls(CWnd& dialog, std::initializer_list<int> ids, bool show)
{
    for (int id : ids)
        if (CWnd* control = dialog.GetDlgItem(id))
        {
            control->EnableWindow(show);
            control->ShowWindow(show ? SW_SHOW : SW_HIDE);
        }
}
