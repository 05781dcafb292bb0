#pragma once
// Density of water by temperature for the hydraulic calculations.

// kg/m³ of water (medium 0) at 0 to 99 °C, taken at the nearest whole degree; -1.0 for any
// other medium, a temperature below 0, not a number, or one that rounds above 99 °C.
double WaterDensity(double temperature, int medium);
