#pragma once
// The split of a room's wall heating area into circuits of at most 8 m², each into segments of
// at most 2 m², with each circuit's pipe length in the wall, mass flow and pressure loss.

#include <optional>
#include <vector>

namespace AreaSplit
{
inline constexpr double MaxCircuitArea = 8.0;     // m²
inline constexpr double MaxSegmentArea = 2.0;     // m²
inline constexpr double PressureLimit = 35000.0;  // Pa
inline constexpr int MaxCircuits = 100;

// The circuits needed for the realised area, and the lowest count the user may choose:
// 0 (and no choice) for an area not above 0.
int CircuitCount(double realisedArea);

// The segment counts a circuit of that area may have, and the count its cell then holds
// (unchanged when every count up to 4 is offered, or when none is).
struct SegmentChoice
{
    std::vector<int> offered;
    int count = 0;
};
SegmentChoice SegmentChoices(double circuitArea, int currentCount);

struct RowInput
{
    double circuitArea = 0.0;       // m²
    int segmentCount = 0;
    double connectionLength = 0.0;  // m
    double heatFlux = 0.0;          // W/m²
    double flowTemperature = 0.0;   // °C
    double returnTemperature = 0.0; // °C
};

struct RowResult
{
    int segmentCount = 0;
    double segmentArea = 0.0;       // m²
    double pipeLength = 0.0;        // m, in the wall
    bool flowKnown = false;         // false while the flow temperature is not above the return
    double massFlowKgPerS = 0.0;    // of the circuit
    double pressureLoss = 0.0;      // Pa
};

// One row computed: a segment count that makes segments above 2 m² is raised; 17 m of pipe a
// m² of segment, whole metres a segment.
RowResult ComputeRow(const RowInput& input);

// The minimum segment area: segments below 1 m² make the count the whole square metres.
bool BelowMinimumSegment(const RowResult& result);
} // namespace AreaSplit
