#include "heatloss/InputSheetLoader.h"

#include "heatloss/HeatLossIds.h"
#include "heatloss/InputRanges.h"
#include "heatloss/InputSheet.h"
#include "heatloss/ProjectModel.h"
#include "platform/core/MessageBox.h"
#include "platform/core/NumberText.h"

#include <optional>

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

// Visits the rows after the building row in order, each with its level, its cells and the walk's
// counters; a visit that returns false ends the walk. False when one did.
template <class Visit>
bool WalkRows(const InputSheet& sheet, Visit visit)
{
    TreeWalk walk;
    for (int row = 1; row < int(sheet.rows.size()); ++row)
    {
        const int level = sheet.LevelOf(row);
        walk.Enter(level);
        if (!visit(level, sheet.rows[row], walk))
            return false;
    }
    return true;
}

bool FitsModel(const InputSheet& sheet)
{
    return WalkRows(sheet, [](int, const InputSheet::Row&, const TreeWalk& walk)
                    { return walk.room < MAX_ROOMS && walk.wall < MAX_WALLS && walk.opening < MAX_OPENINGS; });
}

HeatLossMessage TooLarge()
{
    HeatLossMessage message;
    message.id = IDS_HL_INPUT_TOO_LARGE;
    message.icon = MB_ICONEXCLAMATION;
    return message;
}

HeatLossMessage MissingColumn(InputSheet::Column column)
{
    HeatLossMessage message;
    message.id = IDS_HL_MISSING_COLUMN;
    message.argument = InputSheet::TableName();
    message.details = {InputSheet::ColumnName(column)};
    message.icon = MB_ICONEXCLAMATION;
    return message;
}

// The first cell of a row of level whose number is not finite or lies outside its range;
// ColumnCount when there is none.
int CellOutOfRange(const InputSheet::Row& cells, int level, InputField& field)
{
    for (int column = 0; column < InputSheet::ColumnCount; ++column)
    {
        const std::optional<InputField> cellField = FieldOfCell(level, column);
        if (!cellField)
            continue;
        const CString& text = cells[column];
        const double value = IsWholeNumber(*cellField) ? InputSheet::IntegerOf(text) : InputSheet::DecimalOf(text);
        if (NumberText::IsNonFinite(text.str()) || !StoredInRange(*cellField, value))
        {
            field = *cellField;
            return column;
        }
    }
    return InputSheet::ColumnCount;
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

HeatLossMessage FirstStoredValueOutOfRange(const InputSheet& sheet)
{
    HeatLossMessage message;
    WalkRows(sheet,
             [&message](int level, const InputSheet::Row& cells, const TreeWalk& walk)
             {
                 InputField field;
                 const int column = CellOutOfRange(cells, level, field);
                 if (column == InputSheet::ColumnCount)
                     return true;
                 if (level == InputSheet::RoomLevel)
                     message = RoomValueOutOfRange(field, cells[column], walk.room);
                 else if (level == InputSheet::WallLevel)
                     message = WallValueOutOfRange(field, cells[column], walk.wall, walk.room);
                 else
                     message = OpeningValueOutOfRange(field, cells[column], walk.opening, walk.wall, walk.room);
                 return false;
             });
    return message;
}

HeatLossMessage LoadInputSheet(const InputSheet& sheet, ProjectModel& model, StoredValues values)
{
    if (const InputSheet::Column missing = sheet.FirstMissingColumn(); missing != InputSheet::ColumnCount)
        return MissingColumn(missing);
    if (!FitsModel(sheet))
        return TooLarge();
    if (values == StoredValues::Checked)
        if (HeatLossMessage outOfRange = FirstStoredValueOutOfRange(sheet); !outOfRange.IsEmpty())
            return outOfRange;
    model.Rooms.count = 1;
    WalkRows(sheet,
             [&model](int level, const InputSheet::Row& cells, const TreeWalk& walk)
             {
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
                 return true;
             });
    return HeatLossMessage();
}

HeatLossMessage LoadInputSheet(CData& data, ProjectModel& model)
{
    InputSheet sheet;
    sheet.Read(data);
    return LoadInputSheet(sheet, model);
}

HeatLossMessage LoadInputSheet(const CString& workbookPath, ProjectModel& model, StoredValues values)
{
    InputSheet sheet;
    const HeatLossMessage message = sheet.ReadWorkbook(workbookPath);
    return message.IsEmpty() ? LoadInputSheet(sheet, model, values) : message;
}
