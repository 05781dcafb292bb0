#pragma once
// The floor construction of a design room without windows: the parameter sets of the floor
// system types A, B and C, the values a type-A page derives when a field is left, the layers of
// a build-up taken into the type-A set, the sets taken from and stored into the room record,
// and the share of the floor output over a room's circuits with their heat flux and mean floor
// temperature.
//
// Units: thicknesses in mm, conductivities in W/(m·K), resistances in m²K/W, temperatures in °C.

#include "platform/core/CString.h"

#include <optional>
#include <vector>

class CMistPodlahVytap;

// The fields of the type-A page, in the order of its members.
enum class TypeAField
{
    Factor,
    CoveringConductivity,
    InsulationConductivity,
    ScreedConductivity,
    SurfaceResistance,
    BelowTemperature,
    RoomTemperature,
    CoveringThickness,
    ScreedThickness,
    InsulationThickness,
    CoveringResistance,
    ScreedResistance,
    CeilingResistance,
    PlasterResistance,
    InsulationResistance,
};

struct TypeAValues
{
    double factor = 1.0;
    double coveringConductivity = 0.0;
    double insulationConductivity = 0.04;
    double screedConductivity = 1.2;
    double surfaceResistance = 0.17;
    double belowTemperature = 0.0;
    double roomTemperature = 0.0;
    double coveringThickness = 0.0;
    double screedThickness = 45.0; // above the pipes
    double insulationThickness = 32.0;
    double coveringResistance = 0.011;
    double screedResistance = 0.033;
    double ceilingResistance = 0.25;
    double plasterResistance = 0.01;
    double insulationResistance = 0.55;

    double& Value(TypeAField field);
};

struct TypeBValues
{
    double factor = 1.0;
    double insulationConductivity = 0.04;
    double screedConductivity = 1.2;
    double lamellaConductivity = 372.0;
    double surfaceResistance = 0.17;
    double coveringResistance = 0.011;
    double insulationResistance = 0.55;
    double plasterResistance = 0.01;
    double ceilingResistance = 0.25;
    double screedResistance = 0.033;
    double insulationUnderLamella = 32.0;
    double meanInsulationThickness = 32.0;
    double insulationUnderPipe = 32.0;
    double screedThickness = 45.0;
    double lamellaThickness = 1.0;
    double roomTemperature = 0.0;
    double belowTemperature = 0.0;
    double lamellaRatio = 0.8; // L/T
    double pipeDiameter = 0.0; // m
    double pipeSpacing = 0.0;  // m
};

struct TypeCValues
{
    double factor = 1.0;
    double insulationConductivity = 0.04;
    double screedConductivity = 1.2;
    double reinforcementConductivity = 50.0;
    double reinforcementShare = 0.0; // %
    double surfaceResistance = 0.17;
    double coveringResistance = 0.011;
    double insulationResistance = 0.55;
    double plasterResistance = 0.01;
    double ceilingResistance = 0.25;
    double screedResistance = 0.033;
    double insulationThickness = 32.0;
    double screedThickness = 45.0;
    double roomTemperature = 0.0;
    double belowTemperature = 0.0;
    int reinforced = 0;
};

// The three sets while the construction dialog is open, with the chosen type and build-up.
struct FloorSystemParameters
{
    int chosenType = 1;
    TypeAValues a;
    int buildUpIndex = -1;
    CString buildUpReference;
    TypeBValues b;
    TypeCValues c;

    // The room temperature of the chosen type's set (type 2: B, 3: C, else A).
    double RoomTemperature() const;
};

// After the field was left: the value that follows from it (a thickness from a resistance or
// back); a zero divisor leaves the derived value as it was.
void DeriveTypeAValues(TypeAValues& values, TypeAField left);

// One layer of a build-up as the type-A page reads it.
struct BuildUpLayerValues
{
    int group = 0;             // 2 screed, 3 insulation, 4 ceiling; others are not taken
    double thickness = 0.0;    // mm
    double resistance = 0.0;   // m²K/W
};

// The type-A set from the layers of a build-up (nothing changes without layers). A build-up
// without screed layers keeps the screed values: a screed of zero could not be designed.
void TakeBuildUpLayers(TypeAValues& values, const std::vector<BuildUpLayerValues>& layers);

// The sets from the room (nothing without a current circuit); proKonstrukci is the position of
// the last chosen build-up. The chosen type is the room's code, 1 for a code below 1.
void LoadSystemParameters(const CMistPodlahVytap& room, FloorSystemParameters& parameters, int proKonstrukci);
// The chosen type and its set into the room (the code alone for codes other than 1, 2, 3 and
// 11, nothing without a current circuit); proKonstrukci takes the type-A build-up position.
void StoreSystemParameters(CMistPodlahVytap& room, const FloorSystemParameters& parameters, int& proKonstrukci);

// One circuit row of the construction dialog.
struct CircuitShare
{
    double occupiedArea = 0.0; // AA, m²
    double edgeArea = 0.0;     // AR, m²
    double output = 0.0;       // W
};

// The floor output over the circuits by their areas (one circuit takes it all).
void DistributeByAreaShare(std::vector<CircuitShare>& circuits, double floorOutput);
// The floor output over the circuits by zone weights, the edge zone 1.75 times the occupied one.
void DistributeByZoneWeights(std::vector<CircuitShare>& circuits, double floorOutput);
// The occupied-zone heat flux of a circuit; none without area.
std::optional<double> CircuitHeatFlux(const CircuitShare& circuit);
// The mean floor surface temperature at a heat flux; none when the flux is not above 0.
std::optional<double> MeanFloorTemperature(std::optional<double> heatFlux, double roomTemperature);
