#include "floorwall/FloorConstruction.h"

#include "floorwall/CMistPodlahVytap.h"
#include "hydraulics/CTopnyOkruh.h"

#include <cmath>

double& TypeAValues::Value(TypeAField field)
{
    switch (field)
    {
    case TypeAField::Factor: return factor;
    case TypeAField::CoveringConductivity: return coveringConductivity;
    case TypeAField::InsulationConductivity: return insulationConductivity;
    case TypeAField::ScreedConductivity: return screedConductivity;
    case TypeAField::SurfaceResistance: return surfaceResistance;
    case TypeAField::BelowTemperature: return belowTemperature;
    case TypeAField::RoomTemperature: return roomTemperature;
    case TypeAField::CoveringThickness: return coveringThickness;
    case TypeAField::ScreedThickness: return screedThickness;
    case TypeAField::InsulationThickness: return insulationThickness;
    case TypeAField::CoveringResistance: return coveringResistance;
    case TypeAField::ScreedResistance: return screedResistance;
    case TypeAField::CeilingResistance: return ceilingResistance;
    case TypeAField::PlasterResistance: return plasterResistance;
    case TypeAField::InsulationResistance: break;
    }
    return insulationResistance;
}

double FloorSystemParameters::RoomTemperature() const
{
    if (chosenType == 2)
        return b.roomTemperature;
    if (chosenType == 3)
        return c.roomTemperature;
    return a.roomTemperature;
}

namespace
{
// resistance = thickness [mm] × 0.001 / conductivity, when the conductivity is not zero.
void ResistanceFrom(double thickness, double conductivity, double& resistance)
{
    if (conductivity != 0.0)
        resistance = thickness * 0.001 / conductivity;
}
} // namespace

void DeriveTypeAValues(TypeAValues& v, TypeAField left)
{
    switch (left)
    {
    case TypeAField::InsulationConductivity:
    case TypeAField::InsulationThickness:
        ResistanceFrom(v.insulationThickness, v.insulationConductivity, v.insulationResistance);
        break;
    case TypeAField::ScreedConductivity:
    case TypeAField::ScreedThickness:
        ResistanceFrom(v.screedThickness, v.screedConductivity, v.screedResistance);
        break;
    case TypeAField::CoveringConductivity:
    case TypeAField::CoveringThickness:
        ResistanceFrom(v.coveringThickness, v.coveringConductivity, v.coveringResistance);
        break;
    case TypeAField::InsulationResistance:
        v.insulationThickness = v.insulationConductivity * v.insulationResistance * 1000.0;
        break;
    case TypeAField::ScreedResistance:
        v.screedThickness = v.screedConductivity * v.screedResistance * 1000.0;
        break;
    default:
        break;
    }
}

void TakeBuildUpLayers(TypeAValues& v, const std::vector<BuildUpLayerValues>& layers)
{
    if (layers.empty())
        return;
    bool hasScreed = false;
    for (const BuildUpLayerValues& layer : layers)
        hasScreed = hasScreed || layer.group == 2;
    v.insulationConductivity = v.insulationThickness = v.insulationResistance = v.ceilingResistance = 0.0;
    if (hasScreed)
        v.screedConductivity = v.screedThickness = v.screedResistance = 0.0;
    for (const BuildUpLayerValues& layer : layers)
    {
        switch (layer.group)
        {
        case 2:
            v.screedResistance += layer.resistance;
            v.screedThickness += layer.thickness;
            if (v.screedResistance != 0.0)
                v.screedConductivity = v.screedThickness * 0.001 / v.screedResistance;
            break;
        case 3:
            v.insulationResistance += layer.resistance;
            v.insulationThickness += layer.thickness;
            if (v.insulationResistance != 0.0)
                v.insulationConductivity = v.insulationThickness * 0.001 / v.insulationResistance;
            break;
        case 4:
            v.ceilingResistance += layer.resistance;
            break;
        default:
            break;
        }
    }
}

namespace
{
// What every set takes from the room alike.
template <class Set>
void TakeCommon(const CMistPodlahVytap& room, Set& set)
{
    set.factor = room.m_dCharacteristicFactor;
    set.insulationConductivity = room.m_dInsulationConductivity;
    set.screedConductivity = room.m_dScreedConductivity;
    set.coveringResistance = room.m_dCoveringResistance;
    set.screedResistance = room.m_dLoadLayerResistance;
    set.ceilingResistance = room.m_dCeilingResistance;
    set.plasterResistance = room.m_dPlasterResistance;
    set.insulationResistance = room.m_dInsulationResistance;
    set.surfaceResistance = room.m_dPlasterTransfer;
    set.screedThickness = room.m_dScreedThickness;
    set.roomTemperature = room.m_dRoomTemperature;
}

template <class Set>
void StoreCommon(CMistPodlahVytap& room, const Set& set)
{
    room.m_dCharacteristicFactor = set.factor;
    room.m_dInsulationConductivity = set.insulationConductivity;
    room.m_dScreedConductivity = set.screedConductivity;
    room.m_dCoveringResistance = set.coveringResistance;
    room.m_dLoadLayerResistance = set.screedResistance;
    room.m_dCeilingResistance = set.ceilingResistance;
    room.m_dPlasterResistance = set.plasterResistance;
    room.m_dInsulationResistance = set.insulationResistance;
    room.m_dPlasterTransfer = set.surfaceResistance;
    room.m_dScreedThickness = set.screedThickness;
    room.m_dRoomTemperature = set.roomTemperature;
}
} // namespace

void LoadSystemParameters(const CMistPodlahVytap& room, FloorSystemParameters& p, int proKonstrukci)
{
    const CTopnyOkruh* circuit = room.CurrentCircuit();
    if (!circuit)
        return;
    p.buildUpReference = room.m_strBuildUpName;
    p.buildUpIndex = proKonstrukci;
    TakeCommon(room, p.a);
    TakeCommon(room, p.b);
    TakeCommon(room, p.c);
    p.a.insulationThickness = room.m_dInsulationThickness;
    p.c.insulationThickness = room.m_dInsulationThickness;
    p.b.meanInsulationThickness = room.m_dInsulationThickness;
    p.b.lamellaConductivity = room.m_dLamellaConductivity;
    p.b.lamellaRatio = room.m_dLamellaRatio;
    p.b.lamellaThickness = room.m_dLamellaThickness;
    p.b.insulationUnderLamella = room.m_dMaxInsulationThickness;
    p.b.insulationUnderPipe = room.m_dMinInsulationThickness;
    p.c.reinforcementConductivity = room.m_dReinforcementConductivity;
    p.c.reinforcementShare = room.m_dReinforcementShare;
    p.c.reinforced = room.m_dReinforcementShare > 0.0 ? 1 : 0;
    p.a.belowTemperature = p.b.belowTemperature = p.c.belowTemperature = circuit->m_dFloorTemperatureValue;
    if (circuit->m_pPipe)
        p.b.pipeDiameter = circuit->m_pPipe->m_dOuterDiameter;
    p.b.pipeSpacing = circuit->m_dSpacing;
    p.chosenType = room.m_nSystemType < 1 ? 1 : room.m_nSystemType;
}

void StoreSystemParameters(CMistPodlahVytap& room, const FloorSystemParameters& p, int& proKonstrukci)
{
    if (!room.CurrentCircuit())
        return;
    room.m_nSystemType = p.chosenType;
    double below = 0.0;
    double screedConductivity = 0.0;
    switch (p.chosenType)
    {
    case 1:
    case 11:
        proKonstrukci = p.buildUpIndex;
        room.m_strBuildUpName = p.buildUpReference;
        StoreCommon(room, p.a);
        room.m_dInsulationThickness = p.a.insulationThickness;
        below = p.a.belowTemperature;
        screedConductivity = p.a.screedConductivity;
        break;
    case 2:
        StoreCommon(room, p.b);
        room.m_dInsulationThickness = p.b.meanInsulationThickness;
        room.m_dLamellaConductivity = p.b.lamellaConductivity;
        room.m_dLamellaRatio = p.b.lamellaRatio;
        room.m_dLamellaThickness = p.b.lamellaThickness;
        room.m_dMaxInsulationThickness = p.b.insulationUnderLamella;
        room.m_dMinInsulationThickness = p.b.insulationUnderPipe;
        below = p.b.belowTemperature;
        screedConductivity = p.b.screedConductivity;
        break;
    case 3:
        StoreCommon(room, p.c);
        room.m_dInsulationThickness = p.c.insulationThickness;
        room.m_dReinforcementConductivity = p.c.reinforcementConductivity;
        room.m_dReinforcementShare = p.c.reinforced ? p.c.reinforcementShare : 0.0;
        room.m_bReinforced = p.c.reinforced != 0;
        below = p.c.belowTemperature;
        screedConductivity = p.c.screedConductivity;
        break;
    default:
        return;
    }
    for (CTopnyOkruh* circuit : room.m_floorCircuits)
        if (circuit)
            circuit->m_dFloorTemperatureValue = below;
    room.m_dScreedConductivity = room.m_dScreedConductivityCopy = screedConductivity;
}

void DistributeByAreaShare(std::vector<CircuitShare>& circuits, double floorOutput)
{
    if (circuits.size() == 1)
    {
        circuits[0].output = floorOutput;
        return;
    }
    double total = 0.0;
    for (const CircuitShare& c : circuits)
        total += c.occupiedArea + c.edgeArea;
    if (circuits.size() < 2 || !(total > 0.0))
        return;
    for (CircuitShare& c : circuits)
        c.output = (c.occupiedArea + c.edgeArea) * floorOutput / total;
}

void DistributeByZoneWeights(std::vector<CircuitShare>& circuits, double floorOutput)
{
    DistributeByAreaShare(circuits, floorOutput);
    double occupied = 0.0;
    double edge = 0.0;
    for (const CircuitShare& c : circuits)
    {
        occupied += c.occupiedArea;
        edge += c.edgeArea;
    }
    const double weight = 175.0 * edge + 100.0 * occupied;
    const double k = (occupied > 0.0 || edge > 0.0) && weight > 0.0 ? floorOutput / weight : 0.0;
    for (CircuitShare& c : circuits)
        c.output = (175.0 * c.edgeArea + 100.0 * c.occupiedArea) * k;
}

std::optional<double> CircuitHeatFlux(const CircuitShare& c)
{
    if (c.occupiedArea > 0.0 && c.edgeArea > 0.0)
        return c.output * 100.0 / (175.0 * c.edgeArea + 100.0 * c.occupiedArea);
    if (c.occupiedArea + c.edgeArea > 0.0)
        return c.output / (c.occupiedArea + c.edgeArea);
    return std::nullopt;
}

std::optional<double> MeanFloorTemperature(std::optional<double> heatFlux, double roomTemperature)
{
    if (!heatFlux || !(*heatFlux > 0.0))
        return std::nullopt;
    return roomTemperature + std::pow(*heatFlux * 0.11210762331838565, 0.9090909090909091);
}
