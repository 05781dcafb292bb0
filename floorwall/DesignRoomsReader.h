#pragma once
// The rooms of "SeznamM$" as the floor and the wall heating design both read them: a room for
// every room row, with the radiators and the floor and wall circuits of the rows below it.

#include "platform/core/CString.h"

#include <vector>

class CData;
class CMistPodlahVytap;

// Appends the rooms of the open table to rooms (owned by the caller). A floor-heated room that
// no floor circuit row followed gets the one circuit its own row describes, labelled "/A".
// false when a radiator or circuit row came before any room row (the message names the row), or
// a record could not be made ("Málo paměti pro další zpracování!"): reading stopped there, and
// the rooms read until then stay.
bool ReadDesignRooms(CData& table, std::vector<CMistPodlahVytap*>& rooms, CString& message);
