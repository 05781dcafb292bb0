#pragma once
// The range of every number of the heat-loss input that a building can have. The room, wall
// and opening dialogs and the bulk change refuse a value outside it where it is typed, the
// loader of "SeznamV$" refuses a sheet that holds one, and the calculation refuses a project
// that holds one, whatever its checks. In the stored input 0 stands for a value not given,
// which the calculation's checks judge; it is never out of range there.

#include "heatloss/HeatLossMessage.h"

#include <optional>
#include <vector>

class ProjectModel;

enum class InputField
{
    RoomLength,
    RoomWidth,
    RoomHeight,
    RoomTi,
    RoomDoors,
    RoomAirExchange,
    WallLength,
    WallHeight,
    WallTemperatureDifference,
    WallU,
    OpeningLength,
    OpeningHeight,
    OpeningCount,
    OpeningU,
    OpeningI,
    OpeningJointLength,
    OutdoorTemperature,
    BuildingNumber,
    HeatingUpSurcharge
};

struct InputRange
{
    double low;
    double high;
};

InputRange RangeOf(InputField field);
// True for the fields that hold whole numbers (all but U, i and p2).
bool IsWholeNumber(InputField field);

// The field of the model that a cell of the input sheet "SeznamV$" holds, by the row's level
// (InputSheet::Level) and the sheet's column (InputSheet::Column); none for the texts and for
// the cells that the model does not take.
std::optional<InputField> FieldOfCell(int level, int column);

// A value typed into a dialog: within its range (a value that is not finite never is).
bool TypedInRange(InputField field, double value);
// A stored value: 0 (not given) or within its range.
bool StoredInRange(InputField field, double value);

// "<field> = <value> je mimo rozsah <low> až <high> !!" for a value typed into a dialog or the
// bulk change; the value as it was typed.
HeatLossMessage TypedOutOfRange(InputField field, const CString& valueText);

// The same for an element of the model, naming it by its slots (room; wall, room; opening,
// wall, room), as the calculation's messages do.
HeatLossMessage RoomValueOutOfRange(InputField field, const CString& valueText, long room);
HeatLossMessage WallValueOutOfRange(InputField field, const CString& valueText, long wall, long room);
HeatLossMessage OpeningValueOutOfRange(InputField field, const CString& valueText, long opening, long wall,
                                       long room);
// The same for a value of the project header.
HeatLossMessage HeaderValueOutOfRange(InputField field, const CString& valueText);

// A value as the messages show it, in the user's number notation.
CString RangeValueText(InputField field, double value);

// The first value of the model outside its range: the header's Te, B and p2, then room by
// room its own values, its walls and their openings. Empty when every value fits.
HeatLossMessage FirstValueOutOfRange(const ProjectModel& model);
