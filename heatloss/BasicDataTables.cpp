#include "heatloss/BasicDataTables.h"

#include "platform/core/CString.h"

bool IsDesignOutdoorTemperature(long Te)
{
    return Te == -12 || Te == -15 || Te == -18 || Te == -21;
}

int BuildingCharacteristicNumber(bool windyLandscape, BuildingPosition position, BuildingKind kind)
{
    // By landscape and position: detached, terraced.
    static constexpr int table[2][3][2] = {
        {{4, 3}, {8, 6}, {12, 9}},
        {{8, 6}, {12, 9}, {16, 12}},
    };
    return table[windyLandscape ? 1 : 0][int(position)][kind == BuildingKind::Terraced ? 1 : 0];
}

Landscape LandscapeOf(const char* text)
{
    const CString landscape(text);
    if (landscape.CompareNoCase(LandscapeText(true)) == 0)
        return Landscape::Windy;
    if (landscape.CompareNoCase(LandscapeText(false)) == 0)
        return Landscape::Normal;
    return Landscape::Unknown;
}

const char* LandscapeText(bool windy)
{
    return windy ? "ano" : "ne";
}

double HeatingUpSurcharge(HeatingOperation operation)
{
    static constexpr double table[3] = {0.0, 0.1, 0.2};
    return table[int(operation)];
}
