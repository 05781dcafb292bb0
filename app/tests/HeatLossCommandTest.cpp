// The command "Výpočet tepelných ztrát" (32773) on the program's project model, off screen.
#include "MekrFixture.h"

#include "app/MekrIds.h"
#include "common/AppSettings.h"
#include "heatloss/InputSheet.h"
#include "heatloss/ProjectModel.h"
#include "heatloss/dialogs/CDataGridDialog.h"
#include "heatloss/dialogs/CWall_K.h"
#include "heatloss/dialogs/InputDialogIds.h"
#include "heatloss/InputSheetLoader.h"
#include "controls/grid/GridNotify.h"
#include "platform/ui/CComboBox.h"
#include "heatloss/dialogs/HeatLossDialogIds.h"
#include "datalib/CData.h"
#include "platform/ui/CDialog.h"
#include "platform/core/MessageBox.h"
#include "platform/dao/Workbook.h"
#include "platform/dao/WorkbookFile.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <QFile>

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
        // The results mark the project changed; the test's project is not saved.
        AppSettings::Get().Modified.fill(0);
        ProjectModel::Instance().Reset("");
        MekrFixture::TearDown();
    }

    // The project's working copy with the sheet "SeznamV" holding the building row and these
    // rows; the project path names it.
    void WriteProject(const std::vector<Cells>& rows, const char* sheetName = "SeznamV", bool fromTemplate = false,
                      int leftOut = -1)
    {
        workbook::Workbook book;
        if (fromTemplate)
        {
            book = workbook::ReadWorkbook(std::string(KALVENROD_BIN_DIR) + "/MekrOrig.xls");
            for (int i = book.SheetCount() - 1; i >= 0; --i)
                if (book.Sheet(i).Name() == sheetName)
                    book.RemoveSheet(i);
        }
        else
            book.AddSheet("DataAkce").SetText(0, 0, "PROG_VER");
        workbook::Worksheet& sheet = book.AddSheet(sheetName);
        // The sheet's columns, one of them left out when a test says so.
        auto at = [leftOut](int column) { return leftOut >= 0 && column > leftOut ? column - 1 : column; };
        for (int column = 0; column < InputSheet::ColumnCount; ++column)
            if (column != leftOut)
                sheet.SetText(0, at(column), InputSheet::ColumnName(InputSheet::Column(column)).str());
        sheet.SetText(1, InputSheet::Name, "objekt");
        int row = 2;
        for (const Cells& cells : rows)
        {
            for (const auto& [column, text] : cells)
                if (column != leftOut)
                    sheet.SetText(row, at(column), text);
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

// The whole road: the command computes, the results list the room, "Uložit" writes them.
TEST_F(HeatLossCommandTest, ResultsFollowTheCalculationAndSaveTheRooms)
{
    WriteProject({Room(), OuterWall(), Window()}, "SeznamV", true);
    ScriptedAnswers::ForgetShown();
    CString shownLoss;
    ScriptedAnswers::OnDialog(IDD_VYSLEDKY, [&](CDialog& d) {
        d.GetDlgItemText(IDC_RESULTS_LOSS, shownLoss);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_RESULTS_SAVE, BN_CLICKED), 0);
        return 99;
    });
    Command(ID_HEAT_LOSS);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(ScriptedAnswers::ShownDialogs(), std::vector<UINT>{IDD_VYSLEDKY});
    CString expected;
    expected.Format("%8.1f", ProjectModel::Instance().Totals.total);
    EXPECT_EQ(shownLoss, expected);

    CData data;
    ASSERT_TRUE(data.Open(AppSettings::Get().CurrentProjectPath(), "Excel 8.0", 0, 0));
    ASSERT_TRUE(data.OpenTable("SeznamM$", "", 0));
    ASSERT_EQ(data.m_nRecordCount, 2);
    CString text;
    data.GetStringValue("NázevM", text, 0, -1, 0);
    EXPECT_EQ(text, "objekt");
    data.GetStringValue("NázevM", text, 1, -1, 0);
    EXPECT_EQ(text, "Pokoj");
    data.GetStringValue("TYP_ZAZNAMU", text, 1, -1, 0);
    EXPECT_EQ(text, "2");
    expected.Format("%8.1f", ProjectModel::Instance().Results[1].total);
    data.GetStringValue("ZtrátaM", text, 1, -1, 0);
    EXPECT_EQ(text, expected);
    // Band (2200 − 100) × (5000 − 2 × 100) less two windows (1500 + 2 × 200) × (2200 − 900 + 200).
    data.GetStringValue("Pl_Dispon", text, 1, -1, 0);
    expected.Format("%.2f", 10.08 - 5.7);
    EXPECT_EQ(text, expected);
}

// Values that no building has, stored in the input sheet: the command refuses the sheet with
// the message of the room, wall or opening, whatever the checks, and computes nothing.
TEST_F(HeatLossCommandTest, ValuesNoBuildingHasAreRefusedWhateverTheChecks)
{
    AppSettings::Get().CheckRooms = 0;
    auto with = [](Cells cells, InputSheet::Column column, const char* text)
    {
        for (auto& [at, value] : cells)
            if (at == column)
                value = text;
        return cells;
    };
    const struct
    {
        std::vector<Cells> rows;
        const char* message; // its start
    } cases[] = {
        {{with(Room(), InputSheet::Length, "-4000"), OuterWall()},
         "Místnost <1>: Délka místnosti [mm] = -4000 je mimo rozsah 1 až 500000 !!"},
        {{with(Room(), InputSheet::Ti, "-300"), OuterWall()},
         "Místnost <1>: Teplota Ti [°C] = -300 je mimo rozsah -50 až 100 !!"},
        {{with(Room(), InputSheet::AirExchange, "1000000000"), OuterWall()},
         "Místnost <1>: Výměna vzduchu [m3/h] = 1000000000 je mimo rozsah 0 až 10000000 !!"},
        {{Room(), with(OuterWall(), InputSheet::U, "1e999")},
         "Stěna <1> v místnosti <1>: U stěny [W.m-2.K-1] = 1e999 je mimo rozsah "},
        {{Room(), with(OuterWall(), InputSheet::U, "1.#INF")},
         "Stěna <1> v místnosti <1>: U stěny [W.m-2.K-1] = 1.#INF je mimo rozsah "},
        {{Room(), OuterWall(), Window(), with(Window(), InputSheet::Count, "-2")},
         "Otvor <2> ve stěně <1> v místnosti <1>: Počet otvorů [-] = -2 je mimo rozsah 1 až 1000 !!"},
    };
    ProjectModel& model = ProjectModel::Instance();
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.message);
        WriteProject(c.rows);
        model.Totals.total = 1234.0;
        ScriptedAnswers::ForgetShown();
        Command(ID_HEAT_LOSS);
        ASSERT_EQ(1u, Boxes().size());
        EXPECT_EQ(0, Boxes()[0].text.Find(c.message)) << Boxes()[0].text.str();
        EXPECT_EQ("kalvenrod - chyba", Boxes()[0].caption);
        EXPECT_TRUE(ScriptedAnswers::ShownDialogs().empty()) << "no results";
        EXPECT_EQ(1234.0, model.Totals.total);
    }
}

// A sheet without a column that the calculation reads is refused naming the column: without U,
// i or the joint length it would be computed with 0 (229 W instead of 533 W).
TEST_F(HeatLossCommandTest, ASheetWithoutAColumnTheCalculationReadsIsRefused)
{
    ProjectModel& model = ProjectModel::Instance();
    for (InputSheet::Column column : {InputSheet::U, InputSheet::I, InputSheet::JointLength, InputSheet::Ti})
    {
        SCOPED_TRACE(InputSheet::ColumnName(column).str());
        WriteProject({Room(), OuterWall(), Window()}, "SeznamV", false, column);
        model.Totals.total = 1234.0;
        ScriptedAnswers::ForgetShown();
        Command(ID_HEAT_LOSS);
        ASSERT_EQ(1u, Boxes().size());
        EXPECT_EQ("V tabulce SeznamV$ chybí sloupec " + InputSheet::ColumnName(column) +
                      ", bez něhož nelze tepelné ztráty spočítat !!",
                  Boxes()[0].text);
        EXPECT_TRUE(ScriptedAnswers::ShownDialogs().empty());
        EXPECT_EQ(1234.0, model.Totals.total);
        EXPECT_EQ(1, model.Rooms.count);
    }
    WriteProject({Room(), OuterWall(), Window()});
    ScriptedAnswers::ForgetShown();
    Command(ID_HEAT_LOSS);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_NEAR(533.0, model.Results[1].total, 1.0);
}

// Rooms colder than outside and openings larger than their wall: told once each, the results
// shown all the same.
TEST_F(HeatLossCommandTest, LikelyMistakesAreToldOnceAndTheResultsShown)
{
    Cells cold = Room();
    cold[2].second = "-20";
    Cells second = cold;
    second[0].second = "1.02";
    second[1].second = "Sklep";
    Cells crowded = Window();
    crowded[3].second = "6"; // 6 × 2.25 m² in 12.5 m²
    WriteProject({cold, OuterWall(), crowded, second, OuterWall(), crowded});
    ScriptedAnswers::ForgetShown();
    ScriptedAnswers::OnDialog(IDD_VYSLEDKY, [](CDialog&) { return IDOK; });
    Command(ID_HEAT_LOSS);
    ASSERT_EQ(2u, Boxes().size());
    EXPECT_EQ("Vnitřní teplota Ti je nižší než venkovní teplota Te v místnostech <1>, <2>: jejich ztráta vychází "
              "záporná !!",
              Boxes()[0].text);
    EXPECT_EQ("Plocha otvorů je větší než plocha stěny: stěna <1> v místnosti <1>, stěna <1> v místnosti <2> !!",
              Boxes()[1].text);
    for (const MessageBoxRequest& box : Boxes())
    {
        EXPECT_EQ("kalvenrod - upozornění", box.caption);
        EXPECT_EQ(UINT(MB_ICONEXCLAMATION), box.Icon());
    }
    EXPECT_EQ(ScriptedAnswers::ShownDialogs(), std::vector<UINT>{IDD_VYSLEDKY});
}

// A value out of range stored in the sheet is shown when the input table opens, put right in the
// room dialog and stored; the calculation then runs on the stored sheet.
TEST_F(HeatLossCommandTest, AValueOutOfRangeIsPutRightInTheInputTable)
{
    Cells room = Room();
    room[3].second = "-4000";
    WriteProject({room, OuterWall(), Window()});
    ScriptedAnswers::ForgetShown();
    Command(ID_HEAT_LOSS);
    ASSERT_EQ(1u, Boxes().size());

    int rows = 0;
    CString shownLength;
    ScriptedAnswers::OnDialog(IDD_DATA_GRID, [&](CDialog& dialog) {
        auto& d = static_cast<CDataGridDialog&>(dialog);
        rows = d.m_Grid.GetRowCount();
        ScriptedAnswers::OnDialog(IDD_ROOM, [&](CDialog& r) {
            r.GetDlgItemText(IDC_ROOM_LENGTH, shownLength);
            UiTest::Click(r.GetDlgItem(IDC_ROOM_OK)); // refused: the length is out of range
            r.SetDlgItemText(IDC_ROOM_LENGTH, "4000");
            UiTest::Click(r.GetDlgItem(IDC_ROOM_OK));
            return IDCANCEL;
        });
        GridNotify note;
        note.iRow = 2;
        LRESULT result = 0;
        d.OnGridDblClick(&note.hdr, &result);
        UiTest::Click(d.GetDlgItem(IDOK));
        return IDCANCEL;
    });
    ScriptedAnswers::ForgetShown();
    Command(ID_INPUT_DATA);
    ASSERT_EQ(2u, Boxes().size());
    EXPECT_EQ("Místnost <1>: Délka místnosti [mm] = -4000 je mimo rozsah 1 až 500000 !!", Boxes()[0].text);
    EXPECT_EQ("Délka místnosti [mm] = -4000 je mimo rozsah 1 až 500000 !!", Boxes()[1].text);
    EXPECT_EQ(5, rows);
    EXPECT_EQ("-4000", shownLength);

    ProjectModel stored;
    ASSERT_TRUE(LoadInputSheet(AppSettings::Get().CurrentProjectPath(), stored).IsEmpty());
    EXPECT_EQ(4000, stored.Rooms[1].length);
    ScriptedAnswers::ForgetShown();
    Command(ID_HEAT_LOSS);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_DOUBLE_EQ(40.0, ProjectModel::Instance().Results[1].volume);
}

// A calculation that fails opens no results.
TEST_F(HeatLossCommandTest, NoResultsAfterAFailedCalculation)
{
    WriteProject({});
    ScriptedAnswers::ForgetShown();
    Command(ID_HEAT_LOSS);
    EXPECT_TRUE(ScriptedAnswers::ShownDialogs().empty());
}

} // namespace

// The whole road through command 32771 on a new project: rooms, walls and openings entered in
// their dialogs with their pickers, a room added and deleted, a wall edited, a bulk change of
// the height, "&OK"; the stored sheet reopens as the same tree and the calculation runs on it.
TEST_F(HeatLossCommandTest, InputRoadFromANewProjectToTheCalculation)
{
    WriteProject({});
    QFile::copy(KALVENROD_BIN_DIR "/MekrData.xls", QString::fromStdString(FolderPath("data") + "/MekrData.xls"));
    const auto choose = [](CDialog& d, int id, int index, UINT notification) {
        static_cast<CComboBox*>(d.GetDlgItem(id))->SetCurSel(index);
        d.SendMessage(WM_COMMAND, MAKEWPARAM(id, notification), 0);
    };
    const auto chooseText = [](CDialog& d, int id, const char* text) {
        auto* list = static_cast<CComboBox*>(d.GetDlgItem(id));
        list->SetCurSel(list->FindStringExact(-1, text));
        d.SendMessage(WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), 0);
    };
    const auto room = [&](const char* number, const char* name) {
        ScriptedAnswers::OnDialog(IDD_ROOM, [=](CDialog& d) {
            d.SetDlgItemText(IDC_ROOM_NUMBER, number);
            d.SetDlgItemText(IDC_ROOM_NAME, name);
            d.SetDlgItemText(IDC_ROOM_LENGTH, "5000");
            d.SetDlgItemText(IDC_ROOM_WIDTH, "4000");
            d.SetDlgItemText(IDC_ROOM_HEIGHT, "2600");
            ScriptedAnswers::OnDialog(IDD_ROOM_TE, [](CDialog& picker) {
                static_cast<CComboBox*>(picker.GetDlgItem(IDC_ROOMTE_TYPE))->SetCurSel(0);
                picker.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ROOMTE_TYPE, CBN_CLOSEUP), 0);
                UiTest::Click(picker.GetDlgItem(IDOK));
                return IDCANCEL;
            });
            UiTest::Click(d.GetDlgItem(IDC_ROOM_PICK_TI));
            d.SetDlgItemText(IDC_ROOM_DOORS, "1");
            d.SetDlgItemText(IDC_ROOM_MULTIPLE, "0,5");
            d.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ROOM_MULTIPLE, EN_KILLFOCUS), 0);
            static_cast<CComboBox*>(d.GetDlgItem(IDC_ROOM_ORIENTATION))->SetCurSel(0);
            UiTest::Click(d.GetDlgItem(IDC_ROOM_OK));
            return IDCANCEL;
        });
    };
    const auto notify = [](CDataGridDialog& d, int row, bool rightClick) {
        GridNotify note;
        note.iRow = row;
        LRESULT result = 0;
        if (rightClick)
            d.OnGridRClick(&note.hdr, &result);
        else
            d.OnGridDblClick(&note.hdr, &result);
    };
    int rowsBeforeOk = 0;
    ScriptedAnswers::OnDialog(IDD_DATA_GRID, [&](CDialog& dialog) {
        auto& d = static_cast<CDataGridDialog&>(dialog);
        room("1.01", "Obývák");
        notify(d, 1, true); // row 2
        ScriptedAnswers::OnDialog(IDD_WALL, [&](CDialog& w) {
            choose(w, IDC_WALL_KIND, 0, CBN_SELCHANGE); // SO -stěna venkovní
            // U of the first outer wall construction of the catalogue.
            ScriptedAnswers::OnDialog(IDD_WALL_K, [](CDialog& constructions) {
                CGridCtrl& list = static_cast<CWall_K&>(constructions).m_GridK;
                CRect cell;
                list.GetCellRect(1, 1, &cell);
                UiTest::MouseDown(&list, cell.CenterPoint());
                UiTest::MouseUp(&list, cell.CenterPoint());
                UiTest::Click(constructions.GetDlgItem(IDOK));
                return IDCANCEL;
            });
            UiTest::Click(w.GetDlgItem(IDC_WALL_PICK_U));
            UiTest::Click(w.GetDlgItem(IDC_WALL_OK));
            return IDCANCEL;
        });
        notify(d, 2, true); // row 3
        ScriptedAnswers::OnDialog(IDD_WALL, [&](CDialog& w) {
            choose(w, IDC_WALL_KIND, 1, CBN_SELCHANGE); // SN -stěna vnitřní
            ScriptedAnswers::OnDialog(IDD_WALL_TI_VEDL, [](CDialog& picker) {
                picker.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_ADJ_FIRST_CHOICE + 4, BN_CLICKED), 0); // 15 °C
                UiTest::Click(picker.GetDlgItem(IDOK));
                return IDCANCEL;
            });
            UiTest::Click(w.GetDlgItem(IDC_WALL_PICK_TEMPERATURE));
            w.SetDlgItemText(IDC_WALL_U, "1,5");
            UiTest::Click(w.GetDlgItem(IDC_WALL_OK));
            return IDCANCEL;
        });
        notify(d, 2, true); // row 4
        ScriptedAnswers::OnDialog(IDD_WINDOW, [&](CDialog& o) {
            choose(o, IDC_WIN_KIND, 0, CBN_SELCHANGE);
            ScriptedAnswers::OnDialog(IDD_WINDOW_OT, [](CDialog& picker) {
                UiTest::Click(picker.GetDlgItem(IDOK));
                return IDCANCEL;
            });
            UiTest::Click(o.GetDlgItem(IDC_WIN_PICK_OPENING));
            o.SetDlgItemText(IDC_WIN_COUNT, "2");
            UiTest::Click(o.GetDlgItem(IDC_WIN_OK));
            return IDCANCEL;
        });
        notify(d, 3, true); // the opening at row 4, before wall SN
        room("1.02", "Kuchyň");
        notify(d, 1, true); // row 6
        EXPECT_EQ(7, d.m_Grid.GetRowCount());
        d.m_Grid.SetSelectedRange(6, 0, 6, 14);
        ScriptedAnswers::AnswerBox(IDYES);
        d.m_Grid.SetFocus();
        UiTest::PressKey(VK_DELETE);
        UiTest::ProcessEvents();
        ScriptedAnswers::OnDialog(IDD_WALL, [&](CDialog& w) {
            chooseText(w, IDC_WALL_WIDTH, "5000");
            UiTest::Click(w.GetDlgItem(IDC_WALL_OK));
            return IDCANCEL;
        });
        notify(d, 3, false);
        ScriptedAnswers::OnDialog(IDD_DATA_MENENI, [&](CDialog& bulk) {
            chooseText(bulk, IDC_BULK_COLUMN, "Výška");
            chooseText(bulk, IDC_BULK_OLD_VALUE, "2600");
            bulk.SetDlgItemText(IDC_BULK_NEW_VALUE, "2700");
            UiTest::Click(bulk.GetDlgItem(IDOK));
            return IDCANCEL;
        });
        UiTest::Click(d.GetDlgItem(IDC_BULK_CHANGE));
        rowsBeforeOk = d.m_Grid.GetRowCount();
        UiTest::Click(d.GetDlgItem(IDOK));
        return IDCANCEL;
    });
    ScriptedAnswers::ForgetShown();
    Command(ID_INPUT_DATA);
    ASSERT_EQ(1u, Boxes().size()) << "the Delete question only";
    EXPECT_EQ("Smazat řádek:>6<\ns pojmenovaním >Kuchyň<", Boxes()[0].text);
    EXPECT_EQ(6, rowsBeforeOk);
    EXPECT_EQ(AppSettings::Get().Modified[AppSettings::InputData], 1);

    InputSheet sheet;
    ASSERT_TRUE(sheet.ReadWorkbook(AppSettings::Get().CurrentProjectPath()).IsEmpty());
    ASSERT_EQ(5u, sheet.rows.size());
    const int levels[] = {1, 2, 3, 4, 3};
    for (int row = 0; row < 5; ++row)
        EXPECT_EQ(levels[row], sheet.LevelOf(row)) << row;
    EXPECT_EQ("Obývák", sheet.rows[1][InputSheet::Name].str());
    EXPECT_EQ("2700", sheet.rows[1][InputSheet::Height].str());
    EXPECT_EQ("5000", sheet.rows[2][InputSheet::Width].str());
    EXPECT_EQ("SO ", sheet.rows[2][InputSheet::Name].str());
    EXPECT_EQ(1.382, ProjectModel::Instance().Walls.At(1, 1).U) << "from the constructions";
    EXPECT_EQ("2", sheet.rows[3][InputSheet::Count].str());
    EXPECT_EQ("5", sheet.rows[4][InputSheet::TemperatureDifference].str());

    const ProjectModel& entered = ProjectModel::Instance();
    ProjectModel reopened;
    ASSERT_TRUE(LoadInputSheet(AppSettings::Get().CurrentProjectPath(), reopened).IsEmpty());
    ASSERT_EQ(entered.Rooms.count, reopened.Rooms.count);
    EXPECT_EQ(entered.Rooms[1].Ti, reopened.Rooms[1].Ti);
    EXPECT_EQ(2700, reopened.Rooms[1].height);
    EXPECT_EQ(entered.Walls.At(1, 1).length, reopened.Walls.At(1, 1).length);
    EXPECT_EQ(entered.Openings.At(1, 1, 1).jointLength, reopened.Openings.At(1, 1, 1).jointLength);

    ScriptedAnswers::ForgetShown();
    Command(ID_HEAT_LOSS);
    EXPECT_TRUE(Boxes().empty());
    EXPECT_GT(ProjectModel::Instance().Totals.total, 0.0);
}
