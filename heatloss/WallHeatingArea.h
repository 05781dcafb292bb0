#pragma once
// The areas of a room's walls available for wall heating, from the rows of the input sheet
// "SeznamV$", and the other values the results list derives from a room's results.

#include "heatloss/WallHeatingSettings.h"
#include "platform/core/CString.h"

#include <map>
#include <string>

class InputSheet;

// The area, m², that the openings of wall k (its "délka spáry") of kind wallCode in the room
// named roomName take out of the heated band; gross receives the band's area of the wall, m²
// (0 when the wall is not found). Kind codes are compared without trailing blanks.
double WallHeatingArea(const InputSheet& sheet, const CString& roomName, const CString& wallCode, int k,
                       const WallHeatingSettings& settings, double& gross);

// The room's area available for wall heating, m²: over its outer walls ("SO") 1 to 20, the
// band's area less the openings', none below 0.
double AvailableWallHeatingArea(const InputSheet& sheet, const CString& roomName,
                                const WallHeatingSettings& settings);

// The same for every room of the sheet in one pass, by room name (a name stands for the first
// room of that name).
std::map<std::string, double> AvailableWallHeatingAreas(const InputSheet& sheet, const WallHeatingSettings& settings);

// The floor's surface temperature, °C, of a room heated by its floor at the heat flux q,
// W/m²: Ti + (q / 8.92)^(1/1.1); Ti when q is not positive.
double FloorSurfaceTemperature(int Ti, double q);
