#pragma once
// Files dropped on a window that accepts them (DragAcceptFiles): WM_DROPFILES carries an HDROP
// that DragQueryFile reads and DragFinish frees.

#include "platform/ui/WinUser.h"

#include <string>
#include <vector>

// An HDROP of these paths (for the window that receives a drop).
HDROP MakeDrop(const std::vector<std::string>& paths, POINT point);
// With iFile 0xFFFFFFFF the number of files; else the length of that file's path, copied into the
// buffer when one is given.
UINT DragQueryFile(HDROP hDrop, UINT iFile, LPTSTR lpszFile, UINT cch);
BOOL DragQueryPoint(HDROP hDrop, LPPOINT lppt);
void DragFinish(HDROP hDrop);
