#pragma once
// The rooms of the project, slots 1..count-1.

#include "heatloss/ModelCapacity.h"
#include "platform/core/CString.h"

#include <array>

struct RoomTable
{
    struct Entry
    {
        CString number;      // the room's designation as the user typed it
        CString name;
        CString orientation; // compass code: "J", "JZ", "Z", "SZ", "S", "SV", "V", "JV"
        int Ti = 0;          // design inner temperature, °C
        int length = 0;      // mm
        int width = 0;       // mm
        int height = 0;      // mm
        int doors = 0;
        int airExchange = 0; // minimum air exchange, m³/h
        int wallCount = 1;   // next free wall slot (1: no walls)
    };

    int count = 1; // next free room slot (1: no rooms)
    std::array<Entry, MAX_ROOMS> entries;

    Entry& operator[](int room) { return entries[room]; }
    const Entry& operator[](int room) const { return entries[room]; }
};
