#include "heatloss/InputSheetLoader.h"

#include "heatloss/HeatLossIds.h"
#include "heatloss/InputSheet.h"
#include "heatloss/ProjectModel.h"
#include "platform/core/MessageBox.h"

namespace
{

// Walks the rows as the loader does: the current room, wall and opening counters.
class TreeWalk
{
public:
    int room = 0;
    int wall = 0;
    int opening = 0;

    void Enter(int level)
    {
        if (level == InputSheet::RoomLevel)
        {
            ++room;
            wall = 0;
            opening = 0;
        }
        else if (level == InputSheet::WallLevel)
        {
            ++wall;
            opening = 0;
        }
        else if (level == InputSheet::OpeningLevel)
            ++opening;
    }
};

bool FitsModel(const InputSheet& sheet)
{
    TreeWalk walk;
    for (int row = 1; row < int(sheet.rows.size()); ++row)
    {
        walk.Enter(sheet.LevelOf(row));
        if (walk.room >= MAX_ROOMS || walk.wall >= MAX_WALLS || walk.opening >= MAX_OPENINGS)
            return false;
    }
    return true;
}

void LoadRoom(const InputSheet::Row& cells, RoomTable::Entry& room)
{
    room.number = ModelText(cells[InputSheet::Number], ROOM_TEXT_CHARS);
    room.name = ModelText(cells[InputSheet::Name], ROOM_TEXT_CHARS);
    room.length = InputSheet::IntegerOf(cells[InputSheet::Length]);
    room.width = InputSheet::IntegerOf(cells[InputSheet::Width]);
    room.height = InputSheet::IntegerOf(cells[InputSheet::Height]);
    room.Ti = InputSheet::IntegerOf(cells[InputSheet::Ti]);
    room.doors = InputSheet::IntegerOf(cells[InputSheet::Count]);
    room.airExchange = InputSheet::IntegerOf(cells[InputSheet::AirExchange]);
    room.orientation = ModelText(cells[InputSheet::Orientation], ORIENTATION_CHARS);
}

void LoadWall(const InputSheet::Row& cells, WallTable::Entry& wall)
{
    wall.code = KindCode(cells[InputSheet::Name]);
    wall.length = InputSheet::IntegerOf(cells[InputSheet::Width]);
    wall.height = InputSheet::IntegerOf(cells[InputSheet::Height]);
    wall.temperatureDifference = InputSheet::IntegerOf(cells[InputSheet::TemperatureDifference]);
    wall.U = InputSheet::DecimalOf(cells[InputSheet::U]);
}

void LoadOpening(const InputSheet::Row& cells, OpeningTable::Entry& opening)
{
    opening.code = KindCode(cells[InputSheet::Name]);
    opening.length = InputSheet::IntegerOf(cells[InputSheet::Width]);
    opening.height = InputSheet::IntegerOf(cells[InputSheet::Height]);
    opening.i = InputSheet::DecimalOf(cells[InputSheet::I]);
    opening.U = InputSheet::DecimalOf(cells[InputSheet::U]);
    opening.count = InputSheet::IntegerOf(cells[InputSheet::Count]);
    opening.jointLength = InputSheet::IntegerOf(cells[InputSheet::JointLength]);
}

} // namespace

HeatLossMessage LoadInputSheet(const InputSheet& sheet, ProjectModel& model)
{
    if (!FitsModel(sheet))
    {
        HeatLossMessage message;
        message.id = IDS_HL_INPUT_TOO_LARGE;
        message.icon = MB_ICONEXCLAMATION;
        return message;
    }
    model.Rooms.count = 1;
    TreeWalk walk;
    for (int row = 1; row < int(sheet.rows.size()); ++row)
    {
        const int level = sheet.LevelOf(row);
        walk.Enter(level);
        const InputSheet::Row& cells = sheet.rows[row];
        if (level == InputSheet::RoomLevel)
        {
            LoadRoom(cells, model.Rooms[walk.room]);
            model.Rooms[walk.room].wallCount = 1;
            model.Walls.At(walk.room, 0).openingCount = 1;
            model.Rooms.count = walk.room + 1;
        }
        else if (level == InputSheet::WallLevel)
        {
            LoadWall(cells, model.Walls.At(walk.room, walk.wall));
            model.Rooms[walk.room].wallCount = walk.wall + 1;
            model.Walls.At(walk.room, walk.wall).openingCount = 1;
        }
        else if (level == InputSheet::OpeningLevel)
        {
            LoadOpening(cells, model.Openings.At(walk.room, walk.wall, walk.opening));
            model.Walls.At(walk.room, walk.wall).openingCount = walk.opening + 1;
        }
    }
    return HeatLossMessage();
}

HeatLossMessage LoadInputSheet(CData& data, ProjectModel& model)
{
    InputSheet sheet;
    sheet.Read(data);
    return LoadInputSheet(sheet, model);
}

HeatLossMessage LoadInputSheet(const CString& workbookPath, ProjectModel& model)
{
    InputSheet sheet;
    const HeatLossMessage message = sheet.ReadWorkbook(workbookPath);
    return message.IsEmpty() ? LoadInputSheet(sheet, model) : message;
}
