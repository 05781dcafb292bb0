// Pipe and fitting characteristics, pipe diameters and the product codes of pipes.
#include "hydraulics/PressureDrop.h"
#include "hydraulics/PipeLoss.h"
#include "hydraulics/ProductCatalogue.h"

#include "HydraulicsFixtures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace
{
void ExpectNear(double actual, double expected)
{
    EXPECT_NEAR(actual, expected, std::fabs(expected) * 1e-9 + 1e-12);
}

struct CharacteristicCase
{
    double x;
    int type;
    double y;
};

// Each line passes through its two table points (C, D) and (A, B).
TEST(PressureDropCharacteristic, PassesThroughItsTablePoints)
{
    const CharacteristicCase cases[] = {
        {35.0, 1, 17.5},    {1150.0, 1, 6800.0},     {22.5, 6, 22.5},       {700.0, 6, 8750.0},
        {100.0, 39, 3.0},   {10000.0, 39, 10000.0},  {2280.0, 21, 100.0},   {315000.0, 27, 100000.0},
        {6.0, 31, 210.0},   {61.5, 31, 8000.0},      {8.3, 32, 65.0},       {50.0, 35, 27.0},
        {500.0, 35, 1600.0}, {600.0, 7, 10.0},
    };
    for (const CharacteristicCase& c : cases)
    {
        SCOPED_TRACE(testing::Message() << "type " << c.type << " x " << c.x);
        const auto y = PressureDropCharacteristic(c.x, c.type);
        ASSERT_TRUE(y.has_value());
        ExpectNear(*y, c.y);
    }
}

TEST(PressureDropCharacteristic, LineGoesOnBeyondItsPointsAsAPowerLaw)
{
    // Type 35 through (50, 27) and (500, 1600): y = 27 (x/50)^(log10(1600/27)), worked by hand.
    const double exponent = std::log10(1600.0 / 27.0);
    ExpectNear(*PressureDropCharacteristic(100.0, 35), 27.0 * std::pow(2.0, exponent));
    ExpectNear(*PressureDropCharacteristic(5000.0, 35), 27.0 * std::pow(100.0, exponent));
}

TEST(PressureDropCharacteristic, NoFlowIsNoDropAndUnknownTypesFail)
{
    for (int type : {1, 8, 0, 99})
    {
        EXPECT_EQ(PressureDropCharacteristic(0.0, type), 0.0);
        EXPECT_EQ(PressureDropCharacteristic(-5.0, type), 0.0);
        EXPECT_EQ(PressureDropCharacteristic(std::numeric_limits<double>::quiet_NaN(), type), 0.0);
    }
    for (int type : {0, 8, 16, 20, 28, 30, 40, -1})
        EXPECT_FALSE(PressureDropCharacteristic(100.0, type).has_value()) << type;
}

TEST(PressureDropByKind, KindsMapToFittingTypes)
{
    for (int kind = 1; kind <= 12; ++kind)
        ExpectNear(PressureDropByKind(5000.0, kind), *PressureDropCharacteristic(5000.0, kind <= 7 ? kind + 20 : 27));
    for (int kind : {0, 13, -1})
        EXPECT_EQ(PressureDropByKind(5000.0, kind), 0.0) << kind;
}

TEST(LinearCharacteristic, LineFromItsThreshold)
{
    ExpectNear(*LinearCharacteristic(30.0, 16), 196.0);
    ExpectNear(*LinearCharacteristic(15.15, 16), 98.0);
    EXPECT_EQ(LinearCharacteristic(0.2, 16), 0.0);
    EXPECT_EQ(LinearCharacteristic(0.1, 17), 0.0);
    ExpectNear(*LinearCharacteristic(30.5, 18), 180.0);
    EXPECT_FALSE(LinearCharacteristic(15.0, 19).has_value());
    EXPECT_FALSE(LinearCharacteristic(15.0, 1).has_value());
}

TEST(PipeInnerDiameter, KnownAndUnknownIndices)
{
    const std::pair<int, double> known[] = {{1, 0.0124}, {5, 0.0232}, {6, 0.0092}, {7, 0.0388},
                                            {31, 0.004}, {35, 0.012}, {39, 0.026}};
    for (const auto& [index, metres] : known)
        EXPECT_EQ(PipeInnerDiameter(index), metres) << index;
    for (int index : {8, 0, 30, 40, -1})
        EXPECT_FALSE(PipeInnerDiameter(index).has_value()) << index;
}

TEST(PipeIndexFromCode, EveryListedCode)
{
    const std::pair<int, int> items[] = {{3, 35},   {4, 35},   {5, 35},   {205, 35}, {206, 35}, {6, 36},
                                         {7, 36},   {8, 36},   {207, 36}, {208, 36}, {9, 37},   {209, 37},
                                         {102, 32}, {203, 33}, {204, 34}, {212, 38}, {213, 39}};
    for (int maker : {9001, 9005})
        for (const auto& [item, index] : items)
            EXPECT_EQ(PipeIndexFromCode(ProductCatalogue::ProductCode(maker, item)), index) << maker << "-" << item;
    const std::pair<const char*, int> makers1212[] = {{"1212-0125", 1}, {"1212-0126", 2}, {"1212-0127", 3},
                                                     {"1212-0128", 4}, {"1212-0129", 5}, {"1212-0124", 6}};
    for (const auto& [code, index] : makers1212)
        EXPECT_EQ(PipeIndexFromCode(code), index) << code;
    for (const char* code : {"9001-0010", "9001-0212 ", " 9001-0212", "9002-0004", "", "1212-0130"})
        EXPECT_EQ(PipeIndexFromCode(code), -1) << "'" << code << "'";
}

TEST(PipeIndexFromCode, EveryDistributionPipeOfTheCatalogueIsKnown)
{
    WorkbookCopy list{"ZVK-9001.XLS"};
    const std::vector<PipeChoice> pipes = LoadDistributionPipes(list.Folder());
    ASSERT_EQ(pipes.size(), 9u);
    for (const PipeChoice& pipe : pipes)
    {
        const int index = PipeIndexFromCode(pipe.code);
        EXPECT_GT(index, 0) << pipe.code;
        EXPECT_TRUE(PipeInnerDiameter(index).has_value()) << pipe.code;
        EXPECT_TRUE(ComputePipeLoss(pipe.code, 100.0, 1.0, 1.0).has_value()) << pipe.code;
        EXPECT_NE(pipe.description.Find("  "), -1) << pipe.code;
        EXPECT_FALSE(pipe.item.IsEmpty()) << pipe.code;
    }
}
} // namespace
