#pragma once
// One entry of a resizable layout: a control tied by its two corners to two anchor points.

#include "controls/resizable/Anchor.h"
#include "platform/core/WinTypes.h"

struct LayoutInfo
{
    HWND hWnd = nullptr;         // null for a callback entry until its callback fills it
    UINT nCallbackId = 0;        // 0 for a plain anchor
    BOOL bAdjustHScroll = FALSE; // list boxes: refresh decided by their horizontal scroll on each move
    BOOL bNeedsRefresh = FALSE;  // repaint the whole control after a move
    ANCHOR anchorTopLeft;
    CSize marginTopLeft;
    ANCHOR anchorBottomRight;
    CSize marginBottomRight;

    // Ties a control at rect (client coordinates of the layout window) in an area of the given
    // size to its anchors; AnchorNone as the second anchor keeps the control's size.
    void Anchor(const CSize& area, const CRect& rect, ANCHOR topLeft, ANCHOR bottomRight);

    // Where the control goes in an area of the given size.
    CRect PlaceIn(const CSize& area) const;

    // The share of a length that an anchor percent stands for, truncated toward zero.
    static int PercentOf(int length, int percent);
};
