#include "heatloss/ElementRowTexts.h"

#include "heatloss/ProjectModel.h"
#include "platform/core/NumberText.h"
#include "platform/core/UserLocale.h"

#include <cmath>

namespace
{

CString IntegerText(int value)
{
    CString text;
    text.Format("%d", value);
    return text;
}

} // namespace

CString DecimalCellText(double value)
{
    if (!std::isfinite(value))
        return CString(); // no number: never "1.#INF" in the sheet
    std::string text = NumberText::FormatReal("%f", value, UserLocale::Current().decimalSeparator);
    const std::size_t last = text.find_last_not_of('0');
    text.erase(last == std::string::npos ? 0 : last + 1);
    return CString(text);
}

InputSheet::Row RoomRowTexts(const ProjectModel& model, int room)
{
    const RoomTable::Entry& entry = model.Rooms[room];
    InputSheet::Row cells;
    cells[InputSheet::Number] = entry.number;
    cells[InputSheet::Name] = entry.name;
    cells[InputSheet::Ti] = IntegerText(entry.Ti);
    cells[InputSheet::Length] = IntegerText(entry.length);
    cells[InputSheet::Width] = IntegerText(entry.width);
    cells[InputSheet::Height] = IntegerText(entry.height);
    cells[InputSheet::Count] = IntegerText(entry.doors);
    cells[InputSheet::AirExchange] = IntegerText(entry.airExchange);
    cells[InputSheet::Orientation] = entry.orientation;
    cells[InputSheet::Format] = "000000|f0d800|T|1";
    return cells;
}

InputSheet::Row WallRowTexts(const ProjectModel& model, int room, int wall)
{
    const WallTable::Entry& entry = model.Walls.At(room, wall);
    InputSheet::Row cells;
    cells[InputSheet::Name] = entry.code;
    cells[InputSheet::Width] = IntegerText(entry.length);
    cells[InputSheet::Height] = IntegerText(entry.height);
    cells[InputSheet::TemperatureDifference] = IntegerText(entry.temperatureDifference);
    cells[InputSheet::U] = DecimalCellText(entry.U);
    cells[InputSheet::JointLength] = IntegerText(wall);
    cells[InputSheet::Format] = "000000|ffffe0||1";
    return cells;
}

InputSheet::Row OpeningRowTexts(const ProjectModel& model, int room, int wall, int opening)
{
    const OpeningTable::Entry& entry = model.Openings.At(room, wall, opening);
    InputSheet::Row cells;
    cells[InputSheet::Name] = entry.code;
    cells[InputSheet::Width] = IntegerText(entry.length);
    cells[InputSheet::Height] = IntegerText(entry.height);
    cells[InputSheet::Count] = IntegerText(entry.count);
    cells[InputSheet::U] = DecimalCellText(entry.U);
    cells[InputSheet::I] = DecimalCellText(entry.i);
    cells[InputSheet::JointLength] = IntegerText(entry.jointLength);
    cells[InputSheet::Format] = "000000|dfffff||1";
    return cells;
}
