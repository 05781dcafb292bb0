#include "app/BrowseFolder.h"

#include "platform/ui/CWnd.h"
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/WinApi.h"

namespace
{
constexpr UINT kStatusText = 0x0004; // the browser shows the chosen path

int SelectInitialFolder(HWND hwnd, UINT message, LPARAM /*lParam*/, LPARAM data)
{
    if (message == BFFM_INITIALIZED && data)
        SendMessage(hwnd, BFFM_SETSELECTION, TRUE, data);
    return 0;
}
} // namespace

int BrowseFolder(CString& result, const CString& title, CWnd* owner, const char* root, const char* initial,
                 BOOL includeFiles)
{
    BROWSEINFO info;
    info.hwndOwner = owner ? owner->GetSafeHwnd() : nullptr;
    LPITEMIDLIST rootList = root && *root ? ItemIdListOfPath(root) : nullptr;
    info.pidlRoot = rootList;
    info.lpszTitle = title;
    info.ulFlags = BIF_RETURNONLYFSDIRS | kStatusText | (includeFiles ? BIF_BROWSEINCLUDEFILES : 0);
    if (initial && *initial)
    {
        info.lpfn = SelectInitialFolder;
        info.lParam = reinterpret_cast<LPARAM>(initial);
    }
    LPITEMIDLIST chosen = SHBrowseForFolder(&info);
    if (rootList)
        CoTaskMemFree(rootList);
    result.Empty();
    if (!chosen)
        return 0;
    char path[260] = {};
    const BOOL found = SHGetPathFromIDList(chosen, path);
    CoTaskMemFree(chosen);
    if (!found)
        return 0;
    result = path;
    return 1;
}
