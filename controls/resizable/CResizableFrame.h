#pragma once
// What the resizable top-level windows (the dialog and the property sheets) share: the sizing
// frame they turn their frame into, and the size changes that arrange them.

#include "platform/ui/CWnd.h"

class CResizableFrame
{
public:
    // Turns a modal frame into a sizing one, keeping the size of the client area.
    static void MakeSizingFrame(CWnd* pWnd);
    // Whether a WM_SIZE of this type arranges the window: not the ones sent when another window
    // is maximised or restored.
    static BOOL ArrangesOn(UINT nSizeType);
};
