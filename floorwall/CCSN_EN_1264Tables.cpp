// The characteristic tables of EN 1264 and their look-ups.
#include "floorwall/CCSN_EN_1264.h"

#include "floorwall/FloorWallIds.h"

#include <cmath>

namespace
{
constexpr double kCoveringAxis[4] = {0.0, 0.05, 0.1, 0.15};
constexpr double kSpacingAxis[8] = {0.05, 0.075, 0.1, 0.15, 0.2, 0.225, 0.3, 0.375};
constexpr double kExponentSpacingAxis[10] = {0.05, 0.075, 0.1, 0.15, 0.2, 0.225, 0.2625, 0.3, 0.3375, 0.375};
constexpr double kLayerAxis[5] = {0.025, 0.035, 0.045, 0.055, 0.065};
constexpr double kTypeBSpacingAxis[9] = {0.05, 0.075, 0.1, 0.15, 0.2, 0.225, 0.3, 0.375, 0.45};
constexpr double kKwlAxis[15] = {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1.0, 1.1, 1.2, 1.3, 1.4, 1.5};
constexpr double kThicknessPerConductivityAxis[8] = {0.02, 0.03, 0.04, 0.05, 0.06, 0.08, 0.1, 0.15};
constexpr double kDiameterAxis[5] = {0.014, 0.016, 0.018, 0.02, 0.022};
constexpr double kLowKwlAxis[6] = {0.0, 0.1, 0.2, 0.3, 0.4, 0.5};
constexpr double kMidKwlAxis[6] = {0.5, 0.6, 0.7, 0.8, 0.9, 1.0};

constexpr double kSpacingFactor[4] = {1.23, 1.188, 1.156, 1.134};

constexpr double kCoverFactor[8][4] = {
    {1.069, 1.056, 1.043, 1.037},   {1.066, 1.053, 1.041, 1.035},    {1.063, 1.05, 1.039, 1.0335},
    {1.057, 1.046, 1.035, 1.0305},  {1.051, 1.041, 1.0315, 1.0275}, {1.048, 1.038, 1.0295, 1.026},
    {1.0395, 1.031, 1.024, 1.021},  {1.03, 1.024, 1.018, 1.016}};

constexpr double kDiameterFactor[8][4] = {
    {1.013, 1.013, 1.012, 1.011}, {1.021, 1.019, 1.016, 1.014}, {1.029, 1.025, 1.022, 1.018},
    {1.04, 1.034, 1.029, 1.024},  {1.046, 1.04, 1.035, 1.03},   {1.049, 1.043, 1.038, 1.033},
    {1.053, 1.049, 1.044, 1.039}, {1.056, 1.051, 1.046, 1.042}};

constexpr double kLimitCoefficient[8][5] = {
    {91.5, 96.8, 100, 100, 100},   {83.5, 89.9, 96.3, 99.5, 100}, {75.4, 82.9, 89.3, 95.5, 98.8},
    {61.3, 69.2, 76.3, 82.8, 87.8}, {48.2, 56.2, 63.1, 69.1, 74.5}, {42.5, 49.5, 56.5, 62, 67.1},
    {26.8, 31.6, 36.4, 41.5, 46},   {13.4, 15.5, 18.2, 21.1, 24.1}};

constexpr double kLimitExponent[10][5] = {
    {0.005, 0.002, 0, 0, 0},           {0.021, 0.018, 0.011, 0.002, 0},   {0.043, 0.041, 0.033, 0.014, 0.005},
    {0.085, 0.082, 0.076, 0.055, 0.038}, {0.13, 0.129, 0.123, 0.105, 0.083}, {0.154, 0.153, 0.146, 0.13, 0.11},
    {0.196, 0.196, 0.19, 0.173, 0.15},  {0.253, 0.253, 0.245, 0.225, 0.2},  {0.321, 0.321, 0.31, 0.293, 0.265},
    {0.421, 0.421, 0.405, 0.385, 0.354}};

constexpr double kTypeBCoverFactor[8] = {1.1, 1.097, 1.093, 1.091, 1.088, 1.082, 1.075, 1.064};
constexpr double kTypeBSpacingFactor[9] = {1, 1, 1, 0.7, 0.5, 0.43, 0.25, 0.1, 0};
constexpr double kContactFactor[9] = {1, 0.99, 0.98, 0.95, 0.92, 0.9, 0.82, 0.72, 0.6};
constexpr double kInfiniteKwlFactor[9] = {1, 1.01, 1.02, 1.04, 1.06, 1.07, 1.09, 1.1, 1.1};

constexpr double kTypeBLimitCoefficient[15][9] = {
    {92, 86.7, 79.4, 64.8, 50.8, 45.8, 27.5, 9.9, 0},     {93.1, 88, 81.3, 67.5, 54.2, 49, 31.8, 15.8, 2.4},
    {94.2, 89.5, 83.3, 70.2, 57.6, 52.5, 36, 21.3, 7},    {95.4, 90.7, 85.2, 72.9, 60.8, 56, 40.2, 25.7, 11.9},
    {96.6, 92.1, 87.2, 75.6, 64.1, 59.3, 44.4, 30, 16.6}, {97.8, 93.7, 89.2, 78.3, 67.3, 62.6, 48.6, 34.1, 21.1},
    {98.7, 95, 91, 81, 70.6, 66.3, 52.8, 38.5, 25.5},     {99.3, 96.3, 93, 83.7, 74, 69.7, 57, 42.8, 29.6},
    {99.8, 97.7, 95, 86.3, 77.2, 73, 61.2, 47, 33.6},     {100, 98.5, 96.5, 89, 80.7, 76.6, 65.4, 51.4, 37.3},
    {100, 99.3, 97.8, 91.5, 84, 80, 69.4, 55.6, 40.9},    {100, 99.6, 98.5, 93.8, 87.2, 83.3, 73.2, 59.8, 44.3},
    {100, 99.8, 99.3, 95.8, 90, 86.3, 76.6, 63.8, 47.5},  {100, 100, 99.8, 97.5, 92.5, 89, 80, 67.3, 50.5},
    {100, 100, 100, 98.6, 94.8, 91.7, 83, 71, 53.4}};

constexpr double kTypeBLimitExponent[15][9] = {
    {0.0029, 0.017, 0.032, 0.067, 0.122, 0.151, 0.235, 0.333, 1},
    {0.0024, 0.015, 0.027, 0.055, 0.097, 0.12, 0.184, 0.288, 0.725},
    {0.0021, 0.013, 0.024, 0.048, 0.086, 0.104, 0.169, 0.256, 0.482},
    {0.0018, 0.012, 0.022, 0.044, 0.08, 0.095, 0.156, 0.228, 0.38},
    {0.0015, 0.011, 0.02, 0.04, 0.074, 0.088, 0.143, 0.204, 0.31},
    {0.0012, 0.0099, 0.018, 0.037, 0.067, 0.082, 0.131, 0.183, 0.25},
    {0.0009, 0.0087, 0.016, 0.033, 0.061, 0.074, 0.118, 0.162, 0.21},
    {0.0006, 0.0074, 0.014, 0.03, 0.055, 0.067, 0.106, 0.144, 0.187},
    {0.0003, 0.0062, 0.012, 0.027, 0.049, 0.06, 0.095, 0.126, 0.165},
    {0, 0.005, 0.01, 0.024, 0.044, 0.053, 0.083, 0.11, 0.143},
    {0, 0.0038, 0.008, 0.021, 0.038, 0.046, 0.072, 0.096, 0.121},
    {0, 0.0025, 0.006, 0.018, 0.032, 0.038, 0.063, 0.084, 0.107},
    {0, 0.0012, 0.004, 0.015, 0.027, 0.034, 0.054, 0.073, 0.093},
    {0, 0, 0.002, 0.012, 0.022, 0.029, 0.047, 0.063, 0.08},
    {0, 0, 0, 0.009, 0.02, 0.025, 0.04, 0.055, 0.07}};

// aWL for 0.5 ≤ KWL ≤ 1: rows by T, columns by KWL.
constexpr double kMidKwlFactor[9][6] = {
    {0.995, 0.998, 1, 1, 1, 1},        {0.979, 0.984, 0.99, 0.995, 0.998, 1}, {0.963, 0.972, 0.98, 0.988, 0.995, 1},
    {0.924, 0.945, 0.96, 0.974, 0.99, 1}, {0.894, 0.921, 0.943, 0.961, 0.98, 1}, {0.88, 0.908, 0.934, 0.955, 0.975, 1},
    {0.83, 0.87, 0.91, 0.94, 0.97, 1},  {0.815, 0.86, 0.9, 0.93, 0.97, 1},  {0.81, 0.86, 0.9, 0.93, 0.97, 1}};

// aWL for KWL < 0.5: a block of T rows per KWL of 0 to 0.5, columns by da.
constexpr double kLowKwlFactor[6][9][5] = {
    {{0.82, 0.86, 0.9, 0.93, 0.96},
     {0.59, 0.644, 0.7, 0.754, 0.8},
     {0.488, 0.533, 0.576, 0.617, 0.658},
     {0.387, 0.415, 0.444, 0.47, 0.505},
     {0.337, 0.357, 0.379, 0.4, 0.422},
     {0.32, 0.34, 0.357, 0.376, 0.396},
     {0.288, 0.3, 0.315, 0.33, 0.344},
     {0.266, 0.278, 0.29, 0.3, 0.312},
     {0.25, 0.264, 0.28, 0.29, 0.3}},
    {{0.88, 0.905, 0.93, 0.955, 0.975},
     {0.74, 0.776, 0.812, 0.836, 0.859},
     {0.66, 0.693, 0.726, 0.76, 0.77},
     {0.561, 0.58, 0.6, 0.621, 0.642},
     {0.49, 0.51, 0.53, 0.55, 0.57},
     {0.467, 0.485, 0.504, 0.522, 0.54},
     {0.435, 0.444, 0.453, 0.462, 0.472},
     {0.411, 0.421, 0.434, 0.446, 0.46},
     {0.41, 0.42, 0.43, 0.44, 0.45}},
    {{0.92, 0.937, 0.955, 0.97, 0.985},
     {0.845, 0.865, 0.855, 0.893, 0.902}, // 0.855 as the table has always held it
     {0.81, 0.821, 0.832, 0.843, 0.855},
     {0.735, 0.745, 0.755, 0.765, 0.775},
     {0.68, 0.688, 0.695, 0.703, 0.71},
     {0.655, 0.663, 0.67, 0.678, 0.685},
     {0.585, 0.592, 0.6, 0.608, 0.615},
     {0.55, 0.558, 0.565, 0.573, 0.58},
     {0.55, 0.555, 0.56, 0.565, 0.57}},
    {{0.95, 0.96, 0.97, 0.98, 0.99},
     {0.92, 0.925, 0.93, 0.935, 0.94},
     {0.9, 0.905, 0.91, 0.915, 0.92},
     {0.855, 0.855, 0.855, 0.855, 0.855},
     {0.8, 0.8, 0.8, 0.8, 0.8},
     {0.79, 0.79, 0.79, 0.79, 0.79},
     {0.72, 0.72, 0.72, 0.72, 0.72},
     {0.69, 0.69, 0.69, 0.69, 0.69},
     {0.68, 0.68, 0.68, 0.68, 0.68}},
    {{0.97, 0.978, 0.985, 0.99, 0.995},
     {0.965, 0.964, 0.963, 0.962, 0.96},
     {0.94, 0.94, 0.94, 0.94, 0.94},
     {0.895, 0.895, 0.895, 0.895, 0.895},
     {0.86, 0.86, 0.86, 0.86, 0.86},
     {0.84, 0.84, 0.84, 0.84, 0.84},
     {0.78, 0.78, 0.78, 0.78, 0.78},
     {0.76, 0.76, 0.76, 0.76, 0.76},
     {0.75, 0.75, 0.75, 0.75, 0.75}},
    {{0.995, 0.995, 0.995, 0.995, 0.995},
     {0.979, 0.979, 0.979, 0.979, 0.979},
     {0.963, 0.963, 0.963, 0.963, 0.963},
     {0.924, 0.924, 0.924, 0.924, 0.924},
     {0.894, 0.894, 0.894, 0.894, 0.894},
     {0.88, 0.88, 0.88, 0.88, 0.88},
     {0.83, 0.83, 0.83, 0.83, 0.83},
     {0.815, 0.815, 0.815, 0.815, 0.815},
     {0.81, 0.81, 0.81, 0.81, 0.81}}};

template <unsigned N> constexpr unsigned Count(const double (&)[N])
{
    return N;
}

// Interpolates values (one per axis point, count points) at x inside the chosen window.
double Along(double x, const double* axis, unsigned count, const double* values)
{
    const int first = CCSN_EN_1264::SelectWindow(x, axis, count);
    return CCSN_EN_1264::InterpolateCubic(x, axis + first, values + first);
}

// A table of rows over the outer axis, each row over the inner axis; both arguments clamped.
template <unsigned Rows, unsigned Columns>
double TwoAxis(double inner, const double (&innerAxis)[Columns], double outer, const double (&outerAxis)[Rows],
               const double (&table)[Rows][Columns])
{
    const int innerFirst = CCSN_EN_1264::SelectWindow(inner, innerAxis, Columns);
    const int outerFirst = CCSN_EN_1264::SelectWindow(outer, outerAxis, Rows);
    double rowValues[4];
    for (int r = 0; r < 4; ++r)
        rowValues[r] = CCSN_EN_1264::InterpolateCubic(inner, innerAxis + innerFirst, table[outerFirst + r] + innerFirst);
    return CCSN_EN_1264::InterpolateCubic(outer, outerAxis + outerFirst, rowValues);
}
} // namespace

double CCSN_EN_1264::SpacingFactor(double coveringResistance) const
{
    const double r = ClampToTable(coveringResistance, kCoveringAxis, 4, UINT(IDS_AXIS_COVERING_RESISTANCE));
    return Along(r, kCoveringAxis, 4, kSpacingFactor);
}

double CCSN_EN_1264::CoverFactor(double coveringResistance, double spacing) const
{
    const double r = ClampToTable(coveringResistance, kCoveringAxis, 4, UINT(IDS_AXIS_COVERING_RESISTANCE));
    const double t = ClampToTable(spacing, kSpacingAxis, Count(kSpacingAxis), UINT(IDS_AXIS_SPACING));
    return TwoAxis(r, kCoveringAxis, t, kSpacingAxis, kCoverFactor);
}

double CCSN_EN_1264::DiameterFactor(double coveringResistance, double spacing) const
{
    const double r = ClampToTable(coveringResistance, kCoveringAxis, 4, UINT(IDS_AXIS_COVERING_RESISTANCE));
    const double t = ClampToTable(spacing, kSpacingAxis, Count(kSpacingAxis), UINT(IDS_AXIS_SPACING));
    return TwoAxis(r, kCoveringAxis, t, kSpacingAxis, kDiameterFactor);
}

double CCSN_EN_1264::LimitCurveCoefficient(double layerThickness, double spacing) const
{
    const double su = ClampToTable(layerThickness, kLayerAxis, Count(kLayerAxis), UINT(IDS_AXIS_LAYER_THICKNESS));
    const double t = ClampToTable(spacing, kSpacingAxis, Count(kSpacingAxis), UINT(IDS_AXIS_SPACING));
    return TwoAxis(su, kLayerAxis, t, kSpacingAxis, kLimitCoefficient);
}

double CCSN_EN_1264::LimitCurveExponent(double layerThickness, double spacing) const
{
    const double su = ClampToTable(layerThickness, kLayerAxis, Count(kLayerAxis), UINT(IDS_AXIS_LAYER_THICKNESS));
    const double t = ClampToTable(spacing, kExponentSpacingAxis, Count(kExponentSpacingAxis), UINT(IDS_AXIS_SPACING));
    return TwoAxis(su, kLayerAxis, t, kExponentSpacingAxis, kLimitExponent);
}

double CCSN_EN_1264::TypeBCoverFactor(double thicknessOverConductivity) const
{
    const double x = ClampToTable(thicknessOverConductivity, kThicknessPerConductivityAxis,
                                  Count(kThicknessPerConductivityAxis), UINT(IDS_AXIS_SCREED_CONDUCTIVITY));
    return Along(x, kThicknessPerConductivityAxis, Count(kThicknessPerConductivityAxis), kTypeBCoverFactor);
}

double CCSN_EN_1264::TypeBSpacingFactor(double spacing) const
{
    const double t = ClampToTable(spacing, kTypeBSpacingAxis, 9, UINT(IDS_AXIS_SPACING));
    return Along(t, kTypeBSpacingAxis, 9, kTypeBSpacingFactor);
}

double CCSN_EN_1264::ContactFactor(double spacing) const
{
    const double t = ClampToTable(spacing, kTypeBSpacingAxis, 9, UINT(IDS_AXIS_SPACING));
    return Along(t, kTypeBSpacingAxis, 9, kContactFactor);
}

double CCSN_EN_1264::TypeBLimitCurveCoefficient(double spacing, double kwl) const
{
    const double t = ClampToTable(spacing, kTypeBSpacingAxis, 9, UINT(IDS_AXIS_SPACING));
    const double k = ClampToTable(kwl, kKwlAxis, Count(kKwlAxis), UINT(IDS_AXIS_KWL));
    return TwoAxis(t, kTypeBSpacingAxis, k, kKwlAxis, kTypeBLimitCoefficient);
}

double CCSN_EN_1264::TypeBLimitCurveExponent(double spacing, double kwl) const
{
    const double t = ClampToTable(spacing, kTypeBSpacingAxis, 9, UINT(IDS_AXIS_SPACING));
    const double k = ClampToTable(kwl, kKwlAxis, Count(kKwlAxis), UINT(IDS_AXIS_KWL));
    return TwoAxis(t, kTypeBSpacingAxis, k, kKwlAxis, kTypeBLimitExponent);
}

namespace
{
// aWL below KWL 0.5 at clamped T and da: along da, then T within each block, then KWL.
double LowKwlFactor(double t, int tFirst, double kwl, double da)
{
    const int daFirst = CCSN_EN_1264::SelectWindow(da, kDiameterAxis, 5);
    const int kwlFirst = CCSN_EN_1264::SelectWindow(kwl, kLowKwlAxis, 6);
    double blockValues[4];
    for (int b = 0; b < 4; ++b)
    {
        const auto& block = kLowKwlFactor[kwlFirst + b];
        double rowValues[4];
        for (int r = 0; r < 4; ++r)
            rowValues[r] = CCSN_EN_1264::InterpolateCubic(da, kDiameterAxis + daFirst, block[tFirst + r] + daFirst);
        blockValues[b] = CCSN_EN_1264::InterpolateCubic(t, kTypeBSpacingAxis + tFirst, rowValues);
    }
    return CCSN_EN_1264::InterpolateCubic(kwl, kLowKwlAxis + kwlFirst, blockValues);
}

double MidKwlFactor(double t, int tFirst, double kwl)
{
    const int kwlFirst = CCSN_EN_1264::SelectWindow(kwl, kMidKwlAxis, 6);
    double rowValues[4];
    for (int r = 0; r < 4; ++r)
        rowValues[r] = CCSN_EN_1264::InterpolateCubic(kwl, kMidKwlAxis + kwlFirst, kMidKwlFactor[tFirst + r] + kwlFirst);
    return CCSN_EN_1264::InterpolateCubic(t, kTypeBSpacingAxis + tFirst, rowValues);
}
} // namespace

double CCSN_EN_1264::ConductingDeviceFactor(double spacing, double kwl, double outerDiameter) const
{
    const double da = ClampToTable(outerDiameter, kDiameterAxis, 5, UINT(IDS_AXIS_OUTER_DIAMETER));
    const double t = ClampToTable(spacing, kTypeBSpacingAxis, 9, UINT(IDS_AXIS_SPACING));
    const int tFirst = SelectWindow(t, kTypeBSpacingAxis, 9);
    if (kwl > 1.0)
    {
        const double infinite = InterpolateCubic(t, kTypeBSpacingAxis + tFirst, kInfiniteKwlFactor + tFirst);
        const double zero = LowKwlFactor(t, tFirst, 0.0, da);
        return infinite - (infinite - zero) * std::pow((infinite - 1.0) / (infinite - zero), kwl);
    }
    if (kwl >= 0.5)
        return MidKwlFactor(t, tFirst, kwl);
    return LowKwlFactor(t, tFirst, kwl, da);
}
