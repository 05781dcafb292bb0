// The wall heating area split dialog on a room: the rows for the realised area, an edited
// circuit, the question on a differing sum and the room's new wall circuits.
#include "../../tests/HydraulicsFixtures.h"

#include "common/AppSettings.h"
#include "controls/grid/GridDefs.h"
#include "controls/grid/GridNotify.h"
#include "floorwall/CMistPodlahVytap.h"
#include "hydraulics/CTopnyOkruh.h"
#include "hydraulics/ui/CDeleniPloch.h"
#include "hydraulics/ui/SizingIds.h"
#include "platform/ui/DialogShot.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <gtest/gtest.h>

#include <QDir>

namespace
{
class AreaSplitDialogTest : public ::testing::TestWithParam<char>
{
protected:
    // Before the fixture's dialog exists.
    static void SetUpTestSuite() { UiTest::EnsureApplication(); }
    void SetUp() override
    {
        ScriptedAnswers::Reset();
        AppSettings::Get().SetStartValues(0xC0C0C0);
        m_room.m_strNumber = "101";
        m_room.m_strName = "Obývací pokoj";
        m_room.m_dAvailableArea = 24.0;
        m_room.m_dRequiredWallArea = 15.3;
        m_room.m_dRealisedArea = 12.0;
        m_room.m_dOwnLength = 6.0;
        m_room.m_dFlowTemperature = 40.0;
        m_room.m_dReturnTemperature = 35.0;
        m_room.m_dHeatFluxDensity = 80.0;
        auto* old = new CTopnyOkruh;
        old->m_nManifold = 3;
        m_room.m_wallCircuits.push_back(old); // owned by the room
        m_dialog.m_pRoom = &m_room;
    }
    void TearDown() override
    {
        EXPECT_TRUE(ScriptedAnswers::UnansweredDialogs().empty());
        ScriptedAnswers::Reset();
    }
    static void EditCell(CDeleniPloch& dialog, int row, int column, const char* text, int* result = nullptr)
    {
        GridNotify notify;
        notify.hdr.hwndFrom = dialog.m_grid.GetSafeHwnd();
        notify.hdr.idFrom = IDC_SPLIT_GRID;
        notify.iRow = row;
        notify.iColumn = column;
        notify.hdr.code = UINT(GVN_BEGINLABELEDIT);
        const int begin = int(dialog.SendMessage(WM_NOTIFY, IDC_SPLIT_GRID, reinterpret_cast<LPARAM>(&notify)));
        if (result)
            *result = begin;
        if (begin < 0)
            return;
        dialog.m_grid.SetItemText(row, column, text);
        notify.hdr.code = UINT(GVN_ENDLABELEDIT);
        dialog.SendMessage(WM_NOTIFY, IDC_SPLIT_GRID, reinterpret_cast<LPARAM>(&notify));
    }
    static void LeaveRealised(CDialog& d, const char* text)
    {
        d.SetDlgItemText(IDC_SPLIT_REALISED, text);
        d.GetDlgItem(IDC_SPLIT_REALISED)->SetFocus();
        d.GetDlgItem(IDC_SPLIT_COUNT)->SetFocus();
        UiTest::ProcessEvents();
    }

    ScopedDecimalSeparator m_locale{GetParam()};
    CMistPodlahVytap m_room;
    CDeleniPloch m_dialog;
};

TEST_P(AreaSplitDialogTest, RoomGetsTheCircuitsOfTheRows)
{
    const char separator = GetParam();
    ScriptedAnswers::OnDialog(IDD_DELENI_PLOCH, [separator](CDialog& d) {
        auto& dialog = static_cast<CDeleniPloch&>(d);
        LeaveRealised(d, "17");
        CString count;
        d.GetDlgItemText(IDC_SPLIT_COUNT, count);
        EXPECT_EQ(count, "3");
        EXPECT_EQ(dialog.m_grid.GetRowCount(), 4);
        EXPECT_EQ(dialog.m_grid.GetItemText(1, 1), Typed("5.67", separator));
        EXPECT_EQ(dialog.m_grid.GetItemText(1, 2), "4");
        EXPECT_EQ(dialog.m_grid.GetItemText(1, 3), Typed("1.42", separator));

        int refused = 0;
        EditCell(dialog, 1, 1, "9", &refused); // above 8 m²: the old value stays
        EXPECT_EQ(dialog.m_grid.GetItemText(1, 1), Typed("5.67", separator));
        EditCell(dialog, 1, 1, "0");
        EXPECT_EQ(dialog.m_grid.GetItemText(1, 1), Typed("5.67", separator));
        EditCell(dialog, 1, 5, "1", &refused);
        EXPECT_EQ(refused, -1);
        EditCell(dialog, 2, 1, Typed("3.5", separator));
        EXPECT_EQ(dialog.m_grid.GetItemText(2, 2), "3");
        EXPECT_EQ(dialog.m_grid.GetItemText(2, 3), Typed("1.17", separator));
        EXPECT_TRUE(DialogShot::Render(d, std::string(KALVENROD_PICTURE_DIR) + "/dialog-312.png"));

        ScriptedAnswers::AnswerBox(IDNO); // 5.67 + 3.5 + 5.67 is not 17: No keeps the dialog open
        UiTest::Click(d.GetDlgItem(IDC_SPLIT_OK));
        EXPECT_TRUE(d.IsWindowVisible());
        ScriptedAnswers::AnswerBox(IDYES);
        UiTest::Click(d.GetDlgItem(IDC_SPLIT_OK));
        return IDCANCEL;
    });
    QDir().mkpath(QStringLiteral(KALVENROD_PICTURE_DIR));
    ASSERT_EQ(m_dialog.DoModal(), IDOK);
    EXPECT_NEAR(m_dialog.m_dRealisedArea, 14.84, 1e-9);
    ASSERT_EQ(m_room.m_wallCircuits.size(), 3u);
    const char* labels[] = {"101/1", "101/2", "101/3"};
    double output = 0.0;
    for (std::size_t i = 0; i < 3; ++i)
    {
        const CTopnyOkruh& circuit = *m_room.m_wallCircuits[i];
        EXPECT_EQ(circuit.m_strLabel, labels[i]);
        EXPECT_EQ(circuit.m_pPipe->m_strCode, "9001-0102");
        EXPECT_DOUBLE_EQ(circuit.m_dDeliveredOutput, circuit.m_dEdgeArea * 80.0);
        EXPECT_GT(circuit.m_dPressureLoss, 0.0);
        EXPECT_EQ(circuit.m_nManifold, i == 0 ? 3 : 0);
        output += circuit.m_dDeliveredOutput;
    }
    EXPECT_EQ(m_room.m_wallCircuits[1]->m_nElementCount, 3);
    EXPECT_DOUBLE_EQ(m_room.m_dWallOutput, output);
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 2u);
    EXPECT_NE(ScriptedAnswers::ShownBoxes()[0].text.Find("nesouhlasí s plochou realizace"), -1);
}

TEST_P(AreaSplitDialogTest, NoFlowWhileTheFlowIsNotAboveTheReturn)
{
    m_room.m_dFlowTemperature = 35.0;
    ScriptedAnswers::OnDialog(IDD_DELENI_PLOCH, [](CDialog& d) {
        auto& dialog = static_cast<CDeleniPloch&>(d);
        LeaveRealised(d, "5");
        EXPECT_EQ(dialog.m_grid.GetRowCount(), 2);
        EXPECT_EQ(dialog.m_grid.GetItemText(1, 5), "");
        EXPECT_EQ(dialog.m_grid.GetItemText(1, 7), "");
        UiTest::Click(d.GetDlgItem(IDC_SPLIT_OK));
        EXPECT_TRUE(d.IsWindowVisible());
        return IDCANCEL;
    });
    EXPECT_EQ(m_dialog.DoModal(), IDCANCEL);
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_NE(ScriptedAnswers::ShownBoxes()[0].text.Find("nelze spočítat"), -1);
    EXPECT_EQ(m_room.m_wallCircuits.size(), 1u); // the room is left as it was
}

TEST_P(AreaSplitDialogTest, CountOutsideTheRangeGoesToTheNearestBound)
{
    ScriptedAnswers::OnDialog(IDD_DELENI_PLOCH, [](CDialog& d) {
        auto& dialog = static_cast<CDeleniPloch&>(d);
        LeaveRealised(d, "17");
        for (auto [typed, expected] : {std::pair{"1", "3"}, std::pair{"250", "100"}, std::pair{"5", "5"}})
        {
            d.SetDlgItemText(IDC_SPLIT_COUNT, typed);
            CString count;
            d.GetDlgItemText(IDC_SPLIT_COUNT, count);
            EXPECT_EQ(count, expected);
            EXPECT_EQ(dialog.m_grid.GetRowCount(), std::atoi(expected) + 1);
        }
        return IDCANCEL;
    });
    EXPECT_EQ(m_dialog.DoModal(), IDCANCEL);
}

TEST_P(AreaSplitDialogTest, SumWithinATenthOfTheRealisedAreaAsksNothing)
{
    for (auto [area, asks] : {std::pair{"4.95", false}, std::pair{"4.85", true}})
    {
        SCOPED_TRACE(area);
        ScriptedAnswers::Reset();
        CMistPodlahVytap room;
        room.m_strNumber = "101";
        room.m_dRealisedArea = 5.0;
        room.m_dFlowTemperature = 40.0;
        room.m_dReturnTemperature = 35.0;
        room.m_dHeatFluxDensity = 80.0;
        CDeleniPloch dialog;
        dialog.m_pRoom = &room;
        const char separator = GetParam();
        ScriptedAnswers::OnDialog(IDD_DELENI_PLOCH, [area, separator](CDialog& d) {
            auto& split = static_cast<CDeleniPloch&>(d);
            LeaveRealised(d, "5");
            EditCell(split, 1, 1, Typed(area, separator));
            ScriptedAnswers::AnswerBox(IDYES);
            UiTest::Click(d.GetDlgItem(IDC_SPLIT_OK));
            return IDCANCEL;
        });
        ASSERT_EQ(dialog.DoModal(), IDOK);
        EXPECT_EQ(ScriptedAnswers::ShownBoxes().size(), asks ? 1u : 0u);
        ASSERT_EQ(room.m_wallCircuits.size(), 1u);
        EXPECT_EQ(room.m_wallCircuits[0]->m_strLabel, "101/1");
        EXPECT_DOUBLE_EQ(dialog.m_dRealisedArea, asks ? 4.85 : 5.0);
    }
}

INSTANTIATE_TEST_SUITE_P(Locales, AreaSplitDialogTest, ::testing::Values('.', ','));
} // namespace
