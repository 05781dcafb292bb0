#include "platform/ui/DroppedFiles.h"

#include "platform/ui/QtText.h"

namespace
{
struct Drop
{
    std::vector<std::string> paths;
    POINT point;
};
} // namespace

HDROP MakeDrop(const std::vector<std::string>& paths, POINT point)
{
    return reinterpret_cast<HDROP>(new Drop{paths, point});
}

UINT DragQueryFile(HDROP hDrop, UINT iFile, LPTSTR lpszFile, UINT cch)
{
    const auto* drop = reinterpret_cast<const Drop*>(hDrop);
    if (!drop)
        return 0;
    if (iFile == 0xFFFFFFFF)
        return UINT(drop->paths.size());
    if (iFile >= drop->paths.size())
        return 0;
    const std::string& path = drop->paths[iFile];
    if (!lpszFile || cch == 0)
        return UINT(path.size());
    return UINT(CopyText(CString(path), lpszFile, int(cch)));
}

BOOL DragQueryPoint(HDROP hDrop, LPPOINT lppt)
{
    const auto* drop = reinterpret_cast<const Drop*>(hDrop);
    if (!drop || !lppt)
        return FALSE;
    *lppt = drop->point;
    return TRUE;
}

void DragFinish(HDROP hDrop)
{
    delete reinterpret_cast<Drop*>(hDrop);
}
