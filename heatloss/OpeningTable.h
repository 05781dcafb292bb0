#pragma once
// The openings of every wall: opening o of wall w of room r at (r × 20 + w) × 20 + o.

#include "heatloss/ModelCapacity.h"
#include "platform/core/CString.h"

#include <vector>

struct OpeningTable
{
    struct Entry
    {
        CString code;        // kind code, up to 3 characters ("OJ ", "DO ", ...)
        int length = 0;      // mm, the opening's width
        int height = 0;      // mm
        int count = 0;       // number of like openings
        int jointLength = 0; // mm, of one opening
        double U = 0.0;      // W/(m²·K)
        double i = 0.0;      // joint air-permeability coefficient
    };

    std::vector<Entry> entries = std::vector<Entry>(MAX_ROOMS * MAX_WALLS * MAX_OPENINGS);

    static int Index(int room, int wall, int opening) { return (room * MAX_WALLS + wall) * MAX_OPENINGS + opening; }
    Entry& At(int room, int wall, int opening) { return entries[Index(room, wall, opening)]; }
    const Entry& At(int room, int wall, int opening) const { return entries[Index(room, wall, opening)]; }
};
