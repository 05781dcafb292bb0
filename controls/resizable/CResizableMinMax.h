#pragma once
// Minimum and maximum tracking sizes and the maximised placement of a resizable window,
// given to the window's min-max query. A limit that was never set leaves the system's value.

#include "platform/ui/WinUser.h"

class CResizableMinMax
{
public:
    virtual ~CResizableMinMax() = default;

    void SetMaximumTrackSize(const CSize& size);
    void ResetMaximumTrackSize() { m_bMaxTrackSet = FALSE; }
    void SetMinimumTrackSize(const CSize& size);
    void ResetMinimumTrackSize() { m_bMinTrackSet = FALSE; }
    // Position = the rectangle's top-left corner, size = its width and height.
    void SetMaximizedPlacement(const CRect& rect);
    void ResetMaximizedPlacement() { m_bMaxPlacementSet = FALSE; }

    void ApplyMinMaxInfo(MINMAXINFO* info) const;

private:
    BOOL m_bMaxTrackSet = FALSE;
    CSize m_maxTrackSize;
    BOOL m_bMinTrackSet = FALSE;
    CSize m_minTrackSize;
    BOOL m_bMaxPlacementSet = FALSE;
    CPoint m_maxPosition;
    CSize m_maxSize;
};
