#include "heatloss/BasicDataTables.h"
#include "heatloss/ConstructionU.h"
#include "platform/core/CString.h"

#include <gtest/gtest.h>

namespace
{

struct UCase
{
    const char* what;
    std::vector<ConstructionLayer> layers;
    ConstructionU::Failure failure;
    int failedLayer;
    double U, thickness, density;
};

TEST(ComputeConstructionU, LayersAndTheirFailures)
{
    const ConstructionLayer brick{100, 0.5, 1800, 0.13, 0.04};
    const ConstructionLayer wool{50, 0.05, 100, 0.10, 0.04};
    const ConstructionLayer plaster{10, 0.88, 1600, 0.13, 0.07};
    const UCase cases[] = {
        // Σ d/λ = 200 + 1000; Rsi of the first material, Rse of the last: 1 / (0.13 + 1.2 + 0.04).
        {"two layers", {brick, wool}, ConstructionU::None, -1, 1.0 / 1.37, 150, (1800 * 100 + 100 * 50) / 150.0},
        {"one layer, both resistances its own", {plaster}, ConstructionU::None, -1,
         1.0 / (0.13 + 10 / 0.88 * 0.001 + 0.07), 10, 1600},
        {"outer resistance from the last layer", {wool, plaster}, ConstructionU::None, -1,
         1.0 / (0.10 + (1000 + 10 / 0.88) * 0.001 + 0.07), 60, (100 * 50 + 1600 * 10) / 60.0},
        {"no layers", {}, ConstructionU::NoLayers, -1, 0, 0, 0},
        {"zero thickness", {brick, {0, 0.5, 1800, 0.13, 0.04}}, ConstructionU::Thickness, 1, 0, 100, 0},
        {"negative thickness", {{-5, 0.5, 1800, 0.13, 0.04}}, ConstructionU::Thickness, 0, 0, 0, 0},
        {"zero conductivity", {brick, wool, {20, 0, 1800, 0.13, 0.04}}, ConstructionU::Conductivity, 2, 0, 150, 0},
    };
    for (const UCase& c : cases)
    {
        SCOPED_TRACE(c.what);
        const ConstructionU result = ComputeConstructionU(c.layers);
        EXPECT_EQ(result.failure, c.failure);
        EXPECT_EQ(result.failedLayer, c.failedLayer);
        if (c.failure != ConstructionU::None)
            continue;
        EXPECT_NEAR(result.U, c.U, 1e-12);
        EXPECT_NEAR(result.thickness, c.thickness, 1e-12);
        EXPECT_NEAR(result.density, c.density, 1e-9);
    }
    CString text;
    text.Format("%f", ComputeConstructionU({brick, wool}).U);
    EXPECT_EQ(text, "0.729927");
}

TEST(BasicDataTables, BuildingCharacteristicNumberByLandscapePositionAndKind)
{
    // By landscape: detached, terraced for protected, unprotected, very unfavourable.
    const int expected[2][3][2] = {{{4, 3}, {8, 6}, {12, 9}}, {{8, 6}, {12, 9}, {16, 12}}};
    for (int windy = 0; windy < 2; ++windy)
        for (int position = 0; position < 3; ++position)
        {
            EXPECT_EQ(BuildingCharacteristicNumber(windy, BuildingPosition(position), BuildingKind::Detached),
                      expected[windy][position][0]);
            EXPECT_EQ(BuildingCharacteristicNumber(windy, BuildingPosition(position), BuildingKind::Terraced),
                      expected[windy][position][1]);
        }
}

TEST(BasicDataTables, SurchargeTemperaturesAndLandscape)
{
    EXPECT_EQ(HeatingUpSurcharge(HeatingOperation::Continuous), 0.0);
    EXPECT_EQ(HeatingUpSurcharge(HeatingOperation::IntermittentLong), 0.1);
    EXPECT_EQ(HeatingUpSurcharge(HeatingOperation::IntermittentShort), 0.2);
    for (long Te : {-12L, -15L, -18L, -21L})
        EXPECT_TRUE(IsDesignOutdoorTemperature(Te)) << Te;
    for (long Te : {-20L, 0L, 12L, -24L})
        EXPECT_FALSE(IsDesignOutdoorTemperature(Te)) << Te;
    const struct
    {
        const char* text;
        Landscape landscape;
    } landscapes[] = {{"Ano", Landscape::Windy},       {"ano", Landscape::Windy},     {"ANO", Landscape::Windy},
                      {"ne", Landscape::Normal},       {"NE", Landscape::Normal},     {"neuvedeno", Landscape::Unknown},
                      {"", Landscape::Unknown},        {"Ano ", Landscape::Unknown}};
    for (const auto& c : landscapes)
        EXPECT_EQ(c.landscape, LandscapeOf(c.text)) << c.text;
    EXPECT_STREQ("ano", LandscapeText(true));
    EXPECT_STREQ("ne", LandscapeText(false));
}

} // namespace
