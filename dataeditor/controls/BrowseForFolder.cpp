#include "dataeditor/controls/BrowseForFolder.h"

#include "platform/ui/CWnd.h"
#include "platform/ui/CommonDialogs.h"

namespace
{
int SelectStart(HWND dialog, UINT message, LPARAM, LPARAM path)
{
    if (message == BFFM_INITIALIZED)
        CWnd::FromHandle(dialog)->SendMessage(BFFM_SETSELECTION, TRUE, path);
    return 0;
}
} // namespace

bool BrowseForFolder(const CString& title, CWnd* owner, CString& path, bool browse)
{
    if (!browse)
        return false;
    BROWSEINFO info;
    info.hwndOwner = owner ? owner->GetSafeHwnd() : nullptr;
    info.lpszTitle = title.GetString();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    info.lpfn = SelectStart;
    info.lParam = LPARAM(path.GetString());
    LPITEMIDLIST chosen = SHBrowseForFolder(&info);
    if (!chosen)
        return false;
    char folder[4096] = {};
    const bool found = SHGetPathFromIDList(chosen, folder) != FALSE;
    CoTaskMemFree(chosen);
    if (found)
        path = folder;
    return found;
}
