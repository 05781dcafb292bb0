#pragma once
// Capacities of the project model. Slot 0 of every level stays unused, and each count holds
// the next free slot: a project holds at most 98 rooms, 19 walls a room, 19 openings a wall.

constexpr int MAX_ROOMS = 99;
constexpr int MAX_WALLS = 20;
constexpr int MAX_OPENINGS = 20;

// Characters a text of the model holds.
constexpr int ROOM_TEXT_CHARS = 49;        // room number and name
constexpr int ORIENTATION_CHARS = 18;      // room orientation code
constexpr int KIND_CODE_CHARS = 3;         // wall and opening kind codes
constexpr int HEADER_TEXT_CHARS = 49;      // the header's texts
constexpr int HEADER_SHORT_TEXT_CHARS = 9; // altitude and windy landscape
