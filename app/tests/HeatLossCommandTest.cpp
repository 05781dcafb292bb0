// The command "Výpočet tepelných ztrát" (32773) on the program's project model, off screen.
#include "MekrFixture.h"

#include "app/MekrIds.h"
#include "app/common/AppSettings.h"
#include "heatloss/InputSheet.h"
#include "heatloss/ProjectModel.h"
#include "heatloss/dialogs/CDataGridDialog.h"
#include "heatloss/dialogs/InputDialogIds.h"
#include "platform/core/MessageBox.h"
#include "platform/dao/Workbook.h"
#include "platform/dao/WorkbookFile.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <cmath>
#include <vector>
#include <utility>

namespace
{

using Cells = std::vector<std::pair<InputSheet::Column, const char*>>;

class HeatLossCommandTest : public MekrFixture
{
protected:
    void SetUp() override
    {
        MekrFixture::SetUp();
        ASSERT_TRUE(Start());
        ProjectModel& model = ProjectModel::Instance();
        model.Reset("");
        model.Header.Te = -15;
        model.Header.B = 6;
        model.Header.buildingType = 1;
        AppSettings::Get().CheckRooms = 1;
    }

    void TearDown() override
    {
        AppSettings::Get().CheckRooms = 0;
        ProjectModel::Instance().Reset("");
        MekrFixture::TearDown();
    }

    // The project's working copy with the sheet "SeznamV" holding the building row and these
    // rows; the project path names it.
    void WriteProject(const std::vector<Cells>& rows, const char* sheetName = "SeznamV")
    {
        workbook::Workbook book;
        book.AddSheet("DataAkce").SetText(0, 0, "PROG_VER");
        workbook::Worksheet& sheet = book.AddSheet(sheetName);
        for (int column = 0; column < InputSheet::ColumnCount; ++column)
            sheet.SetText(0, column, InputSheet::ColumnName(InputSheet::Column(column)).str());
        sheet.SetText(1, InputSheet::Name, "objekt");
        int row = 2;
        for (const Cells& cells : rows)
        {
            for (const auto& [column, text] : cells)
                sheet.SetText(row, column, text);
            ++row;
        }
        const std::string path = FolderPath("data") + "/Projekt.XLS";
        workbook::WriteWorkbook(book, path);
        AppSettings::Get().CurrentProjectPath() = path.c_str();
    }

    static Cells Room()
    {
        return {{InputSheet::Number, "1.01"}, {InputSheet::Name, "Pokoj"},   {InputSheet::Ti, "20"},
                {InputSheet::Length, "5000"}, {InputSheet::Width, "4000"},   {InputSheet::Height, "2500"},
                {InputSheet::Count, "1"},     {InputSheet::AirExchange, "10"}, {InputSheet::Orientation, "S"}};
    }
    static Cells OuterWall()
    {
        return {{InputSheet::Name, "SO "},
                {InputSheet::Width, "5000"},
                {InputSheet::Height, "2500"},
                {InputSheet::TemperatureDifference, "35"},
                {InputSheet::U, "0,3"},
                {InputSheet::JointLength, "1"}};
    }
    static Cells Window()
    {
        return {{InputSheet::Name, "OJ "}, {InputSheet::Width, "1500"}, {InputSheet::Height, "1500"},
                {InputSheet::Count, "2"},  {InputSheet::U, "1.2"},      {InputSheet::I, "1,4"},
                {InputSheet::JointLength, "6000"}};
    }

    const std::vector<MessageBoxRequest>& Boxes() const { return ScriptedAnswers::ShownBoxes(); }
};

// Command 32771: the input table with its hint in the status bar; a confirmed table marks the
// project as changed, a cancelled one does not.
TEST_F(HeatLossCommandTest, InputDataRunsTheInputTableWithItsHint)
{
    WriteProject({Room(), OuterWall()});
    for (int button : {IDCANCEL, IDOK})
    {
        AppSettings::Get().Modified[AppSettings::InputData] = 0;
        CString hint;
        int rows = 0;
        ScriptedAnswers::OnDialog(IDD_DATA_GRID, [&](CDialog& d) {
            hint = m_frame->m_wndStatusBar.GetPaneText(0);
            rows = static_cast<CDataGridDialog&>(d).m_Grid.GetRowCount();
            UiTest::Click(d.GetDlgItem(button));
            return IDCANCEL;
        });
        Command(ID_INPUT_DATA);
        EXPECT_EQ(hint.Left(12), "Ldvojklik=AK");
        EXPECT_EQ(rows, 4) << "heading, building, room, wall";
        EXPECT_EQ(AppSettings::Get().Modified[AppSettings::InputData], button == IDOK ? 1 : 0);
        EXPECT_EQ(m_frame->m_wndStatusBar.GetPaneText(0), "Připraven");
    }
    EXPECT_EQ(ProjectModel::Instance().Rooms.count, 2);
}

TEST_F(HeatLossCommandTest, AnInputSheetThatDoesNotOpenEndsTheCommandWithItsMessage)
{
    ProjectModel& model = ProjectModel::Instance();
    model.Totals.total = 1234.0; // a calculation would set the totals anew
    AppSettings::Get().CurrentProjectPath() = (FolderPath("data") + "/Chybi.XLS").c_str();
    ScriptedAnswers::ForgetShown();
    Command(ID_HEAT_LOSS);
    ASSERT_EQ(1u, Boxes().size());
    EXPECT_EQ("Problémy při práci se souborem " + AppSettings::Get().CurrentProjectPath(), Boxes()[0].text);
    EXPECT_EQ("kalvenrod - chyba", Boxes()[0].caption);
    EXPECT_EQ(UINT(MB_ICONSTOP), Boxes()[0].Icon());
    EXPECT_EQ(1234.0, model.Totals.total);

    WriteProject({Room(), OuterWall()}, "Jiny");
    ScriptedAnswers::ForgetShown();
    Command(ID_HEAT_LOSS);
    ASSERT_EQ(1u, Boxes().size());
    EXPECT_EQ("Problémy při práci v tabulce SeznamV$", Boxes()[0].text);
    EXPECT_EQ(1234.0, model.Totals.total);

    // More rooms than the model holds: refused, the model as it was.
    std::vector<Cells> rooms(99, Room());
    WriteProject(rooms);
    ScriptedAnswers::ForgetShown();
    Command(ID_HEAT_LOSS);
    ASSERT_EQ(1u, Boxes().size());
    EXPECT_EQ(0, Boxes()[0].text.Find("Vstupní data obsahují více místností"));
    EXPECT_EQ(1, model.Rooms.count);
    EXPECT_EQ(1234.0, model.Totals.total);
}

TEST_F(HeatLossCommandTest, NoRoomsWithTheRoomCheckOn)
{
    ProjectModel& model = ProjectModel::Instance();
    model.AddRoom(); // an earlier project's room, which the loading drops
    WriteProject({});
    ScriptedAnswers::ForgetShown();
    Command(ID_HEAT_LOSS);
    ASSERT_EQ(1u, Boxes().size());
    EXPECT_EQ("Není zadána žádná místnost", Boxes()[0].text);
    EXPECT_EQ("kalvenrod - chyba", Boxes()[0].caption);
    EXPECT_EQ(UINT(MB_ICONEXCLAMATION), Boxes()[0].Icon());
    EXPECT_EQ(1, model.Rooms.count);
}

TEST_F(HeatLossCommandTest, TwoRunsGiveTheSameResults)
{
    WriteProject({Room(), OuterWall(), Window()});
    ScriptedAnswers::ForgetShown();
    Command(ID_HEAT_LOSS);
    EXPECT_TRUE(Boxes().empty());
    ProjectModel& model = ProjectModel::Instance();
    ASSERT_EQ(2, model.Rooms.count);
    const HeatLossResults::Room first = model.Results[1];
    const double firstTotal = model.Totals.total;
    // Room 1 of the hand-worked project without its inner wall: Q_trans = 273 W,
    // Qp = (0 + 0.1 + 273 / (85 × 35) × 0.15 + 1) × 273, Qv = 229.32 W.
    EXPECT_NEAR((0.1 + 273.0 / (85.0 * 35.0) * 0.15 + 1.0) * 273.0, first.transmission, 1e-9);
    EXPECT_NEAR(229.32, first.ventilation, 1e-9);

    model.Rooms[1].length = 1; // changed in memory only: the next run reloads the sheet
    Command(ID_HEAT_LOSS);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(first.total, model.Results[1].total);
    EXPECT_EQ(first.transmission, model.Results[1].transmission);
    EXPECT_EQ(firstTotal, model.Totals.total);
}

TEST_F(HeatLossCommandTest, CheckSwitchesAndRoundingComeFromTheSettings)
{
    WriteProject({Room(), OuterWall(), {{InputSheet::Name, "OJ "}, {InputSheet::Width, "0"}, {InputSheet::Height, "1500"},
                                        {InputSheet::Count, "1"}, {InputSheet::U, "1.2"}, {InputSheet::I, "1,4"}}});
    AppSettings::Get().CheckOpenings = 1;
    ScriptedAnswers::ForgetShown();
    Command(ID_HEAT_LOSS);
    AppSettings::Get().CheckOpenings = 0;
    ASSERT_EQ(1u, Boxes().size());
    EXPECT_EQ("Není zadána délka otvoru <1> ve stěně <1> v místnosti <1> !!", Boxes()[0].text);
    EXPECT_EQ(0u, Boxes()[0].Icon());

    AppSettings::Get().RoundRoomLoss = 1;
    ScriptedAnswers::ForgetShown();
    EXPECT_EQ(1, m_frame->CalculateHeatLosses());
    AppSettings::Get().RoundRoomLoss = 0;
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(0.0, std::fmod(ProjectModel::Instance().Results[1].total, 10.0));
}

} // namespace
