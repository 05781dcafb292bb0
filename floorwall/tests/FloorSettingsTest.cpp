#include "../../hydraulics/tests/HydraulicsFixtures.h"

#include "common/AppSettings.h"
#include "floorwall/FloorCalculationSettings.h"

#include <gtest/gtest.h>

TEST(FloorSettings, TemperaturesAreCorrectedAtTheFirstBrokenLimit)
{
    AppSettings::Get() = AppSettings(); // MinimSigmaPodl 3, MinDifVratOdTi 0.1
    struct Case
    {
        const char* what;
        FloorTemperatures in;
        double highestRoom;
        FloorTemperatures out;
        TemperatureCorrection focus;
    };
    const Case cases[] = {
        {"flow 70", {70.0, 65.0, 5.0}, 20.0, {60.0, 55.0, 5.0}, TemperatureCorrection::Flow},
        {"flow 1", {1.0, -4.0, 5.0}, 20.0, {6.0, 1.0, 5.0}, TemperatureCorrection::Flow},
        {"spread 30", {50.0, 20.0, 30.0}, 10.0, {50.0, 25.0, 25.0}, TemperatureCorrection::Spread},
        {"spread 1", {50.0, 49.0, 1.0}, 20.0, {50.0, 47.0, 3.0}, TemperatureCorrection::Spread},
        {"return 20 at 20", {40.0, 20.0, 20.0}, 20.0, {40.0, 20.1, 19.9}, TemperatureCorrection::Spread},
        {"within", {45.0, 40.0, 5.0}, 20.0, {45.0, 40.0, 5.0}, TemperatureCorrection::None},
    };
    for (const Case& c : cases)
    {
        FloorTemperatures t = c.in;
        EXPECT_EQ(ValidateFloorTemperatures(t, c.highestRoom), c.focus) << c.what;
        EXPECT_NEAR(t.flow, c.out.flow, 1e-12) << c.what;
        EXPECT_NEAR(t.ret, c.out.ret, 1e-12) << c.what;
        EXPECT_NEAR(t.spread, c.out.spread, 1e-12) << c.what;
    }
}

TEST(FloorSettings, ProductCodesAndSpacingTexts)
{
    EXPECT_EQ(ProductCodeFromItem("[14]  Systémová deska", "/ceny/ZVK-9001.XLS"), "9001-0014");
    EXPECT_EQ(ProductCodeFromItem("[7]  PE-X [16x2]", "/ceny/ZVK-9005.XLS"), "9005-0016");
    EXPECT_EQ(ProductCodeFromItem("bez položky", "/ceny/ZVK-9001.XLS"), "");
    EXPECT_EQ(MinimumSpacingForSystem("9001-0072"), 0.05);
    EXPECT_EQ(MinimumSpacingForSystem("9001-0014"), 0.075);
    EXPECT_EQ(MinimumSpacingForSystem(""), 0.075);
    EXPECT_EQ(MinimumSpacingText(0.075), "0.075");
    EXPECT_EQ(MinimumSpacingText(0.05), "0.05");
    EXPECT_EQ(MinimumSpacingText(0.1), "0.1");
    EXPECT_EQ(IsFloorSystemMaker(9005), 1);
    EXPECT_EQ(IsFloorSystemMaker(9007), 0);
}

TEST(FloorSettings, MakerCatalogueOfAFloorSystemMakerNamedOnce)
{
    WorkbookCopy list("ZVK-VYROBCI.xls");
    AppendRows(list.Path(), "Trubky$",
               {{{"ČísloDatabáze", "9005"}, {"Výrobce otopných trubek", "O'Brien"}},
                {{"ČísloDatabáze", "9007"}, {"Výrobce otopných trubek", "Jiný výrobce"}}});
    AppSettings::Get().PathList = list.Folder();
    EXPECT_EQ(FindMakerCatalogue("O'Brien"), list.Folder() + "/ZVK-9005.XLS");
    EXPECT_EQ(FindMakerCatalogue("Jiný výrobce"), "");
    EXPECT_EQ(FindMakerCatalogue("Nikdo"), "");
    AppendRows(list.Path(), "Trubky$", {{{"ČísloDatabáze", "9001"}, {"Výrobce otopných trubek", "O'Brien"}}});
    EXPECT_EQ(FindMakerCatalogue("O'Brien"), ""); // named twice
}
