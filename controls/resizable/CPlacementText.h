#pragma once
// The text of a saved window placement: six decimal integers joined by commas,
// "left,top,right,bottom,show command,flags".

#include "platform/core/CString.h"
#include "platform/core/Geometry.h"

struct CPlacementText
{
    CRect rect;
    int nShowCmd = 1; // SW_SHOWNORMAL
    int nFlags = 0;

    CString Format() const;

    // Reads six numbers; FALSE, with nothing changed, for an empty or malformed text, a number
    // out of range, a rectangle without area or a show command that would not show the window.
    BOOL Parse(const char* text);
};
