#include "hydraulics/dialogs/DialogSupport.h"

#include "platform/ui/CDialog.h"
#include "platform/ui/CEdit.h"
#include "platform/core/Resources.h"
#include "platform/ui/WinApi.h"

#include <initializer_list>

void SetApplicationIcon(CDialog& dialog)
{
    HICON icon = LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(128));
    if (icon)
        dialog.SetIcon(icon, FALSE);
}

void SelectField(CDialog& dialog, int id)
{
    auto* edit = static_cast<CEdit*>(dialog.GetDlgItem(id));
    if (!edit)
        return;
    dialog.GotoDlgCtrl(edit);
    edit->SetSel(0, -1);
}

void SetFieldReadOnly(CDialog& dialog, int id, bool readOnly)
{
    if (auto* edit = static_cast<CEdit*>(dialog.GetDlgItem(id)))
        edit->SetReadOnly(readOnly);
}

CString FieldText(const CDialog& dialog, int id)
{
    CString text;
    dialog.GetDlgItemText(id, text);
    return text;
}

void EnableControls(CDialog& dialog, std::initializer_list<int> ids, bool enable)
{
    for (int id : ids)
        if (CWnd* control = dialog.GetDlgItem(id))
            control->EnableWindow(enable);
}
