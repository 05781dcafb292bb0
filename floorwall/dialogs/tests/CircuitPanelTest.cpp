// The circuit recalculation panel (304) and the manifold indices dialog (305), off screen.
#include "common/AppSettings.h"
#include "controls/grid/CGridCellBase.h"
#include "controls/grid/GridDefs.h"
#include "controls/grid/GridNotify.h"
#include "floorwall/CCSN_EN_1264.h"
#include "floorwall/CMistPodlahVytap.h"
#include "floorwall/SpacingSeriesList.h"
#include "floorwall/dialogs/CIndexyRozdelovace.h"
#include "floorwall/dialogs/CKalkulackaPodlah.h"
#include "floorwall/dialogs/CircuitPanelIds.h"
#include "hydraulics/CTopnyOkruh.h"
#include "hydraulics/PressureDrop.h"
#include "platform/ui/DialogShot.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <QDir>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

namespace
{
constexpr double kReference = 15.0; // ΔθV,des of the design, K

bool Marked(const CGridCtrl& grid, int row, int column)
{
    const CGridCellBase* cell = grid.GetCell(row, column);
    return cell && cell->GetBackClr() == AppSettings::Get().Colours[0];
}

void RenderPicture(CDialog& d, const char* name)
{
    const QDir dir(KALVENROD_PICTURE_DIR);
    dir.mkpath(".");
    EXPECT_TRUE(DialogShot::Render(d, dir.filePath(name).toStdString()));
}

class CircuitPanelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        UiTest::EnsureApplication();
        ScriptedAnswers::Reset();
        AppSettings& settings = AppSettings::Get();
        settings = AppSettings();
        settings.SetStartValues(0xC0C0C0);
        settings.LoadCaptions();
        settings.MinimRoztec = "0.075";
        FreeSpacingSeriesList();
        FillDefaultSpacingSeries(); // 0.075, 0.15, 0.225, 0.3
        m_calc.CollectPipeSpacings();
        m_room.m_nFloorHeating = 1;
        m_room.m_nSystemType = 1;
        m_room.m_dRoomTemperature = 20.0;
        m_room.m_dCoveringResistance = 0.1;
        m_room.m_dScreedConductivity = 1.2;
        m_room.m_dScreedThickness = 45.0;
        auto* c = new CTopnyOkruh;
        c->m_strLabel = "1.01/A";
        c->m_pPipe->m_strCode = "9001-0004";
        c->m_pPipe->m_dOuterDiameter = 0.016;
        c->m_pPipe->m_dCoatingDiameter = 0.016;
        c->m_pPipe->m_dWallThickness = 0.002;
        c->m_pPipe->m_dPipeConductivity = 0.35;
        c->m_pPipe->m_dCoatingConductivity = 0.35;
        c->m_dFlowTemperature = 40.0;
        c->m_dReturnTemperature = 35.0;
        c->m_dSpread = 5.0;
        c->m_dOccupiedArea = 10.0;
        c->m_dTotalArea = 10.0;
        c->m_dRequiredOutput = 900.0;
        c->m_dOwnSupplyLength = 6.0;
        c->m_dSpacing = 0.15;
        c->m_dPressureLoss = 1234.0;
        m_room.m_floorCircuits.push_back(c);
        m_room.m_nCircuitCount = 1;
    }
    void TearDown() override
    {
        FreeSpacingSeriesList();
        ScriptedAnswers::Reset();
    }

    CTopnyOkruh& Circuit() { return *m_room.m_floorCircuits[0]; }

    int Run(const std::function<int(CKalkulackaPodlah&)>& action)
    {
        CKalkulackaPodlah panel;
        panel.m_pRoom = &m_room;
        panel.m_pCalculation = &m_calc;
        panel.m_dReferenceValue = kReference;
        ScriptedAnswers::OnDialog(IDD_KALKULACKA_PODLAH, [&](CDialog& d) { return action(panel); });
        return int(panel.DoModal());
    }

    static int RowOf(const CGridCtrl& grid, const char* spacing)
    {
        for (int row = 1; row < grid.GetRowCount(); ++row)
            if (grid.GetItemText(row, 0) == spacing)
                return row;
        return -1;
    }

    static bool Selected(const CGridCtrl& grid, int row)
    {
        const CCellRange range = grid.GetSelectedCellRange();
        return range.IsValid() && range.GetMinRow() == row && range.GetMaxRow() == row;
    }

    static void LeaveSpread(CDialog& d, const char* text)
    {
        d.GetDlgItem(IDC_KP_SPREAD)->SetFocus();
        d.SetDlgItemText(IDC_KP_SPREAD, text);
        d.GetDlgItem(IDC_KP_RECALCULATE)->SetFocus();
        UiTest::ProcessEvents();
    }

    CCSN_EN_1264 m_calc;
    CMistPodlahVytap m_room;
};

TEST_F(CircuitPanelTest, EveryUsableSpacingIsAVariantOfTheRoomsOwnFloor)
{
    Run([&](CKalkulackaPodlah& d) {
        CString caption;
        d.GetWindowText(caption);
        EXPECT_EQ(caption, "kalvenrod - Úpravy výpočtu okruhu : 1.01/A");
        CString spread;
        d.GetDlgItemText(IDC_KP_SPREAD, spread);
        EXPECT_EQ(spread, "5.0");
        const char* headings[] = {"Rozteč [m]", "Okruhy [W]", "Chybí [W]", "q [W/m2]", "L okruh [m]", "TV [°C]",
                                  "TR [°C]", "mH [kg/hod.]", "TlakZtráta", "TFm [°C]"};
        for (int c = 0; c < 10; ++c)
            EXPECT_EQ(d.m_grid.GetItemText(0, c), headings[c]);
        EXPECT_EQ(d.m_grid.GetRowCount(), 5);

        // The 0.15 m variant worked from the core's limit curve for a type A floor at 20 °C:
        // θF,max 29 °C (no edge zone), φ 1, qlim 100 W/m².
        const int row = RowOf(d.m_grid, "0.150");
        EXPECT_TRUE(Selected(d.m_grid, row)); // the circuit's own spacing
        const CCSN_EN_1264::Characteristic c =
            m_calc.CandidateCharacteristic(m_room, *Circuit().m_pPipe, 1, 0.15, 1.0, 100.0, false);
        const double q = (kReference - 2.5) * c.limitHeatFlux / c.limitTemperatureDiff;
        CString text;
        text.Format("%.1f", q);
        EXPECT_EQ(d.m_grid.GetItemText(row, 3), text);
        text.Format("%.0f", 900.0 - 10.0 * q);
        EXPECT_EQ(d.m_grid.GetItemText(row, 2), text);
        EXPECT_EQ(d.m_grid.GetItemText(row, 4), "67.0"); // 10 / 0.15 = 66.7, up to the half metre
        EXPECT_EQ(d.m_grid.GetItemText(row, 1), "900");
        EXPECT_EQ(d.m_grid.GetItemText(row, 5), "40.0");
        EXPECT_EQ(d.m_grid.GetItemText(row, 6), "35.0");
        text.Format("%.1f", 20.0 + std::pow(q * 0.11210762331838565, 0.9090909090909091));
        EXPECT_EQ(d.m_grid.GetItemText(row, 9), text);
        EXPECT_FALSE(d.m_grid.GetItemText(row, 7).IsEmpty());
        EXPECT_FALSE(d.m_grid.GetItemText(row, 8).IsEmpty());
        RenderPicture(d, "dialog-304-circuit-panel.png");
        return IDCANCEL;
    });
    EXPECT_EQ(Circuit().m_dPressureLoss, 1234.0); // Cancel leaves the circuit
    EXPECT_EQ(Circuit().m_dSpacing, 0.15);
}

TEST_F(CircuitPanelTest, TheSpreadRecalculatesAndNoneIsRefused)
{
    Run([&](CKalkulackaPodlah& d) {
        const int row = RowOf(d.m_grid, "0.225");
        const CString flux = d.m_grid.GetItemText(row, 3);
        LeaveSpread(d, "8,04");
        CString spread;
        d.GetDlgItemText(IDC_KP_SPREAD, spread);
        EXPECT_EQ(spread, "8.0");
        EXPECT_EQ(d.m_grid.GetItemText(row, 6), "32.0");
        EXPECT_NE(d.m_grid.GetItemText(row, 3), flux); // (V − σ/2) changed

        LeaveSpread(d, "0");
        EXPECT_EQ(d.m_grid.GetItemText(row, 6), "32.0");

        // Enter keeps the panel open.
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        EXPECT_TRUE(d.IsWindowVisible());
        return IDCANCEL;
    });
}

TEST_F(CircuitPanelTest, OkTakesTheChosenVariantIntoTheCircuit)
{
    const int result = Run([&](CKalkulackaPodlah& d) {
        d.m_grid.ResetSelectedRange();
        UiTest::Click(d.GetDlgItem(IDC_KP_TAKE));
        UiTest::ProcessEvents();
        EXPECT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);

        const int row = RowOf(d.m_grid, "0.225");
        d.m_grid.SetSelectedRange(row, 0, row, 10);
        UiTest::Click(d.GetDlgItem(IDC_KP_TAKE));
        return 99;
    });
    EXPECT_EQ(result, IDOK);
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].text, "Nebyla vybrána varianta!");
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].caption, "kalvenrod - chyba");
    const CTopnyOkruh& c = Circuit();
    EXPECT_EQ(c.m_dSpacing, 0.225);
    EXPECT_EQ(c.m_dLoopLength, 44.5); // 10 / 0.225 = 44.4
    EXPECT_EQ(c.m_dReturnTemperature, 35.0);
    EXPECT_EQ(c.m_dSpread, 5.0);
    EXPECT_EQ(c.m_dFlowTemperature, 40.0);
    EXPECT_EQ(c.m_dRequiredOutput, 900.0);
    EXPECT_GT(c.m_dHeatFlux, 0.0);
    EXPECT_NE(c.m_dPressureLoss, 1234.0);
    EXPECT_GT(c.m_dMassFlowKgPerS, 0.0);
    EXPECT_GT(c.m_dMeanSurfaceTemperature, 20.0);
}

TEST_F(CircuitPanelTest, LimitsAreMarkedPerVariant)
{
    Circuit().m_dOccupiedArea = 12.0; // 160 m at 0.075 with 6 m of supply
    Circuit().m_dRequiredOutput = 5000.0;
    Run([&](CKalkulackaPodlah& d) {
        const int narrow = RowOf(d.m_grid, "0.075");
        const int wide = RowOf(d.m_grid, "0.300");
        EXPECT_EQ(d.m_grid.GetItemText(narrow, 4), "160.0");
        EXPECT_TRUE(Marked(d.m_grid, narrow, 4));
        EXPECT_FALSE(Marked(d.m_grid, wide, 4));
        EXPECT_TRUE(Marked(d.m_grid, wide, 2)); // 5000 W are far from covered
        return IDCANCEL;
    });
}

TEST_F(CircuitPanelTest, AnEdgeZoneIsLaidAtTheSmallestSpacingWhenOneIsSet)
{
    struct Case
    {
        const char* minimRoztec;
        const char* loop; // at 0.15 m
    };
    // 10 / 0.15 + 2 / 0.075 = 93.3; without a smallest spacing the occupied zone alone.
    const Case cases[] = {{"0.075", "93.5"}, {"0", "67.0"}};
    Circuit().m_dEdgeArea = 2.0;
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.minimRoztec);
        AppSettings::Get().MinimRoztec = c.minimRoztec;
        Run([&](CKalkulackaPodlah& d) {
            EXPECT_EQ(d.m_grid.GetItemText(RowOf(d.m_grid, "0.150"), 4), c.loop);
            return IDCANCEL;
        });
    }
}

TEST_F(CircuitPanelTest, ATypeBFloorTakesItsOwnLimitCurve)
{
    m_room.m_nSystemType = 2;
    Run([&](CKalkulackaPodlah& d) {
        const CCSN_EN_1264::Characteristic c =
            m_calc.CandidateCharacteristic(m_room, *Circuit().m_pPipe, 2, 0.15, 1.0, 100.0, false);
        const CCSN_EN_1264::Characteristic a =
            m_calc.CandidateCharacteristic(m_room, *Circuit().m_pPipe, 1, 0.15, 1.0, 100.0, false);
        CString text;
        text.Format("%.1f", (kReference - 2.5) * c.limitHeatFlux / c.limitTemperatureDiff);
        EXPECT_EQ(d.m_grid.GetItemText(RowOf(d.m_grid, "0.150"), 3), text);
        text.Format("%.1f", (kReference - 2.5) * a.limitHeatFlux / a.limitTemperatureDiff);
        EXPECT_NE(d.m_grid.GetItemText(RowOf(d.m_grid, "0.150"), 3), text);
        return IDCANCEL;
    });
}

TEST_F(CircuitPanelTest, WithoutTheSelectedCircuitThePanelEndsAtOnce)
{
    m_room.m_nCurrentCircuit = 1;
    bool ran = false;
    const int result = Run([&](CKalkulackaPodlah&) {
        ran = true;
        return IDOK;
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_FALSE(ran && result == IDOK);
}

// ---- manifold indices ----

class ManifoldDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        UiTest::EnsureApplication();
        ScriptedAnswers::Reset();
        AppSettings::Get() = AppSettings();
        AppSettings::Get().SetStartValues(0xC0C0C0);
        AppSettings::Get().LoadCaptions();
    }
    void TearDown() override
    {
        for (CMistPodlahVytap* room : m_rooms)
            delete room;
        ScriptedAnswers::Reset();
    }

    // A floor room with circuits "<number>/A", "/B" ... on these manifolds, laid at 0.15 m.
    CMistPodlahVytap& Room(const char* number, std::initializer_list<int> manifolds)
    {
        auto* room = new CMistPodlahVytap;
        room->m_nFloorHeating = 1;
        room->m_strNumber = number;
        char letter = 'A';
        for (int manifold : manifolds)
        {
            auto* c = new CTopnyOkruh;
            c->m_strLabel = CString(number) + "/" + CString(std::string(1, letter++).c_str());
            c->m_nManifold = manifold;
            c->m_dSpacing = 0.15;
            c->m_dLoopLength = 50.0;
            room->m_floorCircuits.push_back(c);
        }
        m_rooms.push_back(room);
        return *room;
    }

    int Run(const std::function<int(CIndexyRozdelovace&)>& action)
    {
        CIndexyRozdelovace dialog;
        dialog.m_nMode = 11;
        dialog.m_pRooms = &m_rooms;
        ScriptedAnswers::OnDialog(IDD_INDEXY_ROZDELOVACE, [&](CDialog&) { return action(dialog); });
        return int(dialog.DoModal());
    }

    static void EditCell(CIndexyRozdelovace& d, int row, int column, const char* text)
    {
        GridNotify notify;
        notify.hdr.hwndFrom = d.m_grid.GetSafeHwnd();
        notify.hdr.idFrom = IDC_IR_GRID;
        notify.iRow = row;
        notify.iColumn = column;
        notify.hdr.code = UINT(GVN_BEGINLABELEDIT);
        if (d.SendMessage(WM_NOTIFY, IDC_IR_GRID, reinterpret_cast<LPARAM>(&notify)) < 0)
            return;
        d.m_grid.SetItemText(row, column, text);
        notify.hdr.code = UINT(GVN_ENDLABELEDIT);
        d.SendMessage(WM_NOTIFY, IDC_IR_GRID, reinterpret_cast<LPARAM>(&notify));
    }

    static bool Offered(const CIndexyRozdelovace& d, const char* label)
    {
        for (INT_PTR i = 0; i < d.m_availableLabels.GetSize(); ++i)
            if (d.m_availableLabels[i] == label)
                return true;
        return false;
    }

    static void Ok(CIndexyRozdelovace& d)
    {
        UiTest::Click(d.GetDlgItem(IDOK));
        UiTest::ProcessEvents();
    }

    std::vector<CMistPodlahVytap*> m_rooms;
};

TEST_F(ManifoldDialogTest, ManifoldsAreRenumberedInTheirOrderAndStoredSo)
{
    CMistPodlahVytap& a = Room("1.01", {5, 2});
    CMistPodlahVytap& b = Room("1.02", {0, -3});
    const int result = Run([&](CIndexyRozdelovace& d) {
        CString caption;
        d.GetWindowText(caption);
        EXPECT_EQ(caption, "kalvenrod - okruhy rozdělovače");
        EXPECT_EQ(d.m_grid.GetColumnCount(), 3);
        EXPECT_EQ(d.m_grid.GetRowCount(), 13);
        EXPECT_EQ(d.m_grid.GetItemText(0, 0), "#");
        EXPECT_EQ(d.m_grid.GetItemText(12, 0), "12");
        EXPECT_EQ(d.m_grid.GetItemText(0, 1), "1");
        EXPECT_EQ(d.m_grid.GetItemText(1, 1), "1.01/B");
        EXPECT_EQ(d.m_grid.GetItemText(0, 2), "2");
        EXPECT_EQ(d.m_grid.GetItemText(1, 2), "1.01/A");
        EXPECT_FALSE(Offered(d, "1.01/A"));
        EXPECT_TRUE(Offered(d, "1.02/A"));
        EXPECT_TRUE(Offered(d, "1.02/B")); // its negative index became 0
        RenderPicture(d, "dialog-305-manifolds.png");
        Ok(d);
        return 99;
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(a.m_floorCircuits[0]->m_nManifold, 2);
    EXPECT_EQ(a.m_floorCircuits[1]->m_nManifold, 1);
    EXPECT_EQ(b.m_floorCircuits[0]->m_nManifold, 0);
    EXPECT_EQ(b.m_floorCircuits[1]->m_nManifold, 0);
}

TEST_F(ManifoldDialogTest, ChoosingAndClearingCellsMovesLabelsAndNextAddsAManifold)
{
    CMistPodlahVytap& a = Room("2.01", {0, 0, 0});
    Run([&](CIndexyRozdelovace& d) {
        EXPECT_EQ(d.m_grid.GetColumnCount(), 2); // one empty manifold "1"
        EXPECT_EQ(d.m_grid.GetItemText(0, 1), "1");
        EditCell(d, 1, 1, "2.01/B");
        EXPECT_FALSE(Offered(d, "2.01/B"));
        EditCell(d, 1, 1, "2.01/C"); // replaced: B offered again
        EXPECT_TRUE(Offered(d, "2.01/B"));
        EXPECT_FALSE(Offered(d, "2.01/C"));
        EditCell(d, 2, 1, "nic takového"); // not offered: nothing else changes
        EXPECT_TRUE(Offered(d, "2.01/B"));
        EditCell(d, 2, 1, "");
        UiTest::Click(d.GetDlgItem(IDC_IR_NEXT));
        UiTest::ProcessEvents();
        EXPECT_EQ(d.m_grid.GetColumnCount(), 3);
        EXPECT_EQ(d.m_grid.GetItemText(0, 2), "2");
        EditCell(d, 1, 2, "2.01/A");
        EditCell(d, 0, 2, "2.01/B"); // the heading is not edited
        EXPECT_EQ(d.m_grid.GetItemText(0, 2), "2");
        Ok(d);
        return 99;
    });
    EXPECT_EQ(a.m_floorCircuits[0]->m_nManifold, 2);
    EXPECT_EQ(a.m_floorCircuits[1]->m_nManifold, 0);
    EXPECT_EQ(a.m_floorCircuits[2]->m_nManifold, 1);
}

TEST_F(ManifoldDialogTest, DuplicateLabelsAndUnlaidCircuits)
{
    CMistPodlahVytap& a = Room("3.01", {1});
    CMistPodlahVytap& twin = Room("3.01", {1}); // the same label again
    CMistPodlahVytap& unlaid = Room("3.02", {1});
    unlaid.m_floorCircuits[0]->m_dLoopLength = 0.0; // a spacing, no loop, no supply
    Run([&](CIndexyRozdelovace& d) {
        EXPECT_EQ(d.m_allLabels.GetSize(), 2);
        EXPECT_FALSE(Offered(d, "3.02/A"));
        Ok(d);
        return 99;
    });
    EXPECT_EQ(a.m_floorCircuits[0]->m_nManifold, 1);
    EXPECT_EQ(twin.m_floorCircuits[0]->m_nManifold, 0);
    EXPECT_EQ(unlaid.m_floorCircuits[0]->m_nManifold, 0);
}

TEST_F(ManifoldDialogTest, AManifoldOfThirteenCircuitsIsToldAndItsThirteenthStaysOnOffer)
{
    CMistPodlahVytap& a = Room("4.01", {3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3});
    Run([&](CIndexyRozdelovace& d) {
        EXPECT_EQ(d.m_grid.GetItemText(12, 1), "4.01/L");
        EXPECT_TRUE(Offered(d, "4.01/M"));
        EXPECT_EQ(d.m_availableLabels.GetSize(), 1);
        Ok(d);
        return 99;
    });
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].text, "Na rozdělovač '1' je navrženo připojit 13 okruhů!!");
    EXPECT_EQ(a.m_floorCircuits[11]->m_nManifold, 1);
    EXPECT_EQ(a.m_floorCircuits[12]->m_nManifold, 0);
}

TEST_F(ManifoldDialogTest, WallModeTakesTheWallCircuits)
{
    CMistPodlahVytap& a = Room("5.01", {0});
    a.m_nWallHeating = 1;
    auto* wall = new CTopnyOkruh;
    wall->m_strLabel = "5.01/W";
    wall->m_nManifold = 4;
    a.m_wallCircuits.push_back(wall);
    CIndexyRozdelovace dialog;
    dialog.m_nMode = 19;
    dialog.m_pRooms = &m_rooms;
    ScriptedAnswers::OnDialog(IDD_INDEXY_ROZDELOVACE, [&](CDialog&) {
        EXPECT_EQ(dialog.m_grid.GetItemText(1, 1), "5.01/W");
        EXPECT_EQ(dialog.m_allLabels.GetSize(), 1);
        Ok(dialog);
        return 99;
    });
    EXPECT_EQ(int(dialog.DoModal()), IDOK);
    EXPECT_EQ(wall->m_nManifold, 1);
    EXPECT_EQ(a.m_floorCircuits[0]->m_nManifold, 0);
}
} // namespace
