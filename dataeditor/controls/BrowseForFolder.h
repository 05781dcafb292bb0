#pragma once
// Asks for a folder with the platform's folder dialog, starting at the given path.

#include "platform/core/CString.h"

class CWnd;

// True when a folder was chosen: path then holds it. False when cancelled or not asked to browse.
bool BrowseForFolder(const CString& title, CWnd* owner, CString& path, bool browse = true);
