#pragma once
// The hydraulics of a room's current floor circuit at its stored spacing: loop length, mass
// flow, pressure loss with 7 % for fittings, and the test against the circuit limits.

#include <optional>

class CCSN_EN_1264;
class CMistPodlahVytap;

struct CircuitHydraulicsResult
{
    double totalLength = 0.0;            // m, loop plus supply pipe
    double massFlow = 0.0;               // kg/s
    std::optional<double> pressureLoss;  // Pa; empty when the pipe has no characteristic
    bool withinLimits = false;           // loss and length within the settings (inclusive)
};

// Writes the loop length, the mass flow and a known pressure loss into the circuit; an
// unknown loss leaves the circuit's loss unchanged and is judged by the length alone.
CircuitHydraulicsResult ComputeCircuitHydraulics(CMistPodlahVytap& room, const CCSN_EN_1264& calculation);
