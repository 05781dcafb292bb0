#include "TestProjects.h"

#include "heatloss/WallHeatingArea.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{

// Room "Pokoj": outer wall 1, 4000 × 2600 mm, with a window 1200 × 1000 mm; inner wall 2 with
// the difference "0" and a door; room "Kuchyň" after it with an outer wall of its own.
SheetRows PokojAndKuchyn()
{
    SheetRows rows;
    rows.Room("1", "Pokoj")
        .Wall("SO ", 4000, 2600, "35", "0.3", 1)
        .Opening("OJ ", 1200, 1000)
        .Wall("SN ", 3000, 2600, "0", "1.5", 2)
        .Opening("DN ", 800, 2000)
        .Room("2", "Kuchyň")
        .Wall("SO ", 3000, 2600, "35", "0.3", 1);
    return rows;
}

TEST(WallHeatingArea, OuterWallWithAWindow)
{
    const WallHeatingSettings defaults;
    double gross = -1.0;
    // Band: (min(2600, 2200) − 100) × (4000 − 2 × 100) = 2100 × 3800 mm².
    // Window: 1000 + 60 + 900 + 200 ≤ 2200, so e = 1000 + 200; 60 + 200 + 100 ≤ 900, so the
    // height is e + 200 = 1400 mm; 1 × (1200 + 2 × 200) × 1400 mm².
    EXPECT_NEAR(2.24, WallHeatingArea(PokojAndKuchyn().Sheet(), "Pokoj", "SO", 1, defaults, gross), 1e-12);
    EXPECT_NEAR(7.98, gross, 1e-12);
    // The stored code "SO " and the asked "SO" alike, or the other way round.
    EXPECT_NEAR(2.24, WallHeatingArea(PokojAndKuchyn().Sheet(), "Pokoj", "SO ", 1, defaults, gross), 1e-12);
    SheetRows bare;
    bare.Room("1", "Pokoj").Wall("SO", 4000, 2600, "35", "0.3", 1).Opening("OJ", 1200, 1000);
    EXPECT_NEAR(2.24, WallHeatingArea(bare.Sheet(), "Pokoj", "SO ", 1, defaults, gross), 1e-12);
    // 7.98 − 2.24; the inner wall's door belongs to no outer wall.
    EXPECT_NEAR(5.74, AvailableWallHeatingArea(PokojAndKuchyn().Sheet(), "Pokoj", defaults), 1e-12);
    // Kuchyň: (2200 − 100) × (3000 − 200) mm², no openings.
    EXPECT_NEAR(5.88, AvailableWallHeatingArea(PokojAndKuchyn().Sheet(), "Kuchyň", defaults), 1e-12);
}

TEST(WallHeatingArea, WallsThatAreNotFound)
{
    const WallHeatingSettings defaults;
    const InputSheet sheet = PokojAndKuchyn().Sheet();
    double gross = -1.0;
    EXPECT_EQ(0.0, WallHeatingArea(sheet, "Pokoj", "SO", 2, defaults, gross)); // wall 2 is inner
    EXPECT_EQ(0.0, gross);
    EXPECT_EQ(0.0, WallHeatingArea(sheet, "pokoj", "SO", 1, defaults, gross)); // names match exactly
    EXPECT_EQ(0.0, gross);

    SheetRows inner;
    inner.Room("1", "Chodba").Wall("SN", 4000, 2600, "5", "1.5", 1);
    EXPECT_EQ(0.0, AvailableWallHeatingArea(inner.Sheet(), "Chodba", defaults));
}

TEST(WallHeatingArea, OuterWallWithDifferenceZeroKeepsItsOpenings)
{
    SheetRows rows;
    rows.Room("1", "Pokoj")
        .Wall("SO", 4000, 2600, "0", "0.3", 1)
        .Opening("OJ", 1200, 1000)
        .Wall("SO", 4000, 2600, "35", "0.3", 2);
    double gross = 0.0;
    EXPECT_NEAR(2.24, WallHeatingArea(rows.Sheet(), "Pokoj", "SO", 1, WallHeatingSettings(), gross), 1e-12);
    EXPECT_EQ(0.0, WallHeatingArea(rows.Sheet(), "Pokoj", "SO", 2, WallHeatingSettings(), gross));
    EXPECT_NEAR(7.98, gross, 1e-12);
}

TEST(WallHeatingArea, OpeningsLargerThanTheWallLeaveNothing)
{
    SheetRows rows;
    rows.Room("1", "Pokoj").Wall("SO", 1000, 2600, "35", "0.3", 1).Opening("OJ", 1200, 1000, 3);
    EXPECT_EQ(0.0, AvailableWallHeatingArea(rows.Sheet(), "Pokoj", WallHeatingSettings()));
}

TEST(WallHeatingArea, HeightOfAnOpeningInTheBand)
{
    struct Case
    {
        const char* name;
        WallHeatingSettings settings;
        int openingHeight;
        double height; // mm the opening takes out of the band
        double width;  // mm, the opening's 1200 mm with the clearances
    };
    // {upToHeight, aboveFloor, innerCorner, outerCorner, parapet}
    const Case cases[] = {
        {"fits under the band's top: e = h + inner", {}, 1000, 1000 + 200 + 200, 1600},
        // 1500 + 60 + 900 + 200 > 2200: the band above the sill, 2200 − 900 = 1300, not the opening's own
        {"taller than the band above the sill", {}, 1500, 1300 + 200, 1600},
        // An opening wholly outside the band takes nothing out of it.
        {"band ends below the sill", {800, 100, 200, 100, 900}, 1000, 0, 1600},
        {"sill at the band's top", {900, 100, 200, 100, 900}, 1000, 0, 1600},
        {"top at the band's start", {2200, 1100, 200, 100, 100}, 1000, 0, 1600},
        // e − F = 1000 + 200 − 1000: the band starts below the opening's top
        {"top above the band's start", {2200, 1000, 200, 100, 50}, 1000, 200, 1600},
        // 60 + 250 + 50 > 280 ≥ 50: e + 280 − 50
        {"low sill above the band's start", {2200, 50, 250, 100, 280}, 1000, 1000 + 250 + 230, 1700},
        // 50 < 100: e − 100
        {"sill below the band's start", {2200, 100, 200, 100, 50}, 1000, 1000 + 200 - 100, 1600},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        SheetRows rows;
        rows.Room("1", "Pokoj").Wall("SO", 4000, 2600, "35", "0.3", 1).Opening("OJ", 1200, c.openingHeight);
        double gross = 0.0;
        EXPECT_NEAR(c.width * c.height * 1e-6, WallHeatingArea(rows.Sheet(), "Pokoj", "SO", 1, c.settings, gross),
                    1e-12);
    }
}

TEST(WallHeatingArea, MarginsLargerThanTheWallLeaveNoBand)
{
    // Starting above the wall's height and with corners longer than the wall: neither side of
    // the band is negative, so their product is no area.
    SheetRows rows;
    rows.Room("1", "Pokoj").Wall("SO", 1000, 2000, "35", "0.3", 1).Opening("OJ", 400, 500);
    const WallHeatingSettings margins{2200, 2100, 200, 600, 900};
    double gross = -1.0;
    WallHeatingArea(rows.Sheet(), "Pokoj", "SO", 1, margins, gross);
    EXPECT_EQ(0.0, gross);
    EXPECT_EQ(0.0, AvailableWallHeatingArea(rows.Sheet(), "Pokoj", margins));
    EXPECT_EQ(0.0, AvailableWallHeatingAreas(rows.Sheet(), margins).at("Pokoj"));
}

TEST(WallHeatingArea, FloorSurfaceTemperature)
{
    EXPECT_EQ(20.0, FloorSurfaceTemperature(20, 0.0));
    EXPECT_EQ(20.0, FloorSurfaceTemperature(20, -15.0));
    EXPECT_NEAR(21.0, FloorSurfaceTemperature(20, 8.92), 1e-12);
    EXPECT_NEAR(22.0, FloorSurfaceTemperature(20, 8.92 * std::pow(2.0, 1.1)), 1e-12);
}

} // namespace

namespace
{
// Every room at once agrees with the room-by-room lookup: two rooms of one name (the first
// counts), an inner wall before the outer wall of its number, a wall number given twice, a
// wall beyond 20 and a room without outer walls.
TEST(WallHeatingArea, AllRoomsInOnePassAgreeWithTheLookup)
{
    SheetRows rows;
    rows.Room("1", "Pokoj")
        .Wall("SN ", 3000, 2600, "0", "1.5", 1)
        .Opening("DN ", 800, 2000)
        .Wall("SO ", 4000, 2600, "35", "0.3", 1)
        .Opening("OJ ", 1200, 1000, 2)
        .Wall("SO", 5000, 2600, "35", "0.3", 1)
        .Wall("SO ", 6000, 2600, "35", "0.3", 2)
        .Opening("OJ ", 1500, 1500)
        .Wall("SO ", 6000, 2600, "35", "0.3", 21)
        .Room("2", "Kuchyň")
        .Wall("SN ", 3000, 2600, "5", "1.5", 1)
        .Room("3", "Pokoj")
        .Wall("SO ", 9000, 2600, "35", "0.3", 1);
    const WallHeatingSettings defaults;
    const std::map<std::string, double> areas = AvailableWallHeatingAreas(rows.Sheet(), defaults);
    ASSERT_EQ(areas.size(), 2u);
    for (const auto& [name, area] : areas)
        EXPECT_NEAR(area, AvailableWallHeatingArea(rows.Sheet(), name.c_str(), defaults), 1e-9) << name;
    EXPECT_GT(areas.at("Pokoj"), 0.0);
    EXPECT_EQ(areas.at("Kuchyň"), 0.0);
}
} // namespace
