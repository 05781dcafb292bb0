#include "FloorWallFixtures.h"

#include "hydraulics/COtopneTeleso.h"

TEST(RoomRecord, InitialValuesOfTheFloorBuildUp)
{
    AppSettings::Get() = AppSettings();
    const CMistPodlahVytap room;
    const std::pair<double, double> values[] = {
        {room.m_dCoveringResistance, 0.011},   {room.m_dLoadLayerResistance, 0.033},
        {room.m_dInsulationResistance, 0.55},  {room.m_dCeilingResistance, 0.25},
        {room.m_dPlasterResistance, 0.01},     {room.m_dPlasterTransfer, 0.17},
        {room.m_dScreedConductivity, 1.2},     {room.m_dScreedConductivityCopy, 1.2},
        {room.m_dScreedThickness, 45.0},       {room.m_dInsulationThickness, 32.0},
        {room.m_dMaxInsulationThickness, 32.0}, {room.m_dMinInsulationThickness, 32.0},
        {room.m_dInsulationConductivity, 0.04}, {room.m_dReinforcementConductivity, 50.0},
        {room.m_dLamellaRatio, 0.8},           {room.m_dLamellaThickness, 1.0},
        {room.m_dLamellaConductivity, 372.0},  {room.m_dCharacteristicFactor, 1.0},
        {room.m_dRoomTemperature, 0.0},        {room.m_dFloorLoad, 0.0},
    };
    for (const auto& [value, expected] : values)
        EXPECT_EQ(value, expected);
    EXPECT_EQ(room.m_nSystemType, 1);
    EXPECT_EQ(room.m_nRouteRoomIndex, -1);
    EXPECT_EQ(room.m_nCurrentCircuit, 0);
    EXPECT_FALSE(room.m_bReinforced);
    EXPECT_STREQ(room.m_strFormat, "000000|f0d800|T|1");
    EXPECT_EQ(room.CurrentCircuit(), nullptr);
    EXPECT_NEAR(room.DownwardResistance(), 0.98, 1e-15);
}

namespace
{
int g_deleted = 0;

struct CountedCircuit : CTopnyOkruh
{
    ~CountedCircuit() override { ++g_deleted; }
};

struct CountedRadiator : COtopneTeleso
{
    ~CountedRadiator() override { ++g_deleted; }
};
} // namespace

TEST(RoomRecord, OwnsItsCircuitsAndRadiatorsAndSkipsEmptyEntries)
{
    g_deleted = 0;
    {
        CMistPodlahVytap room;
        room.m_floorCircuits = {new CountedCircuit, nullptr, new CountedCircuit};
        room.m_wallCircuits = {new CountedCircuit};
        room.m_radiators = {nullptr, new CountedRadiator};
        room.m_nCurrentCircuit = 1;
        EXPECT_EQ(room.CurrentCircuit(), nullptr);
        room.m_nCurrentCircuit = 2;
        EXPECT_EQ(room.CurrentCircuit(), room.m_floorCircuits[2]);
        room.m_nCurrentCircuit = 3;
        EXPECT_EQ(room.CurrentCircuit(), nullptr);
    }
    EXPECT_EQ(g_deleted, 4);
}
