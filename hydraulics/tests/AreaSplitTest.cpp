// The wall heating area split: circuit counts, segment counts and the rows computed.
#include "hydraulics/AreaSplit.h"
#include "hydraulics/PressureDrop.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
using namespace AreaSplit;

TEST(AreaSplit, CircuitCountFromTheRealisedArea)
{
    const std::pair<double, int> cases[] = {{17.0, 3}, {16.0, 2}, {8.0, 1}, {0.1, 1}, {0.0, 0}, {-3.0, 0}, {900.0, 100}};
    for (const auto& [area, count] : cases)
        EXPECT_EQ(CircuitCount(area), count) << area;
}

TEST(AreaSplit, SegmentCountsOffered)
{
    struct Case
    {
        double area;
        int current;
        std::vector<int> offered;
        int count;
    };
    const Case cases[] = {
        {5.67, 4, {3, 4}, 4},     // every count up to 4: the cell keeps its value
        {3.5, 4, {2, 3}, 3},      // 4 segments would be below 1 m²
        {0.6, 4, {}, 0},          // not even one whole square metre
        {8.0, 4, {4}, 4},
        {9.5, 2, {}, 2},          // more than 4 segments needed: nothing offered
    };
    for (const Case& c : cases)
    {
        const SegmentChoice choice = SegmentChoices(c.area, c.current);
        EXPECT_EQ(choice.offered, c.offered) << c.area;
        EXPECT_EQ(choice.count, c.count) << c.area;
    }
}

TEST(AreaSplit, RowsComputed)
{
    // 8 m² in 4 segments: a = 2.0 is allowed; 4 × ceil(17 × 2) = 136 m.
    RowInput input{8.0, 4, 5.0, 100.0, 45.0, 40.0};
    RowResult result = ComputeRow(input);
    EXPECT_EQ(result.segmentCount, 4);
    EXPECT_DOUBLE_EQ(result.segmentArea, 2.0);
    EXPECT_DOUBLE_EQ(result.pipeLength, 136.0);
    // Δp = 1.1 (R35(3600 m_circ) · l + R32(3600 m_seg) · 1.1 · ceil(17 a)), m = A q / (c Δt).
    const double circuitFlow = 8.0 * 100.0 / (4186.8 * 5.0);
    const double segmentFlow = 2.0 * 100.0 / (4186.8 * 5.0);
    const double expected = 1.1 * (*PressureDropCharacteristic(3600.0 * circuitFlow, 35) * 5.0 +
                                   *PressureDropCharacteristic(3600.0 * segmentFlow, 32) * 1.1 * 34.0);
    EXPECT_NEAR(result.pressureLoss, expected, expected * 1e-12);
    EXPECT_DOUBLE_EQ(result.massFlowKgPerS, circuitFlow);

    // 0.6 m² with a count of 0 becomes one segment.
    result = ComputeRow({0.6, 0, 5.0, 100.0, 45.0, 40.0});
    EXPECT_EQ(result.segmentCount, 1);
    EXPECT_DOUBLE_EQ(result.segmentArea, 0.6);

    // Segments above 2 m² raise the count.
    result = ComputeRow({7.0, 2, 5.0, 100.0, 45.0, 40.0});
    EXPECT_EQ(result.segmentCount, 4);

    // 5.67 m² in 4 segments is below the minimum segment of 1 m²? No: 1.42 m².
    EXPECT_FALSE(BelowMinimumSegment(ComputeRow({5.67, 4, 5.0, 100.0, 45.0, 40.0})));
    EXPECT_TRUE(BelowMinimumSegment(ComputeRow({3.5, 4, 5.0, 100.0, 45.0, 40.0})));
}

TEST(AreaSplit, NoFlowWhileTheFlowTemperatureIsNotAboveTheReturn)
{
    for (double returnTemperature : {45.0, 50.0})
    {
        const RowResult result = ComputeRow({4.0, 2, 5.0, 100.0, 45.0, returnTemperature});
        EXPECT_FALSE(result.flowKnown);
        EXPECT_EQ(result.pressureLoss, 0.0);
        EXPECT_EQ(result.massFlowKgPerS, 0.0);
        EXPECT_DOUBLE_EQ(result.pipeLength, 2 * 34.0);
    }
}
} // namespace
