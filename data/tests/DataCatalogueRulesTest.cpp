// The values the programs rely on: key records of the product catalogues, the design
// temperatures, every construction kind, the column layout of the project template.
#include "GeneratedWorkbooks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <set>

namespace
{

const std::string kNumber = "Číslo" + std::string(16, ' ') + "Místnosti";
const std::string kFloor = "Podlahové" + std::string(5, ' ') + "Vytápění";

void ExpectFieldsAt(const SheetTable& table, std::initializer_list<std::pair<int, std::string>> expected)
{
    for (const auto& [column, name] : expected)
        EXPECT_EQ(table.FieldName(column), name) << "column " << column;
}

// Record numbers of "Data" by "Věta;0".
std::map<int, int> RowsByRecord(const SheetTable& data)
{
    std::map<int, int> rows;
    for (int r = 0; r < data.RowCount(); ++r)
        rows[static_cast<int>(data.Number(r, "Věta;0"))] = r;
    return rows;
}

class Catalogue9001Test : public testing::Test
{
protected:
    const workbook::Workbook& book = Generated("ZVK-9001");
    SheetTable data{book, "Data"};
    std::map<int, int> rows = RowsByRecord(data);

    bool IsItem(int record) const { return rows.count(record) && !data.Text(rows.at(record), "Mj").empty(); }
};

TEST_F(Catalogue9001Test, OffersThePipesAndFloorSystemsOfTheSettings)
{
    for (int record : {4, 7, 9, 14, 15, 72})
    {
        SCOPED_TRACE(record);
        ASSERT_TRUE(IsItem(record));
        EXPECT_FALSE(data.Text(rows.at(record), "Typ").empty());
    }
    for (int record : {14, 15, 72})
        EXPECT_GT(data.Number(rows.at(record), "tepelOdpor;4"), 0.5);
}

TEST_F(Catalogue9001Test, PipeDimensionsGiveTheInnerDiametersOfTheHydraulicTables)
{
    const std::map<int, double> inner = {
        {3, 0.012},   {4, 0.012},   {5, 0.012},    {6, 0.014},    {7, 0.014},   {8, 0.014},
        {9, 0.016},   {102, 0.006}, {203, 0.0094}, {204, 0.01},   {205, 0.012}, {206, 0.012},
        {207, 0.014}, {208, 0.014}, {209, 0.016},  {212, 0.0204}, {213, 0.026}};
    for (const auto& [record, diameter] : inner)
    {
        SCOPED_TRACE(record);
        ASSERT_TRUE(IsItem(record));
        const int r = rows.at(record);
        EXPECT_NEAR(data.Number(r, "Průměr trubky;4") - 2 * data.Number(r, "Tloušťka stěny;4"), diameter,
                    1e-9);
        EXPECT_GE(data.Number(r, "Průměr povlaku;4"), data.Number(r, "Průměr trubky;4"));
    }
    for (int record : {3, 4, 5, 6, 7, 8, 9})
        EXPECT_GT(data.Number(rows.at(record), "TepVod trubky;3"), 0.0);
}

TEST_F(Catalogue9001Test, HoldsEveryBillItemWithUnitAndPrice)
{
    std::vector<int> items = {4,   7,   9,   78,  80,  81,  11,  258, 54,  55,  56,  57, 1054,
                              19,  59,  61,  62,  50,  14,  15,  72,  74,  64,  65,  67, 102,
                              107, 110, 120, 114, 122, 124, 112, 127, 129, 135, 137, 139};
    for (int n = 0; n <= 10; ++n)
    {
        items.push_back(25 + n);
        items.push_back(38 + n);
    }
    for (int record : items)
    {
        SCOPED_TRACE(record);
        ASSERT_TRUE(IsItem(record));
        EXPECT_GT(data.Number(rows.at(record), "Cena;2"), 0.0);
        EXPECT_EQ(data.Text(rows.at(record), "Kód položky"),
                  [&]
                  {
                      char code[16];
                      std::snprintf(code, sizeof code, "9001-%04d", record);
                      return std::string(code);
                  }());
    }
}

TEST_F(Catalogue9001Test, EveryItemFindsItsHeadingWalkingDown)
{
    for (const auto& [record, r] : rows)
    {
        if (!IsItem(record))
            continue;
        SCOPED_TRACE(record);
        int k = record - 1;
        while (k > 0 && IsItem(k))
            --k;
        ASSERT_TRUE(rows.count(k)) << "a number without a row lies between the item and its heading";
        EXPECT_FALSE(data.Text(rows.at(k), "Název").empty());
    }
}

TEST_F(Catalogue9001Test, MarksOptionalFloorAndWallItems)
{
    int floor = 0, wall = 0;
    for (int r = 0; r < data.RowCount(); ++r)
    {
        floor += data.Text(r, "Dodat_volba").find("PPPPP") != std::string::npos;
        wall += data.Text(r, "Dodat_volba").find("SSSSS") != std::string::npos;
    }
    EXPECT_GE(floor, 3);
    EXPECT_GE(wall, 3);
}

TEST(Catalogue9005Test, MapsTheSameRecordNumbersAsMaker9001)
{
    const workbook::Workbook& book = Generated("ZVK-9005");
    const SheetTable data(book, "Data");
    const std::map<int, int> rows = RowsByRecord(data);
    for (int record : {3, 4, 5, 6, 7, 8, 9, 14, 15, 72, 102, 203, 204, 205, 206, 207, 208, 209, 212, 213})
    {
        SCOPED_TRACE(record);
        ASSERT_TRUE(rows.count(record));
        EXPECT_FALSE(data.Text(rows.at(record), "Mj").empty());
    }
}

TEST(MakerListTest, ListsBothFloorSystemMakersWithTheirNumbersAsText)
{
    const workbook::Workbook& book = Generated("ZVK-VYROBCI");
    const SheetTable pipes(book, "Trubky");
    EXPECT_EQ(pipes.DistinctTexts("ČísloDatabáze"), (std::set<std::string>{"9001", "9005"}));
    EXPECT_EQ(pipes.DistinctTexts("Výrobce otopných trubek").count(""), 0u);
    const SheetTable radiators(book, "Tělesa");
    EXPECT_EQ(radiators.FieldName(1), "Výrobce otopných těles");
}

TEST(CatalogueWorkbookTest, ClimateRegionsUseOnlyTheFourDesignTemperatures)
{
    const workbook::Workbook& book = Generated("MekrData");
    const SheetTable te(book, "Mekr_Te");
    ASSERT_GT(te.RowCount(), 0);
    std::set<int> seen;
    for (int r = 0; r < te.RowCount(); ++r)
    {
        const int value = static_cast<int>(te.Number(r, "Te;0"));
        EXPECT_TRUE(value == -12 || value == -15 || value == -18 || value == -21) << value;
        seen.insert(value);
        EXPECT_FALSE(te.Text(r, "Nadmořská výška").empty());
        const std::string windy = te.Text(r, "Větry");
        EXPECT_TRUE(windy == "ano" || windy == "ne" || windy == "neuvedeno");
    }
    EXPECT_EQ(seen.size(), 4u);
    // The named towns come first, then the regions by landscape.
    EXPECT_EQ(te.Text(0, "Místo"), "Benešov");
    EXPECT_EQ(te.Text(0, "Nadmořská výška"), "327");
    EXPECT_EQ(te.Text(71, "Větry"), "ne");
}

TEST(CatalogueWorkbookTest, TwelveRoomTemperatureSheets)
{
    const workbook::Workbook& book = Generated("MekrData");
    for (const char* name : {"Mekr_TiOb", "Mekr_TiAd", "Mekr_TiSk", "Mekr_TiZr", "Mekr_TiOd", "Mekr_TiHr",
                             "Mekr_TiKu", "Mekr_TiDk", "Mekr_TiSb", "Mekr_TiNl", "Mekr_TiZs", "Mekr_TiPs"})
    {
        SCOPED_TRACE(name);
        const SheetTable ti(book, name);
        EXPECT_EQ(ti.Column("Typ místnosti"), 0);
        for (int r = 0; r < ti.RowCount(); ++r)
            EXPECT_GE(ti.Number(r, "Ti;0"), 5.0);
    }
    EXPECT_GT(SheetTable(book, "Mekr_TiOb").RowCount(), 5);
}

TEST(CatalogueWorkbookTest, EveryConstructionKindHasAConstructionWithU)
{
    const workbook::Workbook& book = Generated("MekrData");
    const SheetTable stk(book, "Mekr_StK");
    EXPECT_EQ(stk.DistinctTexts("Označení"),
              (std::set<std::string>{"SO", "SN", "SSJ", "SSD", "Pdl", "Str", "Sch"}));
    for (int r = 0; r < stk.RowCount(); ++r)
        EXPECT_GT(stk.Number(r, "Prostup tepla;3"), 0.0);
}

TEST(CatalogueWorkbookTest, ComposedConstructionsAgreeWithTheirLayers)
{
    const workbook::Workbook& book = Generated("MekrData");
    const SheetTable stk(book, "Mekr_StK");
    const SheetTable layers(book, "Mekr_kUsr");
    int composed = 0;
    for (int r = 0; r < stk.RowCount(); ++r)
    {
        const std::string key = stk.Text(r, "Odkaz");
        if (key.empty())
            continue;
        ++composed;
        SCOPED_TRACE(key);
        double thickness = 0, resistance = 0, rsi = -1, rse = 0;
        int expectedPosition = 1;
        for (int l = 0; l < layers.RowCount(); ++l)
        {
            if (layers.Text(l, "Odkaz") != key)
                continue;
            EXPECT_EQ(layers.Number(l, "Pořadí;0"), expectedPosition++);
            const double d = layers.Number(l, "Tloušťka;1");
            thickness += d;
            resistance += d / layers.Number(l, "Výpočtová Tepelná vodivost;3");
            if (rsi < 0)
                rsi = layers.Number(l, "Přestup tepla vnitřní;2");
            rse = layers.Number(l, "Přestup tepla vnější;2");
        }
        ASSERT_GT(expectedPosition, 1);
        EXPECT_NEAR(stk.Number(r, "Tloušťka;1"), thickness, 1e-9);
        EXPECT_NEAR(stk.Number(r, "Prostup tepla;3"), 1.0 / (rsi + 0.001 * resistance + rse), 0.0005);
    }
    EXPECT_GE(composed, 1);
}

TEST(CatalogueWorkbookTest, MaterialsAreListedByTheirItemNumberAsText)
{
    const workbook::Workbook& book = Generated("MekrData");
    const SheetTable materials(book, "Mekr_MaPa");
    std::string previous;
    for (int r = 0; r < materials.RowCount(); ++r)
    {
        const workbook::Cell& item = materials.CellAt(r, "Položka");
        ASSERT_EQ(item.kind, workbook::CellKind::Text);
        const std::string text = materials.Text(r, "Položka");
        EXPECT_LT(previous, text);
        previous = text;
        EXPECT_GT(materials.Number(r, "Objemová hmotnost;0"), 0.0);
        EXPECT_GT(materials.Number(r, "Výpočtová Tepelná vodivost;3"), 0.0);
    }
}

TEST(CatalogueWorkbookTest, JointCoefficientsAreInUnitsOfTenToTheMinusFour)
{
    const workbook::Workbook& book = Generated("MekrData");
    for (const char* name : {"Mekr_OtI", "Mekr_Ot"})
    {
        const SheetTable openings(book, name);
        ASSERT_GT(openings.RowCount(), 0);
        for (int r = 0; r < openings.RowCount(); ++r)
        {
            const double i = openings.Number(r, "i;2");
            EXPECT_GE(i, 0.1);
            EXPECT_LE(i, 2.0);
        }
    }
    const SheetTable windows(book, "Mekr_Ot");
    for (int r = 0; r < windows.RowCount(); ++r)
        EXPECT_GE(windows.Number(r, "Spára;0"),
                  2 * (windows.Number(r, "Šířka;0") + windows.Number(r, "Výška;0")));
}

TEST(CatalogueWorkbookTest, AtLeastSixCoveringsWithTheirResistance)
{
    const workbook::Workbook& book = Generated("MekrData");
    const SheetTable coverings(book, "Mekr_PoUp");
    EXPECT_GE(coverings.RowCount(), 6);
    for (int r = 0; r < coverings.RowCount(); ++r)
        EXPECT_NEAR(coverings.Number(r, "tepelOdpor;4"),
                    coverings.Number(r, "vrstva;1") * 0.001 / coverings.Number(r, "vodivost;3"), 0.00006);
}

// The floor system page lists the head rows whose key occurs in a layer of the system's code.
TEST(CatalogueWorkbookTest, EveryFloorSystemFindsABuildUp)
{
    const workbook::Workbook& book = Generated("MekrData");
    const SheetTable buildUps(book, "Mekr_USkP");
    std::set<std::string> names, descriptions;
    for (int r = 0; r < buildUps.RowCount(); ++r)
        (buildUps.Number(r, "Pořadí;0") == 0 ? names : descriptions)
            .insert(buildUps.Text(r, "Popis položky"));
    for (const std::string& name : names)
        EXPECT_EQ(descriptions.count(name), 0u) << name;

    for (const char* system : {"9001-0014", "9001-0015", "9001-0072", "9005-0014", "9005-0072"})
    {
        SCOPED_TRACE(system);
        std::set<std::string> keys;
        for (int r = 0; r < buildUps.RowCount(); ++r)
            if (buildUps.Text(r, "Kód položky") == system)
                keys.insert(buildUps.Text(r, "Odkaz"));
        int heads = 0;
        for (int r = 0; r < buildUps.RowCount(); ++r)
            heads += buildUps.Number(r, "Pořadí;0") == 0 && keys.count(buildUps.Text(r, "Odkaz"));
        EXPECT_GE(heads, 1);
    }
    for (int r = 0; r < buildUps.RowCount(); ++r)
        ASSERT_EQ(buildUps.CellAt(r, "Odkaz").kind, workbook::CellKind::Text);
}

TEST(ProjectTemplateTest, HeaderRowCarriesTheCurrentVersion)
{
    const workbook::Workbook& book = Generated("MekrOrig");
    const SheetTable header(book, "DataAkce");
    ASSERT_EQ(header.RowCount(), 1);
    EXPECT_EQ(header.Text(0, "PROG_VER"), "1.1");
    EXPECT_EQ(header.Text(0, "Teplotní spád"), "45#40");
    for (const char* column : {"Název zakázky", "Venkovní teplota", "Typ budovy", "ZakladSigma", "dThetaVDes",
                               "SIGMA_STENOVKY", "Ceník", "Výběr výšky"})
        EXPECT_GE(header.Column(column), 0);
}

TEST(ProjectTemplateTest, InputSheetHasItsFourteenColumnsAndTheBuildingRow)
{
    const workbook::Workbook& book = Generated("MekrOrig");
    const SheetTable input(book, "SeznamV");
    ASSERT_EQ(input.ColumnCount(), 14);
    ExpectFieldsAt(input, {{0, kNumber}, {13, "Format"}});
    ASSERT_EQ(input.RowCount(), 1);
    EXPECT_TRUE(input.IsEmpty(0, "Délka"));
    EXPECT_TRUE(input.IsEmpty(0, "Rozdíl teplot"));
    EXPECT_TRUE(input.IsEmpty(0, "souč_I"));
    EXPECT_EQ(input.Text(0, "Format"), "000000|d2b48c|T|1");
}

TEST(ProjectTemplateTest, ResultSheetColumnsStandWhereTheSplitDialogLooks)
{
    const workbook::Workbook& book = Generated("MekrOrig");
    const SheetTable results(book, "SeznamM");
    ASSERT_EQ(results.ColumnCount(), 69);
    // The dialog inserts one grid column after the floor column; grid c shows sheet c - 2 after it.
    EXPECT_LT(results.Column(kFloor), 9);
    ExpectFieldsAt(results, {{0, kNumber},
                             {1, "NázevM"},
                             {3, "ZtrátaM"},
                             {9, "Soustava"},
                             {51 - 2, "ZTRATA_PODL"},
                             {52 - 2, "ZTRATA_STEN"},
                             {53 - 2, "ZTRATA_TELE"}});
    ASSERT_EQ(results.RowCount(), 1);
    EXPECT_EQ(results.Text(0, "TYP_ZAZNAMU"), "1");
    EXPECT_EQ(results.Text(0, "NázevM"), "objekt");
}

TEST(ProjectTemplateTest, EmptySheetsKeepTheirColumns)
{
    const workbook::Workbook& book = Generated("MekrOrig");
    EXPECT_EQ(SheetTable(book, "DimenzSegm").ColumnCount(), 12);
    EXPECT_EQ(SheetTable(book, "DimenzSegm").RowCount(), 0);
    for (const char* bill : {"MateriPodlah", "MateriStenov"})
    {
        const SheetTable sheet(book, bill);
        EXPECT_EQ(sheet.ColumnCount(), 9);
        EXPECT_EQ(sheet.RowCount(), 0);
        EXPECT_GE(sheet.Column("Hodnota"), 0);
    }
}

} // namespace
