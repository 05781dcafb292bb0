#pragma once
// The project model: one heat-loss project in memory. Its header, the rooms with their
// cooled walls and the openings in them, the input dialogs' cursor, and the results of the
// last calculation. The program keeps one for the whole run (Instance); tests make their own.

#include "heatloss/HeatLossResults.h"
#include "heatloss/HeatLossTotals.h"
#include "heatloss/InputCursor.h"
#include "heatloss/OpeningTable.h"
#include "heatloss/ProjectHeader.h"
#include "heatloss/RoomTable.h"
#include "heatloss/WallTable.h"

class ProjectModel
{
public:
    ProjectHeader Header;
    RoomTable Rooms;
    WallTable Walls;
    OpeningTable Openings;
    InputCursor Cursor;
    HeatLossResults Results;
    HeatLossTotals Totals;

    // The program's model.
    static ProjectModel& Instance();

    // Empties the project for New and Open: every text empty but the author, every number 0,
    // every count 1, the results too, so that nothing of the previous project survives.
    void Reset(const CString& userName);

    // Appends an element after the last of its level and returns its slot with its own
    // count set to "none"; 0 when the level is full (a 99th room, a 20th wall, a 20th opening)
    // or the parent does not exist.
    int AddRoom();
    int AddWall(int room);
    int AddOpening(int room, int wall);

    // The walls of a room and the openings of a wall as slot counts (slots 1..n).
    int WallsOf(int room) const { return Rooms[room].wallCount - 1; }
    int OpeningsOf(int room, int wall) const { return Walls.At(room, wall).openingCount - 1; }
};

// Text cut to at most maxChars characters, as the model's texts hold them.
CString ModelText(const CString& text, int maxChars);
// A kind code as the model holds it: up to 3 characters; "???" for a text longer than 3
// characters once its trailing blanks are removed.
CString KindCode(const CString& text);
