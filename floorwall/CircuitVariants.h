#pragma once
// The variants of one floor circuit, one a usable pipe spacing, as the circuit panel shows them:
// the limit curve of the room's own floor system at that spacing, the heat flux the design's
// reference value gives with the circuit's spread, the loop, mass flow and pressure loss of the
// circuit hydraulics, the mean surface temperature and what stays uncovered; with the limits
// each one breaks.

#include <optional>
#include <vector>

class CCSN_EN_1264;
class CMistPodlahVytap;
class CTopnyOkruh;

struct CircuitVariant
{
    double spacing = 0.0;               // m
    bool computed = false;              // the characteristic is usable and the flux not negative
    double requiredOutput = 0.0;        // W
    double uncovered = 0.0;             // W
    double heatFlux = 0.0;              // W/m²
    double loopLength = 0.0;            // m
    double flowTemperature = 0.0;       // °C
    double returnTemperature = 0.0;     // °C
    double massFlow = 0.0;              // kg/s
    std::optional<double> pressureLoss; // Pa; empty when the pipe has no characteristic
    double meanSurfaceTemperature = 0.0; // °C
    bool lossTooHigh = false;
    bool surfaceTooHot = false;
    bool notCovered = false;
    bool tooLong = false;
};

// The variants of work, a copy of the room's current circuit, for every spacing of the
// calculation in ascending order. The copy takes the place of the room's circuit while the
// hydraulics run and is put back; the room's circuit is left as it was. The work circuit's
// return temperature becomes its flow less its spread, its surface limit that of the room.
std::vector<CircuitVariant> ComputeCircuitVariants(CMistPodlahVytap& room, CTopnyOkruh& work,
                                                   const CCSN_EN_1264& calculation, double referenceValue);
