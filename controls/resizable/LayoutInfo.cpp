#include "controls/resizable/LayoutInfo.h"

#include <cstdint>

int LayoutInfo::PercentOf(int length, int percent)
{
    // Wide enough that no percent pair can overflow; division truncates toward zero.
    return int(std::int64_t(length) * percent / 100);
}

void LayoutInfo::Anchor(const CSize& area, const CRect& rect, ANCHOR topLeft, ANCHOR bottomRight)
{
    if (bottomRight == AnchorNone)
        bottomRight = topLeft;
    anchorTopLeft = topLeft;
    anchorBottomRight = bottomRight;
    marginTopLeft =
        CSize(rect.left - PercentOf(area.cx, topLeft.cx), rect.top - PercentOf(area.cy, topLeft.cy));
    marginBottomRight = CSize(rect.right - PercentOf(area.cx, bottomRight.cx),
                              rect.bottom - PercentOf(area.cy, bottomRight.cy));
}

CRect LayoutInfo::PlaceIn(const CSize& area) const
{
    return CRect(PercentOf(area.cx, anchorTopLeft.cx) + marginTopLeft.cx,
                 PercentOf(area.cy, anchorTopLeft.cy) + marginTopLeft.cy,
                 PercentOf(area.cx, anchorBottomRight.cx) + marginBottomRight.cx,
                 PercentOf(area.cy, anchorBottomRight.cy) + marginBottomRight.cy);
}
