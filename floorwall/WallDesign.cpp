#include "floorwall/WallDesign.h"

#include "floorwall/CMistPodlahVytap.h"
#include "heatloss/InputSheet.h"
#include "heatloss/WallHeatingArea.h"
#include "hydraulics/CTopnyOkruh.h"
#include "hydraulics/PressureDrop.h"
#include "platform/core/NumberText.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

namespace WallDesign
{
namespace
{
// The linear characteristic of wall registers: heat flux by the excess temperature.
constexpr int kWallRegisterCharacteristic = 17;

bool WallHeated(const CMistPodlahVytap* room)
{
    return room && room->m_nWallHeating;
}
} // namespace

double Shown(double temperature)
{
    return NumberText::ToDoubleC(NumberText::FormatReal("%.1f", temperature));
}

void SetSupply(Temperatures& t, double supply)
{
    t.supply = Shown(supply);
    t.drop = Shown(t.drop);
    t.ret = Shown(t.supply - t.drop);
}

void SetReturn(Temperatures& t, double ret)
{
    t.ret = Shown(ret);
    t.drop = Shown(t.supply - t.ret);
}

bool SetDrop(Temperatures& t, double drop, double leastDrop)
{
    if (drop < leastDrop)
        return false;
    t.drop = Shown(drop);
    t.ret = Shown(t.supply - t.drop);
    return true;
}

CheckResult CheckTemperatures(Temperatures& t, double highestRoomTemperature, double leastDrop,
                              double leastReturnDifference)
{
    CheckResult result;
    result.lowestReturn = std::max(leastReturnDifference + highestRoomTemperature, kLeastReturn);
    if (t.supply > kHighestSupply)
    {
        SetSupply(t, kHighestSupply);
        result.corrected = Field::Supply;
    }
    else if (t.supply <= result.lowestReturn)
    {
        SetSupply(t, t.drop + t.ret);
        result.corrected = Field::Supply;
    }
    else if (t.ret >= t.supply)
    {
        SetReturn(t, t.supply - t.drop);
        result.corrected = Field::Return;
    }
    else if (t.ret < result.lowestReturn)
    {
        SetReturn(t, result.lowestReturn);
        result.corrected = Field::Return;
    }
    else if (t.drop < leastDrop)
    {
        SetDrop(t, leastDrop, leastDrop);
        result.corrected = Field::Drop;
    }
    else if (t.drop > kLargestDrop)
    {
        SetDrop(t, kLargestDrop, leastDrop);
        result.corrected = Field::Drop;
    }
    return result;
}

double HighestRoomTemperature(const std::vector<CMistPodlahVytap*>& rooms)
{
    double highest = kNoRoomTemperature;
    for (const CMistPodlahVytap* room : rooms)
        if (WallHeated(room))
            highest = std::max(highest, room->m_dRoomTemperature);
    return highest;
}

bool CalculateRooms(const std::vector<CMistPodlahVytap*>& rooms, double supply, double ret, double leastDrop)
{
    if (supply - ret < leastDrop)
        return false;
    for (CMistPodlahVytap* room : rooms)
    {
        if (!WallHeated(room))
            continue;
        room->m_dFlowTemperature = supply;
        room->m_dReturnTemperature = ret;
        // To a millionth of a kelvin: the binary rest of temperatures in tenths must not give a
        // flux at the characteristic's threshold (a huge area for a tiny flux).
        room->m_dWallExcessTemperature =
            std::round(((supply + ret) * 0.5 - room->m_dRoomTemperature) * 1e6) / 1e6;
        room->m_dHeatFluxDensity =
            LinearCharacteristic(room->m_dWallExcessTemperature, kWallRegisterCharacteristic).value_or(0.0);
        room->m_dRequiredWallArea = room->m_dHeatFluxDensity > 0.0 ? room->m_dWallLoad / room->m_dHeatFluxDensity : 0.0;
    }
    return true;
}

void RecalculateCircuits(const std::vector<CMistPodlahVytap*>& rooms)
{
    for (CMistPodlahVytap* room : rooms)
    {
        if (!WallHeated(room))
            continue;
        room->m_dWallOutput = 0.0;
        for (CTopnyOkruh* circuit : room->m_wallCircuits)
        {
            if (!circuit)
                continue;
            circuit->m_dHeatFlux = room->m_dHeatFluxDensity;
            circuit->m_dFlowTemperature = room->m_dFlowTemperature;
            circuit->m_dReturnTemperature = room->m_dReturnTemperature;
            circuit->ComputeFlowAndPressureDrop();
            room->m_dWallOutput += circuit->m_dDeliveredOutput;
        }
    }
}

ManifoldSums SumRoomValues(const std::vector<CMistPodlahVytap*>& rooms, int manifold)
{
    ManifoldSums sums;
    if (manifold < 1)
        return sums;
    for (const CMistPodlahVytap* room : rooms)
    {
        if (!WallHeated(room))
            continue;
        for (const CTopnyOkruh* circuit : room->m_wallCircuits)
        {
            if (!circuit || circuit->m_nManifold != manifold)
                continue;
            sums.area += circuit->m_dEdgeArea;
            sums.massFlow += circuit->m_dMassFlowKgPerS;
            sums.pressureLoss = std::max(sums.pressureLoss, circuit->m_dPressureLoss);
            sums.output += circuit->m_dDeliveredOutput;
        }
    }
    return sums;
}

HeatLossMessage MeasureAvailableArea(const CString& path, const CString& roomName,
                                     const WallHeatingSettings& margins, double& area)
{
    area = 0.0;
    InputSheet sheet;
    HeatLossMessage message = sheet.ReadWorkbook(path);
    if (!message.IsEmpty())
        return message;
    // One pass over the sheet: the areas of every room by name (the first room of a name).
    const std::map<std::string, double> areas = AvailableWallHeatingAreas(sheet, margins);
    const auto found = areas.find(roomName.str());
    area = found == areas.end() ? 0.0 : found->second;
    return message;
}
} // namespace WallDesign
