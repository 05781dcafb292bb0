#include "heatloss/WallHeatingArea.h"

#include "heatloss/InputSheet.h"

#include <algorithm>
#include <cmath>
#include <set>

namespace
{

// Allowance, mm, between an opening's top and the band's top.
constexpr double kTopAllowance = 60.0;

CString WithoutTrailingBlanks(const CString& text)
{
    CString trimmed = text;
    return trimmed.TrimRight();
}

// The height, mm, that an opening h_o high takes out of the heated band: 0 for an opening
// wholly outside the band (its sill at or above the band's top, or its top at or below the
// band's start), never below 0.
double OpeningBandHeight(double openingHeight, const WallHeatingSettings& s)
{
    if (s.parapet >= s.upToHeight || s.parapet + openingHeight <= s.aboveFloor)
        return 0.0;
    double e = 0.0;
    if (openingHeight + kTopAllowance + s.parapet + s.innerCorner <= s.upToHeight)
        e = openingHeight + s.innerCorner;
    else
        e = s.upToHeight - s.parapet;

    double height = 0.0;
    if (kTopAllowance + s.innerCorner + s.aboveFloor <= s.parapet)
        height = e + s.innerCorner;
    else if (s.parapet >= s.aboveFloor)
        height = e + s.parapet - s.aboveFloor;
    else
        height = e - s.aboveFloor;
    return std::max(height, 0.0);
}

// The band's area of a wall row, mm²: each of its two sides taken as 0 when the margins
// leave nothing of it.
double WallBandArea(const InputSheet::Row& cells, const WallHeatingSettings& s)
{
    const double b = InputSheet::IntegerOf(cells[InputSheet::Width]);
    const double h = InputSheet::IntegerOf(cells[InputSheet::Height]);
    return std::max(std::min(h, s.upToHeight) - s.aboveFloor, 0.0) * std::max(b - 2.0 * s.outerCorner, 0.0);
}

// The area, mm², that an opening row takes out of the band.
double OpeningArea(const InputSheet::Row& cells, const WallHeatingSettings& s)
{
    const double w = InputSheet::IntegerOf(cells[InputSheet::Width]);
    const double h = InputSheet::IntegerOf(cells[InputSheet::Height]);
    const double n = InputSheet::IntegerOf(cells[InputSheet::Count]);
    return n * (w + 2.0 * s.innerCorner) * OpeningBandHeight(h, s);
}

} // namespace

double WallHeatingArea(const InputSheet& sheet, const CString& roomName, const CString& wallCode, int k,
                       const WallHeatingSettings& settings, double& gross)
{
    gross = 0.0;
    double openings = 0.0;
    const CString code = WithoutTrailingBlanks(wallCode);
    bool roomFound = false;
    bool wallFound = false;
    for (int row = 1; row < int(sheet.rows.size()); ++row)
    {
        const InputSheet::Row& cells = sheet.rows[row];
        const int level = sheet.LevelOf(row);
        if (level == InputSheet::RoomLevel)
        {
            if (roomFound)
                break;
            roomFound = cells[InputSheet::Name] == roomName;
        }
        else if (level == InputSheet::WallLevel && roomFound)
        {
            if (wallFound)
                break;
            wallFound = InputSheet::IntegerOf(cells[InputSheet::JointLength]) == k &&
                        WithoutTrailingBlanks(cells[InputSheet::Name]) == code;
            if (wallFound)
                gross = WallBandArea(cells, settings);
        }
        else if (level == InputSheet::OpeningLevel && wallFound)
        {
            openings += OpeningArea(cells, settings);
        }
    }
    gross *= 1e-6;
    return openings * 1e-6;
}

std::map<std::string, double> AvailableWallHeatingAreas(const InputSheet& sheet, const WallHeatingSettings& settings)
{
    std::map<std::string, double> areas;
    std::string room;
    bool firstOfItsName = false;
    std::set<int> counted; // the wall numbers of the room already taken
    bool inWall = false;
    double gross = 0.0;
    double openings = 0.0;
    const auto closeWall = [&]
    {
        if (inWall)
            areas[room] += std::max(0.0, gross * 1e-6 - openings * 1e-6);
        inWall = false;
    };
    for (int row = 1; row < int(sheet.rows.size()); ++row)
    {
        const InputSheet::Row& cells = sheet.rows[row];
        const int level = sheet.LevelOf(row);
        if (level == InputSheet::RoomLevel)
        {
            closeWall();
            const std::string name = cells[InputSheet::Name].str();
            // A later room of the same name is not the one a name finds.
            firstOfItsName = areas.emplace(name, 0.0).second;
            room = name;
            counted.clear();
        }
        else if (level == InputSheet::WallLevel)
        {
            closeWall();
            const int k = InputSheet::IntegerOf(cells[InputSheet::JointLength]);
            if (!firstOfItsName || k < 1 || k > 20 || counted.count(k) ||
                WithoutTrailingBlanks(cells[InputSheet::Name]) != "SO")
                continue;
            counted.insert(k);
            inWall = true;
            gross = WallBandArea(cells, settings);
            openings = 0.0;
        }
        else if (level == InputSheet::OpeningLevel && inWall)
        {
            openings += OpeningArea(cells, settings);
        }
    }
    closeWall();
    return areas;
}

double AvailableWallHeatingArea(const InputSheet& sheet, const CString& roomName,
                                const WallHeatingSettings& settings)
{
    double available = 0.0;
    for (int k = 1; k <= 20; ++k)
    {
        double gross = 0.0;
        const double openings = WallHeatingArea(sheet, roomName, "SO", k, settings, gross);
        available += std::max(0.0, gross - openings);
    }
    return available;
}

double FloorSurfaceTemperature(int Ti, double q)
{
    if (q <= 0.0)
        return Ti;
    return Ti + std::pow(q * 0.11210762331838565, 0.9090909090909091);
}
