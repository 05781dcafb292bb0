#include "heatloss/ProjectModel.h"

ProjectModel& ProjectModel::Instance()
{
    static ProjectModel model;
    return model;
}

void ProjectModel::Reset(const CString& userName)
{
    Header = ProjectHeader();
    Header.author = ModelText(userName, HEADER_TEXT_CHARS);
    Rooms = RoomTable();
    Walls = WallTable();
    Openings = OpeningTable();
    Cursor = InputCursor();
    Results = HeatLossResults();
    Totals = HeatLossTotals();
}

int ProjectModel::AddRoom()
{
    const int room = Rooms.count;
    if (room < 1 || room >= MAX_ROOMS)
        return 0;
    Rooms[room].wallCount = 1;
    Walls.At(room, 0).openingCount = 1;
    Rooms.count = room + 1;
    return room;
}

int ProjectModel::AddWall(int room)
{
    if (room < 1 || room >= Rooms.count)
        return 0;
    const int wall = Rooms[room].wallCount;
    if (wall < 1 || wall >= MAX_WALLS)
        return 0;
    Walls.At(room, wall).openingCount = 1;
    Rooms[room].wallCount = wall + 1;
    return wall;
}

int ProjectModel::AddOpening(int room, int wall)
{
    if (room < 1 || room >= Rooms.count || wall < 1 || wall >= Rooms[room].wallCount)
        return 0;
    const int opening = Walls.At(room, wall).openingCount;
    if (opening < 1 || opening >= MAX_OPENINGS)
        return 0;
    Walls.At(room, wall).openingCount = opening + 1;
    return opening;
}

CString ModelText(const CString& text, int maxChars)
{
    CString bounded = text;
    return bounded.TruncateChars(maxChars);
}

CString KindCode(const CString& text)
{
    CString trimmed = text;
    if (trimmed.TrimRight().GetLength() > KIND_CODE_CHARS)
        return CString("???");
    return ModelText(text, KIND_CODE_CHARS);
}
