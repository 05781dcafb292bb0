#include "heatloss/InputRanges.h"

#include "heatloss/HeatLossIds.h"
#include "heatloss/InputSheet.h"
#include "heatloss/ProjectModel.h"
#include "platform/core/MessageBox.h"
#include "platform/core/NumberText.h"
#include "platform/core/UserLocale.h"

#include <algorithm>
#include <cmath>

namespace
{

struct FieldRange
{
    InputField field;
    InputRange range;
    bool whole; // a whole number
};

// Lengths in mm, temperatures in °C and K, U in W/(m²·K), i in the unit of its field. The
// lowest U and i are the least that their fields show (three decimals).
constexpr FieldRange kRanges[] = {
    {InputField::RoomLength, {1, 500000}, true},
    {InputField::RoomWidth, {1, 500000}, true},
    {InputField::RoomHeight, {1, 100000}, true},
    {InputField::RoomTi, {-50, 100}, true},
    {InputField::RoomDoors, {0, 1000}, true},
    {InputField::RoomAirExchange, {0, 10000000}, true},
    {InputField::WallLength, {1, 500000}, true},
    {InputField::WallHeight, {1, 500000}, true},
    {InputField::WallTemperatureDifference, {-160, 160}, true},
    {InputField::WallU, {0.001, 20}, false},
    {InputField::OpeningLength, {1, 100000}, true},
    {InputField::OpeningHeight, {1, 100000}, true},
    {InputField::OpeningCount, {1, 1000}, true},
    {InputField::OpeningU, {0.001, 20}, false},
    {InputField::OpeningI, {0.001, 100}, false},
    {InputField::OpeningJointLength, {1, 1000000}, true},
    {InputField::OutdoorTemperature, {-60, 30}, true},
    {InputField::BuildingNumber, {1, 100}, true},
    {InputField::HeatingUpSurcharge, {0, 1}, false},
};

const FieldRange& Find(InputField field)
{
    return *std::find_if(std::begin(kRanges), std::end(kRanges),
                         [field](const FieldRange& range) { return range.field == field; });
}

CString Loaded(UINT id)
{
    CString text;
    text.LoadString(id);
    return text;
}

HeatLossMessage OutOfRange(UINT id, InputField field, const CString& valueText, std::vector<long> slots)
{
    const InputRange range = RangeOf(field);
    HeatLossMessage message;
    message.id = id;
    message.numbers = std::move(slots);
    message.argument = Loaded(IDS_HL_FIELD_FIRST + UINT(field));
    message.details = {valueText, RangeValueText(field, range.low), RangeValueText(field, range.high)};
    return message;
}

HeatLossMessage CheckRoom(const RoomTable::Entry& room, long r)
{
    const std::pair<InputField, int> values[] = {
        {InputField::RoomLength, room.length},  {InputField::RoomWidth, room.width},
        {InputField::RoomHeight, room.height},  {InputField::RoomTi, room.Ti},
        {InputField::RoomDoors, room.doors},    {InputField::RoomAirExchange, room.airExchange}};
    for (const auto& [field, value] : values)
        if (!StoredInRange(field, value))
            return RoomValueOutOfRange(field, RangeValueText(field, value), r);
    return HeatLossMessage();
}

HeatLossMessage CheckWall(const WallTable::Entry& wall, long w, long r)
{
    const std::pair<InputField, double> values[] = {{InputField::WallLength, wall.length},
                                                    {InputField::WallHeight, wall.height},
                                                    {InputField::WallTemperatureDifference, wall.temperatureDifference},
                                                    {InputField::WallU, wall.U}};
    for (const auto& [field, value] : values)
        if (!StoredInRange(field, value))
            return WallValueOutOfRange(field, RangeValueText(field, value), w, r);
    return HeatLossMessage();
}

HeatLossMessage CheckOpening(const OpeningTable::Entry& opening, long o, long w, long r)
{
    const std::pair<InputField, double> values[] = {
        {InputField::OpeningLength, opening.length}, {InputField::OpeningHeight, opening.height},
        {InputField::OpeningCount, opening.count},   {InputField::OpeningU, opening.U},
        {InputField::OpeningI, opening.i},           {InputField::OpeningJointLength, opening.jointLength}};
    for (const auto& [field, value] : values)
        if (!StoredInRange(field, value))
            return OpeningValueOutOfRange(field, RangeValueText(field, value), o, w, r);
    return HeatLossMessage();
}

int SlotEnd(int count, int capacity)
{
    return std::clamp(count, 1, capacity);
}

} // namespace

InputRange RangeOf(InputField field)
{
    return Find(field).range;
}

std::optional<InputField> FieldOfCell(int level, int column)
{
    using C = InputSheet::Column;
    using F = InputField;
    struct Cell
    {
        int level;
        C column;
        F field;
    };
    static constexpr Cell cells[] = {
        {InputSheet::RoomLevel, C::Ti, F::RoomTi},
        {InputSheet::RoomLevel, C::Length, F::RoomLength},
        {InputSheet::RoomLevel, C::Width, F::RoomWidth},
        {InputSheet::RoomLevel, C::Height, F::RoomHeight},
        {InputSheet::RoomLevel, C::Count, F::RoomDoors},
        {InputSheet::RoomLevel, C::AirExchange, F::RoomAirExchange},
        {InputSheet::WallLevel, C::Width, F::WallLength},
        {InputSheet::WallLevel, C::Height, F::WallHeight},
        {InputSheet::WallLevel, C::TemperatureDifference, F::WallTemperatureDifference},
        {InputSheet::WallLevel, C::U, F::WallU},
        {InputSheet::OpeningLevel, C::Width, F::OpeningLength},
        {InputSheet::OpeningLevel, C::Height, F::OpeningHeight},
        {InputSheet::OpeningLevel, C::Count, F::OpeningCount},
        {InputSheet::OpeningLevel, C::U, F::OpeningU},
        {InputSheet::OpeningLevel, C::I, F::OpeningI},
        {InputSheet::OpeningLevel, C::JointLength, F::OpeningJointLength},
    };
    for (const Cell& cell : cells)
        if (cell.level == level && cell.column == column)
            return cell.field;
    return std::nullopt;
}

bool IsWholeNumber(InputField field)
{
    return Find(field).whole;
}

bool TypedInRange(InputField field, double value)
{
    const InputRange range = RangeOf(field);
    return std::isfinite(value) && value >= range.low && value <= range.high;
}

bool StoredInRange(InputField field, double value)
{
    return value == 0.0 || TypedInRange(field, value);
}

CString RangeValueText(InputField field, double value)
{
    if (!std::isfinite(value))
        return CString(NumberText::FormatReal("%g", value));
    return CString(NumberText::FormatReal(IsWholeNumber(field) ? "%.0f" : "%g", value,
                                          UserLocale::Current().decimalSeparator));
}

HeatLossMessage TypedOutOfRange(InputField field, const CString& valueText)
{
    HeatLossMessage message = OutOfRange(IDS_HL_TYPED_OUT_OF_RANGE, field, valueText, {});
    message.captionId = IDS_HL_CAPTION_WARNING;
    message.icon = MB_ICONEXCLAMATION;
    return message;
}

HeatLossMessage RoomValueOutOfRange(InputField field, const CString& valueText, long room)
{
    return OutOfRange(IDS_HL_ROOM_VALUE_OUT_OF_RANGE, field, valueText, {room});
}

HeatLossMessage WallValueOutOfRange(InputField field, const CString& valueText, long wall, long room)
{
    return OutOfRange(IDS_HL_WALL_VALUE_OUT_OF_RANGE, field, valueText, {wall, room});
}

HeatLossMessage OpeningValueOutOfRange(InputField field, const CString& valueText, long opening, long wall,
                                       long room)
{
    return OutOfRange(IDS_HL_OPENING_VALUE_OUT_OF_RANGE, field, valueText, {opening, wall, room});
}

HeatLossMessage HeaderValueOutOfRange(InputField field, const CString& valueText)
{
    HeatLossMessage message = OutOfRange(IDS_HL_HEADER_VALUE_OUT_OF_RANGE, field, valueText, {});
    message.icon = MB_ICONEXCLAMATION;
    return message;
}

HeatLossMessage FirstValueOutOfRange(const ProjectModel& model)
{
    const ProjectHeader& header = model.Header;
    const std::pair<InputField, double> headerValues[] = {{InputField::OutdoorTemperature, header.Te},
                                                          {InputField::BuildingNumber, header.B},
                                                          {InputField::HeatingUpSurcharge, header.p2}};
    for (const auto& [field, value] : headerValues)
        if (!StoredInRange(field, value))
            return HeaderValueOutOfRange(field, RangeValueText(field, value));
    for (int r = 1; r < SlotEnd(model.Rooms.count, MAX_ROOMS); ++r)
    {
        HeatLossMessage message = CheckRoom(model.Rooms[r], r);
        for (int w = 1; message.IsEmpty() && w < SlotEnd(model.Rooms[r].wallCount, MAX_WALLS); ++w)
        {
            const WallTable::Entry& wall = model.Walls.At(r, w);
            message = CheckWall(wall, w, r);
            for (int o = 1; message.IsEmpty() && o < SlotEnd(wall.openingCount, MAX_OPENINGS); ++o)
                message = CheckOpening(model.Openings.At(r, w, o), o, w, r);
        }
        if (!message.IsEmpty())
            return message;
    }
    return HeatLossMessage();
}
