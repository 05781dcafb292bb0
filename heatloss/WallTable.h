#pragma once
// The cooled walls of every room: wall w of room r at r × 20 + w.

#include "heatloss/ModelCapacity.h"
#include "platform/core/CString.h"

#include <vector>

struct WallTable
{
    struct Entry
    {
        CString code;                  // kind code, up to 3 characters ("SO ", "SSJ", ...)
        int length = 0;                // mm
        int height = 0;                // mm
        int temperatureDifference = 0; // K, across this wall
        double U = 0.0;                // W/(m²·K)
        int openingCount = 1;          // next free opening slot (1: no openings)
    };

    std::vector<Entry> entries = std::vector<Entry>(MAX_ROOMS * MAX_WALLS);

    static int Index(int room, int wall) { return room * MAX_WALLS + wall; }
    Entry& At(int room, int wall) { return entries[Index(room, wall)]; }
    const Entry& At(int room, int wall) const { return entries[Index(room, wall)]; }
};
