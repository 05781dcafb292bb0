#include "TestProjects.h"

#include "datalib/CData.h"
#include "heatloss/ElementRowTexts.h"
#include "heatloss/HeatLossIds.h"
#include "heatloss/InputSheetLoader.h"
#include "platform/core/UserLocale.h"
#include "platform/dao/Workbook.h"
#include "platform/dao/WorkbookFile.h"

#include <gtest/gtest.h>

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

TEST_P(InputSheetLoader, NumberCellsAndMissingColumns)
{
    SheetRows rows;
    rows.Room("1", "A").Wall("SO", 4000, 2500, "35", "0.35");
    const std::string path = folder.Path("cisla.xls");
    rows.WriteWorkbook(path, true);
    ASSERT_TRUE(LoadInputSheet(CString(path), model).IsEmpty());
    EXPECT_DOUBLE_EQ(0.35, model.Walls.At(1, 1).U);


    // A sheet with only some of the columns: the others read as empty.
    workbook::Workbook book;
    workbook::Worksheet& sheet = book.AddSheet("SeznamV");
    const InputSheet::Column columns[] = {InputSheet::Name, InputSheet::Length, InputSheet::TemperatureDifference};
    for (int c = 0; c < 3; ++c)
        sheet.SetText(0, c, InputSheet::ColumnName(columns[c]).str());
    sheet.SetText(1, 0, "objekt");
    sheet.SetText(2, 0, "Pokoj");
    sheet.SetText(2, 1, "4000");
    sheet.SetText(3, 0, "SO");
    sheet.SetText(3, 2, "35");
    const std::string partial = folder.Path("sloupce.xls");
    workbook::WriteWorkbook(book, partial);
    ASSERT_TRUE(LoadInputSheet(CString(partial), model).IsEmpty());
    EXPECT_EQ(2, model.Rooms.count);
    EXPECT_EQ(4000, model.Rooms[1].length);
    EXPECT_EQ(0, model.Rooms[1].airExchange);
    EXPECT_TRUE(model.Rooms[1].number.IsEmpty());
    EXPECT_EQ(35, model.Walls.At(1, 1).temperatureDifference);
    EXPECT_EQ(0.0, model.Walls.At(1, 1).U);
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
