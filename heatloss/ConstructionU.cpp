#include "heatloss/ConstructionU.h"

ConstructionU ComputeConstructionU(const std::vector<ConstructionLayer>& layers)
{
    ConstructionU result;
    if (layers.empty())
    {
        result.failure = ConstructionU::NoLayers;
        return result;
    }
    double resistance = 0.0; // Σ d/λ, mm·m·K/W
    double mass = 0.0;       // Σ ρ·d
    for (int i = 0; i < int(layers.size()); ++i)
    {
        const ConstructionLayer& layer = layers[i];
        const ConstructionU::Failure failure = !(layer.thickness > 0.0)      ? ConstructionU::Thickness
                                               : !(layer.conductivity > 0.0) ? ConstructionU::Conductivity
                                                                             : ConstructionU::None;
        if (failure != ConstructionU::None)
        {
            result.failure = failure;
            result.failedLayer = i;
            return result;
        }
        result.thickness += layer.thickness;
        resistance += layer.thickness / layer.conductivity;
        mass += layer.density * layer.thickness;
    }
    const double rsi = layers.front().innerResistance;
    const double rse = layers.back().outerResistance;
    result.U = 1.0 / (rsi + 0.001 * resistance + rse);
    result.density = mass / result.thickness;
    return result;
}
