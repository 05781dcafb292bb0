// The heating circuit record: its calculations and its row of "SeznamM$".
#include "HydraulicsFixtures.h"

#include "common/AppSettings.h"
#include "datalib/CData.h"
#include "hydraulics/CTopnyOkruh.h"
#include "hydraulics/CircuitLabel.h"
#include "hydraulics/PressureDrop.h"
#include "hydraulics/ProjectVersion.h"

#include <gtest/gtest.h>

#include <cmath>

namespace
{
TEST(CircuitRecord, MaximumSurfaceTemperatureIsCappedAt35)
{
    struct Case
    {
        double room, edgeArea, expected;
    };
    for (const Case& c : {Case{20.0, 0.0, 29.0}, Case{20.0, 3.0, 35.0}, Case{22.0, 3.0, 35.0},
                          Case{18.0, -2.0, 33.0}, Case{30.0, 0.0, 35.0}})
    {
        CTopnyOkruh circuit;
        circuit.m_dEdgeArea = c.edgeArea;
        circuit.SetMaxSurfaceTemperature(c.room);
        EXPECT_DOUBLE_EQ(circuit.m_dMaxSurfaceTemperature, c.expected) << c.room << " " << c.edgeArea;
    }
}

TEST(CircuitRecord, MeanSurfaceTemperatureFollowsTheFlux)
{
    CTopnyOkruh circuit;
    circuit.SetMeanSurfaceTemperature(20.0);
    EXPECT_EQ(circuit.m_dMeanSurfaceTemperature, 20.0);
    circuit.m_dHeatFlux = 89.2; // (q / 8.92)^(1/1.1) = 10^(1/1.1)
    circuit.SetMeanSurfaceTemperature(20.0);
    EXPECT_NEAR(circuit.m_dMeanSurfaceTemperature, 20.0 + std::pow(10.0, 1.0 / 1.1), 1e-9);
}

TEST(CircuitRecord, FluxSplitOverTwoZones)
{
    CTopnyOkruh circuit;
    circuit.m_dRequiredOutput = 1000.0;
    circuit.m_dEdgeArea = 2.0;
    circuit.m_dOccupiedArea = 8.0;
    circuit.DistributeHeatFlux();
    EXPECT_NEAR(circuit.m_dEdgeFlux, 152.17, 0.005);
    EXPECT_NEAR(circuit.m_dHeatFlux, 86.96, 0.005);
    EXPECT_EQ(circuit.m_dOccupiedFlux, circuit.m_dHeatFlux);
    EXPECT_DOUBLE_EQ(circuit.WeightedArea(), 11.5);
    circuit.ComputeUncoveredLoad(std::nullopt);
    EXPECT_NEAR(circuit.m_dOutputDifference, 0.0, 1e-9);

    circuit.m_dEdgeArea = 0.0;
    circuit.DistributeHeatFlux();
    EXPECT_DOUBLE_EQ(circuit.m_dHeatFlux, 125.0);
    EXPECT_EQ(circuit.m_dEdgeFlux, 0.0);
    circuit.m_dOccupiedArea = 0.0;
    circuit.DistributeHeatFlux();
    EXPECT_EQ(circuit.m_dHeatFlux, 0.0);
}

TEST(CircuitRecord, UncoveredLoadWithoutFluxTakesTheRoomsShare)
{
    CTopnyOkruh circuit;
    circuit.m_dCoveredHeat = 300.0;
    circuit.m_dOutputDifference = 7.0;
    circuit.ComputeUncoveredLoad(std::nullopt);
    EXPECT_EQ(circuit.m_dOutputDifference, 7.0);
    circuit.ComputeUncoveredLoad(1000.0);
    EXPECT_EQ(circuit.m_dOutputDifference, 700.0);
}

TEST(CircuitRecord, LoopLengthRoundsUpToHalfMetres)
{
    struct Case
    {
        double occupied, edge, spacing;
        int separate;
        double expected;
    };
    const Case cases[] = {
        {10.0, 0.0, 0.15, 0, 67.0},   // 66.67
        {13.3, 0.0, 0.2, 0, 66.5},    // 66.5 exactly
        {10.0, 0.0, 0.2, 0, 50.0},    // whole
        {8.0, 1.5, 0.2, 1, 60.0},     // 40 + 1.5 / 0.075 = 60
        {8.0, 1.5, 0.2, 0, 47.5},
        {10.0, 0.0, 0.0, 0, 0.0},     // no spacing
    };
    const CString oldSpacing = AppSettings::Get().MinimRoztec;
    AppSettings::Get().MinimRoztec = "0.075";
    for (const Case& c : cases)
    {
        CTopnyOkruh circuit;
        circuit.m_dOccupiedArea = c.occupied;
        circuit.m_dEdgeArea = c.edge;
        circuit.m_dSpacing = c.spacing;
        circuit.m_nSeparateEdgeZone = c.separate;
        circuit.m_dHeatFlux = 80.0;
        circuit.ComputePipeLength();
        EXPECT_DOUBLE_EQ(circuit.m_dLoopLength, c.expected) << c.occupied << "/" << c.spacing;
    }
    AppSettings::Get().MinimRoztec = oldSpacing;
    CTopnyOkruh noFlux;
    noFlux.m_dOccupiedArea = 10.0;
    noFlux.m_dSpacing = 0.1;
    noFlux.m_dLoopLength = 5.0;
    noFlux.ComputePipeLength();
    EXPECT_EQ(noFlux.m_dLoopLength, 0.0);
}

TEST(CircuitRecord, SupplyTemperaturesFromTheMeanDifference)
{
    AppSettings& settings = AppSettings::Get();
    const double oldFlow = settings.DesignFlowTemperature, oldReturn = settings.DesignReturnTemperature;
    CTopnyOkruh circuit;
    circuit.m_dSpread = 5.0;
    circuit.m_dMeanTemperatureDifference = 10.0;
    ASSERT_TRUE(circuit.ComputeSupplyTemperatures(20.0, 1));
    EXPECT_NEAR(circuit.m_dReturnTemperature, 27.7075, 1e-4); // 20 + 5 / (e^0.5 - 1)
    EXPECT_NEAR(circuit.m_dFlowTemperature, 32.7075, 1e-4);
    EXPECT_EQ(settings.DesignFlowTemperature, circuit.m_dFlowTemperature);
    settings.DesignFlowTemperature = oldFlow;
    settings.DesignReturnTemperature = oldReturn;

    for (auto [spread, mean] : {std::pair{0.0, 10.0}, std::pair{5.0, 0.0}, std::pair{5.0, -1.0}})
    {
        CTopnyOkruh unchanged;
        unchanged.m_dSpread = spread;
        unchanged.m_dMeanTemperatureDifference = mean;
        EXPECT_FALSE(unchanged.ComputeSupplyTemperatures(20.0, 1));
        EXPECT_EQ(unchanged.m_dFlowTemperature, oldFlow);
        EXPECT_EQ(unchanged.m_dReturnTemperature, oldReturn);
    }
    EXPECT_EQ(settings.DesignFlowTemperature, oldFlow);
}

TEST(CircuitRecord, FlowAndPressureDropOfAWallCircuit)
{
    CTopnyOkruh circuit;
    circuit.m_dFlowTemperature = 40.0;
    circuit.m_dReturnTemperature = 35.0;
    circuit.m_dHeatFlux = 100.0;
    circuit.m_dOccupiedArea = 4.0;
    circuit.m_dEdgeArea = 6.0;
    circuit.m_dLoopLength = 30.0;
    circuit.m_dOwnSupplyLength = 8.0;
    circuit.m_nElementCount = 3;
    ASSERT_TRUE(circuit.ComputeFlowAndPressureDrop());
    // m1 = 100 · 4 / (4186.8 · 5) kg/s, m2 = 100 · 6 / (4186.8 · 5) kg/s, taken in kg/h.
    const double m1 = 400.0 / 20934.0 * 3600.0, m2 = 600.0 / 20934.0 * 3600.0;
    const double expected = *PressureDropCharacteristic(m1, 32) * 30.0 / 3.0 * 1.1 + *PressureDropCharacteristic(m2, 35) * 8.0;
    EXPECT_NEAR(circuit.m_dPressureLoss, expected, expected * 1e-12);
    EXPECT_NEAR(circuit.m_dMassFlowKgPerS, 600.0 / 20934.0, 1e-15);
    EXPECT_EQ(circuit.m_dDeliveredOutput, 600.0);
    EXPECT_EQ(circuit.m_dSpread, 5.0);

    for (auto [returnTemperature, elements] : {std::pair{40.0, 3}, std::pair{45.0, 3}, std::pair{35.0, 0}})
    {
        CTopnyOkruh unchanged;
        unchanged.m_dFlowTemperature = 40.0;
        unchanged.m_dReturnTemperature = returnTemperature;
        unchanged.m_dHeatFlux = 100.0;
        unchanged.m_dOccupiedArea = 4.0;
        unchanged.m_nElementCount = elements;
        unchanged.m_dPressureLoss = 12.0;
        EXPECT_FALSE(unchanged.ComputeFlowAndPressureDrop());
        EXPECT_EQ(unchanged.m_dPressureLoss, 12.0);
        EXPECT_EQ(unchanged.m_dMassFlowKgPerS, 0.0);
        EXPECT_EQ(unchanged.m_dSpread, AppSettings::Get().ZakladSigma);
    }
}

TEST(CircuitRecord, WaterContentByPipe)
{
    CTopnyOkruh circuit;
    circuit.m_pPipe->m_strCode = "9001-0006"; // pipe 36, d = 0.014 m
    circuit.m_dLoopLength = 60.0;
    circuit.m_dOwnSupplyLength = 10.0;
    const double quarterPi = std::atan(1.0);
    EXPECT_NEAR(*circuit.WaterVolume(), 0.014 * 0.014 * quarterPi * 70.0, 1e-15);
    EXPECT_NEAR(*circuit.WaterVolumeWithSupplyPipe(), 0.014 * 0.014 * quarterPi * 60.0 + 0.012 * 0.012 * quarterPi * 10.0,
                1e-15);
    circuit.m_pPipe->m_strCode = "9001-0010";
    EXPECT_FALSE(circuit.WaterVolume().has_value());
    EXPECT_FALSE(circuit.WaterVolumeWithSupplyPipe().has_value());
}

TEST(CircuitRecord, LabelsOfNewAndSiblingCircuits)
{
    CTopnyOkruh first;
    first.BuildLabel(nullptr, 1);
    EXPECT_EQ(first.m_strLabel, "/A");
    EXPECT_EQ(first.m_strFormat, "000000|f9f0b0||1");

    CTopnyOkruh source;
    source.m_strLabel = "101";
    source.m_dEdgeArea = 2.0;
    source.m_dOccupiedArea = 8.0;
    source.m_dHeatFlux = 90.0;
    source.m_dOwnSupplyLength = 4.0;
    source.m_pPipe->m_strCode = "9001-0007";
    CTopnyOkruh second;
    second.BuildLabel(&source, 2);
    EXPECT_EQ(second.m_strLabel, "101/B");
    EXPECT_EQ(second.m_pPipe->m_strCode, "9001-0007");
    EXPECT_EQ(second.m_dOwnSupplyLength, 4.0);
    EXPECT_EQ(second.m_dHeatFlux, 0.0);
    EXPECT_EQ(second.m_nSeparateEdgeZone, 1);
    source.m_strLabel = "101/A";
    CTopnyOkruh third;
    third.BuildLabel(&source, 3);
    EXPECT_EQ(third.m_strLabel, "101/C");
}

TEST(CircuitRecord, AreaSplitCheck)
{
    CTopnyOkruh fits;
    fits.m_dTotalArea = 10.0;
    fits.m_dOccupiedArea = 7.0;
    fits.m_dEdgeArea = 2.0;
    fits.m_dExternalArea = 1.0;
    EXPECT_EQ(fits.CheckAreaSplit(), 0);
    EXPECT_EQ(fits.m_nAreasAdjusted, 0);

    fits.m_dTotalArea = 8.0;
    fits.m_dOccupiedArea = 0.0; // 8 - (1 + 2) = 5
    EXPECT_EQ(fits.CheckAreaSplit(), 0);
    EXPECT_EQ(fits.m_dOccupiedArea, 5.0);
    EXPECT_EQ(fits.m_nAreasAdjusted, 1);

    fits.m_dTotalArea = 2.5; // 2.5 - 3 = -0.5 off the edge zone
    EXPECT_EQ(fits.CheckAreaSplit(), 0);
    EXPECT_EQ(fits.m_dOccupiedArea, 0.0);
    EXPECT_DOUBLE_EQ(fits.m_dEdgeArea, 1.5);

    CTopnyOkruh refused;
    refused.m_strLabel = "101/A";
    refused.m_dTotalArea = 0.5;
    refused.m_dExternalArea = 1.0;
    CString message;
    EXPECT_EQ(refused.CheckAreaSplit(&message), 1);
    EXPECT_NE(message.Find("rozdělení ploch je nyní na uživateli!"), -1);
    EXPECT_NE(message.Find("(Plocha přípojek přes okruh '101/A' je větší než jeho plocha pro vytápění!)"), -1);
}

TEST(CircuitRecord, SupplyChainSegments)
{
    CTopnyOkruh circuit;
    circuit.m_strLabel = "101/A";
    CString segment = "old";
    EXPECT_EQ(circuit.ParseDescription("[102/A{L=3.0}]", segment), 0.0);
    EXPECT_EQ(segment, "");
    EXPECT_DOUBLE_EQ(circuit.ParseDescription("[102/A{L=3.0}][101/A{d16 L=4.5}]", segment), 4.5);
    EXPECT_EQ(segment, "{d16 L=4.5}]");

    circuit.m_strSupplyChain = "[102/A{L=2.0}][101/B{L=1.5}][102/B{L=3.0}][103/C{L=1.0}]";
    circuit.BuildDescription();
    EXPECT_EQ(circuit.m_strSupplyChain, "[102/A{L=5.0}][103/A{L=1.0}]");
}

// Room numbers may hold "/" themselves: a label's room is the text before its last "/", and a
// route entry belongs to a room only when its label's room is the whole room number.
TEST(CircuitRecord, LabelsOfRoomNumbersWithSlash)
{
    struct Case
    {
        const char* label;
        const char* room;
    };
    for (const Case& c : {Case{"2/06/A", "2/06"}, Case{"2/A", "2"}, Case{"101", "101"}, Case{"a/b/c/D", "a/b/c"}})
        EXPECT_EQ(RoomPartOfLabel(c.label), c.room) << c.label;
    EXPECT_EQ(CircuitLabel("12", 3), "12/C");
    EXPECT_EQ(CircuitLabel("2/06", 1), "2/06/A");

    CTopnyOkruh source;
    source.m_strLabel = "2/06/A";
    CTopnyOkruh sibling;
    sibling.BuildLabel(&source, 2);
    EXPECT_EQ(sibling.m_strLabel, "2/06/B");

    const CString route = "[2/05/A{L=1.0}][2/B{L=2.0}][20/A{L=3.0}]";
    struct Crossing
    {
        const char* room;
        bool crossed;
        const char* left;
    };
    for (const Crossing& c : {Crossing{"2", true, "[2/05/A{L=1.0}][20/A{L=3.0}]"},
                              Crossing{"2/05", true, "[2/B{L=2.0}][20/A{L=3.0}]"},
                              Crossing{"2/06", false, "[2/05/A{L=1.0}][2/B{L=2.0}][20/A{L=3.0}]"},
                              Crossing{"20", true, "[2/05/A{L=1.0}][2/B{L=2.0}]"}})
    {
        EXPECT_EQ(RouteCrossesRoom(route, c.room), c.crossed) << c.room;
        CString left = route;
        EXPECT_EQ(RemoveRouteEntriesOfRoom(left, c.room), c.crossed) << c.room;
        EXPECT_EQ(left, c.left) << c.room;
    }

    // The merged circuit of room "2" drops the entries through its own room only.
    CTopnyOkruh merged;
    merged.m_strLabel = "2/A";
    merged.m_strSupplyChain = "[2/06/B{L=2.0}][2/B{L=1.5}][2/05/A{L=1.0}][2/06/A{L=0.5}]";
    merged.BuildDescription();
    EXPECT_EQ(merged.m_strSupplyChain, "[2/06/A{L=2.5}][2/05/A{L=1.0}]");
}

class CircuitRowTest : public ::testing::TestWithParam<char>
{
protected:
    void TearDown() override
    {
        ProjectProgramVersion().Empty();
        AppSettings::Get().KodTopTrub = m_oldPipe;
    }
    void ReadCircuit(CTopnyOkruh& circuit, int row, int kind)
    {
        CData data;
        ASSERT_TRUE(data.Open(m_project.Path(), "Excel 8.0", 0, 0));
        ASSERT_TRUE(data.OpenTable("SeznamM$", "", 0));
        circuit.ReadFromTable(&data, row, kind);
        data.CloseTable();
        data.Close();
    }

    ScopedDecimalSeparator m_locale{GetParam()};
    WorkbookCopy m_project{"MekrOrig.xls", "Projekt.XLS"};
    CString m_oldPipe = AppSettings::Get().KodTopTrub;
};

TEST_P(CircuitRowTest, FloorRowWrittenAndReadBack)
{
    CTopnyOkruh circuit;
    circuit.m_strLabel = "101/A";
    circuit.m_strHeatingMark = "Ano";
    circuit.m_pPipe->m_strCode = "9001-0007";
    circuit.m_dDeliveredOutput = 812.34;
    circuit.m_dRequiredOutput = 900.0;
    circuit.m_dCoveredHeat = 850.0;
    circuit.m_dOutputDifference = 87.66;
    circuit.m_dOccupiedArea = -9.5;
    circuit.m_dHeatFlux = 85.5;
    circuit.m_dSpacing = 0.15;
    circuit.m_dMassFlowKgPerS = 0.0389;
    circuit.m_dMeanTemperatureDifference = 12.3456;
    circuit.m_nManifold = 2;
    circuit.m_strSupplyChain = "[102/A{L=2.0}]";
    {
        CData data;
        ASSERT_TRUE(data.Open(m_project.Path(), "Excel 8.0", 0, 0));
        ASSERT_TRUE(data.OpenTable("SeznamM$", "", 0));
        circuit.SaveToTable(&data, 1, 4);
        data.CloseTable();
        data.Close();
    }
    const auto rows = ReadSheet(m_project.Path(), "SeznamM$");
    ASSERT_EQ(rows.size(), 2u);
    auto cell = [&rows](const char* column) { return CellText(rows[1], column); };
    EXPECT_EQ(cell("TYP_ZAZNAMU"), "4");
    EXPECT_EQ(cell("Hmot_Průtok"), Typed("0.0389", GetParam()));
    EXPECT_EQ(cell("Pl_Využitá"), Typed("9.5", GetParam()));
    EXPECT_EQ(cell("Q_PODL_SKUT"), Typed("812.34", GetParam())) << "every digit kept";
    EXPECT_EQ(cell("ZTRATA_PODL"), Typed("900.0", GetParam())) << "the usual text where it holds the value";
    EXPECT_EQ(cell("deltaHGj"), Typed("12.3456", GetParam()));
    EXPECT_EQ(cell("Stěnové Vytápění"), "Ne");
    EXPECT_EQ(cell("PočetČl"), "");

    for (const char* version : {"", "1.0"})
    {
        ProjectProgramVersion() = version;
        AppSettings::Get().KodTopTrub = "9001-0004";
        CTopnyOkruh back;
        ReadCircuit(back, 1, 4);
        EXPECT_EQ(back.m_strLabel, "101/A");
        EXPECT_EQ(back.m_strHeatingMark, "Ano");
        EXPECT_EQ(back.m_dDeliveredOutput, 812.34);
        EXPECT_DOUBLE_EQ(back.m_dRequiredOutput, 900.0);
        EXPECT_DOUBLE_EQ(back.m_dCoveredHeat, 850.0);
        EXPECT_EQ(back.m_dOutputDifference, std::string(version) == "1.0" ? 0.0 : 87.66);
        EXPECT_DOUBLE_EQ(back.m_dOccupiedArea, 9.5);
        EXPECT_DOUBLE_EQ(back.m_dHeatFlux, 85.5);
        EXPECT_DOUBLE_EQ(back.m_dSpacing, 0.15);
        EXPECT_DOUBLE_EQ(back.m_dMassFlowKgPerS, 0.0389);
        EXPECT_DOUBLE_EQ(back.m_dMeanTemperatureDifference, 12.3456);
        EXPECT_EQ(back.m_nManifold, 2);
        EXPECT_EQ(back.m_nElementCount, 4);
        EXPECT_EQ(back.m_strSupplyChain, "[102/A{L=2.0}]");
        EXPECT_EQ(back.m_pPipe->m_strCode, "9001-0007");
        EXPECT_EQ(AppSettings::Get().KodTopTrub, "9001-0007");
        EXPECT_EQ(back.m_strFormat, "000000|f9f0b0||1");
    }
}

TEST_P(CircuitRowTest, WallRowWithEmptyPipeTakesTheDefaultPipe)
{
    AppendRows(m_project.Path(), "SeznamM$",
               {{{"Číslo                Místnosti", "102/A"}, {"TYP_ZAZNAMU", "5"}, {"PočetČl", "3"},
                 {"ZTRATA_STEN", Typed("450.5", GetParam())}, {"Q_STEN_DIFF", Typed("-12.5", GetParam())},
                 {"Přívodní teplota", Typed("38.0", GetParam())}, {"Vratná teplota", "abc"}}});
    AppSettings::Get().KodTopTrub = "9001-0005";
    CTopnyOkruh wall;
    ReadCircuit(wall, 1, 5);
    EXPECT_EQ(wall.m_pPipe->m_strCode, "9001-0005");
    EXPECT_EQ(wall.m_nElementCount, 3);
    EXPECT_DOUBLE_EQ(wall.m_dRequiredOutput, 450.5);
    EXPECT_DOUBLE_EQ(wall.m_dOutputDifference, -12.5);
    EXPECT_DOUBLE_EQ(wall.m_dFlowTemperature, 38.0);
    EXPECT_DOUBLE_EQ(wall.m_dReturnTemperature, AppSettings::Get().DesignReturnTemperature);
    EXPECT_DOUBLE_EQ(wall.m_dSpread, 38.0 - AppSettings::Get().DesignReturnTemperature);
    EXPECT_EQ(wall.m_dMeanTemperatureDifference, -1.0);
}

INSTANTIATE_TEST_SUITE_P(Locales, CircuitRowTest, ::testing::Values('.', ','));
} // namespace
