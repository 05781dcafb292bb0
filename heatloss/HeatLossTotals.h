#pragma once
// Project totals of the last heat-loss calculation.

struct HeatLossTotals
{
    double volume = 0.0;       // m³
    double transmission = 0.0; // Qp, W
    double ventilation = 0.0;  // Qv, W
    double total = 0.0;        // Qc, W
    double perVolume = 0.0;    // total Qc / total volume, W/m³
};
