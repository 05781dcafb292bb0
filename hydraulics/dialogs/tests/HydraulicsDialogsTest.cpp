// The radiator and split dialogs driven as a user drives them, off screen, and their pictures.
#include "hydraulics/tests/HydraulicsFixtures.h"

#include "common/AppSettings.h"
#include "controls/grid/CCellID.h"
#include "controls/grid/CGridBtnCell.h"
#include "hydraulics/COtopneTeleso.h"
#include "hydraulics/dialogs/CDeleniZtratKeKryti.h"
#include "hydraulics/dialogs/CPripojeniTelesa.h"
#include "hydraulics/dialogs/CTelesa.h"
#include "hydraulics/dialogs/CTopneMedium.h"
#include "hydraulics/dialogs/CUmisteniTelesa.h"
#include "hydraulics/dialogs/CZakrytiTelesa.h"
#include "hydraulics/dialogs/CZmenenePodminky.h"
#include "hydraulics/dialogs/HydraulicsResource.h"
#include "platform/ui/DialogShot.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <gtest/gtest.h>

#include <QDir>

#include <map>

namespace
{

void Leave(CDialog& dialog, int field, const char* text, int next)
{
    dialog.GetDlgItem(field)->SetFocus();
    dialog.SetDlgItemText(field, text);
    dialog.GetDlgItem(next)->SetFocus();
}

class HydraulicsDialogsTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { UiTest::EnsureApplication(); }
    void SetUp() override
    {
        ScriptedAnswers::Reset();
        AppSettings& settings = AppSettings::Get();
        settings.SetStartValues(0);
        settings.CurrentProjectPath() = m_project.Path();
        WorkingRadiator() = COtopneTeleso();
        AppendRows(m_project.Path(), "SeznamM$", ProjectRows());
    }
    void TearDown() override { ScriptedAnswers::Reset(); }

    // The dialog's actions on the rows, then its OK.
    int RunSplitDialog(const std::function<void(CTelesa&)>& actions)
    {
        CTelesa dialog;
        ScriptedAnswers::OnDialog(IDD_TELESA, [&](CDialog& d) {
            actions(dialog);
            UiTest::Click(d.GetDlgItem(IDOK));
            return IDCANCEL;
        });
        return int(dialog.DoModal());
    }

    WorkbookCopy m_project{"MekrOrig.xls", "Projekt.XLS"};
};

TEST_F(HydraulicsDialogsTest, UserSplitsARoomSetsTheGradientAndDeletesARadiator)
{
    const std::vector<SheetRow> before = ResultRows(m_project.Path());
    bool okDisabledForEqualTemperatures = false;
    CString gradientCaption;
    const int result = RunSplitDialog([&](CTelesa& dialog) {
        for (int id : {IDC_LEVEL_BUILDING, IDC_LEVEL_ROOM, IDC_LEVEL_RADIATOR, IDC_LEVEL_FLOOR, IDC_LEVEL_WALL})
            UiTest::Click(dialog.GetDlgItem(id));
        EXPECT_EQ(dialog.m_Grid.GetRowCount(), 12);
        EXPECT_EQ(dialog.m_Grid.GetItemText(2, 2), "Obývací pokoj");
        EXPECT_EQ(dialog.m_Grid.GetItemText(2, dialog.WallGridColumn()), "Ne");
        EXPECT_EQ(dialog.m_Grid.GetItemText(7, dialog.WallGridColumn()), wallCode);
        auto* floorBox = dynamic_cast<CGridBtnCell*>(dialog.m_Grid.GetCell(2, dialog.WallGridColumn() - 1));
        ASSERT_NE(floorBox, nullptr);
        EXPECT_TRUE(floorBox->GetBtnDrawState(0) & DFCS_CHECKED);
        auto* wallBox = dynamic_cast<CGridBtnCell*>(dialog.m_Grid.GetCell(2, dialog.WallGridColumn()));
        ASSERT_NE(wallBox, nullptr);
        EXPECT_FALSE(wallBox->GetBtnDrawState(0) & DFCS_CHECKED);

        // Room A: wall heating ticked, floor 600 of 1000.
        dialog.m_Grid.SetFocusCell(2, 1);
        ScriptedAnswers::OnDialog(IDD_DELENI_ZTRAT, [](CDialog& d) {
            UiTest::Click(d.GetDlgItem(IDC_SPLIT_WALL_ON));
            Leave(d, IDC_SPLIT_FLOOR_W, "600", IDC_SPLIT_WALL_W);
            EXPECT_EQ(CString(static_cast<CDeleniZtratKeKryti&>(d).Text(LossSplit::WallW)), "400.0");
            UiTest::Click(d.GetDlgItem(IDC_LOSS_SPLIT_OK));
            return IDCANCEL;
        });
        UiTest::Click(dialog.GetDlgItem(IDC_SPLIT));
        EXPECT_TRUE(wallBox->GetBtnDrawState(0) & DFCS_CHECKED);
        EXPECT_EQ(dialog.m_Grid.GetItemText(2, dialog.WallGridColumn()), wallCode);

        // The gradient: an outlet equal to the inlet is refused, then 60/48.
        ScriptedAnswers::OnDialog(IDD_TOPNE_MEDIUM, [&](CDialog& d) {
            Leave(d, IDC_OUTLET, "90", IDC_INLET);
            okDisabledForEqualTemperatures = !d.GetDlgItem(IDOK)->IsWindowEnabled();
            Leave(d, IDC_INLET, "60", IDC_OUTLET);
            Leave(d, IDC_OUTLET, "48", IDC_INLET);
            EXPECT_TRUE(d.GetDlgItem(IDOK)->IsWindowEnabled());
            UiTest::Click(d.GetDlgItem(IDOK));
            return IDCANCEL;
        });
        UiTest::Click(dialog.GetDlgItem(IDC_GRADIENT));
        dialog.GetDlgItemText(IDC_GRADIENT, gradientCaption);

        // The first radiator of room A, after the question.
        dialog.m_Grid.SetFocusCell(3, 1);
        dialog.m_Grid.SetFocus();
        ScriptedAnswers::AnswerBox(IDYES);
        UiTest::PressKey(VK_DELETE);
        EXPECT_EQ(dialog.m_Grid.GetRowCount(), 11);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(okDisabledForEqualTemperatures);
    EXPECT_EQ(gradientCaption, "60/48");
    EXPECT_EQ(AppSettings::Get().TemperaturePair, "60.0#48.0");
    // The project header holds the gradient for every later step.
    EXPECT_EQ(HeaderCell(m_project.Path(), "Teplotní spád"), "60.0#48.0");
    EXPECT_EQ(AppSettings::Get().DesignFlowTemperature, 60.0);
    EXPECT_EQ(AppSettings::Get().DesignReturnTemperature, 48.0);
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].text, "Opravdu smazat položku :\n'1.019005-0012' ?");

    std::vector<SheetRow> expected = before;
    SheetRow& roomA = expected[1];
    roomA["PočetT"] = "1";
    roomA["ZTRATA_PODL"] = "600.0";
    roomA["ZTRATA_STEN"] = "400.0";
    roomA["ZTRATA_TELE"] = "0.0";
    roomA["Soustava"] = "11";
    roomA["Stěnové Vytápění"] = wallCode;
    expected.erase(expected.begin() + 2);
    expected[6]["Stěnové Vytápění"] = "Ne"; // rooms B and C carry their wall marks
    expected[8]["Stěnové Vytápění"] = wallCode;
    expected[8]["Soustava"] = "1";
    EXPECT_EQ(ResultRows(m_project.Path()), expected);
}

TEST_F(HydraulicsDialogsTest, CancelKeepsTheNewGradientInTheWorkingRadiatorOnly)
{
    const std::vector<SheetRow> before = ResultRows(m_project.Path());
    const CString pair = AppSettings::Get().TemperaturePair;
    CTelesa dialog;
    ScriptedAnswers::OnDialog(IDD_TELESA, [](CDialog& d) {
        ScriptedAnswers::OnDialog(IDD_TOPNE_MEDIUM, [](CDialog& medium) {
            EXPECT_FALSE(medium.GetDlgItem(IDC_MODE_MEAN)->IsWindowEnabled()); // the room temperature is locked
            Leave(medium, IDC_INLET, "70", IDC_OUTLET);
            Leave(medium, IDC_OUTLET, "55", IDC_INLET);
            UiTest::Click(medium.GetDlgItem(IDOK));
            return IDCANCEL;
        });
        UiTest::Click(d.GetDlgItem(IDC_GRADIENT));
        UiTest::Click(d.GetDlgItem(IDCANCEL));
        return IDCANCEL;
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_DOUBLE_EQ(WorkingRadiator().m_dSupply, 70.0);
    EXPECT_DOUBLE_EQ(WorkingRadiator().m_dReturn, 55.0);
    EXPECT_EQ(AppSettings::Get().TemperaturePair, pair);
    EXPECT_EQ(ResultRows(m_project.Path()), before);
}

// After a load that failed only the gradient is stored.
TEST_F(HydraulicsDialogsTest, OkAfterAFailedLoadLeavesTheSheet)
{
    QTemporaryDir folder;
    const CString other = CString(folder.path().toStdString()) + "/Bez.XLS";
    {
        CData created;
        ASSERT_TRUE(created.Create(other, "Excel 8.0"));
        for (const char* column : {"Číslo                Místnosti", "NázevM", "TYP_ZAZNAMU"})
            created.AddColBeforeCreateTable(column, 10, 255, -2);
        ASSERT_TRUE(created.CreateTable("SeznamM"));
        created.CloseTable();
        created.AddColBeforeCreateTable("Teplotní spád", 10, 255, -2);
        ASSERT_TRUE(created.CreateTable("DataAkce"));
        created.CloseTable();
        created.Close();
    }
    AppendRows(other, "SeznamM$", {{{"NázevM", "objekt"}, {"TYP_ZAZNAMU", "1"}}});
    AppendRows(other, "DataAkce$", {{{"Teplotní spád", "45#40"}}});
    AppSettings::Get().CurrentProjectPath() = other;
    WorkingRadiator().m_dSupply = 55.0;
    WorkingRadiator().m_dReturn = 45.0;
    CTelesa dialog;
    ScriptedAnswers::OnDialog(IDD_TELESA, [](CDialog& d) {
        UiTest::Click(d.GetDlgItem(IDOK));
        return IDCANCEL;
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    ASSERT_FALSE(ScriptedAnswers::ShownBoxes().empty());
    EXPECT_GE(ScriptedAnswers::ShownBoxes()[0].text.Find("\"ZtrátaM\""), 0);
    EXPECT_EQ(ResultRows(other).size(), 1u);
    EXPECT_EQ(HeaderCell(other, "Teplotní spád"), "55.0#45.0");
}

TEST_F(HydraulicsDialogsTest, DeletionRefusals)
{
    RunSplitDialog([](CTelesa& dialog) {
        UiTest::Click(dialog.GetDlgItem(IDC_LEVEL_WALL));
        dialog.m_Grid.SetFocus();
        for (int row : {1, 2})
        {
            dialog.m_Grid.SetFocusCell(row, 1);
            UiTest::PressKey(VK_DELETE);
        }
        dialog.m_Grid.SetFocusCell(4, 1);
        ScriptedAnswers::AnswerBox(IDNO);
        UiTest::PressKey(VK_DELETE);
        EXPECT_EQ(dialog.m_Grid.GetRowCount(), 12);
    });
    const auto& boxes = ScriptedAnswers::ShownBoxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].text, "Položku\n'objekt'\nnelze smazat !!!");
    EXPECT_EQ(boxes[1].text, "Nelze smazat, je to položka s rozpisem!!");
    EXPECT_EQ(boxes[2].caption, "kalvenrod - dotaz");
}

TEST_F(HydraulicsDialogsTest, ChangedConditionsTakeTheKindAndTheCover)
{
    CZmenenePodminky dialog;
    dialog.m_dPresetExponent = 1.33; // a stored exponent gives way to the kind clicked
    ScriptedAnswers::OnDialog(IDD_ZMENENE_PODMINKY, [](CDialog& d) {
        UiTest::Click(d.GetDlgItem(IDC_KIND_SECTIONAL));
        ScriptedAnswers::OnDialog(IDD_ZAKRYTI_TELESA, [](CDialog& cover) {
            UiTest::Click(cover.GetDlgItem(IDC_CHOICE_8));
            UiTest::Click(cover.GetDlgItem(IDOK));
            return IDCANCEL;
        });
        UiTest::Click(d.GetDlgItem(IDC_COVER_CHANGE));
        CString cover;
        d.GetDlgItemText(IDC_COVER, cover);
        EXPECT_EQ(cover, "0.870");
        UiTest::Click(d.GetDlgItem(IDOK));
        return IDCANCEL;
    });
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_DOUBLE_EQ(dialog.m_dExponent, 1.25);
    EXPECT_DOUBLE_EQ(dialog.m_dCoverFactor, 0.87);
    EXPECT_EQ(dialog.m_nCoverChoice, 8);
    EXPECT_EQ(dialog.m_nKind, 1);
}

TEST_F(HydraulicsDialogsTest, ChangedConditionsRefuseAFactorNotAboveZero)
{
    CZmenenePodminky dialog;
    dialog.m_dPlacementFactor = 0.95;
    ScriptedAnswers::OnDialog(IDD_ZMENENE_PODMINKY, [](CDialog& d) {
        d.SetDlgItemText(IDC_PLACEMENT, "0");
        UiTest::Click(d.GetDlgItem(IDOK));
        EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(IDC_PLACEMENT));
        return IDCANCEL;
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_DOUBLE_EQ(dialog.m_dPlacementFactor, 0.95);
}

TEST_F(HydraulicsDialogsTest, ChangedConditionsSayWhenTheTemperaturesAreOutOfOrder)
{
    CZmenenePodminky dialog;
    dialog.m_dInlet = dialog.m_dOutlet = 50; // no drop: the stored factors stay
    dialog.SetMeanAndDifferenceFromLimits();
    dialog.m_dTemperatureFactor = 0.8;
    ScriptedAnswers::OnDialog(IDD_ZMENENE_PODMINKY, [](CDialog& d) {
        CString factor;
        d.GetDlgItemText(IDC_MEAN_FACTOR, factor);
        EXPECT_EQ(factor, "0.800");
        return IDCANCEL;
    });
    dialog.DoModal();
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].caption, "kalvenrod - upozornění");
}

TEST_F(HydraulicsDialogsTest, FactorDialogOpenedWithoutChoiceKeepsTheFactor)
{
    CZakrytiTelesa dialog;
    dialog.m_nChoice = 0;
    dialog.m_dFactor = 0.93;
    ScriptedAnswers::OnDialog(IDD_ZAKRYTI_TELESA, [](CDialog& d) {
        for (int id = IDC_CHOICE_1; id <= IDC_CHOICE_8; ++id)
            EXPECT_FALSE(d.IsDlgButtonChecked(id)) << id;
        return IDOK;
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_DOUBLE_EQ(dialog.m_dFactor, 0.93);
}

// Tabbing through the read-only mean and difference changes none of the temperatures typed.
TEST_F(HydraulicsDialogsTest, HeatingMediumReadOnlyFieldsNeverFeedBack)
{
    CTopneMedium medium;
    medium.m_dInlet = 90, medium.m_dOutlet = 70, medium.m_dMean = 80, medium.m_dDeltaT = 20;
    CString mean, difference;
    ScriptedAnswers::OnDialog(IDD_TOPNE_MEDIUM, [&](CDialog& d) {
        Leave(d, IDC_INLET, "80.36", IDC_OUTLET);
        Leave(d, IDC_OUTLET, "65", IDC_MEAN);
        for (int field : {IDC_DIFFERENCE, IDC_MEAN, IDC_INLET, IDC_OUTLET, IDC_ROOM_TEMPERATURE, IDC_DIFFERENCE})
            d.GetDlgItem(field)->SetFocus();
        d.GetDlgItemText(IDC_MEAN, mean);
        d.GetDlgItemText(IDC_DIFFERENCE, difference);
        UiTest::Click(d.GetDlgItem(IDOK));
        return IDCANCEL;
    });
    ASSERT_EQ(IDOK, medium.DoModal());
    EXPECT_EQ("72.7", mean);
    EXPECT_EQ("15.4", difference);
    EXPECT_NEAR(80.36, medium.m_dInlet, 1e-12);
    EXPECT_NEAR(65.0, medium.m_dOutlet, 1e-12);
    EXPECT_NEAR(15.36, medium.m_dDeltaT, 1e-12);
    EXPECT_NEAR(72.68, medium.m_dMean, 1e-12);
}

// The loss split: the total as handed in; an uncovered per cent of 120 refused before anything
// changes, its field selected with the text typed; OK then closes with the parts as they were.
TEST_F(HydraulicsDialogsTest, LossSplitRefusesAnUncoveredPerCentBeforeStoringIt)
{
    CDeleniZtratKeKryti split;
    split.m_strRoomName = "Obývací pokoj";
    split.m_strTotal = "1000";
    split.m_dInitialFloor = 1000;
    CString total, floorPercent, uncoveredPercent;
    int focus = 0;
    ScriptedAnswers::OnDialog(IDD_DELENI_ZTRAT, [&](CDialog& d) {
        d.GetDlgItemText(IDC_SPLIT_TOTAL, total);
        Leave(d, IDC_SPLIT_UNCOVERED_PERCENT, "120", IDC_SPLIT_FLOOR_W);
        focus = CWnd::GetFocus() ? CWnd::GetFocus()->GetDlgCtrlID() : 0;
        d.GetDlgItemText(IDC_SPLIT_FLOOR_PERCENT, floorPercent);
        d.GetDlgItemText(IDC_SPLIT_UNCOVERED_PERCENT, uncoveredPercent);
        UiTest::Click(d.GetDlgItem(IDC_LOSS_SPLIT_OK));
        return IDCANCEL;
    });
    ASSERT_EQ(IDOK, split.DoModal());
    EXPECT_EQ("1000", total); // not rewritten as "1000.0"
    EXPECT_EQ(IDC_SPLIT_UNCOVERED_PERCENT, focus);
    EXPECT_EQ("100.000", floorPercent);
    EXPECT_EQ("120", uncoveredPercent);
    EXPECT_EQ(1000.0, split.m_dFloor);
    EXPECT_EQ(0.0, split.m_dUncovered);
}

// Pictures for a person to look at: build/tests/hydraulics-dialogs/dialog-<id>.png.
TEST_F(HydraulicsDialogsTest, Pictures)
{
    const std::string folder = std::string(KALVENROD_BIN_DIR) + "/../tests/hydraulics-dialogs";
    QDir().mkpath(QString::fromStdString(folder));
    auto render = [&](CDialog& dialog, int id) {
        EXPECT_TRUE(DialogShot::Render(dialog, folder + "/dialog-" + std::to_string(id) + ".png")) << id;
    };
    CTopneMedium medium;
    render(medium, IDD_TOPNE_MEDIUM);
    CZmenenePodminky conditions;
    render(conditions, IDD_ZMENENE_PODMINKY);
    CPripojeniTelesa connection;
    render(connection, IDD_PRIPOJENI_TELESA);
    CUmisteniTelesa placement;
    render(placement, IDD_UMISTENI_TELESA);
    CZakrytiTelesa cover;
    render(cover, IDD_ZAKRYTI_TELESA);
    CTelesa split;
    render(split, IDD_TELESA);
    CDeleniZtratKeKryti loss;
    loss.m_strRoomName = "Obývací pokoj";
    loss.m_strTotal = "1000.0";
    loss.m_dInitialFloor = 600;
    loss.m_dInitialUncovered = 400;
    render(loss, IDD_DELENI_ZTRAT);
}
} // namespace
