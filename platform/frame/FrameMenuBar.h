#pragma once
// The menu bar and the keyboard accelerators of a frame, made from its MENU and ACCELERATORS
// resources: an item or a key sends its command to the frame; when a menu opens, the update
// handlers set its items, and the recent-file list fills in at ID_FILE_MRU_FILE1.

#include "platform/core/WinTypes.h"

class CFrameWnd;

namespace FrameMenuBar
{
// FALSE when the resources have no menu of that id.
BOOL Build(CFrameWnd* frame, UINT menuId);
BOOL InstallAccelerators(CFrameWnd* frame, UINT acceleratorsId);
} // namespace FrameMenuBar
