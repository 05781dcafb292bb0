#pragma once
// The folder browser: 1 with the chosen path, 0 with an empty result when the user cancels or
// no path can be had. With includeFiles a file can be chosen too.

#include "platform/core/CString.h"

class CWnd;

int BrowseFolder(CString& result, const CString& title, CWnd* owner, const char* root, const char* initial,
                 BOOL includeFiles);
