// A whole job in one run: a house of a dozen rooms carried through the program's commands in a
// designer's order, off screen, from the basic data to the printed reports, saved, closed and
// opened again. The steps are checked against each other: a room's loss against its shares, the
// pipe of the floor bill against the loops, a manifold's flow against its circuits, the sections
// against their sum, and the reports and designs of the reopened project against those before.

#include "DesignerRoad.h"
#include "MekrFixture.h"
#include "ReportPdf.h"
#include "XlrdSheet.h"

#include "app/CMekrDoc.h"
#include "common/AppSettings.h"
#include "heatloss/ProjectModel.h"
#include "hydraulics/NumberReading.h"
#include "hydraulics/ResultSheetColumns.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace
{
using namespace DesignerRoad;

const char* const kNumber = ResultSheet::Number;

// A family house of twelve rooms on two floors; the stairs beyond the inner walls are kept at 10 °C.
House FamilyHouse()
{
    const Opening window{0, 1500, 1500, 1, "1.1", "1.4"};
    const Opening smallWindow{0, 600, 600, 1, "1.1", "1.4"};
    const Opening door{3, 1000, 2100, 1, "1.7", "1.4"};
    const auto outer = [](int width, std::vector<Opening> openings = {}) {
        return Wall{0, width, 2700, "0.25", 0, std::move(openings)};
    };
    const auto inner = [](int width) { return Wall{1, width, 2700, "1.5", 10, {}}; };
    return {
        {"1.01", "Zádveří", 2500, 2000, 2700, 18, 20, {outer(2500, {door})}},
        {"1.02", "Obývací pokoj", 6500, 5000, 2700, 20, 80,
         {outer(6500, {{0, 2000, 1500, 2, "1.1", "1.4"}}), outer(5000, {window})}},
        {"1.03", "Kuchyň", 4000, 3500, 2700, 20, 60, {outer(4000, {{0, 1200, 1200, 1, "1.1", "1.4"}})}},
        {"1.04", "Spíž", 1500, 1500, 2700, 15, 5, {outer(1500)}},
        {"1.05", "Koupelna", 3000, 2500, 2700, 24, 40, {outer(3000, {smallWindow})}},
        {"1.06", "WC", 1500, 1000, 2700, 20, 25, {outer(1500, {{0, 400, 600, 1, "1.1", "1.4"}})}},
        {"1.07", "Chodba", 4000, 1500, 2700, 18, 10, {inner(4000)}},
        {"2.01", "Ložnice", 4500, 4000, 2700, 20, 40, {outer(4500, {window}), outer(4000)}},
        {"2.02", "Pokoj", 3500, 3500, 2700, 20, 35, {outer(3500, {window})}},
        {"2.03", "Pracovna", 3500, 3000, 2700, 20, 30, {outer(3500, {{0, 1200, 1500, 1, "1.1", "1.4"}})}},
        {"2.04", "Koupelna v patře", 2500, 2500, 2700, 24, 40, {outer(2500, {smallWindow})}},
        {"2.05", "Šatna", 2000, 2000, 2700, 20, 10, {inner(2000)}},
    };
}

// Every room on the floor heating, as the stored results leave it, but for these: the living room
// shares its loss with the wall heating and a radiator, the bathrooms with a radiator or the wall,
// the study is heated by its wall alone. (Two rooms may not share a name.)
const std::vector<RoomSplit> kSplits = {
    {"1.02", true, true, 0.25, 0.2},
    {"1.05", true, false, 0.0, 0.3},
    {"2.03", false, true, 0.0, 0.0},
    {"2.04", true, true, 0.4, 0.0},
};

double Number(const std::string& text)
{
    return text.empty() ? 0.0 : ReadNumber(CString(text));
}

double Number(const CString& text)
{
    return text.IsEmpty() ? 0.0 : ReadNumber(text);
}

// The sum of a column over the rows of a grid (its heading row left out).
double ColumnSum(const Grid& grid, const char* heading)
{
    const int column = ColumnOf(grid, heading);
    EXPECT_GE(column, 0) << heading;
    double sum = 0.0;
    for (size_t row = 1; column >= 0 && row < grid.size(); ++row)
        sum += Number(grid[row][size_t(column)]);
    return sum;
}

// The words of the line of the text that starts with these words.
std::vector<std::string> LineStartingWith(const std::string& text, const std::string& start)
{
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);)
    {
        const size_t first = line.find_first_not_of(' ');
        if (first != std::string::npos && line.compare(first, start.size(), start) == 0)
        {
            std::istringstream words(line);
            std::vector<std::string> result;
            for (std::string word; words >> word;)
                result.push_back(word);
            return result;
        }
    }
    ADD_FAILURE() << "no line starting with " << start;
    return {};
}

// The line of manifold 1 in a manifold bill: its circuits, their pipe or area and their flow,
// each as printed with one decimal.
void ExpectManifoldLine(const std::string& report, size_t circuits, double pipeOrArea, double flow)
{
    const size_t table = report.find("[W]\n");
    ASSERT_NE(table, std::string::npos);
    const std::vector<std::string> line = LineStartingWith(report.substr(table), "1 ");
    ASSERT_GE(line.size(), 4u);
    EXPECT_EQ(line[1], std::to_string(circuits));
    EXPECT_NEAR(Number(line[2]), pipeOrArea, 0.05 * double(circuits));
    EXPECT_NEAR(Number(line[3]), flow, 0.05 * double(circuits));
}

class WholeJobTest : public MekrFixture
{
protected:
    void SetUp() override
    {
        MekrFixture::SetUp();
        ASSERT_TRUE(QFile::copy(KALVENROD_BIN_DIR "/MekrData.xls",
                                QString::fromStdString(FolderPath("data") + "/MekrData.xls")));
        QDir(m_folder.path()).mkpath("akce");
        // The product catalogues as installed beside the program; the circuits may lose 30 kPa.
        Store("PathList", KALVENROD_BIN_DIR);
        Store("MaxTlakZtrata", "30000");
    }

    CWnd& Frame() { return *m_frame; }
    CMekrDoc& Document() { return *dynamic_cast<CMekrDoc*>(m_frame->GetActiveDocument()); }
    std::string Working() const { return AppSettings::Get().CurrentProjectPath().str(); }

    // The rows of "SeznamM$" of this kind, as xlrd reads the working copy.
    std::vector<XlrdSheet::Row> StoredRows(const char* kind) const
    {
        std::vector<XlrdSheet::Row> rows;
        for (const XlrdSheet::Row& row : XlrdSheet::Rows(Working(), "SeznamM"))
            if (XlrdSheet::Cell(row, "TYP_ZAZNAMU") == kind)
                rows.push_back(row);
        return rows;
    }

    // Every report printed into a PDF file of the folder, its text with blanks squeezed.
    std::vector<std::string> PrintEveryReport(const char* folder)
    {
        QDir(m_folder.path()).mkpath(folder);
        std::vector<std::string> texts;
        for (int report = 0; report <= 10; ++report)
        {
            const std::string pdf = FolderPath(folder) + "/sestava-" + std::to_string(report) + ".pdf";
            EXPECT_TRUE(PrintReport(Frame(), report, pdf)) << "report " << report << " is offered";
            texts.push_back(ReportPdf::Squeezed(ReportPdf::Text(pdf)));
            EXPECT_NE(texts.back().find("Strana 1 z "), std::string::npos) << "report " << report;
        }
        return texts;
    }

    void Restart(const std::vector<CString>& arguments)
    {
        Stop();
        delete m_app;
        ProjectModel::Instance().Reset("");
        m_app = new CMekrApp;
        m_app->m_strLanguageFolder = m_noPacks.path().toUtf8().constData();
        ASSERT_TRUE(Start(arguments));
    }
};

TEST_F(WholeJobTest, AHouseFromTheBasicDataToThePrintedReportsSavedAndOpenedAgain)
{
    const House house = FamilyHouse();

    // The start: a new project goes on with its basic data, which lead to the input table,
    // where the rooms, walls and openings are entered through their dialogs.
    AnswerBasicData();
    AnswerInputTable(house);
    ASSERT_TRUE(Start());
    const ProjectModel& model = ProjectModel::Instance();
    EXPECT_EQ(model.Header.Te, -12);
    EXPECT_EQ(model.Header.buildingType, 3);
    ASSERT_EQ(model.Rooms.count, int(house.size()) + 1) << "the building and the rooms";
    for (size_t r = 0; r < house.size(); ++r)
    {
        EXPECT_EQ(model.Rooms[int(r) + 1].number, CString(house[r].number));
        EXPECT_EQ(model.Rooms[int(r) + 1].wallCount - 1, int(house[r].walls.size())) << house[r].number;
    }
    EXPECT_TRUE(ScriptedAnswers::UnansweredDialogs().empty());
    EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty());

    // The heat losses, stored with "Uložit": a room row of "SeznamM$" for every room.
    const CString shownTotal = CalculateAndStoreLosses(Frame());
    const double total = model.Totals.total;
    EXPECT_GT(total, 5000.0);
    EXPECT_NEAR(Number(shownTotal), total, 0.05);
    std::vector<XlrdSheet::Row> rooms = StoredRows("2");
    ASSERT_EQ(rooms.size(), house.size());
    double sumOfRooms = 0.0;
    for (size_t r = 0; r < rooms.size(); ++r)
    {
        EXPECT_EQ(XlrdSheet::Cell(rooms[r], kNumber), house[r].number);
        EXPECT_NEAR(Number(XlrdSheet::Cell(rooms[r], "ZtrátaM")), model.Results[int(r) + 1].total, 0.05);
        sumOfRooms += model.Results[int(r) + 1].total;
    }
    EXPECT_NEAR(sumOfRooms, total, 0.5);

    // The split between the heating kinds with the system's gradient.
    SplitWithGradient(Frame(), kSplits, "44", "39");
    EXPECT_EQ(AppSettings::Get().TemperaturePair, "44.0#39.0");
    EXPECT_EQ(XlrdSheet::Cell(XlrdSheet::Rows(Working(), "DataAkce").at(0), "Teplotní spád"), "44.0#39.0");
    rooms = StoredRows("2");
    ASSERT_EQ(rooms.size(), house.size());
    std::map<std::string, XlrdSheet::Row> roomByNumber;
    for (const XlrdSheet::Row& room : rooms)
    {
        const std::string number = XlrdSheet::Cell(room, kNumber);
        roomByNumber[number] = room;
        const double floor = Number(XlrdSheet::Cell(room, "ZTRATA_PODL"));
        const double wall = Number(XlrdSheet::Cell(room, "ZTRATA_STEN"));
        const double radiator = Number(XlrdSheet::Cell(room, "ZTRATA_TELE"));
        EXPECT_NEAR(floor + wall + radiator, Number(XlrdSheet::Cell(room, "ZtrátaM")), 0.15)
            << "room " << number << ": the floor, wall and radiator shares make the room's loss";
    }
    const double livingLoss = Number(XlrdSheet::Cell(roomByNumber["1.02"], "ZtrátaM"));
    EXPECT_NEAR(Number(XlrdSheet::Cell(roomByNumber["1.02"], "ZTRATA_STEN")), 0.25 * livingLoss, 0.1);
    EXPECT_NEAR(Number(XlrdSheet::Cell(roomByNumber["1.02"], "ZTRATA_TELE")), 0.2 * livingLoss, 0.1);
    EXPECT_EQ(Number(XlrdSheet::Cell(roomByNumber["2.03"], "ZTRATA_PODL")), 0.0);
    EXPECT_EQ(Number(XlrdSheet::Cell(roomByNumber["1.03"], "ZTRATA_TELE")), 0.0);

    // The floor heating design with the split living room, its manifold and bill.
    ScriptedAnswers::ForgetShown();
    const Grid floor = DesignFloor(Frame());
    ASSERT_GT(floor.size(), 1u);
    EXPECT_TRUE(ScriptedAnswers::UnansweredDialogs().empty());
    const int label = 0, spacing = ColumnOf(floor, "Rozteč [m]"), manifold = ColumnOf(floor, "Rozdělovač"),
              supply = ColumnOf(floor, "TV [°C]");
    ASSERT_GE(spacing, 0);
    ASSERT_GE(manifold, 0);
    ASSERT_GE(supply, 0);
    std::vector<std::string> floorRooms;
    for (size_t row = 1; row < floor.size(); ++row)
    {
        const std::string circuit = floor[row][label].str();
        floorRooms.push_back(circuit.substr(0, circuit.find('/')));
        EXPECT_GT(Number(floor[row][size_t(spacing)]), 0.0) << circuit;
        EXPECT_EQ(floor[row][size_t(manifold)], "1") << circuit;
        EXPECT_LE(Number(floor[row][size_t(supply)]), 44.0) << circuit << " is fed no warmer than the system";
    }
    for (const Room& room : house)
        EXPECT_EQ(std::count(floorRooms.begin(), floorRooms.end(), room.number) > 0, room.number != "2.03")
            << room.number << " has floor circuits as it has a floor share";
    // The floor bill orders the pipe of the loops and their supplies, rounded up.
    const double floorPipe = ColumnSum(floor, "L okruh [m]") + ColumnSum(floor, "L přívod [m]");
    const double floorFlow = ColumnSum(floor, "mH [kg/hod.]");
    EXPECT_GT(floorPipe, 100.0);
    double billedPipe = -1.0;
    for (const XlrdSheet::Row& item : XlrdSheet::Rows(Working(), "MateriPodlah"))
        if (XlrdSheet::Cell(item, "Kód položky") == AppSettings::Get().KodTopTrub.str())
            billedPipe = Number(XlrdSheet::Cell(item, "Množství"));
    EXPECT_EQ(billedPipe, std::ceil(floorPipe - 1e-9)) << "the pipe of the loops " << floorPipe << " m";
    std::vector<XlrdSheet::Row> circuits = StoredRows("4");
    EXPECT_EQ(circuits.size(), floor.size() - 1) << "every circuit stored";

    // The wall heating design of the rooms with a wall share.
    const WallGrids wall = DesignWall(Frame());
    EXPECT_TRUE(ScriptedAnswers::UnansweredDialogs().empty());
    ASSERT_EQ(wall.rooms.size(), 4u) << "the heading and three rooms";
    ASSERT_GT(wall.circuits.size(), 3u);
    const std::vector<XlrdSheet::Row> wallCircuits = StoredRows("5");
    EXPECT_EQ(wallCircuits.size(), wall.circuits.size() - 1);
    const double wallPipe = ColumnSum(wall.circuits, "Délka trubky");
    const double wallArea = ColumnSum(wall.circuits, "Plocha okr.");
    const double wallFlow = ColumnSum(wall.circuits, "mH [kg/hod.]");
    const std::vector<XlrdSheet::Row> wallBill = XlrdSheet::Rows(Working(), "MateriStenov");
    ASSERT_FALSE(wallBill.empty());
    EXPECT_EQ(XlrdSheet::Cell(wallBill[0], "Mj"), "m") << "the wall heating's pipe first";
    EXPECT_EQ(Number(XlrdSheet::Cell(wallBill[0], "Množství")), std::ceil(wallPipe - 1e-9))
        << "the pipe of the loops " << wallPipe << " m";

    // The distribution: the boiler room feeds the floor and wall manifolds and the radiators.
    const double radiatorsW = Number(XlrdSheet::Cell(roomByNumber["1.02"], "ZTRATA_TELE")) +
                              Number(XlrdSheet::Cell(roomByNumber["1.05"], "ZTRATA_TELE"));
    const double radiatorFlow = radiatorsW * 3.6 / (4.18 * 5.0);
    SizeDistribution(Frame(),
                     {{"Podlahové vytápění", floorFlow, 6.0, 4.5},
                      {"Stěnové vytápění", wallFlow, 8.0, 4.5},
                      {"Otopná tělesa", radiatorFlow, 12.0, 6.0}},
                     1);
    EXPECT_TRUE(ScriptedAnswers::UnansweredDialogs().empty());
    const std::vector<XlrdSheet::Row> sections = XlrdSheet::Rows(Working(), "DimenzSegm");
    ASSERT_EQ(sections.size(), 4u);
    EXPECT_EQ(XlrdSheet::Cell(sections[0], "Označení"), "Kotelna");
    double sectionFlows = 0.0;
    for (size_t s = 1; s < sections.size(); ++s)
    {
        sectionFlows += Number(XlrdSheet::Cell(sections[s], "Hmot_Průtok"));
        EXPECT_FALSE(XlrdSheet::Cell(sections[s], "Kód položky").empty()) << "a pipe for section " << s;
    }
    EXPECT_NEAR(Number(XlrdSheet::Cell(sections[0], "Hmot_Průtok")), sectionFlows, 0.01)
        << "the boiler room carries its sections";

    // All eleven reports.
    ScriptedAnswers::ForgetShown();
    const std::vector<std::string> reports = PrintEveryReport("pred");
    EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty());
    CString printedTotal;
    printedTotal.Format("%.0f", total);
    EXPECT_NE(reports[0].find(printedTotal.str()), std::string::npos) << "the total loss " << printedTotal.str();
    for (const Room& room : house)
        EXPECT_NE(reports[1].find(room.name), std::string::npos) << room.name;
    // The manifold bills: manifold 1 with every circuit, their pipe (floor) or area (wall) and
    // their flow.
    ExpectManifoldLine(reports[5], floor.size() - 1, floorPipe, floorFlow);
    ExpectManifoldLine(reports[10], wall.circuits.size() - 1, wallArea, wallFlow);

    // Save, then close without a question.
    const CString project = CString(FolderPath("akce") + "/Dům Novák.kzn");
    ScriptedAnswers::AnswerCommonDialog(IDOK, project);
    Command(ID_FILE_SAVE);
    EXPECT_FALSE(Document().IsModified());
    ScriptedAnswers::ForgetShown();
    Stop();
    EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty());
    EXPECT_TRUE(ScriptedAnswers::ShownCommonDialogs().empty());

    // Opened again: the same reports word for word, the same designs.
    Restart({project});
    EXPECT_EQ(Document().m_strDocPath, project);
    ScriptedAnswers::ForgetShown();
    const std::vector<std::string> again = PrintEveryReport("po");
    for (int report = 0; report <= 10; ++report)
        EXPECT_EQ(again[size_t(report)], reports[size_t(report)]) << "report " << report;
    EXPECT_EQ(ShownFloorDesign(Frame()), floor);
    const WallGrids wallAgain = ShownWallDesign(Frame());
    EXPECT_EQ(wallAgain.rooms, wall.rooms);
    EXPECT_EQ(wallAgain.circuits, wall.circuits);
    EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty());
    ReportPdf::Picture(FolderPath("po") + "/sestava-5.pdf", 1, "whole-job-report-5");
    ReportPdf::Picture(FolderPath("po") + "/sestava-10.pdf", 1, "whole-job-report-10");
}
} // namespace
