#include "hydraulics/ui/SizingDialogParts.h"

#include "app/common/AppSettings.h"
#include "controls/grid/CGridCtrl.h"
#include "hydraulics/ui/SizingIds.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Resources.h"
#include "platform/ui/CWnd.h"
#include "platform/ui/WinApi.h"

void SetProgramIcon(CWnd& dialog)
{
    dialog.SetIcon(static_cast<HICON>(LoadImage(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_PROGRAM_ICON),
                                                IMAGE_ICON, 16, 16, 0)),
                   FALSE);
}

void ReplacePlaceholderByGrid(CWnd& dialog, int placeholderId, CGridCtrl& grid)
{
    CWnd* placeholder = dialog.GetDlgItem(placeholderId);
    CRect rect;
    if (placeholder)
    {
        placeholder->GetWindowRect(&rect);
        dialog.ScreenToClient(&rect);
        placeholder->DestroyWindow();
    }
    grid.Create(rect, &dialog, UINT(placeholderId), WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP);
}

namespace
{
int ShowText(CWnd& owner, const CString& text, UINT type)
{
    const AppSettings& settings = AppSettings::Get();
    const CString& caption = (type & MB_TYPEMASK) == MB_YESNO ? settings.QuestionCaption() : settings.WarningCaption();
    return MessageBox(owner.GetSafeHwnd(), text, caption, type);
}
} // namespace

int ShowSizingMessage(CWnd& owner, UINT stringId, UINT type, const CString& argument, int number)
{
    CString format;
    format.LoadString(stringId);
    CString text;
    text.Format(format.GetString(), argument.GetString(), number);
    return ShowText(owner, text, type);
}

int ShowSizingNumberMessage(CWnd& owner, UINT stringId, UINT type, int number)
{
    CString format;
    format.LoadString(stringId);
    CString text;
    text.Format(format.GetString(), number);
    return ShowText(owner, text, type);
}
