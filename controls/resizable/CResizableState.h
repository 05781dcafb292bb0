#pragma once
// Stores and restores a window's placement as the profile value "WindowPlacement" of a section:
// "left,top,right,bottom,show command,flags". A mix-in: the window class supplies the window.

#include "platform/core/WinTypes.h"

class CWnd;

class CResizableState
{
public:
    virtual ~CResizableState() = default;

    // With bRectOnly the current window rectangle is stored, shown normally; otherwise the whole
    // placement (normal rectangle, show command, flags). FALSE when the placement cannot be read
    // or the profile cannot be written.
    BOOL SavePlacement(LPCTSTR pszSection, BOOL bRectOnly);
    // FALSE, with the window left where it is, when the value is missing or malformed.
    BOOL LoadPlacement(LPCTSTR pszSection, BOOL bRectOnly);

protected:
    virtual CWnd* GetLayoutWindow() = 0;
};
