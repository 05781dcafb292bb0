#pragma once
// The values of the wall dialog and of the pickers it opens, kept for the whole run.

#include "platform/core/CString.h"

struct WallEntry
{
    int mode = 1;                 // 1: outer wall (difference Ti − Te); 2: inner wall
    CString code = "???";         // kind code, 3 characters; "???" until a kind is taken
    int slot = 0;                 // the number of the slot field
    int width = 0;                // mm, stored as the wall's length
    int secondDimension = 0;      // mm, stored as the wall's height
    double U = 0.0;               // W/(m²·K)
    int difference = 0;           // K
    int neighbourTemperature = 0; // °C, from the adjacent-space picker

    // The program's record.
    static WallEntry& Instance();
};
