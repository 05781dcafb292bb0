// The wall heating design's calculations: the temperatures kept in step and checked, the heat
// flux and the area a room needs, the circuits computed again, the sums of a manifold and the
// wall area measured from a stored input sheet.
#include "floorwall/CMistPodlahVytap.h"
#include "floorwall/WallDesign.h"
#include "heatloss/InputSheet.h"
#include "hydraulics/CTopnyOkruh.h"

#include "../../heatloss/tests/TestProjects.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace
{
using WallDesign::Field;
using WallDesign::Temperatures;

class WallRooms
{
public:
    CMistPodlahVytap& Add(const char* number, double ti, double load, int wallHeating = 1)
    {
        m_owned.push_back(std::make_unique<CMistPodlahVytap>());
        CMistPodlahVytap& room = *m_owned.back();
        room.m_strNumber = number;
        room.m_dRoomTemperature = ti;
        room.m_dWallLoad = load;
        room.m_nWallHeating = wallHeating;
        m_rooms.push_back(&room);
        return room;
    }
    // A wall circuit of area m², segments and connection length, on a manifold.
    static CTopnyOkruh& Circuit(CMistPodlahVytap& room, double area, int manifold = 1)
    {
        auto* circuit = new CTopnyOkruh;
        circuit->m_dEdgeArea = area;
        circuit->m_nElementCount = 4;
        circuit->m_dOccupiedArea = area / 4;
        circuit->m_dLoopLength = 17.0 * area;
        circuit->m_dOwnSupplyLength = 5.0;
        circuit->m_nManifold = manifold;
        room.m_wallCircuits.push_back(circuit);
        return *circuit;
    }
    std::vector<CMistPodlahVytap*>& List() { return m_rooms; }

private:
    std::vector<std::unique_ptr<CMistPodlahVytap>> m_owned;
    std::vector<CMistPodlahVytap*> m_rooms;
};

TEST(WallDesignTemperatures, EachEditKeepsTheOthersInStep)
{
    Temperatures t{50.0, 42.0, 8.0};
    WallDesign::SetSupply(t, 55.04);
    EXPECT_EQ(55.0, t.supply);
    EXPECT_EQ(8.0, t.drop);
    EXPECT_EQ(47.0, t.ret);
    WallDesign::SetReturn(t, 44.96);
    EXPECT_EQ(45.0, t.ret);
    EXPECT_EQ(10.0, t.drop);
    EXPECT_TRUE(WallDesign::SetDrop(t, 6.25, 3.0));
    EXPECT_EQ(6.3, t.drop); // "%.1f" rounds a tie away from zero
    EXPECT_EQ(48.7, t.ret);
    // Below the least drop nothing changes.
    EXPECT_FALSE(WallDesign::SetDrop(t, 2.5, 3.0));
    EXPECT_EQ(6.3, t.drop);
    EXPECT_EQ(48.7, t.ret);
}

TEST(WallDesignTemperatures, TheCheckCorrectsTheFirstBrokenLimit)
{
    struct Case
    {
        const char* name;
        Temperatures entered;
        double highestRoom;
        Field corrected;
        Temperatures expected;
    };
    // The least drop 3.0 K, the least return above the room 0.1 K.
    const Case cases[] = {
        {"all valid", {50, 42, 8}, 20, Field::None, {50, 42, 8}},
        {"supply above 60 keeps the drop", {70, 62, 8}, 20, Field::Supply, {60, 52, 8}},
        {"supply not above the lowest return", {20, 12, 8}, 20, Field::Supply, {20, 12, 8}},
        {"return not below the supply", {50, 52, -2}, 20, Field::Return, {50, 52, -2}},
        {"return below the lowest return moves the drop", {40, 20, 20}, 22, Field::Return, {40, 22.1, 17.9}},
        {"drop below the least", {50, 48, 2}, 20, Field::Drop, {50, 47, 3}},
        {"drop above 25", {50, 20, 30}, -273, Field::Drop, {50, 25, 25}},
        {"no wall-heated room: the lowest return is 1", {30, 1, 29}, -273, Field::Drop, {30, 5, 25}},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        Temperatures t = c.entered;
        const WallDesign::CheckResult result = WallDesign::CheckTemperatures(t, c.highestRoom, 3.0, 0.1);
        EXPECT_EQ(c.corrected, result.corrected);
        EXPECT_NEAR(c.expected.supply, t.supply, 1e-9);
        EXPECT_NEAR(c.expected.ret, t.ret, 1e-9);
        EXPECT_NEAR(c.expected.drop, t.drop, 1e-9);
    }
    Temperatures t{50, 42, 8};
    EXPECT_EQ(1.0, WallDesign::CheckTemperatures(t, -273.0, 3.0, 0.1).lowestReturn);
    EXPECT_NEAR(24.1, WallDesign::CheckTemperatures(t, 24.0, 3.0, 0.1).lowestReturn, 1e-12);
}

TEST(WallDesignRooms, HighestTemperatureOfTheWallHeatedRooms)
{
    WallRooms rooms;
    EXPECT_EQ(-273.0, WallDesign::HighestRoomTemperature(rooms.List()));
    rooms.Add("1", 24.0, 500.0, 0);
    rooms.List().push_back(nullptr);
    EXPECT_EQ(-273.0, WallDesign::HighestRoomTemperature(rooms.List()));
    rooms.Add("2", 20.0, 500.0);
    rooms.Add("3", 22.5, 500.0);
    EXPECT_EQ(22.5, WallDesign::HighestRoomTemperature(rooms.List()));
}

TEST(WallDesignRooms, HeatFluxAndTheAreaTheLoadNeeds)
{
    WallRooms rooms;
    CMistPodlahVytap& living = rooms.Add("1", 20.0, 950.0);
    CMistPodlahVytap& bath = rooms.Add("2", 45.9, 300.0); // mean 46.0: Δθ exactly 0.1
    CMistPodlahVytap& skipped = rooms.Add("3", 20.0, 800.0, 0);
    rooms.List().push_back(nullptr);

    // A drop below the least computes nothing.
    EXPECT_FALSE(WallDesign::CalculateRooms(rooms.List(), 50.0, 48.0, 3.0));
    EXPECT_EQ(0.0, living.m_dHeatFluxDensity);

    ASSERT_TRUE(WallDesign::CalculateRooms(rooms.List(), 50.0, 42.0, 3.0));
    EXPECT_EQ(50.0, living.m_dFlowTemperature);
    EXPECT_EQ(42.0, living.m_dReturnTemperature);
    EXPECT_EQ(26.0, living.m_dWallExcessTemperature);
    // 189 × (26 − 0.1) / (30.5 − 0.1) W/m²
    const double q = 189.0 * 25.9 / 30.4;
    EXPECT_NEAR(q, living.m_dHeatFluxDensity, 1e-9);
    EXPECT_NEAR(950.0 / q, living.m_dRequiredWallArea, 1e-9);
    EXPECT_NEAR(0.1, bath.m_dWallExcessTemperature, 1e-9);
    EXPECT_EQ(0.0, bath.m_dHeatFluxDensity);
    EXPECT_EQ(0.0, bath.m_dRequiredWallArea);
    EXPECT_EQ(0.0, skipped.m_dFlowTemperature);
}

TEST(WallDesignRooms, CircuitsTakeTheRoomsFluxAndSumTheirOutput)
{
    WallRooms rooms;
    CMistPodlahVytap& living = rooms.Add("1", 20.0, 950.0);
    CTopnyOkruh& first = WallRooms::Circuit(living, 6.0, 1);
    CTopnyOkruh& second = WallRooms::Circuit(living, 4.0, 2);
    living.m_wallCircuits.push_back(nullptr);
    CMistPodlahVytap& cold = rooms.Add("2", 20.0, 0.0, 0);
    CTopnyOkruh& untouched = WallRooms::Circuit(cold, 4.0, 1);
    untouched.m_dDeliveredOutput = 123.0;
    ASSERT_TRUE(WallDesign::CalculateRooms(rooms.List(), 50.0, 42.0, 3.0));
    WallDesign::RecalculateCircuits(rooms.List());

    const double q = living.m_dHeatFluxDensity;
    EXPECT_EQ(q, first.m_dHeatFlux);
    EXPECT_EQ(42.0, first.m_dReturnTemperature);
    EXPECT_NEAR(6.0 * q, first.m_dDeliveredOutput, 1e-9);
    EXPECT_NEAR(10.0 * q, living.m_dWallOutput, 1e-9);
    // 4186.8 J/(kg·K) over the 8 K of the circuit
    EXPECT_NEAR(6.0 * q / (4186.8 * 8.0), first.m_dMassFlowKgPerS, 1e-6);
    EXPECT_GT(first.m_dPressureLoss, 0.0);
    EXPECT_EQ(123.0, untouched.m_dDeliveredOutput);

    const WallDesign::ManifoldSums one = WallDesign::SumRoomValues(rooms.List(), 1);
    EXPECT_EQ(6.0, one.area); // the circuit of the room without wall heating is not counted
    EXPECT_EQ(first.m_dMassFlowKgPerS, one.massFlow);
    EXPECT_EQ(first.m_dDeliveredOutput, one.output);
    second.m_dPressureLoss = first.m_dPressureLoss + 1000.0;
    second.m_nManifold = 1;
    const WallDesign::ManifoldSums both = WallDesign::SumRoomValues(rooms.List(), 1);
    EXPECT_EQ(10.0, both.area);
    EXPECT_EQ(second.m_dPressureLoss, both.pressureLoss);
    const WallDesign::ManifoldSums none = WallDesign::SumRoomValues(rooms.List(), 0);
    EXPECT_EQ(0.0, none.area);
    EXPECT_EQ(0.0, none.output);
}

// The wall of the worked example: 5000 × 2700 mm with a window 1200 × 1500 mm, measured from
// a stored "SeznamV$" under the design's own margins.
TEST(WallDesignArea, MeasuredFromTheStoredInputSheet)
{
    const WallHeatingSettings margins{2200, 200, 150, 150, 900};
    SheetRows rows;
    rows.Room("1", "Pokoj")
        .Wall("SO ", 5000, 2700, "35", "0.3", 1)
        .Opening("OJ ", 1200, 1500)
        .Wall("SO", 5000, 2700, "35", "0.3", 2)
        .Wall("SN", 5000, 2700, "5", "1.5", 3)
        .Opening("DN", 900, 2000)
        .Room("2", "Pokoj")
        .Wall("SO", 9000, 2700, "35", "0.3", 1)
        .Room("3", "Kuchyň")
        .Wall("SO", 3000, 2700, "35", "0.3", 1)
        .Opening("OJ", 3000, 1500, 3);
    TempFolder folder;
    const std::string path = folder.Path("project.xls");
    rows.WriteWorkbook(path);

    double area = -1.0;
    // 2 × 9.4 m² less the window's (1200 + 300) × 1450 mm²; the second "Pokoj" is not measured.
    EXPECT_TRUE(WallDesign::MeasureAvailableArea(path.c_str(), "Pokoj", margins, area).IsEmpty());
    EXPECT_NEAR(9.4 + 9.4 - 2.175, area, 1e-9);
    // The openings take more than the band: the wall adds nothing.
    EXPECT_TRUE(WallDesign::MeasureAvailableArea(path.c_str(), "Kuchyň", margins, area).IsEmpty());
    EXPECT_EQ(0.0, area);
    EXPECT_TRUE(WallDesign::MeasureAvailableArea(path.c_str(), "Sklep", margins, area).IsEmpty());
    EXPECT_EQ(0.0, area);

    const HeatLossMessage missing = WallDesign::MeasureAvailableArea(folder.Path("none.xls").c_str(), "Pokoj",
                                                                     margins, area);
    EXPECT_FALSE(missing.IsEmpty());
    EXPECT_EQ(0.0, area);
}
} // namespace
