// The bill of materials without windows: item lists, quantities, prices, merging, headings and
// the bill sheets of a project workbook.
#include "../../hydraulics/tests/HydraulicsFixtures.h"

#include "common/AppSettings.h"
#include "floorwall/BillOfMaterials.h"
#include "platform/dao/tests/DebianPython.h"
#include "testing/ScriptedAnswers.h"

#include <gtest/gtest.h>

#include <QFile>

namespace
{

// Item and quantity pairs of a list, quantities as the bill rounds them.
std::vector<std::pair<int, double>> Rounded(const BillList& list)
{
    std::vector<std::pair<int, double>> items;
    for (const BillItem& item : list.items)
        items.emplace_back(item.item, BillQuantity(item.quantity));
    return items;
}

double QuantityOf(const BillList& list, int item)
{
    for (const BillItem& i : list.items)
        if (i.item == item)
            return BillQuantity(i.quantity);
    return -1.0;
}

BillCircuitRow Circuit(double area, double loop, double supply, int manifold)
{
    BillCircuitRow row;
    row.area = area;
    row.loopLength = loop;
    row.supplyLength = supply;
    row.manifold = manifold;
    return row;
}

std::vector<BillCircuitRow> OnManifold(int count, int manifold)
{
    return std::vector<BillCircuitRow>(std::size_t(count), Circuit(10.0, 60.0, 4.0, manifold));
}

// The opener's messages shown (beside the database's own report).
int ProblemsTold()
{
    int told = 0;
    for (const MessageBoxRequest& box : ScriptedAnswers::ShownBoxes())
        told += box.text.Find("Problémy při práci") == 0;
    return told;
}

} // namespace

TEST(BillOfMaterials, FloorListInOrderForAVssStationWithMixingSets)
{
    std::vector<BillCircuitRow> rows = {Circuit(20.0, 150.0, 10.0, 1), Circuit(30.0, 200.0, 40.0, 1),
                                        Circuit(50.0, 0.0, 0.0, 0)};
    rows[0].output = 1200.0;
    rows[0].otherSources = 100.0;
    rows[0].missing = 50.0;
    const BillTotals totals = SumFloorCircuits(rows);
    EXPECT_DOUBLE_EQ(totals.area, 100.0);
    EXPECT_DOUBLE_EQ(totals.pipeLength, 400.0);
    EXPECT_DOUBLE_EQ(totals.output, 1050.0);
    EquipmentChoice choice;
    choice.stationKind = kStationVss;
    choice.mixingSets = true;
    choice.mixingSetCount = 2;
    const BillList list = FloorBillItems(totals, 4, 72, choice, {12, 16});
    const std::vector<std::pair<int, double>> expected = {
        {4, 400},  {78, 1},  {11, 24},  {258, 2},  {54, 0},   {55, 0},  {56, 0},  {57, 0},  {1054, 0},
        {38, 1},   {54, 1},  {38, 0},   {39, 0},   {40, 0},   {41, 0},  {42, 0},  {43, 0},  {44, 0},
        {45, 0},   {46, 0},  {47, 0},   {48, 0},   {19, 4},   {50, 1},  {72, 100}, {74, 1200}, {64, 110},
        {65, 0},   {67, 17}, {12, 0},   {16, 0}};
    EXPECT_EQ(Rounded(list), expected);
    EXPECT_TRUE(list.items.back().marked);
    EXPECT_FALSE(list.items.front().marked);
}

TEST(BillOfMaterials, ManifoldsCircuitsAndPairItems)
{
    struct Case
    {
        const char* what;
        std::vector<BillCircuitRow> rows;
        int stationKind;
        int pipe;
        std::vector<std::pair<int, double>> present; // item, quantity (first row of the item)
        std::vector<int> absent;
        int stopManifold;
        int stopCount;
    };
    std::vector<BillCircuitRow> twelveAndThirteen = OnManifold(12, 1);
    for (const BillCircuitRow& row : OnManifold(13, 2))
        twelveAndThirteen.push_back(row);
    const Case cases[] = {
        {"no manifold index", {Circuit(10, 50, 5, 0), Circuit(10, 50, 5, -1)}, kStationVss, 4,
         {{19, 0}, {50, 0}, {38, 0}}, {54}, 0, 0},
        {"one circuit on an index", OnManifold(1, 3), kStationVss, 4, {{38, 1}, {54, 1}, {19, 2}, {50, 1}}, {}, 0, 0},
        {"twelve on one index", OnManifold(12, 1), kStationVsv, 7, {{35, 1}, {57, 1}, {61, 24}, {50, 1}}, {}, 0, 0},
        {"twelve and thirteen", twelveAndThirteen, kStationVsv, 4, {}, {}, 2, 13},
        {"pipe item 5", OnManifold(2, 1), kStationVsv, 5, {{25, 1}, {59, 4}, {11, 8}}, {5, 78, 80, 81}, 0, 0},
        {"pipe item 9 on VSV", OnManifold(2, 1), kStationVsv, 9, {{9, 128}, {81, 0}, {62, 4}}, {}, 0, 0},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        EquipmentChoice choice;
        choice.stationKind = c.stationKind;
        const BillList list = FloorBillItems(SumFloorCircuits(c.rows), c.pipe, 14, choice, {});
        EXPECT_EQ(list.stopManifold, c.stopManifold);
        EXPECT_EQ(list.stopCount, c.stopCount);
        if (c.stopManifold)
        {
            EXPECT_TRUE(list.items.empty());
            continue;
        }
        for (const auto& [item, quantity] : c.present)
            EXPECT_EQ(QuantityOf(list, item), quantity) << item;
        for (int item : c.absent)
            EXPECT_EQ(QuantityOf(list, item), -1.0) << item;
    }
    // One circuit counts once, its manifold has two outlets.
    EXPECT_EQ(FloorBillItems(SumFloorCircuits(OnManifold(1, 1)), 4, 14, {}, {}).circuits, 1);
}

TEST(BillOfMaterials, QuantitiesLengthsAndPrices)
{
    const std::pair<double, int> lengths[] = {{450.0, 2}, {400.4, 1}, {400.6, 2}, {0.4, 0}, {200.5, 1}, {200.4, 0}};
    for (const auto& [length, count] : lengths)
        EXPECT_EQ(PerTwoHundredMetres(length), count) << length;
    const std::pair<double, double> quantities[] = {
        {-3.0, 0.0}, {2.2, 3.0}, {0.17 * 300.0, 51.0}, {1.1 * 100.0, 110.0}, {51.000001, 52.0}, {0.0, 0.0}};
    for (const auto& [in, out] : quantities)
        EXPECT_EQ(BillQuantity(in), out) << in;
    EXPECT_EQ(PriceText(24.5, "Cz"), "25,-");
    EXPECT_EQ(PriceText(24.5, "En"), "24.50");
    EXPECT_DOUBLE_EQ(PriceOfText("25,-"), 25.0);
    const std::pair<int, int> cabinets[] = {{2, 54}, {4, 54}, {5, 55}, {7, 55}, {8, 56}, {10, 56}, {11, 57}, {12, 57}};
    for (const auto& [outlets, cabinet] : cabinets)
        EXPECT_EQ(CabinetItemForCircuits(outlets), cabinet) << outlets;
    EXPECT_EQ(FloorSystemItemOfCode("9001-0072"), 72);
    EXPECT_EQ(FloorSystemItemOfCode("9005-0014"), 0);
    EXPECT_EQ(FloorSystemItemOfCode("9001-0016"), 0);
}

TEST(BillOfMaterials, TwoManifoldsOfOneSizeMergeAndTheZeroRowStays)
{
    std::vector<BillCircuitRow> rows = OnManifold(3, 1);
    for (const BillCircuitRow& row : OnManifold(3, 2))
        rows.push_back(row);
    const BillList list = FloorBillItems(SumFloorCircuits(rows), 4, 14, {}, {});
    BillCatalogue catalogue;
    for (const BillItem& item : list.items)
        catalogue.items[item.item].cena = "10";
    std::vector<BillLine> lines;
    for (const BillItem& item : list.items)
        lines.push_back(MakeBillLine(item, catalogue, "Cz"));
    MergeDuplicateItems(lines);
    std::vector<std::pair<double, bool>> manifoldRows; // item 26: quantity, hidden
    for (const BillLine& line : lines)
        if (line.item == 26)
            manifoldRows.emplace_back(line.quantity, line.hidden);
    EXPECT_EQ(manifoldRows, (std::vector<std::pair<double, bool>>{{2.0, false}, {0.0, true}, {0.0, false}}));
}

TEST(BillOfMaterials, SummaryTextsStayEmptyWithoutDivisor)
{
    BillTotals totals;
    totals.area = 100.0;
    totals.output = 5000.0;
    totals.pipeLength = 400.0;
    BillSummary floor = SummariseBill(25000.0, totals, kBillFloor, "Cz");
    EXPECT_EQ(floor.total, "25000,-");
    EXPECT_EQ(floor.perSquareMetre, "250.0");
    EXPECT_EQ(floor.perWatt, "5.0");
    EXPECT_EQ(floor.averageSpacing, "0.250");
    const BillSummary wall = SummariseBill(25000.0, totals, kBillWall, "En");
    EXPECT_EQ(wall.total, "25000.00");
    EXPECT_TRUE(wall.perSquareMetre.IsEmpty() && wall.perWatt.IsEmpty() && wall.averageSpacing.IsEmpty());
    const BillSummary empty = SummariseBill(100.0, BillTotals(), kBillFloor, "Cz");
    EXPECT_TRUE(empty.perSquareMetre.IsEmpty() && empty.perWatt.IsEmpty() && empty.averageSpacing.IsEmpty());
}

TEST(BillOfMaterials, WallListInOrder)
{
    std::vector<BillCircuitRow> rows = {Circuit(4.0, 80.0, 6.0, 1), Circuit(2.5, 50.0, 3.5, 1)};
    rows[0].segments = 3;
    rows[1].segments = 2;
    const BillList list = WallBillItems(SumWallCircuits(rows), {51});
    const std::vector<std::pair<int, double>> expected = {
        {102, 130}, {107, 10}, {110, 52}, {120, 98}, {114, 10}, {122, 4}, {78, 0}, {19, 4}, {124, 4},
        {112, 10},  {127, 10}, {129, 0},  {11, 0},   {38, 1},   {54, 1},  {38, 0}, {39, 0}, {40, 0},
        {41, 0},    {42, 0},   {43, 0},   {44, 0},   {45, 0},   {46, 0},  {47, 0}, {48, 0}, {50, 1},
        {135, 1},   {137, 1},  {139, 1},  {51, 0}};
    EXPECT_EQ(Rounded(list), expected);
}

TEST(BillOfMaterials, CatalogueHeadingsMarkersAndFloorSystem)
{
    ScriptedAnswers::Reset();
    WorkbookCopy catalogueFile("ZVK-9001.XLS");
    BillCatalogue catalogue;
    ASSERT_TRUE(ReadBillCatalogue(catalogueFile.Path(), catalogue));
    EXPECT_EQ(catalogue.GroupHeading(25), "ROZDĚLOVAČE");
    EXPECT_EQ(catalogue.GroupHeading(3), "PODLAHOVÉ VYTÁPĚNÍ");
    EXPECT_EQ(catalogue.GroupHeading(54), "Skříně rozdělovačů");
    EXPECT_EQ(catalogue.GroupHeading(1), "");
    const std::vector<int> marked = catalogue.MarkedItems("PPPPP");
    EXPECT_EQ(marked.front(), 12);
    EXPECT_NE(std::find(marked.begin(), marked.end(), 51), marked.end());
    const BillLine line = MakeBillLine({3, 120.2}, catalogue, "Cz");
    EXPECT_TRUE(line.found);
    EXPECT_EQ(line.quantity, 121.0);
    EXPECT_EQ(line.price, 25.0); // 24.5 shown as "25,-"
    EXPECT_FALSE(MakeBillLine({9999, 1.0}, catalogue, "Cz").found);

    // Headings: a missing number passes in the walk down, ends the run of headings.
    BillCatalogue small;
    small.items[1] = {"", "", "Skupina", "", "", "", 1};
    small.items[2] = {"", "", "Podskupina", "", "", "", 1};
    small.items[4] = {"", "", "Jiná", "", "", "", 1};
    small.items[6] = {"", "", "A", "ks", "5", "", 1};
    small.items[9] = {"", "", "B", "ks", "5", "", 1};
    EXPECT_EQ(small.GroupHeading(9), "Jiná");
    small.items[3] = {"", "", "Třetí", "", "", "", 2}; // two rows: ends the run
    EXPECT_EQ(small.GroupHeading(9), "Jiná");
    small.items[3].rows = 1;
    EXPECT_EQ(small.GroupHeading(9), "Skupina");

    // Missing catalogue: told once, no items.
    ScriptedAnswers::Reset();
    EXPECT_FALSE(ReadBillCatalogue(catalogueFile.Folder() + "/chybí.XLS", catalogue));
    EXPECT_EQ(ProblemsTold(), 1);

    WorkbookCopy data("MekrData.xls");
    std::vector<BillCircuitRow> rows(2);
    EXPECT_EQ(DetectFloorSystem(rows, data.Folder(), "9001-0015"), 15);
    rows[1].buildUpKey = "20240115090000";
    EXPECT_EQ(DetectFloorSystem(rows, data.Folder(), "9001-0015"), 14);
    ScriptedAnswers::Reset();
    rows[0].buildUpKey = "20240115090000";
    EXPECT_EQ(DetectFloorSystem(rows, catalogueFile.Folder(), "9001-0015"), 15);
    EXPECT_EQ(ProblemsTold(), 1);
}

TEST(BillOfMaterials, BillSheetHoldsThePositiveRowsAndIsReplaced)
{
    ScriptedAnswers::Reset();
    WorkbookCopy project("MekrOrig.xls", "akce.kzn");
    AppSettings::Get().CurrentProjectPath() = project.Path();
    AppendRows(project.Path(), "MateriStenov$", {{{"Pořadí", "001"}, {"Kód položky", "9001-0102"}}});
    const std::vector<BillSheetRow> rows = {
        {"400", "9001-0004", "010004", "PE-Xa 16×2,0", "Trubka", "m", "30,-", "12000,-"},
        {"0", "9001-0078", "010078", "Spojka", "Spojka 16", "ks", "124,-", "0,-"},
        {"", "9001-1054", "", "", "", "", "", ""},
        {"2", "9001-0038", "010038", "Rozdělovač O'Neil", "VSS 2", "ks", "2770,-", "5540,-"},
    };
    ASSERT_EQ(WriteBillSheet(kBillFloor, rows, "Cz"), 0);
    ASSERT_EQ(WriteBillSheet(kBillFloor, rows, "Cz"), 0); // replaces, numbers restart
    const std::string script = R"(
import sys, xlrd
book = xlrd.open_workbook(sys.argv[1])
for name in ("MateriPodlah", "MateriStenov"):
    sheet = book.sheet_by_name(name)
    head = sheet.row_values(0)
    for r in range(1, sheet.nrows):
        row = dict(zip(head, sheet.row_values(r)))
        print(name, row["Pořadí"], row["Kód položky"], row["Typ"], row["Množství"], row["Cena"], row["Hodnota"])
)";
    const std::string expected = "MateriPodlah 001 9001-0004 PE-Xa 16×2,0 400 30,- 12000,-\n"
                                 "MateriPodlah 002 9001-0038 Rozdělovač O'Neil 2 2770,- 5540,-\n"
                                 "MateriStenov 001 9001-0102    \n";
    EXPECT_EQ(RunPython(QString::fromStdString(script), {QString::fromUtf8(project.Path().GetString())}), expected);
    EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty());

    // A project workbook without the bill sheet: told once, the workbook as it was.
    WorkbookCopy other("ZVK-9001.XLS", "bez.kzn");
    QFile file(QString::fromUtf8(other.Path().GetString()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    AppSettings::Get().CurrentProjectPath() = other.Path();
    EXPECT_EQ(WriteBillSheet(kBillWall, rows, "Cz"), 1);
    EXPECT_EQ(ProblemsTold(), 1);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}
