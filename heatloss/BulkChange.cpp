#include "heatloss/BulkChange.h"

#include "heatloss/InputRanges.h"
#include "heatloss/InputSheet.h"
#include "heatloss/ModelCapacity.h"
#include "heatloss/ProjectModel.h"

#include <optional>
#include <regex>

namespace
{
bool IsColumn(const CString& name, InputSheet::Column column)
{
    return name == InputSheet::ColumnName(column);
}

bool IsWhole(const CString& text)
{
    static const std::regex whole("[+-]?[0-9]+");
    return std::regex_match(text.str(), whole);
}

bool IsDecimal(const CString& text)
{
    static const std::regex decimal("[+-]?([0-9]+([.,][0-9]*)?|[.,][0-9]+)");
    return std::regex_match(text.str(), decimal);
}

// Characters of a UTF-8 text (bytes that do not continue a character).
int CharactersOf(const CString& text)
{
    int count = 0;
    for (unsigned char byte : text.str())
        count += (byte & 0xC0) != 0x80 ? 1 : 0;
    return count;
}
} // namespace

bool BulkCondition::IsNumeric() const
{
    return !value.IsEmpty() && value.str().find_first_not_of("+-.,0123456789") == std::string::npos;
}

bool BulkCondition::Holds(const CString& cell) const
{
    if (!IsNumeric())
        return cell == value;
    const double left = InputSheet::DecimalOf(cell);
    const double right = InputSheet::DecimalOf(value);
    switch (op)
    {
    case 0: return left < right;
    case 1: return left <= right;
    case 2: return left == right;
    case 3: return left >= right;
    case 4: return left > right;
    default: return false;
    }
}

bool BulkValueFits(const CString& name, int level, const CString& text)
{
    using C = InputSheet::Column;
    for (C column : {C::Ti, C::Length, C::Width, C::Height, C::Count, C::AirExchange, C::TemperatureDifference,
                     C::JointLength})
        if (IsColumn(name, column))
            return IsWhole(text);
    if (IsColumn(name, C::U) || IsColumn(name, C::I))
        return IsDecimal(text);
    if (IsColumn(name, C::Name))
        return CharactersOf(text) <= (level == InputSheet::RoomLevel ? ROOM_TEXT_CHARS : KIND_CODE_CHARS);
    if (IsColumn(name, C::Number))
        return CharactersOf(text) <= ROOM_TEXT_CHARS;
    if (IsColumn(name, C::Orientation))
        return CharactersOf(text) <= ORIENTATION_CHARS;
    return true;
}

namespace
{
// The model's number that a column sets in a row of level; none for texts and for columns the
// model does not take.
std::optional<InputField> FieldOfColumn(const CString& name, int level)
{
    for (int column = 0; column < InputSheet::ColumnCount; ++column)
        if (IsColumn(name, InputSheet::Column(column)))
            return FieldOfCell(level, column);
    return std::nullopt;
}
} // namespace

HeatLossMessage BulkValueOutOfRange(const CString& name, int level, const CString& text)
{
    const std::optional<InputField> field = FieldOfColumn(name, level);
    if (!field)
        return HeatLossMessage();
    const double value = IsWholeNumber(*field) ? InputSheet::IntegerOf(text) : InputSheet::DecimalOf(text);
    return TypedInRange(*field, value) ? HeatLossMessage() : TypedOutOfRange(*field, text);
}

void ApplyBulkValue(ProjectModel& model, int level, const InputCursor& at, const CString& name, const CString& text)
{
    using C = InputSheet::Column;
    const int whole = InputSheet::IntegerOf(text);
    const double decimal = InputSheet::DecimalOf(text);
    if (level == InputSheet::RoomLevel)
    {
        auto& room = model.Rooms[at.room];
        if (IsColumn(name, C::Number))
            room.number = text;
        else if (IsColumn(name, C::Name))
            room.name = text;
        else if (IsColumn(name, C::Ti))
            room.Ti = whole;
        else if (IsColumn(name, C::Length))
            room.length = whole;
        else if (IsColumn(name, C::Width))
            room.width = whole;
        else if (IsColumn(name, C::Height))
            room.height = whole;
        else if (IsColumn(name, C::Count))
            room.doors = whole;
        else if (IsColumn(name, C::AirExchange))
            room.airExchange = whole;
        else if (IsColumn(name, C::Orientation))
            room.orientation = text;
    }
    else if (level == InputSheet::WallLevel)
    {
        auto& wall = model.Walls.At(at.room, at.wall);
        if (IsColumn(name, C::Name) && CharactersOf(text) <= KIND_CODE_CHARS)
            wall.code = text;
        else if (IsColumn(name, C::Width))
            wall.length = whole;
        else if (IsColumn(name, C::Height))
            wall.height = whole;
        else if (IsColumn(name, C::TemperatureDifference))
            wall.temperatureDifference = whole;
        else if (IsColumn(name, C::U))
            wall.U = decimal;
    }
    else if (level == InputSheet::OpeningLevel)
    {
        auto& opening = model.Openings.At(at.room, at.wall, at.opening);
        if (IsColumn(name, C::Name) && CharactersOf(text) <= KIND_CODE_CHARS)
            opening.code = text;
        else if (IsColumn(name, C::Width))
            opening.length = whole;
        else if (IsColumn(name, C::Height))
            opening.height = whole;
        else if (IsColumn(name, C::Count))
            opening.count = whole;
        else if (IsColumn(name, C::U))
            opening.U = decimal;
        else if (IsColumn(name, C::I))
            opening.i = decimal;
        else if (IsColumn(name, C::JointLength))
            opening.jointLength = whole;
    }
}
