// The data workbooks as the programs meet them: through CData, with visible column names,
// the SQL texts of the programs and texts formatted by the columns' decimals.
#include "GeneratedWorkbooks.h"
#include "datalib/CData.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace
{

const CString kNumber = CString("Číslo") + CString(std::string(16, ' ')) + CString("Místnosti");

// The text of a cell by visible column name, formatted by the column's decimals.
std::string CellText(CData& data, const CString& column, int row)
{
    CString text;
    EXPECT_TRUE(data.GetStringValue(column, text, row, -1, 0)) << column.str();
    return text.str();
}

// A generated workbook opened read-only with one table or query open, as the programs open it.
class OpenCatalogue
{
public:
    OpenCatalogue(const std::string& folder, const CString& table, const CString& sql = "")
    {
        const std::string path = GeneratedPath(LoadManifest(folder));
        ok = data.Open(path.c_str(), "Excel 8.0", 0, 1) && data.OpenTable(table, sql, 0);
    }
    ~OpenCatalogue()
    {
        data.CloseTable();
        data.Close();
    }
    std::string Text(const CString& column, int row) { return CellText(data, column, row); }

    CData data;
    int ok = 0;
};

// One query of a program: the rows it finds and the texts of some cells, formatted as the
// columns' decimals say.
struct ExpectedCell
{
    const char* column;
    int row;
    const char* text;
};

struct ReadCase
{
    const char* folder;
    const char* table;
    const char* sql;
    int rows;
    std::vector<ExpectedCell> cells;
};

const std::string kLayersOfFirstBuildUp =
    "SELECT * FROM [Mekr_USkP$] WHERE [Odkaz]='20240115090000' AND [Pořadí]>0 ORDER BY [Pořadí] ASC";
const std::string kBuildUpsOfDefaultSystem =
    "SELECT * FROM [Mekr_USkP$] WHERE [Pořadí]=0 AND [Odkaz] IN (SELECT "
    "[Odkaz] FROM [Mekr_USkP$] WHERE [Kód položky]='9001-0014')";

const ReadCase kReadCases[] = {
    {"MekrData",
     "Mekr_Te$",
     "",
     79,
     {{"Te", 0, "-15"},
      {"Nadmořská výška", 0, "327"},
      {"Te", 78, "-21"},
      {"Větry", 72, "ano"},
      {"Místo", 71, "Oblast -12 °C, krajina normální"}}},
    {"ZVK-9001",
     "Data$",
     "SELECT * FROM [Data$] WHERE [Věta]=4",
     1,
     {{"Průměr trubky", 0, "0.0160"},
      {"Tloušťka stěny", 0, "0.0020"},
      {"TepVod trubky", 0, "0.350"},
      {"Kód položky", 0, "9001-0004"}}},
    {"ZVK-9001",
     "Data$",
     "SELECT * FROM [Data$] WHERE [Věta] IN (4,7,9)",
     3,
     {{"Věta", 0, "4"}, {"Typ", 0, "PE-Xa 16×2,0"}}},
    {"ZVK-9005", "Data$", "SELECT * FROM [Data$] WHERE [Věta] IN (14,15,72)", 3, {{"Věta", 2, "72"}}},
    {"ZVK-9001",
     "Data$",
     "SELECT * FROM [Data$] WHERE [Věta]=258",
     1,
     {{"Mj", 0, "ks"}, {"Cena", 0, "8490.00"}}},
    {"MekrData", "Mekr_USkP$", kBuildUpsOfDefaultSystem.c_str(), 1, {{"Odkaz", 0, "20240115090000"}}},
    {"MekrData",
     "Mekr_USkP$",
     kLayersOfFirstBuildUp.c_str(),
     4,
     {{"skupina", 2, "3"}, {"tepelOdpor", 2, "0.8571"}}},
    {"MekrData",
     "Mekr_StK$",
     "SELECT * FROM [Mekr_StK$] WHERE [Označení]='SO'",
     3,
     {{"Prostup tepla", 1, "0.342"}}},
    {"MekrData",
     "Mekr_MaPa$",
     "SELECT * FROM [Mekr_MaPa$] ORDER BY [Položka]",
     13,
     {{"Položka", 0, "101"}, {"Výpočtová Tepelná vodivost", 0, "1.570"}}},
};

TEST(DataThroughCDataTest, QueriesOfTheProgramsReadTheirValues)
{
    for (const ReadCase& c : kReadCases)
    {
        SCOPED_TRACE(c.sql);
        OpenCatalogue catalogue(c.folder, c.table, c.sql);
        ASSERT_TRUE(catalogue.ok);
        ASSERT_EQ(catalogue.data.m_nRecordCount, c.rows);
        for (const ExpectedCell& cell : c.cells)
            EXPECT_EQ(catalogue.Text(cell.column, cell.row), cell.text) << cell.column;
    }
}

TEST(DataThroughCDataTest, LayersOfANewConstructionStartEmptyWithAllColumns)
{
    OpenCatalogue layers("MekrData", "Mekr_kUsr$", "SELECT * FROM [Mekr_kUsr$] WHERE [Odkaz]='-1'");
    ASSERT_TRUE(layers.ok);
    EXPECT_EQ(layers.data.m_nRecordCount, 0);
    EXPECT_EQ(layers.data.m_nColCount, 10);
    OpenCatalogue marked("ZVK-9001", "Data$", "SELECT * FROM [Data$] WHERE [Dodat_volba] LIKE '*SSSSS*'");
    ASSERT_TRUE(marked.ok);
    EXPECT_GE(marked.data.m_nRecordCount, 3);
}

// A new project is a copy of the template; its first save writes the header row and adds row 1.
TEST(DataThroughCDataTest, NewProjectFromTheTemplateSavesItsHeader)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const CString project = CString(dir.filePath("Nový.XLS").toStdString());
    CData templ;
    ASSERT_TRUE(templ.Open(GeneratedPath(LoadManifest("MekrOrig")).c_str(), "Excel 8.0", 0, 1));
    ASSERT_TRUE(templ.Copy(project, -1));
    templ.Close();

    CData header;
    ASSERT_TRUE(header.Open(project, "Excel 8.0", 0, 0) && header.OpenTable("DataAkce$", "", 0));
    ASSERT_EQ(header.m_nRecordCount, 1);
    EXPECT_EQ(CellText(header, "PROG_VER", 0), "1.1");
    EXPECT_TRUE(header.SetStringValue("Název zakázky", "Rodinný dům Nová Ves", 0, 0));
    EXPECT_TRUE(header.SetStringValue("Venkovní teplota", "-15", 0, 0));
    ASSERT_TRUE(header.AddRow());
    EXPECT_TRUE(header.SetStringValue("ZakladSigma", "2", -1, 0));
    header.CloseTable();
    header.Close();

    ASSERT_TRUE(header.Open(project, "Excel 8.0", 0, 1) && header.OpenTable("DataAkce$", "", 0));
    ASSERT_EQ(header.m_nRecordCount, 2);
    EXPECT_EQ(CellText(header, "Venkovní teplota", 0), "-15");
    EXPECT_EQ(CellText(header, "ZakladSigma", 1), "2");
    header.CloseTable();
    const std::pair<CString, CString> firstColumns[] = {{"SeznamV$", kNumber}, {"SeznamM$", kNumber}};
    for (const auto& [table, column] : firstColumns)
    {
        ASSERT_TRUE(header.OpenTable(table, "", 0));
        EXPECT_EQ(header.GetColIndex(column, 0), 0);
        EXPECT_EQ(header.m_nRecordCount, 1);
        header.CloseTable();
    }
    header.Close();
}

} // namespace
