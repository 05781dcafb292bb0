// The results dialog on a calculated project, driven off screen.
#include "common/AppSettings.h"
#include "datalib/CData.h"
#include "heatloss/ProjectModel.h"
#include "heatloss/dialogs/CVysledky.h"
#include "heatloss/dialogs/HeatLossDialogIds.h"
#include "platform/core/FileOps.h"
#include "platform/ui/CHeaderCtrl.h"
#include "platform/ui/CListCtrl.h"
#include "platform/ui/DialogShot.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cmath>
#include <functional>

namespace
{

class ResultsDialogTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { UiTest::EnsureApplication(); }
    void SetUp() override
    {
        ScriptedAnswers::Reset();
        AppSettings& settings = AppSettings::Get();
        settings.SetStartValues(0);
        m_project = m_folder.filePath("Projekt.XLS").toStdString().c_str();
        ASSERT_TRUE(QFile::copy(KALVENROD_BIN_DIR "/MekrOrig.xls", m_folder.filePath("Projekt.XLS")));
        settings.CurrentProjectPath() = m_project;
        ProjectModel& model = ProjectModel::Instance();
        model.Reset("");
        model.Header.Te = -15;
        model.Header.investor1 = "Obec";
        const int room = model.AddRoom();
        model.Rooms[room].number = "1.01";
        model.Rooms[room].name = "Pokoj";
        model.Rooms[room].Ti = 20;
        HeatLossResults::Room& result = model.Results[room];
        result = {600.0, 400.0, 1000.0, 50.0, 20.0, 94.0, 20.0, 50.0, 20.0 / 35.0};
        const int cold = model.AddRoom();
        model.Rooms[cold].number = "1.02";
        model.Rooms[cold].name = "Sklad";
        model.Rooms[cold].Ti = 5;
        model.Results[cold] = {0.0, 0.0, 0.0, 10.0, 4.0, 20.0, 0.0, 0.0, 0.0};
        model.Totals.volume = 60.0;
        model.Totals.total = 1000.0;
    }
    void TearDown() override
    {
        ScriptedAnswers::Reset();
        AppSettings::Get().Modified.fill(0);
        ProjectModel::Instance().Reset("");
    }

    int Run(const std::function<int(CVysledky&)>& actions)
    {
        CVysledky dialog;
        ScriptedAnswers::OnDialog(IDD_VYSLEDKY, [&](CDialog& d) { return actions(static_cast<CVysledky&>(d)); });
        return int(dialog.DoModal());
    }

    // The texts of a column of "SeznamM$", row by row.
    std::vector<CString> Column(const char* name)
    {
        std::vector<CString> texts;
        CData data;
        if (!data.Open(m_project, "Excel 8.0", 0, 0) || !data.OpenTable("SeznamM$", "", 0))
            return texts;
        for (int row = 0; row < data.m_nRecordCount; ++row)
        {
            CString text;
            data.GetStringValue(name, text, row, -1, 0);
            texts.push_back(text);
        }
        return texts;
    }

    void Save(CVysledky& d) { d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_RESULTS_SAVE, BN_CLICKED), 0); }

    QTemporaryDir m_folder;
    CString m_project;
};

CString Format(const char* format, double value)
{
    CString text;
    text.Format(format, value);
    return text;
}

TEST_F(ResultsDialogTest, ListColumnsRoomsAndTotals)
{
    Run([](CVysledky& d) {
        CListCtrl& list = d.List();
        const char* headings[] = {"Pořadí",        "Kód",           "Název",         "Ti [°C] ",    "Povrch [m2]",
                                  "Objem [m3]",    "Ztráta Prostup", "Ztráta Větrání", "Ztráta Celkem", "[W/m3]",
                                  "[W/(m3.K)]",    "Plocha [m2]",   "q [W/m2]",      "Tepl.podl.[°C]"};
        const int widths[] = {44, 46, 60, 44, 0, 65, 79, 78, 81, 48, 64, 70, 57, 0};
        // The list has its header: a column of width 0 can be dragged open.
        CHeaderCtrl* header = list.GetHeaderCtrl();
        EXPECT_TRUE(header && header->GetItemCount() == 14);
        for (int c = 0; c < 14; ++c)
            EXPECT_EQ(list.GetColumnWidth(c), widths[c]) << headings[c];
        EXPECT_EQ(list.GetItemCount(), 2);
        const CString room[] = {"1",
                                "1.01",
                                "Pokoj",
                                "20",
                                Format("%8.2f", 94.0),
                                Format("%8.2f", 50.0),
                                Format("%8.1f", 600.0),
                                Format("%8.1f", 400.0),
                                Format("%8.1f", 1000.0),
                                Format("%7.2f", 20.0),
                                Format("%7.2f", 20.0 / 35.0),
                                Format("%8.2f", 20.0),
                                Format("%7.2f", 50.0),
                                Format("%7.1f", 20.0 + std::pow(50.0 / 8.92, 1 / 1.1))};
        for (int c = 0; c < 14; ++c)
            EXPECT_EQ(list.GetItemText(0, c), room[c]) << c;
        // No loss: the floor is at the room's temperature.
        EXPECT_EQ(list.GetItemText(1, 13), Format("%7.1f", 5.0));
        CString text;
        d.GetDlgItemText(IDC_RESULTS_INVESTOR, text);
        EXPECT_EQ(text, "Obec");
        d.GetDlgItemText(IDC_RESULTS_PER_VOLUME, text);
        EXPECT_EQ(text, Format("%8.2f", 1000.0 / 60.0));
        return IDCANCEL;
    });
    EXPECT_EQ(AppSettings::Get().Modified[AppSettings::General], 1);
}

TEST_F(ResultsDialogTest, SaveWritesTheBuildingAndRoomRows)
{
    EXPECT_EQ(Run([this](CVysledky& d) {
                  Save(d);
                  return 99;
              }),
              IDOK);
    EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty());
    EXPECT_EQ(Column("NázevM"), (std::vector<CString>{"objekt", "Pokoj", "Sklad"}));
    EXPECT_EQ(Column("TYP_ZAZNAMU"), (std::vector<CString>{"1", "2", "2"}));
    EXPECT_EQ(Column("Format"), (std::vector<CString>{"000000|d2b48c|T|1", "000000|f0d800|T|1", "000000|f0d800|T|1"}));
    EXPECT_EQ(Column("Podlahové     Vytápění")[1], "9001-0014");
    EXPECT_EQ(Column("ZTRATA_PODL")[1], Format("%8.1f", 1000.0));
    EXPECT_EQ(Column("Stěnové Vytápění")[1], "Ne");
    // Without an input sheet of rooms no area is available for wall heating.
    EXPECT_EQ(Column("Pl_Dispon")[2], Format("%.2f", 0.0));

    // No rooms: the building row alone.
    ProjectModel::Instance().Rooms.count = 1;
    Run([this](CVysledky& d) {
        Save(d);
        return 99;
    });
    EXPECT_EQ(Column("NázevM"), std::vector<CString>{"objekt"});
}

TEST_F(ResultsDialogTest, ADesignInTheSheetIsOverwrittenOnlyOnYes)
{
    {
        CData data;
        ASSERT_TRUE(data.Open(m_project, "Excel 8.0", 0, 0));
        ASSERT_TRUE(data.OpenTable("SeznamM$", "", 0));
        ASSERT_TRUE(data.AddRow());
        data.SetStringValue("NázevM", "Navržený", -1, 0);
        data.SetStringValue("TlakZtráta", "1250,5", -1, 0);
    }
    const std::vector<CString> before = Column("NázevM");
    ScriptedAnswers::AnswerBox(IDNO);
    EXPECT_EQ(Run([this](CVysledky& d) {
                  Save(d);
                  return 99;
              }),
              IDCANCEL);
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].text, "Tabulka, kam mám zapisovat, již obsahuje data. Mám je přepsat ??");
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].caption, "kalvenrod - dotaz");
    EXPECT_EQ(Column("NázevM"), before);

    ScriptedAnswers::AnswerBox(IDYES);
    Run([this](CVysledky& d) {
        Save(d);
        return 99;
    });
    EXPECT_EQ(Column("NázevM"), (std::vector<CString>{"objekt", "Pokoj", "Sklad"}));
}

// A picture for a person to look at: build/tests/heatloss-dialogs/dialog-138.png, the list with
// its headings ("[W/(m3.K)]" whole in its column) and the rooms.
TEST_F(ResultsDialogTest, Picture)
{
    const std::string folder = std::string(KALVENROD_BIN_DIR) + "/../tests/heatloss-dialogs";
    QDir().mkpath(QString::fromStdString(folder));
    CVysledky dialog;
    EXPECT_TRUE(DialogShot::Render(dialog, folder + "/dialog-138.png"));
}

} // namespace
