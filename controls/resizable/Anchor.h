#pragma once
// Anchor points of a resizable layout: a pair (horizontal percent, vertical percent) of the
// layout area. A control's corner keeps its pixel distance from its anchor point.

#include "platform/core/Geometry.h"

using ANCHOR = CSize;

// No second anchor: the bottom-right corner follows the top-left anchor.
inline const ANCHOR AnchorNone(-1, -1);
inline const ANCHOR AnchorTopLeft(0, 0);
inline const ANCHOR AnchorTopCenter(50, 0);
inline const ANCHOR AnchorTopRight(100, 0);
inline const ANCHOR AnchorMiddleLeft(0, 50);
inline const ANCHOR AnchorMiddleCenter(50, 50);
inline const ANCHOR AnchorMiddleRight(100, 50);
inline const ANCHOR AnchorBottomLeft(0, 100);
inline const ANCHOR AnchorBottomCenter(50, 100);
inline const ANCHOR AnchorBottomRight(100, 100);

// The names the design dialogs anchor their controls with.
inline const ANCHOR NOANCHOR = AnchorNone;
inline const ANCHOR TOP_LEFT = AnchorTopLeft;
inline const ANCHOR TOP_CENTER = AnchorTopCenter;
inline const ANCHOR TOP_RIGHT = AnchorTopRight;
inline const ANCHOR MIDDLE_LEFT = AnchorMiddleLeft;
inline const ANCHOR MIDDLE_CENTER = AnchorMiddleCenter;
inline const ANCHOR MIDDLE_RIGHT = AnchorMiddleRight;
inline const ANCHOR BOTTOM_LEFT = AnchorBottomLeft;
inline const ANCHOR BOTTOM_CENTER = AnchorBottomCenter;
inline const ANCHOR BOTTOM_RIGHT = AnchorBottomRight;
