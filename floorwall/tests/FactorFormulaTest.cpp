#include "FloorWallFixtures.h"

#include "floorwall/CircuitHydraulics.h"
#include "hydraulics/PressureDrop.h"

class FactorFormula : public FloorCalculationTest
{
protected:
    // q 60, supply pipe 4 m, 5 °C below the floor, spread 5 K.
    static std::unique_ptr<CMistPodlahVytap> MakeLoadedRoom()
    {
        auto room = MakeRoom();
        CTopnyOkruh& circuit = Circuit(*room);
        circuit.m_dHeatFlux = 60.0;
        circuit.m_dOwnSupplyLength = 4.0;
        circuit.m_dFloorTemperatureValue = 5.0;
        circuit.m_dSpread = 5.0;
        return room;
    }
};

// aB = (1/α + su,0/λu,0) / (1/α + su,0/λ + R) with 1/α = 1/10.8, su,0 = 0.045, λu,0 = 1:
// R 0.1, λ 1.2: 0.1375926 / (0.0925926 + 0.0375 + 0.1) = 0.5979879.
TEST_F(FactorFormula, CoveringFactorClampsSilently)
{
    EXPECT_NEAR(CCSN_EN_1264::CoveringFactor(0.1, 1.2), 0.5979879275653923, 1e-13);
    EXPECT_EQ(CCSN_EN_1264::CoveringFactor(0.0, 1.0), 1.0);
    EXPECT_EQ(CCSN_EN_1264::CoveringFactor(0.2, 1.2), CCSN_EN_1264::CoveringFactor(0.15, 1.2));
    EXPECT_EQ(CCSN_EN_1264::CoveringFactor(0.1, 0.3), CCSN_EN_1264::CoveringFactor(0.1, 0.6));
    EXPECT_EQ(CCSN_EN_1264::CoveringFactor(0.1, 3.0), CCSN_EN_1264::CoveringFactor(0.1, 2.0));
    // The screed factor is not clamped: λ 1.2 gives 0.1375926 / 0.1300926 = 1.0576512.
    EXPECT_NEAR(CCSN_EN_1264::ScreedFactor(1.2), 1.0576512455516014, 1e-13);
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(FactorFormula, LimitHeatFluxSwitchesAboveNineKelvin)
{
    EXPECT_EQ(CCSN_EN_1264::LimitHeatFlux(20.0, 29.0), 100.0);
    EXPECT_EQ(CCSN_EN_1264::LimitHeatFlux(20.0, 29.01), 175.0);
    EXPECT_EQ(CCSN_EN_1264::LimitHeatFlux(22.0, 35.0), 175.0);
}

// Pipe 17 × 2 mm, λR 0.22, p = T × factors = 0.09:
// Rpipe = ln(17/13)/0.44 = 0.6096909, Rref = ln(17/13)/0.7 = 0.3832343,
// B = 1 / (0.2264566 × 0.09 × 1.1/π + 1/6.7) = 6.3942713.
// A sheath of 18 mm (λM 0.2) adds ln(18/17)/0.4 = 0.1428960 and makes Rref = ln(18/14)/0.7
// = 0.3590206: B = 6.1859729. A sheath only 0.5 mm over the pipe counts as none.
TEST_F(FactorFormula, PipeCorrectedCoefficientWithAndWithoutSheath)
{
    CTopnaTrubka pipe;
    pipe.m_dOuterDiameter = 0.017;
    pipe.m_dWallThickness = 0.002;
    pipe.m_dPipeConductivity = 0.22;
    pipe.m_dCoatingConductivity = 0.2;
    pipe.m_dCoatingDiameter = 0.017;
    EXPECT_NEAR(CCSN_EN_1264::PipeCorrectedCoefficient(6.7, 0.09, pipe), 6.394271313771738, 1e-12);
    pipe.m_dCoatingDiameter = 0.0175;
    EXPECT_NEAR(CCSN_EN_1264::PipeCorrectedCoefficient(6.7, 0.09, pipe), 6.394271313771738, 1e-12);
    pipe.m_dCoatingDiameter = 0.018;
    EXPECT_NEAR(CCSN_EN_1264::PipeCorrectedCoefficient(6.7, 0.09, pipe), 6.185972870371777, 1e-12);
    // The reference pipe itself (16 × 2, λ 0.35) gives B0.
    pipe.m_dOuterDiameter = pipe.m_dCoatingDiameter = 0.016;
    pipe.m_dPipeConductivity = 0.35;
    EXPECT_NEAR(CCSN_EN_1264::PipeCorrectedCoefficient(6.5, 0.09, pipe), 6.5, 1e-12);
}

// q 60, A2 10 m², supply 4 m, θi 20, θu 5, σ 5:
// Ro = 0.045/1.2 + 0.1 + 1/10.8 = 0.2300926; Ru = 0.55 + 0.25 + 0.01 + 0.17 = 0.98;
// Q = 60 × (10 + 0.135 × 4) × (1 + 0.2347884 + 15/(0.98 × 60)) = 942.2067 W;
// m = 942.2067 / 5 / 4186.8 = 0.0450084 kg/s.
TEST_F(FactorFormula, CircuitMassFlowByTheFloorBalance)
{
    auto room = MakeLoadedRoom();
    CTopnyOkruh& circuit = Circuit(*room);
    EXPECT_NEAR(m_calc.CircuitMassFlow(*room), 0.04500844030488218, 1e-14);
    EXPECT_EQ(circuit.m_dMassFlowKgPerS, m_calc.CircuitMassFlow(*room));

    struct Case
    {
        const char* what;
        double spread;
        double insulation;
        int current;
    };
    const Case zeroCases[] = {
        {"no spread", 0.0, 0.55, 0},
        {"negative spread", -1.0, 0.55, 0},
        {"no resistance below", 5.0, -0.5, 0},
        {"no such circuit", 5.0, 0.55, 1},
    };
    for (const Case& c : zeroCases)
    {
        circuit.m_dSpread = c.spread;
        room->m_dInsulationResistance = c.insulation;
        room->m_nCurrentCircuit = c.current;
        EXPECT_EQ(m_calc.CircuitMassFlow(*room), 0.0) << c.what;
    }
}

TEST_F(FactorFormula, SpreadRange)
{
    struct Case
    {
        double spread;
        double flow;
        BOOL out;
    };
    const Case cases[] = {
        {-1.0, 45.0, TRUE}, {2.99, 45.0, TRUE}, {3.0, 45.0, FALSE}, {24.99, 45.0, FALSE}, {25.0, 45.0, TRUE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CCSN_EN_1264::IsSpreadOutOfRange(c.spread, c.flow, 20.0), c.out) << c.spread;
}

// The circuit of the mass-flow case at spacing 0.15: loop 10/0.15 = 66.67 m rounds to 67.0,
// with the supply 71 m; loss = 71 m × the pipe's loss per metre at m × 3600 kg/h × 1.07.
TEST_F(FactorFormula, CircuitHydraulicsLengthFlowLossAndLimits)
{
    auto room = MakeLoadedRoom();
    CTopnyOkruh& circuit = Circuit(*room);
    circuit.m_dSpacing = 0.15;
    const double perMetre = *PressureDropCharacteristic(0.04500844030488218 * 3600.0, PipeIndexFromCode("9001-0004"));

    CircuitHydraulicsResult result = ComputeCircuitHydraulics(*room, m_calc);
    EXPECT_EQ(circuit.m_dLoopLength, 67.0);
    EXPECT_EQ(result.totalLength, 71.0);
    EXPECT_NEAR(result.massFlow, 0.04500844030488218, 1e-14);
    ASSERT_TRUE(result.pressureLoss);
    EXPECT_NEAR(*result.pressureLoss, 71.0 * perMetre * 1.07, 1e-9);
    EXPECT_EQ(circuit.m_dPressureLoss, *result.pressureLoss);
    EXPECT_TRUE(result.withinLimits); // the unset loss limit counts as 20000 Pa

    AppSettings::Get().MaxTlakZtrata = *result.pressureLoss; // inclusive
    EXPECT_TRUE(ComputeCircuitHydraulics(*room, m_calc).withinLimits);
    AppSettings::Get().MaxTlakZtrata = *result.pressureLoss * 0.999;
    EXPECT_FALSE(ComputeCircuitHydraulics(*room, m_calc).withinLimits);
    AppSettings::Get().MaxTlakZtrata = 0.0;
    AppSettings::Get().MaxDelkaOkruhu = 71.0;
    EXPECT_TRUE(ComputeCircuitHydraulics(*room, m_calc).withinLimits);
    AppSettings::Get().MaxDelkaOkruhu = 70.5;
    EXPECT_FALSE(ComputeCircuitHydraulics(*room, m_calc).withinLimits);

    // A pipe without a characteristic leaves the loss unknown and the stored loss as it was.
    AppSettings::Get().MaxDelkaOkruhu = 160.0;
    circuit.m_pPipe->m_strCode = "9001-9999";
    circuit.m_dPressureLoss = 123.0;
    result = ComputeCircuitHydraulics(*room, m_calc);
    EXPECT_FALSE(result.pressureLoss);
    EXPECT_EQ(circuit.m_dPressureLoss, 123.0);
    EXPECT_TRUE(result.withinLimits);
}

TEST(FloorSettings, UnsetPressureLossLimitMeans20000Pa)
{
    AppSettings settings;
    for (double stored : {0.0, -5.0})
    {
        settings.MaxTlakZtrata = stored;
        EXPECT_EQ(settings.EffectiveMaxTlakZtrata(), 20000.0);
    }
    settings.MaxTlakZtrata = 15000.0;
    EXPECT_EQ(settings.EffectiveMaxTlakZtrata(), 15000.0);
}
