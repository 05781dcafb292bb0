// Heating circuits as grid rows: each limit marks its cell just above the limit, not at it.
#include "common/AppSettings.h"
#include "controls/grid/CGridCellBase.h"
#include "controls/grid/fmt/CFmtGridCtrl.h"
#include "hydraulics/CTopnyOkruh.h"
#include "hydraulics/ui/CircuitGridRows.h"
#include "platform/ui/CWnd.h"
#include "testing/UiTest.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{
class CircuitGridRowsTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { UiTest::EnsureApplication(); }
    void SetUp() override
    {
        AppSettings::Get().SetStartValues(0xC0C0C0);
        m_owner.CreateEx(0, nullptr, "circuits", WS_POPUP, CRect(0, 0, 900, 300), nullptr, 0);
        m_grid.Create(CRect(0, 0, 880, 280), &m_owner, 1001);
        m_grid.SetColumnCount(35);
        m_grid.SetFixedRowCount(1);
        m_grid.SetRowCount(1);
    }
    void TearDown() override { AppSettings::Get().SetStartValues(0xC0C0C0); }

    bool Marked(int row, int column) const
    {
        const CGridCellBase* cell = m_grid.GetCell(row, column);
        return cell && cell->GetBackClr() == AppSettings::Get().Colours[0];
    }

    CWnd m_owner;
    CFmtGridCtrl m_grid;
};

struct LimitCase
{
    const char* name;
    int column;
    std::function<void(CTopnyOkruh&, bool above)> set;
};

TEST_F(CircuitGridRowsTest, FloorDesignRowMarksEachLimit)
{
    AppSettings::Get().MaxTlakZtrata = 20000.0;
    const LimitCase cases[] = {
        {"output difference", 10, [](CTopnyOkruh& c, bool above) { c.m_dOutputDifference = above ? 0.1 : 0.0; }},
        {"mass flow", 26,
         [](CTopnyOkruh& c, bool above) { c.m_dMassFlowKgPerS = (above ? 240.1 : 240.0) / 3600.0; }},
        {"foreign area", 21,
         [](CTopnyOkruh& c, bool above) {
             c.m_dOccupiedArea = 1.0;
             c.m_dExternalArea = above ? 19.1 : 19.0; // 0.95 × (1 + 19) = 19
         }},
        {"surface temperature", 4,
         [](CTopnyOkruh& c, bool above) {
             c.m_dOccupiedArea = 5.0; // limit 20 + 9
             c.m_dMeanSurfaceTemperature = above ? 29.1 : 29.0;
         }},
        {"pressure loss", 27, [](CTopnyOkruh& c, bool above) { c.m_dPressureLoss = above ? 20000.1 : 20000.0; }},
        {"loop length", 19,
         [](CTopnyOkruh& c, bool above) {
             c.m_dLoopLength = 150.0;
             c.m_dOwnSupplyLength = above ? 10.1 : 10.0;
         }},
    };
    for (const LimitCase& limit : cases)
        for (bool above : {false, true})
        {
            SCOPED_TRACE(testing::Message() << limit.name << (above ? " above" : " at"));
            CTopnyOkruh circuit;
            limit.set(circuit, above);
            FormatDesignGridRow(circuit, -1, m_grid, 20.0);
            const int row = m_grid.GetRowCount() - 1;
            EXPECT_EQ(Marked(row, limit.column), above);
            if (limit.column == 19)
                EXPECT_EQ(Marked(row, 20), above);
        }
}

TEST_F(CircuitGridRowsTest, UnsetPressureLimitMarksAbove20000Pa)
{
    AppSettings::Get().MaxTlakZtrata = 0.0;
    for (const auto& [loss, marked] : {std::pair{50000.0, true}, std::pair{15000.0, false}})
    {
        CTopnyOkruh circuit;
        circuit.m_dPressureLoss = loss;
        const int row = m_grid.GetRowCount();
        FormatDesignGridRow(circuit, -1, m_grid, 20.0);
        EXPECT_EQ(Marked(row, 27), marked) << loss;
    }
    EXPECT_EQ(m_grid.GetItemText(1, 27), "  50000.0");
}

TEST_F(CircuitGridRowsTest, WallDesignRowMarksLossAndFlow)
{
    for (bool above : {false, true})
    {
        CTopnyOkruh circuit;
        circuit.m_strLabel = "101/1";
        circuit.m_dPressureLoss = above ? 35000.1 : 35000.0;
        circuit.m_dMassFlowKgPerS = (above ? 240.1 : 240.0) / 3600.0;
        FormatTableCells(circuit, m_grid, "101 Obývák", -1);
        const int row = m_grid.GetRowCount() - 1;
        EXPECT_EQ(m_grid.GetItemText(row, 0), above ? "2" : "1");
        EXPECT_EQ(m_grid.GetItemText(row, 2), "101/1");
        EXPECT_EQ(Marked(row, 11), above);
        EXPECT_EQ(Marked(row, 10), above);
    }
}

TEST_F(CircuitGridRowsTest, ConstructionRowColoursTheForeignLength)
{
    for (bool above : {false, true})
    {
        CTopnyOkruh circuit;
        circuit.m_dOccupiedArea = 10.0;
        circuit.m_dExternalArea = above ? 9.6 : 9.5; // 0.95 × 10 = 9.5
        FormatGridCells(circuit, -1, m_grid);
        const int row = m_grid.GetRowCount() - 1;
        EXPECT_EQ(Marked(row, 9), above);
    }
}
} // namespace
