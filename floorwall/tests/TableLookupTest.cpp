#include "FloorWallFixtures.h"

#include "floorwall/CRoztece.h"
#include "floorwall/SpacingSeriesList.h"

using TableLookup = FloorCalculationTest;

TEST_F(TableLookup, CollectedSpacingsAreDistinctSortedAndFromSeriesInUse)
{
    EXPECT_EQ(m_calc.m_spacings, (std::vector<double>{0.075, 0.15, 0.15 + 0.075, 0.3}));

    SpacingSeriesList()[1]->m_nUse = 1; // the fine series shares 0.15 and 0.3 exactly
    m_calc.CollectPipeSpacings();
    EXPECT_EQ(m_calc.m_spacings, (std::vector<double>{0.05, 0.075, 0.1, 0.15, 0.2, 0.15 + 0.075, 0.25, 0.3}));

    FreeSpacingSeriesList();
    m_calc.CollectPipeSpacings();
    EXPECT_EQ(m_calc.m_spacings.size(), 8u); // no series: the array stays as it was
}

TEST_F(TableLookup, WindowStartsTwoBelowTheFirstAxisPointNotBelowX)
{
    const double axis[9] = {0.05, 0.075, 0.1, 0.15, 0.2, 0.225, 0.3, 0.375, 0.45};
    const double four[4] = {0.0, 0.05, 0.1, 0.15};
    struct Case
    {
        double x;
        int first;
    };
    const Case cases[] = {
        {0.0, 0},   // below the axis: the first point
        {0.05, 0},
        {0.12, 1},  // first point at or above: 0.15 (index 3)
        {0.2, 2},   // on a point: two below and one above it
        {0.4, 5},   // first point above: the last one, three below it
        {0.45, 5},  // at the last point: the last four
        {0.5, 5},   // above the axis: the last four
    };
    for (const Case& c : cases)
        EXPECT_EQ(CCSN_EN_1264::SelectWindow(c.x, axis, 9), c.first) << c.x;
    for (double x : {-1.0, 0.07, 0.15, 2.0})
        EXPECT_EQ(CCSN_EN_1264::SelectWindow(x, four, 4), 0) << x;
}

TEST_F(TableLookup, CubicInterpolationReproducesACubic)
{
    const double xs[4] = {0.0, 1.0, 2.0, 4.0};
    const double ys[4] = {0.0, 1.0, 8.0, 64.0}; // y = x³
    EXPECT_NEAR(CCSN_EN_1264::InterpolateCubic(1.5, xs, ys), 3.375, 1e-12);
    EXPECT_NEAR(CCSN_EN_1264::InterpolateCubic(-1.0, xs, ys), -1.0, 1e-12);
}

// aT over Rλ,B 0, 0.05, 0.1, 0.15 = 1.23, 1.188, 1.156, 1.134. At 0.025 the Lagrange weights
// are 0.3125, 0.9375, -0.3125, 0.0625:
// 0.384375 + 1.11375 - 0.36125 + 0.070875 = 1.20775.
TEST_F(TableLookup, SpacingFactorAtNodesOffGridAndClamped)
{
    EXPECT_EQ(m_calc.SpacingFactor(0.05), 1.188);
    EXPECT_NEAR(m_calc.SpacingFactor(0.025), 1.20775, 1e-12);
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(m_calc.SpacingFactor(0.2), 1.134);
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0], "tepel. odpor krycí vrstvy = 0.200 je mimo tabelované hodnoty <0.000;0.150> !");
}

// au at Rλ,B 0.05 (a node) and T 0.125: window T 0.075, 0.1, 0.15, 0.2 with 1.053, 1.05,
// 1.046, 1.041; weights -0.2, 0.75, 0.5, -0.05:
// -0.2106 + 0.7875 + 0.523 - 0.05205 = 1.04785.
TEST_F(TableLookup, TwoAxisTablesAtNodesAndOffGrid)
{
    EXPECT_NEAR(m_calc.CoverFactor(0.05, 0.125), 1.04785, 1e-12);
    EXPECT_EQ(m_calc.CoverFactor(0.1, 0.2), 1.0315);
    EXPECT_EQ(m_calc.DiameterFactor(0.15, 0.375), 1.042);
    EXPECT_EQ(m_calc.LimitCurveCoefficient(0.035, 0.225), 49.5);
    const double rowAt02625[5] = {0.196, 0.196, 0.19, 0.173, 0.15};
    const double su[5] = {0.025, 0.035, 0.045, 0.055, 0.065};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(m_calc.LimitCurveExponent(su[i], 0.2625), rowAt02625[i]) << su[i];
    EXPECT_EQ(m_calc.TypeBSpacingFactor(0.375), 0.1);
    EXPECT_EQ(m_calc.ContactFactor(0.45), 0.6);
    EXPECT_EQ(m_calc.TypeBCoverFactor(0.08), 1.082);
    EXPECT_EQ(m_calc.TypeBLimitCurveCoefficient(0.2, 0.7), 70.6);
    EXPECT_EQ(m_calc.TypeBLimitCurveExponent(0.3, 1.2), 0.063);
    EXPECT_TRUE(m_messages.empty());
}

// bu between 0.1 and 0.15 at 0.125: window 0.075, 0.1, 0.15, 0.2 with 1, 1, 0.7, 0.5 and
// the weights above: -0.2 + 0.75 + 0.35 - 0.025 = 0.875.
TEST_F(TableLookup, OneAxisTypeBTableOffGrid)
{
    EXPECT_NEAR(m_calc.TypeBSpacingFactor(0.125), 0.875, 1e-12);
}

TEST_F(TableLookup, SpacingAboveTheAxisClampsWithItsMessageOrSilently)
{
    const double atEnd = m_calc.CoverFactor(0.05, 0.375);
    EXPECT_EQ(m_calc.CoverFactor(0.05, 0.5), atEnd);
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0], "rozteč trubek = 0.500 je mimo tabelované hodnoty <0.050;0.375> !");

    m_messages.clear();
    AppSettings::Get().RangeMessages = 0;
    EXPECT_EQ(m_calc.CoverFactor(0.05, 0.5), atEnd);
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(TableLookup, TwoArgumentLookupsReportInArgumentOrder)
{
    m_calc.CoverFactor(0.2, 0.5);
    m_calc.LimitCurveCoefficient(0.07, 0.01);
    m_calc.TypeBLimitCurveExponent(0.5, 2.0);
    m_calc.ConductingDeviceFactor(0.5, 0.7, 0.03); // the diameter comes first here
    m_calc.TypeBCoverFactor(0.2);
    const std::vector<std::string> expected = {
        "tepel. odpor krycí vrstvy = 0.200 je mimo tabelované hodnoty <0.000;0.150> !",
        "rozteč trubek = 0.500 je mimo tabelované hodnoty <0.050;0.375> !",
        "tloušťka vrstvy nad trubkami = 0.070 je mimo tabelované hodnoty <0.025;0.065> !",
        "rozteč trubek = 0.010 je mimo tabelované hodnoty <0.050;0.375> !",
        "rozteč trubek = 0.500 je mimo tabelované hodnoty <0.050;0.450> !",
        "kWL = 2.000 je mimo tabelované hodnoty <0.100;1.500> !",
        "vnější průměr trubky = 0.030 je mimo tabelované hodnoty <0.014;0.022> !",
        "rozteč trubek = 0.500 je mimo tabelované hodnoty <0.050;0.450> !",
        "tepel. vodivost vyrovnávací vrstvy = 0.200 je mimo tabelované hodnoty <0.020;0.150> !",
    };
    EXPECT_EQ(m_messages, expected);
}

TEST_F(TableLookup, TypeBLimitCurveBelowTheKwlAxisUsesItsFirstRow)
{
    EXPECT_EQ(m_calc.TypeBLimitCurveCoefficient(0.1, 0.05), 79.4);
    ASSERT_EQ(m_messages.size(), 1u);
    EXPECT_EQ(m_messages[0], "kWL = 0.050 je mimo tabelované hodnoty <0.100;1.500> !");
}

TEST_F(TableLookup, ConductingDeviceFactorRegimes)
{
    // 0.5 belongs to the middle table (its own first column), 1 is 1.0 for every T.
    EXPECT_EQ(m_calc.ConductingDeviceFactor(0.15, 0.5, 0.016), 0.924);
    for (double t : {0.05, 0.1, 0.2, 0.3, 0.45})
        EXPECT_EQ(m_calc.ConductingDeviceFactor(t, 1.0, 0.016), 1.0) << t;
    EXPECT_NEAR(m_calc.ConductingDeviceFactor(0.125, 1.0, 0.016), 1.0, 1e-12);
    // Above 1 with a∞ = 1 at T 0.05: 1 - (1 - a0) × 0^KWL = 1.
    EXPECT_EQ(m_calc.ConductingDeviceFactor(0.05, 2.0, 0.016), 1.0);
    // T 0.1, KWL 2, da 0.016: a∞ 1.02, a0 0.533; 1.02 - 0.487 × (0.02/0.487)² = 1.0191786...
    EXPECT_NEAR(m_calc.ConductingDeviceFactor(0.1, 2.0, 0.016), 1.02 - 0.487 * (0.02 / 0.487) * (0.02 / 0.487), 1e-12);
    // Below 0.5 at nodes: KWL 0.2, T 0.075, da 0.018 is the stored 0.855.
    EXPECT_NEAR(m_calc.ConductingDeviceFactor(0.075, 0.2, 0.018), 0.855, 1e-12);
    // Below 0: blocks 0, 0.1, 0.2, 0.3 at T 0.05, da 0.014 are 0.82, 0.88, 0.92, 0.95;
    // weights at -0.1 are 4, -6, 4, -1: 3.28 - 5.28 + 3.68 - 0.95 = 0.73.
    EXPECT_NEAR(m_calc.ConductingDeviceFactor(0.05, -0.1, 0.014), 0.73, 1e-12);
    // Off grid in KWL: 0.05 between blocks 0 and 0.1 at T 0.05, da 0.014, window 0..0.3:
    // weights 0.3125, 0.9375, -0.3125, 0.0625: 0.25625 + 0.825 - 0.2875 + 0.059375 = 0.853125.
    EXPECT_NEAR(m_calc.ConductingDeviceFactor(0.05, 0.05, 0.014), 0.853125, 1e-12);
    EXPECT_TRUE(m_messages.empty());
}
