// The floor calculation settings, dialog 230, driven off screen through the program's run of it
// on a copy of the maker list and the catalogue of maker 9001.
#include "../../../hydraulics/tests/HydraulicsFixtures.h"

#include "common/AppSettings.h"
#include "common/CommonIds.h"
#include "controls/grid/CGridCellBase.h"
#include "floorwall/CRoztece.h"
#include "floorwall/SpacingSeriesList.h"
#include "floorwall/dialogs/CNastavVypocetPodl.h"
#include "floorwall/dialogs/FloorSettingsIds.h"
#include "floorwall/dialogs/FloorSettingsRun.h"
#include "platform/core/NumberText.h"
#include "platform/ui/DialogShot.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>

namespace
{
constexpr UINT kReadOnly = 8;

class FloorSettingsDialogTest : public ::testing::Test
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
        settings.KodTopTrub = "9001-0007";
        settings.KodSysPodl = "9001-0014";
        settings.SkipFloorSettings = 0;
        settings.MaxTlakZtrata = 15000.0;
        settings.PathList = m_makers.Folder();
        ASSERT_TRUE(QFile::copy(QString::fromUtf8(KALVENROD_BIN_DIR) + "/ZVK-9001.XLS",
                                QString::fromUtf8((m_makers.Folder() + "/ZVK-9001.XLS").GetString())));
        // A third maker makes no floor systems.
        AppendRows(m_makers.Path(), "Trubky$", {{{"ČísloDatabáze", "9007"}, {"Výrobce otopných trubek", "Jiný"}}});
        FreeSpacingSeriesList();
    }
    void TearDown() override
    {
        FreeSpacingSeriesList();
        ScriptedAnswers::Reset();
    }

    // Runs the settings as the program does; the action works on the open dialog.
    int Run(int lock, const std::function<int(CNastavVypocetPodl&)>& action)
    {
        ScriptedAnswers::OnDialog(IDD_NASTAV_VYPOCET_PODL, [&](CDialog& d) {
            auto* dialog = dynamic_cast<CNastavVypocetPodl*>(&d);
            EXPECT_NE(dialog, nullptr);
            return dialog ? action(*dialog) : IDCANCEL;
        });
        return RunFloorCalculationSettings(lock);
    }

    static CString Text(CDialog& d, int id)
    {
        CString text;
        d.GetDlgItemText(id, text);
        return text;
    }

    // Types into an edit as a user does and leaves it for the next one.
    static void Enter(CDialog& d, int id, const char* text, int next = IDC_NVP_MAX_LENGTH)
    {
        d.GetDlgItem(id)->SetFocus();
        d.SetDlgItemText(id, text);
        d.GetDlgItem(next)->SetFocus();
        UiTest::ProcessEvents();
    }

    static void Choose(CDialog& d, CComboBox& combo, int id, const char* startOfText)
    {
        combo.SetCurSel(combo.FindString(-1, startOfText));
        d.SendMessage(WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), 0);
    }

    static void ClickCell(CGridCtrl& grid, int row, int column)
    {
        CRect cell;
        EXPECT_TRUE(grid.GetCellRect(row, column, cell));
        UiTest::MouseDown(&grid, cell.CenterPoint());
        UiTest::MouseUp(&grid, cell.CenterPoint());
        UiTest::ProcessEvents();
    }

    static void Click(CDialog& d, int id)
    {
        UiTest::Click(d.GetDlgItem(id));
        UiTest::ProcessEvents();
    }

    WorkbookCopy m_makers{"ZVK-VYROBCI.xls"};
};

TEST_F(FloorSettingsDialogTest, SkipFlagReturnsOkWithoutADialogAndFillsTheList)
{
    AppSettings::Get().SkipFloorSettings = 1;
    EXPECT_EQ(RunFloorCalculationSettings(0), IDOK);
    EXPECT_TRUE(ScriptedAnswers::ShownDialogs().empty());
    ASSERT_EQ(SpacingSeriesList().size(), 2u);
    EXPECT_EQ(SpacingSeriesList()[1]->m_dFrom, 0.05);
}

TEST_F(FloorSettingsDialogTest, OpensWithTheSettingsAndTheMakersCatalogue)
{
    AppSettings::Get().MaxTlakZtrata = 0.0; // never set
    Run(1, [&](CNastavVypocetPodl& d) {
        CString caption;
        d.GetWindowText(caption);
        EXPECT_EQ(caption, "kalvenrod - Nastavení výpočtu podlahového vytápění");
        EXPECT_EQ(Text(d, IDC_NVP_FLOW), "50.0");
        EXPECT_EQ(Text(d, IDC_NVP_RETURN), "45.0");
        EXPECT_EQ(Text(d, IDC_NVP_SPREAD), "5.0");
        EXPECT_EQ(Text(d, IDC_NVP_MAX_LENGTH), "160.0");
        EXPECT_EQ(Text(d, IDC_NVP_TOLERANCE), "1.0300");
        EXPECT_EQ(Text(d, IDC_NVP_RETURN_TO_ROOM), "5.0"); // ZakladSigma
        EXPECT_EQ(Text(d, IDC_NVP_MIN_DIFFERENCE), "3.0");
        EXPECT_EQ(Text(d, IDC_NVP_MAX_PRESSURE_LOSS), "20000");
        EXPECT_FALSE(d.GetDlgItem(IDC_NVP_FLOW)->IsWindowEnabled()); // temperature lock
        EXPECT_FALSE(d.GetDlgItem(IDC_NVP_SPREAD)->IsWindowEnabled());
        EXPECT_TRUE(d.GetDlgItem(IDC_NVP_RETURN)->IsWindowEnabled());
        EXPECT_EQ(d.GetCheckedRadioButton(IDC_NVP_TYPE_A, IDC_NVP_TYPE_C), IDC_NVP_TYPE_A);
        EXPECT_EQ(d.IsDlgButtonChecked(IDC_NVP_AREA_CHECK), 1u);

        // Makers 9001 and 9005 make floor systems; 9007 is not offered.
        EXPECT_EQ(d.m_comboMaker.GetCount(), 2);
        EXPECT_EQ(d.m_comboMaker.GetCurSel(), 0);
        EXPECT_EQ(d.m_strMakerName, "Vlnotherm s.r.o.");
        EXPECT_EQ(d.m_comboPipe.GetCount(), 3);
        CString pipe;
        if (d.m_comboPipe.GetCurSel() >= 0)
            d.m_comboPipe.GetLBText(d.m_comboPipe.GetCurSel(), pipe);
        EXPECT_EQ(pipe, "[7]  PE-Xa 18×2,0");
        CString system;
        if (d.m_comboSystem.GetCurSel() >= 0)
            d.m_comboSystem.GetLBText(d.m_comboSystem.GetCurSel(), system);
        EXPECT_EQ(system, "[14]  Systémová deska s nopy 30");

        // Headings, then one row a series; a system other than 0072 greys the switches.
        const char* headings[] = {"Užít", "Krok [m]", "od rozměru [m]", "po rozměr [m]", "k použití"};
        for (int c = 0; c < 5; ++c)
            EXPECT_STREQ(d.m_grid.GetItemText(0, c), headings[c]);
        EXPECT_EQ(d.m_grid.GetRowCount(), 3);
        EXPECT_STREQ(d.m_grid.GetItemText(2, 4), "0.050, 0.100, 0.150, 0.200, 0.250, 0.300");
        EXPECT_EQ(d.m_grid.GetItemImage(1, 0), 2);
        EXPECT_EQ(d.m_grid.GetItemImage(2, 0), 3);
        EXPECT_TRUE(d.m_grid.GetItemState(1, 0) & kReadOnly);

        const QDir dir(KALVENROD_PICTURE_DIR);
        dir.mkpath(".");
        EXPECT_TRUE(DialogShot::Render(d, dir.filePath("dialog-230-settings.png").toStdString()));
        return IDCANCEL;
    });
}

// The spacings of a series are parted by "; " where the decimal separator is a comma, so that
// a Czech user reads four numbers, not eight.
TEST_F(FloorSettingsDialogTest, SpacingListsPartTheirItemsByTheDecimalSeparator)
{
    const struct
    {
        char decimal;
        const char* defaultSeries;
        const char* fineSeries;
    } cases[] = {{'.', "0.075, 0.150, 0.225, 0.300", "0.050, 0.100, 0.150, 0.200, 0.250, 0.300"},
                 {',', "0,075; 0,150; 0,225; 0,300", "0,050; 0,100; 0,150; 0,200; 0,250; 0,300"}};
    for (const auto& c : cases)
    {
        NumberText::ScopedSeparator separator(c.decimal);
        FreeSpacingSeriesList();
        Run(0, [&](CNastavVypocetPodl& d) {
            EXPECT_STREQ(d.m_grid.GetItemText(1, 4), c.defaultSeries) << c.decimal;
            EXPECT_STREQ(d.m_grid.GetItemText(2, 4), c.fineSeries) << c.decimal;
            return IDCANCEL;
        });
    }
}

TEST_F(FloorSettingsDialogTest, TemperaturesAreCorrectedWhereTheyLeaveTheirLimits)
{
    struct Case
    {
        double startFlow; // the design flow, its return 5 K lower
        int edit;
        const char* typed;
        const char* flow;
        const char* ret;
        const char* spread;
        int focus;
    };
    const Case cases[] = {
        {50.0, IDC_NVP_FLOW, "70", "60.0", "55.0", "5.0", IDC_NVP_FLOW},
        {50.0, IDC_NVP_SPREAD, "30", "50.0", "25.0", "25.0", IDC_NVP_SPREAD},
        {50.0, IDC_NVP_SPREAD, "1", "50.0", "47.0", "3.0", IDC_NVP_SPREAD}, // MinimSigmaPodl
        {40.0, IDC_NVP_RETURN, "20,0", "40.0", "20.1", "19.9", IDC_NVP_SPREAD},
        {50.0, IDC_NVP_RETURN, "41.26", "50.0", "41.3", "8.7", IDC_NVP_MAX_LENGTH},
    };
    AppSettings::Get().HighestRoomTemperature = 20.0; // the highest room temperature of the design
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.typed);
        AppSettings::Get().DesignFlowTemperature = c.startFlow;
        AppSettings::Get().DesignReturnTemperature = c.startFlow - 5.0;
        Run(0, [&](CNastavVypocetPodl& d) {
            Enter(d, c.edit, c.typed);
            EXPECT_EQ(Text(d, IDC_NVP_FLOW), c.flow);
            EXPECT_EQ(Text(d, IDC_NVP_RETURN), c.ret);
            EXPECT_EQ(Text(d, IDC_NVP_SPREAD), c.spread);
            EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(c.focus));
            return IDCANCEL;
        });
    }
}

TEST_F(FloorSettingsDialogTest, System0072SetsTheFineSpacingAndItsSeriesInUse)
{
    Run(0, [&](CNastavVypocetPodl& d) {
        Choose(d, d.m_comboSystem, IDC_NVP_SYSTEM, "[72]");
        EXPECT_EQ(d.m_dMinimumSpacing, 0.05);
        EXPECT_EQ(d.m_grid.GetRowCount(), 3);
        EXPECT_EQ(d.m_grid.GetItemImage(1, 0), 1); // from 0.075: not used
        EXPECT_EQ(d.m_grid.GetItemImage(2, 0), 0); // from 0.05: used
        EXPECT_FALSE(d.m_grid.GetItemState(1, 0) & kReadOnly);
        EXPECT_TRUE(d.m_grid.GetItemState(1, 1) & kReadOnly);

        Choose(d, d.m_comboSystem, IDC_NVP_SYSTEM, "[15]");
        EXPECT_EQ(d.m_dMinimumSpacing, 0.075);
        EXPECT_EQ(d.m_grid.GetItemImage(1, 0), 2);
        EXPECT_EQ(d.m_grid.GetItemImage(2, 0), 3);
        EXPECT_TRUE(d.m_grid.GetItemState(2, 0) & kReadOnly);
        return IDCANCEL;
    });
}

TEST_F(FloorSettingsDialogTest, OkWithoutASeriesInUseIsRefusedAndChangesNoSeries)
{
    const int result = Run(0, [&](CNastavVypocetPodl& d) {
        Choose(d, d.m_comboSystem, IDC_NVP_SYSTEM, "[72]");
        ClickCell(d.m_grid, 2, 0); // the used series off: the other one was off already
        EXPECT_EQ(d.m_grid.GetItemImage(2, 0), 1);
        Click(d, IDOK);
        EXPECT_TRUE(d.IsWindowVisible());
        return IDCANCEL;
    });
    EXPECT_EQ(result, IDCANCEL);
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].text, "Není nastavena řada roztečí t.t.!");
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].caption, "kalvenrod - chyba");
    ASSERT_EQ(SpacingSeriesList().size(), 2u);
    EXPECT_EQ(SpacingSeriesList()[1]->m_nUse, 1); // as the 0072 system's flags set it
    EXPECT_EQ(AppSettings::Get().KodSysPodl, "9001-0014");
    EXPECT_EQ(AppSettings::Get().MinimRoztec, "0.075");
}

TEST_F(FloorSettingsDialogTest, OkWritesTheSettingsTheSmallestSpacingAndTheSeries)
{
    const std::vector<CRoztece*> before = (FillDefaultSpacingSeries(), SpacingSeriesList());
    const int result = Run(0, [&](CNastavVypocetPodl& d) {
        Enter(d, IDC_NVP_FLOW, "45", IDC_NVP_RETURN);
        Enter(d, IDC_NVP_RETURN, "37,5");
        Enter(d, IDC_NVP_MAX_LENGTH, "120", IDC_NVP_TOLERANCE);
        Enter(d, IDC_NVP_MAX_PRESSURE_LOSS, "25000,5");
        EXPECT_EQ(Text(d, IDC_NVP_MAX_PRESSURE_LOSS), "25000.5");
        Enter(d, IDC_NVP_MIN_DIFFERENCE, "4");
        Click(d, IDC_NVP_TYPE_B);
        Click(d, IDC_NVP_SUPPLY_SAME_ROOM);
        Choose(d, d.m_comboPipe, IDC_NVP_PIPE, "[9]");
        Choose(d, d.m_comboSystem, IDC_NVP_SYSTEM, "[72]");
        Click(d, IDOK);
        return 99; // OK closed the dialog already
    });
    EXPECT_EQ(result, IDOK);
    const AppSettings& s = AppSettings::Get();
    EXPECT_EQ(s.DesignFlowTemperature, 45.0);
    EXPECT_EQ(s.DesignReturnTemperature, 37.5);
    EXPECT_EQ(s.MaxDelkaOkruhu, 120.0);
    EXPECT_EQ(s.MaxTlakZtrata, 25000.5);
    EXPECT_EQ(s.MinDifSigma, 4.0);
    EXPECT_EQ(s.FloorOptionA, 2);
    EXPECT_EQ(s.PrivodVTezeMi, 1);
    EXPECT_EQ(s.KontrolaPloch, 1);
    EXPECT_EQ(s.KodTopTrub, "9001-0009");
    EXPECT_EQ(s.KodSysPodl, "9001-0072");
    EXPECT_EQ(s.MinimRoztec, "0.05");
    EXPECT_EQ(SpacingSeriesList(), before); // the same series, now with their use
    EXPECT_EQ(before[0]->m_nUse, 0);
    EXPECT_EQ(before[1]->m_nUse, 1);
}

TEST_F(FloorSettingsDialogTest, LockedTemperaturesAndCancelWriteNothingBack)
{
    Run(1, [&](CNastavVypocetPodl& d) {
        Enter(d, IDC_NVP_RETURN, "40");
        Click(d, IDOK);
        return 99;
    });
    EXPECT_EQ(AppSettings::Get().DesignReturnTemperature, 45.0);
    EXPECT_EQ(AppSettings::Get().MaxTlakZtrata, 15000.0);

    const int result = Run(0, [&](CNastavVypocetPodl& d) {
        Enter(d, IDC_NVP_MAX_LENGTH, "90", IDC_NVP_TOLERANCE);
        Choose(d, d.m_comboSystem, IDC_NVP_SYSTEM, "[72]");
        Click(d, IDCANCEL);
        return 99;
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(AppSettings::Get().MaxDelkaOkruhu, 160.0);
    EXPECT_EQ(AppSettings::Get().KodSysPodl, "9001-0014");
    EXPECT_EQ(AppSettings::Get().MinimRoztec, "0.075");
}

TEST_F(FloorSettingsDialogTest, WithoutTheMakersCatalogueOkKeepsThePipeAndSystemCodes)
{
    QFile::remove(QString::fromUtf8((m_makers.Folder() + "/ZVK-9001.XLS").GetString()));
    const int result = Run(0, [&](CNastavVypocetPodl& d) {
        EXPECT_EQ(d.m_comboPipe.GetCount(), 0);
        EXPECT_EQ(d.m_comboSystem.GetCount(), 0);
        Click(d, IDOK);
        return 99;
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(AppSettings::Get().KodTopTrub, "9001-0007");
    EXPECT_EQ(AppSettings::Get().KodSysPodl, "9001-0014");
    EXPECT_EQ(AppSettings::Get().MinimRoztec, "0.075");
}

} // namespace
