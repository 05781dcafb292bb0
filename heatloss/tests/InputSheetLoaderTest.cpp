#include "TestProjects.h"

#include "datalib/CData.h"
#include "heatloss/ElementRowTexts.h"
#include "heatloss/HeatLossIds.h"
#include "heatloss/InputSheetLoader.h"
#include "platform/core/UserLocale.h"
#include "platform/dao/Workbook.h"
#include "platform/dao/WorkbookFile.h"

#include <gtest/gtest.h>

#include <functional>

namespace
{

// The sheet written to a workbook and read back through the data access library, under a
// decimal point and a decimal comma.
class InputSheetLoader : public ::testing::TestWithParam<char>
{
protected:
    void SetUp() override { UserLocale::SetCurrent(GetParam() == ',' ? UserLocale::Czech() : UserLocale::English()); }
    void TearDown() override { UserLocale::ResetToSystem(); }

    HeatLossMessage Load(const SheetRows& rows, ProjectModel& into)
    {
        const std::string path = folder.Path("projekt.xls");
        rows.WriteWorkbook(path);
        return LoadInputSheet(CString(path), into);
    }

    TempFolder folder;
    ProjectModel model;
};

TEST_P(InputSheetLoader, BuildingRowOnlyEmptiesTheRooms)
{
    auto held = TwoRoomProject();
    EXPECT_TRUE(Load(SheetRows(), *held).IsEmpty());
    EXPECT_EQ(1, held->Rooms.count);
}

TEST_P(InputSheetLoader, RowKinds)
{
    SheetRows rows;
    rows.Room("1.01", "Pokoj")
        .Wall("SO")
        .Opening("OJ")
        .Row({{InputSheet::Name, "bez délky"}, {InputSheet::Width, "3000"}}) // a room without "Délka"
        .Row({{InputSheet::Name, "OZ"}, {InputSheet::TemperatureDifference, "35"}, {InputSheet::I, "0,5"}})
        .Row({{InputSheet::Name, "SN"}, {InputSheet::TemperatureDifference, "0"}})
        .Row({{InputSheet::Length, "   "}, {InputSheet::Name, "mezery"}});
    const InputSheet& sheet = rows.Sheet();
    const int levels[] = {1, 2, 3, 4, 1, 4, 3, 1};
    for (int row = 0; row < int(sheet.rows.size()); ++row)
        EXPECT_EQ(levels[row], sheet.LevelOf(row)) << row;

    ASSERT_TRUE(Load(rows, model).IsEmpty());
    EXPECT_EQ(2, model.Rooms.count);
    EXPECT_EQ(3, model.Rooms[1].wallCount);
    EXPECT_EQ(3, model.Walls.At(1, 1).openingCount);
    EXPECT_EQ("OZ", model.Openings.At(1, 1, 2).code);
    EXPECT_EQ(0.5, model.Openings.At(1, 1, 2).i);
}

TEST_P(InputSheetLoader, TreeOfRoomsWallsAndOpenings)
{
    SheetRows rows;
    rows.Room("1", "A").Wall("SO").Opening("OJ").Opening("DO").Wall("SN").Room("2", "B").Wall("Pdl");
    ASSERT_TRUE(Load(rows, model).IsEmpty());
    EXPECT_EQ(3, model.Rooms.count);
    EXPECT_EQ(3, model.Rooms[1].wallCount);
    EXPECT_EQ(2, model.Rooms[2].wallCount);
    EXPECT_EQ(3, model.Walls.At(1, 1).openingCount);
    EXPECT_EQ(1, model.Walls.At(1, 2).openingCount);
    EXPECT_EQ(1, model.Walls.At(2, 1).openingCount);
    EXPECT_EQ("DO", model.Openings.At(1, 1, 2).code);
    EXPECT_EQ("Pdl", model.Walls.At(2, 1).code);
    EXPECT_EQ("B", model.Rooms[2].name);
}

TEST_P(InputSheetLoader, TextsAreBounded)
{
    const std::string longName(60, 'x');
    const std::string longOrientation = "Severovýchodovýchodní";
    SheetRows rows;
    rows.Room(longName.c_str(), "Pokoj č. 1", 5000, longOrientation.c_str())
        .Wall("SO  ")
        .Opening("OKNO")
        .Wall("SSJD");
    auto held = TwoRoomProject(); // wall 2 of room 1 held "SN "
    ASSERT_TRUE(Load(rows, *held).IsEmpty());
    EXPECT_EQ(std::string(49, 'x'), held->Rooms[1].number.str());
    EXPECT_EQ("Severovýchodovýcho", held->Rooms[1].orientation);
    EXPECT_EQ("SO ", held->Walls.At(1, 1).code);
    EXPECT_EQ("???", held->Openings.At(1, 1, 1).code);
    EXPECT_EQ("???", held->Walls.At(1, 2).code);
}

TEST_P(InputSheetLoader, CapacitiesAreKeptAndAFullerSheetIsRefused)
{
    struct Case
    {
        const char* name;
        int rooms, walls, openings;
        bool fits;
    };
    const Case cases[] = {
        {"98 rooms", 98, 1, 0, true},   {"99 rooms", 99, 1, 0, false}, {"19 walls", 1, 19, 0, true},
        {"20 walls", 1, 20, 0, false},  {"19 openings", 1, 1, 19, true}, {"20 openings", 1, 1, 20, false},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        SheetRows rows;
        for (int r = 0; r < c.rooms; ++r)
        {
            rows.Room("1", "Pokoj");
            for (int w = 0; w < c.walls; ++w)
            {
                rows.Wall("SO");
                for (int o = 0; o < c.openings; ++o)
                    rows.Opening("OJ");
            }
        }
        auto held = TwoRoomProject();
        const HeatLossMessage message = Load(rows, *held);
        if (c.fits)
        {
            EXPECT_TRUE(message.IsEmpty());
            EXPECT_EQ(c.rooms + 1, held->Rooms.count);
            EXPECT_EQ(c.walls + 1, held->Rooms[c.rooms].wallCount);
            EXPECT_EQ(c.openings + 1, held->Walls.At(c.rooms, c.walls).openingCount);
        }
        else
        {
            EXPECT_EQ(UINT(IDS_HL_INPUT_TOO_LARGE), message.id);
            EXPECT_EQ("kalvenrod - chyba", message.Caption());
            EXPECT_EQ(3, held->Rooms.count);
            EXPECT_EQ("Obývací pokoj", held->Rooms[1].name);
            EXPECT_EQ(2, held->Walls.At(2, 2).openingCount);
        }
    }
}

TEST_P(InputSheetLoader, ReadsEveryFieldWithEitherDecimalSeparator)
{
    SheetRows rows;
    rows.Room("1.01", "Obývací pokoj", 5200, "JZ")
        .Wall("SO", 5200, 2600, "35", "0,35")
        .Opening("OJ", 1500, 1250, 2, "1.2", "1,4", 5500)
        .Wall("SN", 4000, 2600, "5", "0.35");
    const std::string path = folder.Path("projekt.xls");
    rows.WriteWorkbook(path);
    ASSERT_TRUE(LoadInputSheet(CString(path), model).IsEmpty());

    const RoomTable::Entry& room = model.Rooms[1];
    EXPECT_EQ("1.01", room.number);
    EXPECT_EQ("Obývací pokoj", room.name);
    EXPECT_EQ("JZ", room.orientation);
    EXPECT_EQ(20, room.Ti);
    EXPECT_EQ(5200, room.length);
    EXPECT_EQ(4000, room.width);
    EXPECT_EQ(2500, room.height);
    EXPECT_EQ(1, room.doors);
    EXPECT_EQ(10, room.airExchange);
    const WallTable::Entry& wall = model.Walls.At(1, 1);
    EXPECT_EQ(5200, wall.length);
    EXPECT_EQ(2600, wall.height);
    EXPECT_EQ(35, wall.temperatureDifference);
    EXPECT_DOUBLE_EQ(0.35, wall.U);
    EXPECT_DOUBLE_EQ(0.35, model.Walls.At(1, 2).U);
    const OpeningTable::Entry& opening = model.Openings.At(1, 1, 1);
    EXPECT_EQ(1500, opening.length);
    EXPECT_EQ(1250, opening.height);
    EXPECT_EQ(2, opening.count);
    EXPECT_EQ(5500, opening.jointLength);
    EXPECT_DOUBLE_EQ(1.2, opening.U);
    EXPECT_DOUBLE_EQ(1.4, opening.i);
}

TEST_P(InputSheetLoader, NumberCells)
{
    SheetRows rows;
    rows.Room("1", "A").Wall("SO", 4000, 2500, "35", "0.35");
    const std::string path = folder.Path("cisla.xls");
    rows.WriteWorkbook(path, true);
    ASSERT_TRUE(LoadInputSheet(CString(path), model).IsEmpty());
    EXPECT_DOUBLE_EQ(0.35, model.Walls.At(1, 1).U);
}

// A sheet without one of the columns that the calculation reads is refused, naming the
// column, and the model stays as it was; the room's number and name and the row format may
// be missing (they read as empty).
TEST_P(InputSheetLoader, ASheetWithoutAColumnTheCalculationReadsIsRefused)
{
    SheetRows rows;
    rows.Room("1", "A").Wall("SO", 4000, 2500, "35", "0.35").Opening("OJ");
    for (int left = 0; left < InputSheet::ColumnCount; ++left)
    {
        const CString name = InputSheet::ColumnName(InputSheet::Column(left));
        SCOPED_TRACE(name.str());
        workbook::Workbook book;
        workbook::Worksheet& sheet = book.AddSheet("SeznamV");
        int to = 0;
        for (int column = 0; column < InputSheet::ColumnCount; ++column)
        {
            if (column == left)
                continue;
            sheet.SetText(0, to, InputSheet::ColumnName(InputSheet::Column(column)).str());
            for (int row = 0; row < int(rows.Sheet().rows.size()); ++row)
                if (!rows.Sheet().rows[row][column].IsEmpty())
                    sheet.SetText(row + 1, to, rows.Sheet().rows[row][column].str());
            ++to;
        }
        const std::string path = folder.Path("sloupce.xls");
        workbook::WriteWorkbook(book, path);
        auto held = TwoRoomProject();
        const HeatLossMessage message = LoadInputSheet(CString(path), *held);
        const bool needed = left >= InputSheet::Ti && left < InputSheet::Format;
        if (needed)
        {
            EXPECT_EQ(UINT(IDS_HL_MISSING_COLUMN), message.id);
            EXPECT_EQ("V tabulce SeznamV$ chybí sloupec " + name + ", bez něhož nelze tepelné ztráty spočítat !!",
                      message.Text());
            EXPECT_EQ(3, held->Rooms.count);
            EXPECT_DOUBLE_EQ(0.3, held->Walls.At(1, 1).U);
        }
        else
        {
            EXPECT_TRUE(message.IsEmpty()) << message.Text().str();
            EXPECT_EQ(2, held->Rooms.count);
            EXPECT_DOUBLE_EQ(0.35, held->Walls.At(1, 1).U);
        }
    }
}

// Stored numbers outside their range, number texts that are not finite included, refuse the
// sheet with the element's slots, the field and the text as stored; the model stays as it
// was. Loaded as stored, the same sheet fills the model.
TEST_P(InputSheetLoader, NumbersOutOfRangeAreRefused)
{
    const char sep = GetParam();
    const std::string low = std::string("0") + sep + "001";
    const struct
    {
        const char* name;
        std::function<void(SheetRows&)> rows;
        UINT id;          // 0: the sheet loads
        const char* text; // of the message, with the user's separator in the range
    } cases[] = {
        {"a negative room length", [](SheetRows& r) { r.Room("1", "A", -4000).Wall("SO"); },
         IDS_HL_ROOM_VALUE_OUT_OF_RANGE, "Místnost <1>: Délka místnosti [mm] = -4000 je mimo rozsah 1 až 500000 !!"},
        {"a room length of 1e999",
         [](SheetRows& r) { r.Row({{InputSheet::Name, "A"}, {InputSheet::Length, "1e999"}}); },
         IDS_HL_ROOM_VALUE_OUT_OF_RANGE, "Místnost <1>: Délka místnosti [mm] = 1e999 je mimo rozsah 1 až 500000 !!"},
        {"Ti of -300",
         [](SheetRows& r) { r.Room("1", "A").Room("2", "B").Row({{InputSheet::Length, "5000"}, {InputSheet::Ti, "-300"}}); },
         IDS_HL_ROOM_VALUE_OUT_OF_RANGE, "Místnost <3>: Teplota Ti [°C] = -300 je mimo rozsah -50 až 100 !!"},
        {"an air exchange of 1e9",
         [](SheetRows& r)
         { r.Row({{InputSheet::Length, "5000"}, {InputSheet::AirExchange, "1000000000"}}); },
         IDS_HL_ROOM_VALUE_OUT_OF_RANGE,
         "Místnost <1>: Výměna vzduchu [m3/h] = 1000000000 je mimo rozsah 0 až 10000000 !!"},
        {"a wall U of 1e999", [](SheetRows& r) { r.Room("1", "A").Wall("SO").Wall("SN", 4000, 2500, "5", "1e999"); },
         IDS_HL_WALL_VALUE_OUT_OF_RANGE, "Stěna <2> v místnosti <1>: U stěny [W.m-2.K-1] = 1e999 je mimo rozsah %s až 20 !!"},
        {"a wall U written as infinity", [](SheetRows& r) { r.Room("1", "A").Wall("SO", 4000, 2500, "35", "1,#INF"); },
         IDS_HL_WALL_VALUE_OUT_OF_RANGE, "Stěna <1> v místnosti <1>: U stěny [W.m-2.K-1] = 1,#INF je mimo rozsah %s až 20 !!"},
        {"a wall U written as NaN", [](SheetRows& r) { r.Room("1", "A").Wall("SO", 4000, 2500, "35", "1.#QNAN0"); },
         IDS_HL_WALL_VALUE_OUT_OF_RANGE, "Stěna <1> v místnosti <1>: U stěny [W.m-2.K-1] = 1.#QNAN0 je mimo rozsah %s až 20 !!"},
        {"a wall U nan", [](SheetRows& r) { r.Room("1", "A").Wall("SO", 4000, 2500, "35", "nan"); },
         IDS_HL_WALL_VALUE_OUT_OF_RANGE, "Stěna <1> v místnosti <1>: U stěny [W.m-2.K-1] = nan je mimo rozsah %s až 20 !!"},
        {"a negative wall difference of 200 K", [](SheetRows& r) { r.Room("1", "A").Wall("SN", 4000, 2500, "-200"); },
         IDS_HL_WALL_VALUE_OUT_OF_RANGE, "Stěna <1> v místnosti <1>: Rozdíl teplot [K] = -200 je mimo rozsah -160 až 160 !!"},
        {"a negative opening count",
         [](SheetRows& r) { r.Room("1", "A").Wall("SO").Opening("OJ").Opening("OJ", 1500, 1500, -2); },
         IDS_HL_OPENING_VALUE_OUT_OF_RANGE,
         "Otvor <2> ve stěně <1> v místnosti <1>: Počet otvorů [-] = -2 je mimo rozsah 1 až 1000 !!"},
        {"an opening i of 1e999", [](SheetRows& r) { r.Room("1", "A").Wall("SO").Opening("OJ", 1500, 1500, 1, "1.2", "1e999"); },
         IDS_HL_OPENING_VALUE_OUT_OF_RANGE,
         "Otvor <1> ve stěně <1> v místnosti <1>: i otvoru [m2.s-1.Pa0.67] = 1e999 je mimo rozsah %s až 100 !!"},
        {"a joint length beyond the integers",
         [](SheetRows& r)
         {
             r.Room("1", "A").Wall("SO").Row({{InputSheet::Width, "1500"}, {InputSheet::Height, "1500"},
                                              {InputSheet::I, "1,4"}, {InputSheet::JointLength, "99999999999"}});
         },
         IDS_HL_OPENING_VALUE_OUT_OF_RANGE,
         "Otvor <1> ve stěně <1> v místnosti <1>: Délka spáry otvoru [mm] = 99999999999 je mimo rozsah 1 až 1000000 !!"},
        // What stays: zeros and texts without a number are values not given; the wall's slot in
        // "délka spáry" is read by nothing; an inner wall to a warmer room has a negative difference.
        {"zeros and texts that are no numbers", [](SheetRows& r) { r.Room("1", "A").Wall("SO", 4000, 2500, "35", "abc").Opening("OJ", 0, 0, 0, "0", "0", 0); },
         0, ""},
        {"a wall slot of 1e999",
         [](SheetRows& r) { r.Room("1", "A").Row({{InputSheet::TemperatureDifference, "-4"}, {InputSheet::JointLength, "1e999"}}); },
         0, ""},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.name);
        SheetRows rows;
        c.rows(rows);
        auto held = TwoRoomProject();
        const HeatLossMessage message = Load(rows, *held);
        EXPECT_EQ(c.id, message.id);
        if (c.id == 0)
        {
            EXPECT_TRUE(message.IsEmpty()) << message.Text().str();
            continue;
        }
        CString expected;
        expected.Format(c.text, low.c_str());
        EXPECT_EQ(expected, message.Text());
        EXPECT_EQ(3, held->Rooms.count);
        EXPECT_EQ("Obývací pokoj", held->Rooms[1].name);
        EXPECT_EQ(expected, FirstStoredValueOutOfRange(rows.Sheet()).Text());

        // As stored: the input dialog loads it to be put right.
        ProjectModel asStored;
        EXPECT_TRUE(LoadInputSheet(rows.Sheet(), asStored, StoredValues::AsStored).IsEmpty());
        EXPECT_LT(1, asStored.Rooms.count);
    }
}

TEST_P(InputSheetLoader, RowTextsOfElementsReadBackAsTheyWere)
{
    auto project = TwoRoomProject();
    project->Walls.At(1, 1).U = 0.35;
    project->Openings.At(1, 1, 1).i = 2.0;
    const char sep = GetParam();
    const InputSheet::Row wall = WallRowTexts(*project, 1, 1);
    EXPECT_EQ(std::string("0") + sep + "35", wall[InputSheet::U].str());
    EXPECT_EQ("1", wall[InputSheet::JointLength]);
    EXPECT_EQ("35", wall[InputSheet::TemperatureDifference]);
    EXPECT_EQ("000000|ffffe0||1", wall[InputSheet::Format]);
    const InputSheet::Row opening = OpeningRowTexts(*project, 1, 1, 1);
    EXPECT_EQ(std::string("2") + sep, opening[InputSheet::I].str());
    EXPECT_EQ(std::string("1") + sep + "2", opening[InputSheet::U].str());
    EXPECT_EQ("6000", opening[InputSheet::JointLength]);
    const InputSheet::Row room = RoomRowTexts(*project, 2);
    EXPECT_EQ("1.02", room[InputSheet::Number]);
    EXPECT_EQ("S", room[InputSheet::Orientation]);
    EXPECT_TRUE(room[InputSheet::TemperatureDifference].IsEmpty());

    // The whole project through its rows and back.
    InputSheet sheet = SheetRows().Sheet();
    for (int r = 1; r < project->Rooms.count; ++r)
    {
        sheet.rows.push_back(RoomRowTexts(*project, r));
        for (int w = 1; w < project->Rooms[r].wallCount; ++w)
        {
            sheet.rows.push_back(WallRowTexts(*project, r, w));
            for (int o = 1; o < project->Walls.At(r, w).openingCount; ++o)
                sheet.rows.push_back(OpeningRowTexts(*project, r, w, o));
        }
    }
    ASSERT_TRUE(LoadInputSheet(sheet, model).IsEmpty());
    EXPECT_EQ(project->Rooms.count, model.Rooms.count);
    EXPECT_DOUBLE_EQ(0.35, model.Walls.At(1, 1).U);
    EXPECT_DOUBLE_EQ(2.0, model.Openings.At(1, 1, 1).i);
    EXPECT_EQ(2, model.Walls.At(2, 2).openingCount);
    EXPECT_EQ("DN ", model.Openings.At(2, 2, 1).code);
}

TEST_P(InputSheetLoader, AWorkbookOrSheetThatDoesNotOpen)
{
    auto held = TwoRoomProject();
    const CString missing(folder.Path("chybi.xls"));
    HeatLossMessage message = LoadInputSheet(missing, *held);
    EXPECT_EQ(UINT(IDS_HL_FILE_PROBLEM), message.id);
    EXPECT_EQ("Problémy při práci se souborem " + missing, message.Text());

    workbook::Workbook book;
    book.AddSheet("Jiný").SetText(0, 0, "A");
    const std::string path = folder.Path("jiny.xls");
    workbook::WriteWorkbook(book, path);
    message = LoadInputSheet(CString(path), *held);
    EXPECT_EQ(UINT(IDS_HL_TABLE_PROBLEM), message.id);
    EXPECT_EQ("Problémy při práci v tabulce SeznamV$", message.Text());
    EXPECT_EQ(3, held->Rooms.count);
}

INSTANTIATE_TEST_SUITE_P(Notations, InputSheetLoader, ::testing::Values('.', ','));

} // namespace
