// The design room's rows of the floor and wall design grids.
#include "common/AppSettings.h"
#include "controls/grid/CGridCellBase.h"
#include "controls/grid/fmt/CFmtGridCtrl.h"
#include "floorwall/CMistPodlahVytap.h"
#include "hydraulics/CTopnyOkruh.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/ui/CWnd.h"
#include "testing/UiTest.h"

#include <gtest/gtest.h>

namespace
{
class DesignGridRowsTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { UiTest::EnsureApplication(); }
    void SetUp() override
    {
        AppSettings::Get() = AppSettings();
        AppSettings::Get().SetStartValues(0xC0C0C0);
        m_owner.CreateEx(0, nullptr, "rooms", WS_POPUP, CRect(0, 0, 900, 300), nullptr, 0);
        m_grid.Create(CRect(0, 0, 880, 280), &m_owner, 1001);
        m_grid.SetColumnCount(35);
        m_grid.SetFixedRowCount(1);
        m_grid.SetRowCount(1);
    }

    bool Marked(int row, int column) const
    {
        const CGridCellBase* cell = m_grid.GetCell(row, column);
        return cell && cell->GetBackClr() == AppSettings::Get().Colours[0]
               && cell->GetTextClr() == AppSettings::Get().Colours[1];
    }
    CString Text(int row, int column) const { return m_grid.GetItemText(row, column); }
    UINT Format(int row, int column) const { return m_grid.GetCell(row, column)->GetFormat(); }

    // A floor room at 20 °C with one designed circuit.
    static void FloorRoom(CMistPodlahVytap& room)
    {
        room.m_nFloorHeating = 1;
        room.m_strName = "Obývací pokoj";
        room.m_strBuildUpName = "Anhydrit 45";
        room.m_dRoomTemperature = 20.0;
        room.m_dFloorArea = 24.456;
        room.m_dRadiatorOutput = 350.0;
        room.m_nCircuitCount = 1;
        room.m_nSystemType = 1;
        room.m_dFloorLoad = 1200.0;
        auto* circuit = new CTopnyOkruh;
        circuit->m_strLabel = "1.01/A";
        circuit->m_dRequiredOutput = 1200.0;
        circuit->m_dSpacing = 0.15;
        circuit->m_dLoopLength = 150.0;
        circuit->m_dOwnSupplyLength = 10.0;
        circuit->m_dOccupiedArea = 20.0;
        circuit->m_dMaxSurfaceTemperature = 35.0;
        circuit->m_dMeanSurfaceTemperature = 27.0;
        circuit->m_dMassFlowKgPerS = 0.07;
        circuit->m_dPressureLoss = 15000.0;
        circuit->m_nManifold = 2;
        circuit->m_strFormat = "000000|f9f0b0||1";
        room.m_floorCircuits.push_back(circuit);
    }

    CWnd m_owner;
    CFmtGridCtrl m_grid;
};

TEST_F(DesignGridRowsTest, FloorRowShowsTheRoomAndItsCurrentCircuit)
{
    CMistPodlahVytap room;
    FloorRoom(room);
    room.m_dOccupiedArea = 20.0;
    room.FillFloorGridRow(1, &m_grid); // past the end: appended
    ASSERT_EQ(m_grid.GetRowCount(), 2);
    EXPECT_EQ(Text(1, 0), "1.01/A");
    EXPECT_EQ(Text(1, 1), "Obývací pokoj");
    EXPECT_EQ(Text(1, 12), "Anhydrit 45");
    EXPECT_EQ(Text(1, 14), "24.46");
    EXPECT_EQ(Text(1, 8), "    350.0");
    EXPECT_EQ(Text(1, 7), "   1200.0");
    EXPECT_EQ(Text(1, 18), "0.150");
    EXPECT_EQ(Text(1, 3), "29.0"); // 20 °C + 9 with an occupied zone
    EXPECT_EQ(Text(1, 26), "    252.0");
    EXPECT_EQ(Format(1, 26) & DT_RIGHT, UINT(DT_RIGHT));
    EXPECT_EQ(Text(1, 30), "2");
    EXPECT_EQ(Text(1, 34), "000000|f9f0b0||1");
    EXPECT_TRUE(Marked(1, 26)); // 252 kg/h above 240
    EXPECT_FALSE(Marked(1, 19)); // 160 m is the limit itself
    EXPECT_FALSE(Marked(1, 27));
    EXPECT_FALSE(Marked(1, 4));
    EXPECT_EQ(m_grid.GetCell(1, 18)->GetBackClr(), AppSettings::Get().Colours[2]);

    room.m_dOccupiedArea = 0.0; // the circuit's own limit then
    room.FillFloorGridRow(1, &m_grid);
    EXPECT_EQ(m_grid.GetRowCount(), 2);
    EXPECT_EQ(Text(1, 3), "35.0");
}

TEST_F(DesignGridRowsTest, FloorRowMarksTheLimitsItBreaks)
{
    CMistPodlahVytap room;
    FloorRoom(room);
    room.m_dOccupiedArea = 20.0;
    CTopnyOkruh& c = *room.m_floorCircuits[0];
    c.m_dMeanSurfaceTemperature = 29.1;
    c.m_dOccupiedArea = -0.5;
    c.m_dPressureLoss = 20000.5; // above the 20000 Pa of an unset limit
    c.m_dOutputDifference = 0.1;
    c.m_dMassFlowKgPerS = 0.05;
    c.m_dOwnSupplyLength = 10.5;
    c.m_dEdgeArea = 1.0;
    c.m_dExternalArea = 10.0; // 0.95 × (10 + 1 − 0.5) < 10
    room.FillFloorGridRow(1, &m_grid);
    for (int column : {4, 16, 27, 10, 19, 20, 21})
        EXPECT_TRUE(Marked(1, column)) << column;
    EXPECT_FALSE(Marked(1, 26));
}

TEST_F(DesignGridRowsTest, FloorRoomWithoutItsCurrentCircuitShowsOnlyTheRoom)
{
    CMistPodlahVytap room;
    FloorRoom(room);
    room.m_nCurrentCircuit = 1;
    room.FillFloorGridRow(5, &m_grid);
    EXPECT_EQ(Text(1, 1), "Obývací pokoj");
    EXPECT_EQ(Text(1, 0), "");
    EXPECT_EQ(Text(1, 26), "");
    EXPECT_EQ(Text(1, 34), "");
    EXPECT_NE(m_grid.GetCell(1, 18)->GetBackClr(), AppSettings::Get().Colours[2]);
}

TEST_F(DesignGridRowsTest, WallRowsShowTheDifferenceAndAppendWithTheirNumber)
{
    CMistPodlahVytap room;
    room.m_strNumber = "1.02";
    room.m_strName = "Koupelna";
    room.m_dRoomTemperature = 24.0;
    room.m_dWallExcessTemperature = 8.25;
    room.m_dWallLoad = 600.0;
    room.m_dWallOutput = 650.0;
    room.m_dAvailableArea = 6.0;
    room.m_dRequiredWallArea = 4.2;
    room.m_dRealisedArea = 4.5;
    room.FillWallGridRow(-1, &m_grid);
    ASSERT_EQ(m_grid.GetRowCount(), 2);
    EXPECT_EQ(m_grid.GetItemText(1, 0), "1");
    EXPECT_EQ(Text(1, 1), "1.02");
    EXPECT_EQ(Format(1, 1) & (DT_RIGHT | DT_CENTER), 0u);
    EXPECT_EQ(Text(1, 4), "8.3");
    EXPECT_EQ(Text(1, 10), "-50");
    EXPECT_EQ(room.m_dWallDifference, -50.0);
    EXPECT_FALSE(Marked(1, 10));
    EXPECT_FALSE(Marked(1, 7));

    room.m_dWallOutput = 500.0;
    room.m_dRealisedArea = 6.5;
    room.FillWallGridRow(1, &m_grid);
    EXPECT_EQ(m_grid.GetRowCount(), 2);
    EXPECT_EQ(Text(1, 10), "100");
    EXPECT_TRUE(Marked(1, 10));
    EXPECT_TRUE(Marked(1, 7));
}
} // namespace
