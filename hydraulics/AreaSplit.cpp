#include "hydraulics/AreaSplit.h"

#include "hydraulics/PressureDrop.h"

#include <algorithm>
#include <cmath>

namespace AreaSplit
{
namespace
{
constexpr double kSpecificHeat = 4186.8; // J/(kg·K)
constexpr double kPipePerSquareMetre = 17.0;
} // namespace

int CircuitCount(double realisedArea)
{
    if (!(realisedArea > 0.0))
        return 0;
    return std::min(MaxCircuits, int(std::ceil(realisedArea * 0.125)));
}

SegmentChoice SegmentChoices(double circuitArea, int currentCount)
{
    SegmentChoice choice;
    choice.count = currentCount;
    const int first = std::max(int(std::ceil(circuitArea * 0.5)), 1);
    for (int n = first; n <= 4; ++n)
    {
        if (circuitArea >= n)
        {
            choice.offered.push_back(n);
            continue;
        }
        choice.count = n - 1;
        break;
    }
    return choice;
}

RowResult ComputeRow(const RowInput& input)
{
    RowResult result;
    const double area = input.circuitArea;
    int n = input.segmentCount;
    if (n < 1 || area / n > MaxSegmentArea)
        n = std::max(1, int(std::ceil(area * 0.5)));
    result.segmentCount = n;
    result.segmentArea = area / n;
    const double perSegment = std::ceil(kPipePerSquareMetre * result.segmentArea);
    result.pipeLength = n * perSegment;
    const double spread = input.flowTemperature - input.returnTemperature;
    if (!(spread > 0.0))
        return result;
    const double segmentFlow = result.segmentArea * input.heatFlux / (kSpecificHeat * spread);
    const double circuitFlow = area * input.heatFlux / (kSpecificHeat * spread);
    const double supply = PressureDropCharacteristic(3600.0 * circuitFlow, 35).value_or(0.0);
    const double loop = PressureDropCharacteristic(3600.0 * segmentFlow, 32).value_or(0.0);
    result.flowKnown = true;
    result.massFlowKgPerS = circuitFlow;
    result.pressureLoss = 1.1 * (supply * input.connectionLength + loop * 1.1 * perSegment);
    return result;
}

bool BelowMinimumSegment(const RowResult& result)
{
    return result.segmentArea < 1.0;
}
} // namespace AreaSplit
