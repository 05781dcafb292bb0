#pragma once
// The values of the opening dialog and of its catalogue pickers, kept for the whole run.

#include "platform/core/CString.h"

struct OpeningEntry
{
    CString code = "???"; // kind code, 3 characters; "???" until a kind is taken
    int slot = 0;         // the number of the slot field
    int width = 0;        // mm, stored as the opening's length
    int height = 0;       // mm
    double U = 0.0;       // W/(m²·K)
    double i = 0.0;       // joint air-permeability coefficient
    int jointLength = 0;  // mm
    int count = 0;        // number of like openings

    // The program's record.
    static OpeningEntry& Instance();
};
