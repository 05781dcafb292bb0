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

// The height, mm, that an opening h_o high takes out of the heated band.
double OpeningBandHeight(double openingHeight, const WallHeatingSettings& s)
{
    double e = 0.0;
    if (openingHeight + kTopAllowance + s.parapet + s.innerCorner <= s.upToHeight)
        e = openingHeight + s.innerCorner;
    else if (s.upToHeight < s.parapet)
        e = openingHeight;
    else
        e = s.upToHeight - s.parapet;

    if (kTopAllowance + s.innerCorner + s.aboveFloor <= s.parapet)
        return e + s.innerCorner;
    if (s.parapet >= s.aboveFloor)
        return e + s.parapet - s.aboveFloor;
    return e - s.aboveFloor;
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
            {
                const double b = InputSheet::IntegerOf(cells[InputSheet::Width]);
                const double h = InputSheet::IntegerOf(cells[InputSheet::Height]);
                gross = (std::min(h, settings.upToHeight) - settings.aboveFloor) * (b - 2.0 * settings.outerCorner);
            }
        }
        else if (level == InputSheet::OpeningLevel && wallFound)
        {
            const double w = InputSheet::IntegerOf(cells[InputSheet::Width]);
            const double h = InputSheet::IntegerOf(cells[InputSheet::Height]);
            const double n = InputSheet::IntegerOf(cells[InputSheet::Count]);
            openings += n * (w + 2.0 * settings.innerCorner) * OpeningBandHeight(h, settings);
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
            const double b = InputSheet::IntegerOf(cells[InputSheet::Width]);
            const double h = InputSheet::IntegerOf(cells[InputSheet::Height]);
            gross = (std::min(h, settings.upToHeight) - settings.aboveFloor) * (b - 2.0 * settings.outerCorner);
            openings = 0.0;
        }
        else if (level == InputSheet::OpeningLevel && inWall)
        {
            const double w = InputSheet::IntegerOf(cells[InputSheet::Width]);
            const double h = InputSheet::IntegerOf(cells[InputSheet::Height]);
            const double n = InputSheet::IntegerOf(cells[InputSheet::Count]);
            openings += n * (w + 2.0 * settings.innerCorner) * OpeningBandHeight(h, settings);
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
