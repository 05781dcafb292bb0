#pragma once
// The calculations of the wall heating design, apart from its window: the water temperatures
// and their checks, the heat flux and the wall area each wall-heated room needs, the wall area
// its outer walls offer, the wall circuits' flows, losses and outputs, and the sums of a
// manifold. Rooms whose wall heating flag is 0, and null entries, are passed over everywhere.

#include "heatloss/HeatLossMessage.h"
#include "heatloss/WallHeatingSettings.h"
#include "platform/core/CString.h"

#include <vector>

class CMistPodlahVytap;

namespace WallDesign
{
inline constexpr double kHighestSupply = 60.0; // °C
inline constexpr double kLargestDrop = 25.0;   // K
inline constexpr double kLeastReturn = 1.0;    // °C
inline constexpr double kNoRoomTemperature = -273.0; // °C

// A temperature as its edit shows it: "%.1f" and read back.
double Shown(double temperature);

struct Temperatures
{
    double supply = 0.0; // °C
    double ret = 0.0;    // °C
    double drop = 0.0;   // K
};

// One temperature given, the others kept in step (each value as shown):
// a supply keeps the drop and moves the return; a return moves the drop; a drop moves the
// return, and one below the least drop is refused (false, nothing changed).
void SetSupply(Temperatures& t, double supply);
void SetReturn(Temperatures& t, double ret);
bool SetDrop(Temperatures& t, double drop, double leastDrop);

enum class Field
{
    None,
    Supply,
    Return,
    Drop
};

struct CheckResult
{
    Field corrected = Field::None; // the edit to show and to put the focus into
    double lowestReturn = kLeastReturn; // °C
};

// The first temperature that breaks a limit is corrected (through SetSupply, SetReturn or
// SetDrop's display step); None when all pass. The lowest return is the least return-to-room
// difference above the highest room temperature, at least 1 °C.
CheckResult CheckTemperatures(Temperatures& t, double highestRoomTemperature, double leastDrop,
                              double leastReturnDifference);

// The highest temperature of the wall-heated rooms; -273 °C with none.
double HighestRoomTemperature(const std::vector<CMistPodlahVytap*>& rooms);

// Every wall-heated room: its water temperatures, excess temperature, heat flux (the linear
// characteristic of wall registers) and the wall area its load needs. false, and nothing
// computed, when the drop is below the least drop.
bool CalculateRooms(const std::vector<CMistPodlahVytap*>& rooms, double supply, double ret, double leastDrop);

// Every wall circuit of a wall-heated room takes the room's heat flux and temperatures and is
// computed again; the room's wall output is the sum of its circuits' outputs.
void RecalculateCircuits(const std::vector<CMistPodlahVytap*>& rooms);

struct ManifoldSums
{
    double area = 0.0;         // m²
    double massFlow = 0.0;     // kg/s
    double pressureLoss = 0.0; // Pa, the largest
    double output = 0.0;       // W
};
// The wall circuits of one manifold; all 0 for a manifold below 1.
ManifoldSums SumRoomValues(const std::vector<CMistPodlahVytap*>& rooms, int manifold);

// The room's area for wall heating, m², from its outer walls in the input sheet "SeznamV$"
// read once at path. An empty message when measured; otherwise the message of the workbook
// or sheet that did not open, and the area is 0.
HeatLossMessage MeasureAvailableArea(const CString& path, const CString& roomName,
                                     const WallHeatingSettings& margins, double& area);
} // namespace WallDesign
