#include "FloorWallFixtures.h"

#include <cmath>

// The fixture room (see CircuitDesignTest.cpp for its limit curves) designed for a common
// flow temperature: Δθ_H = Δθ_H,G × q / qG and σ = 2 (ΔθV,des - Δθ_H) for type A.
class FlowTemperatureDesign : public FloorCalculationTest
{
protected:
    double Design(CMistPodlahVytap& room, double designFlowExcess, int mode)
    {
        return m_calc.DesignCircuitForFlowTemperature(room, designFlowExcess, m_fluxes, m_differences, m_spacings,
                                                      m_spreads, mode);
    }
    // A circuit at the project's design flow temperature with the given flux.
    std::unique_ptr<CMistPodlahVytap> MakeFlowRoom(double designFlow, double flux, int systemType = 1)
    {
        AppSettings::Get().DesignFlowTemperature = designFlow;
        auto room = MakeRoom(systemType);
        CTopnyOkruh& circuit = Circuit(*room);
        circuit.m_dFlowTemperature = designFlow;
        circuit.m_dReturnTemperature = designFlow - 5.0;
        circuit.m_dHeatFlux = flux;
        return room;
    }

    std::vector<double> m_fluxes;
    std::vector<double> m_differences;
    std::vector<double> m_spacings;
    std::vector<double> m_spreads;
};

// q 50, ΔθV,des 23, flow 45 °C at 20 °C:
//   T      Δθ_H = Δθ_H,G × 50 / qG   σ = 2 (23 - Δθ_H)
//   0.075  12.6793355                20.6413290
//   0.15   14.8448562                16.3102877
//   0.225  17.3107469                11.3785062
//   0.3    20.1268952                 5.7462095   all within 3 ≤ σ < 25
TEST_F(FlowTemperatureDesign, ModeZeroEndsAtTheLargestValidSpacing)
{
    auto room = MakeFlowRoom(45.0, 50.0);
    CTopnyOkruh& circuit = Circuit(*room);
    EXPECT_EQ(Design(*room, 23.0, 0), 0.3);
    const double spreads[4] = {20.641329021112472, 16.310287659950596, 11.378506172234388, 5.746209511606439};
    ASSERT_EQ(m_spreads.size(), 4u);
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(m_spreads[i], spreads[i], 1e-9) << i;
    EXPECT_EQ(circuit.m_dSpacing, 0.3);
    EXPECT_NEAR(circuit.m_dMeanTemperatureDifference, 20.12689524419678, 1e-9);
    EXPECT_NEAR(circuit.m_dSpread, 5.746209511606439, 1e-9);
    EXPECT_EQ(circuit.m_dFlowTemperature, 45.0);
    EXPECT_NEAR(circuit.m_dReturnTemperature, 45.0 - 5.746209511606439, 1e-9);
    EXPECT_NEAR(circuit.m_dOutputDifference, -10.0 * 50.0, 1e-9); // nothing required, 50 W/m² given
}

TEST_F(FlowTemperatureDesign, PhaseOneRefusesASpreadEqualToTheSmallest)
{
    auto room = MakeFlowRoom(45.0, 50.0);
    Design(*room, 23.0, 0);
    AppSettings::Get().MinDifSigma = m_spreads[3];
    EXPECT_EQ(Design(*room, 23.0, 1), 0.15 + 0.075);
    EXPECT_NEAR(Circuit(*room).m_dSpread, 11.378506172234388, 1e-9);
    EXPECT_EQ(m_calc.m_lastFault, CCSN_EN_1264::DesignFault::None);
}

// Type B and code 4 with an edge zone keep only candidates whose zones can carry Q:
// 175 × 1 + 100 × 4 = 575 < 600 W drops every one; type A keeps them with q = 100 Q / 575.
TEST_F(FlowTemperatureDesign, ZoneLimitsDropTypeBAndCodeFourCandidates)
{
    for (int code : {2, 4, 1})
    {
        auto room = MakeFlowRoom(45.0, 50.0, code);
        CTopnyOkruh& circuit = Circuit(*room);
        circuit.m_dEdgeArea = 1.0;
        circuit.m_dOccupiedArea = 4.0;
        circuit.m_nSeparateEdgeZone = 1;
        circuit.m_dRequiredOutput = 600.0;
        Design(*room, 23.0, 0);
        if (code == 1)
        {
            EXPECT_EQ(m_spacings.size(), 4u);
            EXPECT_NEAR(circuit.m_dHeatFlux, 100.0 * 600.0 / 575.0, 1e-9);
        }
        else
        {
            EXPECT_TRUE(m_spacings.empty()) << code;
            EXPECT_EQ(m_calc.m_lastFault, CCSN_EN_1264::DesignFault::NoCandidate) << code;
        }
    }
}

// ΔθV,des 1 K cannot carry any spread: σ = 2 (1 - Δθ_H) < 0 everywhere. The lowering covers
// the small load, then 1 - 5/2 < 0 marks the circuit.
TEST_F(FlowTemperatureDesign, FlowExcessBelowHalfTheEntrySpreadMarksTheCircuit)
{
    auto room = MakeFlowRoom(45.0, 50.0);
    CTopnyOkruh& circuit = Circuit(*room);
    circuit.m_dRequiredOutput = 300.0;
    EXPECT_EQ(Design(*room, 1.0, 1), 0.0);
    EXPECT_EQ(circuit.m_dSpacing, 0.0);
    EXPECT_EQ(circuit.m_dHeatFlux, 0.0);
    EXPECT_EQ(circuit.m_dMeanTemperatureDifference, -1.0);
    EXPECT_EQ(circuit.m_dSpread, -1.0);
    EXPECT_EQ(m_calc.m_lastFault, CCSN_EN_1264::DesignFault::FlowExcessTooSmall);
}

// At the largest spacing 0.3 (qG 86.9846147, Δθ_H,G 35.0146045), flow 70 °C, ΔθV,des 44,
// Q 955 W over 10 m²: q_k = 8.92 (9 - 0.1 k)^1.1 gives 1000.07, 987.86, 975.65, 963.47 W
// for k 0 to 3, more than needed; k 4 gives 951.29 W: covered, returned.
// Δθ_H = 95.1290480 × 35.0146045 / 86.9846147 = 38.2930477, σ = 2 (44 - 38.2930477) = 11.4139046.
TEST_F(FlowTemperatureDesign, LargestSpacingLowersTheSurfaceInStepsOfOneTenthKelvin)
{
    auto room = MakeFlowRoom(70.0, 60.0);
    CTopnyOkruh& circuit = Circuit(*room);
    circuit.m_dRequiredOutput = 955.0;
    EXPECT_EQ(m_calc.DesignCircuitAtLargestSpacing(*room, 44.0), 0.3);
    EXPECT_EQ(circuit.m_dHeatFlux, 8.92 * std::pow(9.0 - 0.1 * 4, 1.1));
    EXPECT_NEAR(circuit.m_dHeatFlux, 95.12904803494912, 1e-9);
    EXPECT_NEAR(circuit.m_dMeanTemperatureDifference, 38.29304768959169, 1e-9);
    EXPECT_NEAR(circuit.m_dSpread, 2.0 * (44.0 - 38.29304768959169), 1e-9);
    EXPECT_NEAR(circuit.m_dReturnTemperature, 70.0 - 2.0 * (44.0 - 38.29304768959169), 1e-9);
    EXPECT_NEAR(circuit.m_dOutputDifference, 955.0 - 951.2904803494912, 1e-8);
    EXPECT_EQ(m_calc.m_lastFault, CCSN_EN_1264::DesignFault::None);
}

// Nothing required (Q 0) is never covered: each spacing of phase 2 lowers until the surface
// excess is used up (90 steps of 0.1 K), records nothing, and the end takes the minimum
// spacing with q = (10 - 5/2) × qG(0.075) / Δθ_H,G(0.075) = 7.5 × 99.7841020 / 25.3039221.
TEST_F(FlowTemperatureDesign, PhaseTwoThatNeverCoversEndsInBound)
{
    auto room = MakeFlowRoom(45.0, 90.0);
    CTopnyOkruh& circuit = Circuit(*room);
    EXPECT_EQ(Design(*room, 10.0, 1), 0.075);
    EXPECT_EQ(m_calc.m_lastFault, CCSN_EN_1264::DesignFault::NotConverged);
    EXPECT_NEAR(circuit.m_dHeatFlux, 7.5 * 99.78410202640403 / 25.303922122113242, 1e-9);
    EXPECT_EQ(circuit.m_dMeanTemperatureDifference, 7.5);
    EXPECT_EQ(circuit.m_dSpread, 5.0);
}

// ΔθV,des 80 at flow 45 °C: every step's spread is at least 2 (80 - 40.26) > 25, out of range.
TEST_F(FlowTemperatureDesign, LargestSpacingWithNoStepInRangeMarksTheCircuit)
{
    auto room = MakeFlowRoom(45.0, 60.0);
    EXPECT_EQ(m_calc.DesignCircuitAtLargestSpacing(*room, 80.0), 0.0);
    EXPECT_EQ(Circuit(*room).m_dSpread, -1.0);
    EXPECT_EQ(m_calc.m_lastFault, CCSN_EN_1264::DesignFault::NotConverged);
}

TEST_F(FlowTemperatureDesign, UndefinedInputsLeaveTheCircuitUndesignedWithItsReason)
{
    using Fault = CCSN_EN_1264::DesignFault;
    struct Case
    {
        const char* what;
        void (*spoil)(CMistPodlahVytap&);
        Fault bySpacing;
        Fault forFlow;
    };
    const Case cases[] = {
        {"return at the room temperature",
         [](CMistPodlahVytap& r) { r.m_floorCircuits[0]->m_dReturnTemperature = 20.0; },
         Fault::TemperaturesNotAboveRoom, Fault::None},
        {"screed conductivity 0", [](CMistPodlahVytap& r) { r.m_dScreedConductivity = 0.0; },
         Fault::ScreedConductivity, Fault::ScreedConductivity},
        {"no resistance below",
         [](CMistPodlahVytap& r) {
             r.m_dInsulationResistance = r.m_dCeilingResistance = r.m_dPlasterResistance = r.m_dPlasterTransfer = 0.0;
         },
         Fault::DownwardResistance, Fault::DownwardResistance},
        {"room at 36 °C", [](CMistPodlahVytap& r) { r.m_dRoomTemperature = 36.0; }, Fault::MaxSurfaceTemperature,
         Fault::MaxSurfaceTemperature},
    };
    for (const Case& c : cases)
    {
        std::vector<double> a, b, t;
        double out = 0.0;
        auto room = MakeFlowRoom(45.0, 50.0);
        c.spoil(*room);
        EXPECT_EQ(m_calc.DesignCircuitBySpacing(*room, 1, a, b, t, out, 1, 1, 1), 0.0) << c.what;
        EXPECT_EQ(m_calc.m_lastFault, c.bySpacing) << c.what;
        CTopnyOkruh& circuit = Circuit(*room);
        EXPECT_EQ(circuit.m_dSpacing, 0.0) << c.what;
        EXPECT_EQ(circuit.m_dHeatFlux, 0.0) << c.what;
        EXPECT_EQ(circuit.m_dSpread, -1.0) << c.what;
        EXPECT_EQ(circuit.m_dMeanTemperatureDifference, -1.0) << c.what;
        for (double value : {circuit.m_dMeanSurfaceTemperature, circuit.m_dOutputDifference,
                             circuit.m_dMassFlowKgPerS, circuit.m_dLoopLength})
            EXPECT_TRUE(std::isfinite(value)) << c.what;

        if (c.forFlow == Fault::None)
            continue;
        circuit.m_dHeatFlux = 50.0;
        EXPECT_EQ(Design(*room, 23.0, 1), 0.0) << c.what;
        EXPECT_EQ(m_calc.m_lastFault, c.forFlow) << c.what;
        circuit.m_dHeatFlux = 50.0;
        EXPECT_EQ(m_calc.DesignCircuitAtLargestSpacing(*room, 23.0), 0.0) << c.what;
        EXPECT_EQ(m_calc.m_lastFault, c.forFlow) << c.what;
        EXPECT_EQ(circuit.m_dSpread, -1.0) << c.what;
    }
}
