#include "FloorWallFixtures.h"

#include "floorwall/CRoztece.h"
#include "floorwall/CircuitHydraulics.h"
#include "floorwall/SpacingSeriesList.h"

#include <cmath>

// The fixture room: θi 20, θV 40, θR 35, Rλ,B 0.1, λE 1.2, su 45 mm, pipe 16 × 2 of λ 0.35
// (so B = B0 = 6.7), no edge zone: θF,max = 29, φ = 1, qlim = 100.
// Δθ_H = 5 / ln(20/15) = 17.3802975 K.
// aB = 0.5979879, aT(0.1) = 1.156, mT = 1 - T/0.075, mu = 0, mD = 250 (0.016 - 0.02) = -1:
//   T      aD     P = aB aT^mT / aD   KH = 6.7 P   BG    nG     Δθ_H,G = (BG/KH)^(1/(1-nG))  qG = BG Δθ_H,G^nG
//   0.075  1.016  0.5885708           3.9434243    96.3  0.011  25.3039221                   99.7841020
//   0.15   1.029  0.5027119           3.3681701    76.3  0.076  29.2813759                   98.6246535
//   0.225  1.038  0.4311014           2.8883791    56.5  0.146  32.5215513                   93.9345698
//   0.3    1.044  0.3707818           2.4842381    36.4  0.245  35.0146045                   86.9846147
class CircuitDesign : public FloorCalculationTest
{
protected:
    double Design(CMistPodlahVytap& room, int choose, int mode, int update, int hydraulicCheck = 0)
    {
        return m_calc.DesignCircuitBySpacing(room, choose, m_fluxes, m_differences, m_spacings, m_flowExcess, mode,
                                             update, hydraulicCheck);
    }

    std::vector<double> m_fluxes;
    std::vector<double> m_differences;
    std::vector<double> m_spacings;
    double m_flowExcess = -99.0;
};

TEST_F(CircuitDesign, TypeALimitCurvesOfTheDefaultSpacings)
{
    auto room = MakeRoom();
    Circuit(*room).m_dHeatFlux = 60.0;
    EXPECT_EQ(Design(*room, 0, 1, 0), 0.0);
    EXPECT_EQ(m_spacings, m_calc.m_spacings);
    const double qG[4] = {99.78410202640403, 98.62465351111085, 93.93456981858765, 86.98461467766931};
    const double dG[4] = {25.303922122113242, 29.281375923819247, 32.5215512918805, 35.01460454948544};
    ASSERT_EQ(m_fluxes.size(), 4u);
    for (int i = 0; i < 4; ++i)
    {
        EXPECT_NEAR(m_fluxes[i], qG[i], 1e-9 * qG[i]) << i;
        EXPECT_NEAR(m_differences[i], dG[i], 1e-9 * dG[i]) << i;
    }
    EXPECT_EQ(Circuit(*room).m_dMaxSurfaceTemperature, 29.0);
    EXPECT_EQ(m_flowExcess, -99.0);
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(CircuitDesign, NoLoadTakesTheMinimumSpacingAndZeroes)
{
    auto room = MakeRoom();
    CTopnyOkruh& circuit = Circuit(*room);
    circuit.m_dLoopLength = 50.0;
    circuit.m_dMassFlowKgPerS = 0.1;
    circuit.m_dPressureLoss = 9000.0;
    AppSettings::Get().MinimRoztec = "0,1";
    EXPECT_EQ(Design(*room, 1, 1, 1), 0.1);
    EXPECT_EQ(circuit.m_dSpacing, 0.1);
    EXPECT_EQ(circuit.m_dLoopLength, 0.0);
    EXPECT_EQ(circuit.m_dMassFlowKgPerS, 0.0);
    EXPECT_EQ(circuit.m_dMeanTemperatureDifference, 0.0);
    EXPECT_EQ(circuit.m_dSpread, 0.0);
    EXPECT_EQ(circuit.m_dPressureLoss, 0.0);
    EXPECT_TRUE(m_spacings.empty());
}

// Mode 0, q 90: 0.3 carries 86.98 < 90, 0.225 carries 93.93: chosen.
// Δθ_H = 32.5215513 × 90 / 93.9345698 = 31.1593444; out = 31.1593444 + 5/2 = 33.6593444;
// θR = 20 + 5 / (e^(5/31.1593444) - 1) = 48.7261764, θV = 53.7261764.
TEST_F(CircuitDesign, ByHeatFluxTakesTheLargestSpacingThatCarriesTheLoad)
{
    auto room = MakeRoom();
    CTopnyOkruh& circuit = Circuit(*room);
    circuit.m_dHeatFlux = 90.0;
    EXPECT_EQ(Design(*room, 1, 0, 1), 0.15 + 0.075);
    EXPECT_NEAR(circuit.m_dMeanTemperatureDifference, 31.15934444498905, 1e-9);
    EXPECT_NEAR(m_flowExcess, 33.659344444989046, 1e-9);
    EXPECT_EQ(circuit.m_dSpread, 5.0);
    EXPECT_NEAR(circuit.m_dReturnTemperature, 48.726176396992315, 1e-9);
    EXPECT_NEAR(circuit.m_dFlowTemperature, 53.726176396992315, 1e-9);
    EXPECT_NEAR(AppSettings::Get().DesignFlowTemperature, 53.726176396992315, 1e-9);
    EXPECT_EQ(circuit.m_dSpacing, 0.0); // the caller stores the spacing

    // Choose 0 and a load above every qG give minus the smallest spacing's qG.
    circuit.m_dHeatFlux = 90.0;
    EXPECT_NEAR(Design(*room, 0, 0, 0), -99.78410202640403, 1e-9);
    circuit.m_dHeatFlux = 120.0;
    EXPECT_NEAR(Design(*room, 1, 0, 1), -99.78410202640403, 1e-9);
}

// Mode 1, Q 590 W over 10 m²: q = qG Δθ_H / Δθ_H,G gives 68.54, 58.54, 50.20, 43.18 W/m² and
// remainders 590 - 10 q of -95.38, 4.60, 87.99, 158.23 W; only 0.15 is within 10 W.
// θF,m = 20 + (58.5397975 × 0.1121076)^(1/1.1) = 25.53 °C, under 29.
TEST_F(CircuitDesign, ByHeatBalanceTakesTheCandidateWithinTenWatts)
{
    auto room = MakeRoom();
    CTopnyOkruh& circuit = Circuit(*room);
    circuit.m_dHeatFlux = 60.0;
    circuit.m_dRequiredOutput = 590.0;
    EXPECT_EQ(Design(*room, 1, 1, 1), 0.15);
    EXPECT_NEAR(circuit.m_dHeatFlux, 58.539797505771716, 1e-9);
    EXPECT_NEAR(circuit.m_dOutputDifference, 4.60202494228281, 1e-8);
    EXPECT_NEAR(circuit.m_dMeanSurfaceTemperature, 25.531027059113125, 1e-9);
    EXPECT_NEAR(m_flowExcess, 17.38029748391104 + 2.5, 1e-9);
    EXPECT_NEAR(circuit.m_dMeanTemperatureDifference, 17.38029748391104, 1e-9);
    EXPECT_EQ(circuit.m_dSpread, 5.0);

    // Nothing within 10 W: the nearest remainder wins (0.15 at 590.0 + 6 W).
    circuit.m_dRequiredOutput = 596.0;
    EXPECT_EQ(Design(*room, 1, 1, 0), 0.15);
    EXPECT_EQ(m_flowExcess, 17.38029748391104 + 2.5); // kept without update
}

TEST_F(CircuitDesign, TypeAAboveTheTablesReadsThemAt0375AndScalesQG)
{
    CRoztece* wide = new CRoztece;
    wide->m_spacings = {0.375, 0.45};
    SpacingSeriesList().push_back(wide);
    m_calc.CollectPipeSpacings();
    auto room = MakeRoom();
    CTopnyOkruh& circuit = Circuit(*room);
    circuit.m_dHeatFlux = 60.0;
    // Pipe 17 × 2 of λ 0.22: mD = -0.75 and B depends on T. At 0.45 the tables are read at
    // 0.375 (mT = -4): P = 0.3237519; B with T 0.45 gives KH = 2.0133122;
    // Δθ_H,G = (18.2/KH)^(1/0.595) = 40.4568485, qG = 18.2 × Δθ_H,G^0.405 = 81.4522655,
    // × 0.375/0.45 = 67.8768879, under qlim 100. At 0.375: KH 2.0377095, qG 80.7871834.
    circuit.m_pPipe->m_dOuterDiameter = circuit.m_pPipe->m_dCoatingDiameter = 0.017;
    circuit.m_pPipe->m_dPipeConductivity = 0.22;
    Design(*room, 0, 1, 0);
    ASSERT_EQ(m_spacings.size(), 6u);
    EXPECT_EQ(m_spacings[5], 0.45);
    EXPECT_NEAR(m_differences[5], 40.45684851970988, 1e-9);
    EXPECT_NEAR(m_fluxes[5], 67.87688788122249, 1e-9);
    EXPECT_NEAR(m_differences[4], 39.646074686805356, 1e-9);
    EXPECT_NEAR(m_fluxes[4], 80.78718338290625, 1e-9);
    EXPECT_TRUE(m_messages.empty()); // the cut keeps the tables in range
}

// Code 4 with an edge zone at 20 °C: θF,max = 35, φ = (15/9)^1.1 = 1.7540163, and
// qG = 100 φ = 175.40 for every spacing, above qlim 175.
TEST_F(CircuitDesign, CodeFourCarriesHundredPhiAtEverySpacing)
{
    auto room = MakeRoom(4);
    CTopnyOkruh& circuit = Circuit(*room);
    circuit.m_dEdgeArea = 2.0;
    circuit.m_dHeatFlux = 60.0;
    Design(*room, 0, 1, 0);
    ASSERT_EQ(m_fluxes.size(), 4u);
    for (double qG : m_fluxes)
        EXPECT_NEAR(qG, 175.40162985815426, 1e-9);
}

TEST_F(CircuitDesign, RoomAt22WithEdgeZoneHasItsSurfaceLimitAt35)
{
    auto room = MakeRoom();
    room->m_dRoomTemperature = 22.0;
    CTopnyOkruh& circuit = Circuit(*room);
    circuit.m_dEdgeArea = 2.0;
    circuit.m_dHeatFlux = 60.0;
    Design(*room, 0, 1, 0);
    EXPECT_EQ(circuit.m_dMaxSurfaceTemperature, 35.0);
    EXPECT_EQ(CCSN_EN_1264::LimitHeatFlux(22.0, 35.0), 175.0);
    // φ = (13/9)^1.1 = 1.4985489 lifts every qG above the 100 of a 9 K floor.
    for (double qG : m_fluxes)
        EXPECT_GT(qG, 100.0);
}

// Code 4 with the reference pipe gives every spacing the same characteristic, so every
// candidate has the same remainder: the smallest accepted spacing is kept.
class EqualCandidates : public CircuitDesign
{
protected:
    void SetUp() override
    {
        CircuitDesign::SetUp();
        m_room = MakeRoom(4);
        CTopnyOkruh& circuit = Circuit(*m_room);
        circuit.m_dHeatFlux = 60.0;
        circuit.m_dOwnSupplyLength = 4.0;
        circuit.m_dFloorTemperatureValue = 5.0;
        Design(*m_room, 0, 1, 0);
        circuit.m_dRequiredOutput = 10.0 * m_fluxes[0] * 17.38029748391104 / m_differences[0];
    }
    std::unique_ptr<CMistPodlahVytap> m_room;
};

TEST_F(EqualCandidates, TiesKeepTheSmallerSpacing)
{
    EXPECT_EQ(Design(*m_room, 1, 1, 0), 0.075);
}

// Loops of 10 m² are 133.5, 67, 44.5 and 33.5 m long, plus 4 m of supply.
TEST_F(EqualCandidates, HydraulicCheckRefusesByLengthAndByLoss)
{
    CTopnyOkruh& circuit = Circuit(*m_room);
    circuit.m_dSpacing = 0.2;
    AppSettings::Get().MaxDelkaOkruhu = 50.0;
    EXPECT_EQ(Design(*m_room, 1, 1, 0, 1), 0.15 + 0.075);
    EXPECT_EQ(circuit.m_dSpacing, 0.2); // the check does not move the stored spacing
    EXPECT_EQ(circuit.m_dLoopLength, 33.5); // as the last candidate left it

    // Every candidate has the same q and mass flow, so the loss grows with the loop:
    // a limit between the losses at 0.15 and 0.225 leaves 0.225 the smallest accepted.
    AppSettings::Get().MaxDelkaOkruhu = 160.0;
    const double requiredFlux = circuit.m_dRequiredOutput / 10.0;
    auto lossAt = [&](double spacing) {
        CTopnyOkruh& probe = Circuit(*m_room);
        const double flux = probe.m_dHeatFlux;
        probe.m_dSpacing = spacing;
        probe.m_dHeatFlux = requiredFlux;
        const double loss = *ComputeCircuitHydraulics(*m_room, m_calc).pressureLoss;
        probe.m_dHeatFlux = flux;
        return loss;
    };
    AppSettings::Get().MaxTlakZtrata = (lossAt(0.15) + lossAt(0.15 + 0.075)) / 2.0;
    EXPECT_EQ(Design(*m_room, 1, 1, 0, 1), 0.15 + 0.075);

    // Nothing passes: the nearest remainder, the first of the equal ones.
    AppSettings::Get().MaxTlakZtrata = 0.001;
    EXPECT_EQ(Design(*m_room, 1, 1, 0, 1), 0.075);
}

// Type B at 0.15 with lamellas 1 mm of λ 372, L/T 0.8 and the 16 × 2 reference pipe (B = 6.5):
// bu 0.7; KWL = 0.008 (0.7 × 45 × 1.2 + 1 × 372) = 3.2784, KWL0 = 0.008 × 37.8 = 0.3024;
// BG, nG at KWL 1.5 (clamped, reported): 98.6, 0.009;
// aWL = 1.04 - (1.04 - 0.415) (0.04/0.625)^3.2784 = 1.0399238;
// aWL0 (KWL 0.2 to 0.5 at T 0.15, da 0.016: 0.745, 0.855, 0.895, 0.924) = 0.8565440;
// c = au,B(0.0375)^(1 - 2) = 0.9141355; p(0.8) = 1 - 2.56 + 2.176 - 0.6144 = 0.0016;
// P1 = c (aWL - (aWL - aWL0) p) = 0.9503631; P2 = 0.95 × 1.0576512 × P1 = 0.9548950;
// P = P2 / (1 + 6.5 × 0.1 (1 + 0.44 √0.15) P2) = 0.5530965; KH = 3.5951271;
// Δθ_H,G = (98.6/KH)^(1/0.991) = 28.2633527; qG = 98.6 × Δθ_H,G^0.009 = 101.61, capped at 100.
TEST_F(CircuitDesign, TypeBCharacteristic)
{
    SpacingSeriesList()[0]->m_spacings = {0.15};
    m_calc.CollectPipeSpacings();
    auto room = MakeRoom(2);
    Circuit(*room).m_dHeatFlux = 60.0;
    Design(*room, 0, 1, 0);
    ASSERT_EQ(m_fluxes.size(), 1u);
    EXPECT_NEAR(m_differences[0], 28.263352657520265, 1e-9);
    EXPECT_EQ(m_fluxes[0], 100.0);
    const std::vector<std::string> expected(2, "kWL = 3.278 je mimo tabelované hodnoty <0.100;1.500> !");
    EXPECT_EQ(m_messages, expected);
}
