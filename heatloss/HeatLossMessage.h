#pragma once
// A message of the building data routines for their caller to show: a string id, the
// numbers or the text that fill its places, the box's caption and icon.

#include "platform/core/CString.h"
#include "platform/core/WinTypes.h"

#include <vector>

struct HeatLossMessage
{
    UINT id = 0;                // string id; 0: no message
    std::vector<long> numbers;  // the "%ld" places in order (slots: opening, wall, room)
    CString argument;           // the "%s" place
    std::vector<CString> details; // further "%s" places, after the numbers and the argument
    UINT captionId = 61448;     // "kalvenrod - chyba"
    UINT icon = 0;              // MB_ICON... of the box; 0: a plain box
    bool warning = false;       // the work goes on after it

    bool IsEmpty() const { return id == 0; }
    // The text with its places filled, from the string table.
    CString Text() const;
    CString Caption() const;
    // Shows the message in a box with its caption and icon (the caller's part: the routines
    // that make messages never show them); the box's answer.
    int Show(HWND owner = nullptr) const;
};
