// Room 1 of the two-room project worked by hand from the method's formulas; the library must
// give the same numbers.
#include "TestProjects.h"

#include "heatloss/HeatLossCalculation.h"

#include <gtest/gtest.h>

namespace
{

// Header: Te = −15 °C, B = 6, p2 = 0.1. Room: Ti = 20 °C, so dt = 35 K.
// Wall 1: two windows, a = 2 × 1.5 m × 1.5 m = 4.5 m², U·a = 4.5 × 1.2 = 5.4 W/K.
constexpr double Q_wall1 = 273.0; // ((5.0 × 2.5 − 4.5) × 0.3 + 5.4) × 35 = 7.8 × 35
constexpr double Q_wall2 = 75.0;  // (4.0 × 2.5) × 1.5 × 5, no openings
constexpr double Q_trans = 348.0; // Q_wall1 + Q_wall2
constexpr double S = 0.00168;     // 6000 × 1.4 × (2 × 0.001) × 0.0001
constexpr double M = 0.5;         // S / 1 door = 0.00168, between 0.0015 and 0.0025
constexpr double Qv = 229.32;     // B × dt × M × S × 1300 = 6 × 35 × 0.5 × 0.00168 × 1300
constexpr double V = 50.0;        // 2.5 × 5.0 × 4.0 m³
constexpr double F = 20.0;        // 5.0 × 4.0 m²
constexpr double A = 85.0;        // (4000 × 5000 + 9000 × 2500) × 2e-6 m²
constexpr double p1 = 348.0 / (85.0 * 35.0) * 0.15; // Q_trans / (A × dt) × 0.15 = 0.0175462...
constexpr double p3 = 0.10;       // orientation "S"
constexpr double Qp = 423.70608403361344; // (p2 + p3 + p1 + 1.0) × Q_trans = 1.2175462... × 348
constexpr double Qmin = 126.0;    // air exchange × dt × 0.36 = 10 × 35 × 0.36, below Qv
constexpr double Qc = 653.02608403361344; // Qp + Qv

static_assert(Q_wall1 + Q_wall2 == Q_trans);

TEST(HandWorkedRoom, EveryResultOfTheRoomAndTheTotals)
{
    auto model = TwoRoomProject();
    const CalculationOutcome outcome = CalculateHeatLosses(*model, {true, true, true, false});
    ASSERT_EQ(1, outcome.result);
    EXPECT_TRUE(outcome.messages.empty());
    EXPECT_DOUBLE_EQ(M, RoomCharacteristicNumber(S, 1));
    EXPECT_NEAR(0.0175462184873950, p1, 1e-15);
    EXPECT_DOUBLE_EQ((0.1 + p3 + p1 + 1.0) * Q_trans, Qp);
    EXPECT_LT(Qmin, Qv);

    const HeatLossResults::Room& room = model->Results[1];
    EXPECT_NEAR(Qp, room.transmission, 1e-9);
    EXPECT_NEAR(Qv, room.ventilation, 1e-9);
    EXPECT_NEAR(Qc, room.total, 1e-9);
    EXPECT_DOUBLE_EQ(V, room.volume);
    EXPECT_DOUBLE_EQ(F, room.floorArea);
    EXPECT_DOUBLE_EQ(A, room.surface);
    EXPECT_NEAR(Qc / V, room.perVolume, 1e-12);
    EXPECT_NEAR(Qc / F, room.perFloorArea, 1e-12);
    EXPECT_NEAR(Qc / V / 35.0, room.perVolumeKelvin, 1e-12);

    // Room 2: its inner wall's door, 0.8 × 2.0 = 1.6 m² at U 2.0, makes that wall
    // ((10.0 − 1.6) × 1.5 + 3.2) × 5 = 79 W, so Q_trans = 352 W.
    const double room2Qp = (0.1 + p3 + 352.0 / (85.0 * 35.0) * 0.15 + 1.0) * 352.0;
    EXPECT_NEAR(room2Qp, model->Results[2].transmission, 1e-9);
    EXPECT_NEAR(room2Qp + Qv, model->Results[2].total, 1e-9);

    const HeatLossTotals& totals = model->Totals;
    EXPECT_DOUBLE_EQ(100.0, totals.volume);
    EXPECT_NEAR(Qp + room2Qp, totals.transmission, 1e-9);
    EXPECT_NEAR(2 * Qv, totals.ventilation, 1e-9);
    EXPECT_NEAR(Qc + room2Qp + Qv, totals.total, 1e-9);
    EXPECT_NEAR((Qc + room2Qp + Qv) / 100.0, totals.perVolume, 1e-12);
}

TEST(HandWorkedRoom, MinimumAirExchangeAndRounding)
{
    auto model = TwoRoomProject();
    model->Rooms[1].airExchange = 30; // Qmin = 30 × 35 × 0.36 = 378 W > Qv = 229.32 W
    const CalculationOutcome outcome = CalculateHeatLosses(*model, {false, false, false, true});
    ASSERT_EQ(1, outcome.result);
    EXPECT_DOUBLE_EQ(378.0, model->Results[1].ventilation);
    // Qc = 423.706 + 378 = 801.706 W: floor(801.706 × 0.05 + 0.5) × 20 = 40 × 20.
    EXPECT_DOUBLE_EQ(800.0, model->Results[1].total);
    // Room 2: 428.647 + 229.32 = 657.967 W: floor(32.898 + 0.5) × 20 = 660.
    EXPECT_DOUBLE_EQ(660.0, model->Results[2].total);
    EXPECT_DOUBLE_EQ(1460.0, model->Totals.total);
    EXPECT_DOUBLE_EQ(14.6, model->Totals.perVolume);
}

} // namespace
