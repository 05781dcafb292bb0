#pragma once
// The thermal transmittance of a construction of plane layers with one-dimensional heat flow.

#include <vector>

struct ConstructionLayer
{
    double thickness = 0.0;        // d, mm
    double conductivity = 0.0;     // design λ, W/(m·K)
    double density = 0.0;          // ρ, kg/m³
    double innerResistance = 0.0;  // Rsi of the material, m²·K/W: taken from the innermost layer
    double outerResistance = 0.0;  // Rse of the material, m²·K/W: taken from the outermost layer
};

struct ConstructionU
{
    enum Failure
    {
        None,
        NoLayers,
        Thickness,    // a layer's thickness is not positive: the user is told and taken there
        Conductivity  // a layer's λ is not positive: the computation stops silently
    };

    Failure failure = None;
    int failedLayer = -1;  // 0-based, innermost first
    double U = 0.0;        // W/(m²·K): 1 / (Rsi + Σ d/λ + Rse)
    double thickness = 0.0; // Σ d, mm
    double density = 0.0;   // Σ ρ·d / Σ d, kg/m³

    bool Succeeded() const { return failure == None; }
};

// The layers from the inside (first) to the outside (last).
ConstructionU ComputeConstructionU(const std::vector<ConstructionLayer>& layers);
