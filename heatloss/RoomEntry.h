#pragma once
// The values of the last accepted room dialog, kept for the whole run; the room temperature
// picker leaves its Ti here.

#include "platform/core/CString.h"

struct RoomEntry
{
    int slot = 0;        // the number shown in the slot field
    CString number;      // at most 49 characters
    CString name;        // at most 49 characters
    int length = 0;      // mm
    int width = 0;       // mm
    int height = 0;      // mm
    int Ti = 0;          // °C
    int doors = 0;
    int airExchange = 0; // m³/h
    CString orientation; // one of the eight compass codes

    // The program's record.
    static RoomEntry& Instance();
};
