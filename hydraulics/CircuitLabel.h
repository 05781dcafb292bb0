#pragma once
// Circuit labels and the entries of supply routes that name them. A label is the room number,
// "/" and one letter ("A" for the room's first circuit); a room number may hold "/" itself
// ("2/06"), so the room of a label is the text before its last "/". A route entry is "[",
// the label of the circuit crossed, "{", a text with "L=" and the length in m, and "]".

#include "platform/core/CString.h"

// The room part of a label: the text before its last "/" (all of it without one).
CString RoomPartOfLabel(const CString& label);

// The label of the room's circuit with that letter number (1 = "A").
CString CircuitLabel(const CString& roomNumber, int letterNumber);

// The label a route entry names: from the "[" at the position to its "{" (or "]").
CString RouteEntryLabel(const CString& route, int open);

// The position of the route's first entry that crosses a circuit of that room (the whole room
// number); -1 when none does.
int FindRouteEntryOfRoom(const CString& route, const CString& roomNumber);
bool RouteCrossesRoom(const CString& route, const CString& roomNumber);

// Removes the entries that cross circuits of that room, each up to and including its "]".
// True when any was removed.
bool RemoveRouteEntriesOfRoom(CString& route, const CString& roomNumber);
