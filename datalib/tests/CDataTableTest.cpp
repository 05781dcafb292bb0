// CData over real workbooks: the table list, columns and their names, queries, new tables
// and copies.
#include "Fixtures.h"
#include "datalib/CData.h"
#include "datalib/SqlTextLiteral.h"
#include "platform/core/UserLocale.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

namespace
{
std::vector<CString> Names(const CStringArray& array)
{
    std::vector<CString> names;
    for (int i = 0; i < array.GetSize(); ++i)
        names.push_back(array[i]);
    return names;
}

std::vector<int> Numbers(const CArray<int, int>& array)
{
    std::vector<int> numbers;
    for (int i = 0; i < array.GetSize(); ++i)
        numbers.push_back(array[i]);
    return numbers;
}

class WorkbookTables : public testing::Test
{
protected:
    void SetUp() override
    {
        m_path = m_folder.ProjectWorkbook();
        ASSERT_TRUE(m_data.Open(m_path, "Excel 8.0", 0, 0));
    }

    FixtureFolder m_folder;
    CString m_path;
    CData m_data;
};
} // namespace

TEST_F(WorkbookTables, ListsEverySheetWithItsSuffix)
{
    const std::vector<CString> tables = Names(m_data.m_aTableNames);
    EXPECT_EQ(tables, (std::vector<CString>{"DataAkce$", "Moje data$", "SeznamM$", "SeznamV$"}));
    EXPECT_EQ(m_data.m_nTableCount, 4);
    EXPECT_EQ(m_data.GetFileName(), m_path);
    EXPECT_EQ(m_data.GetFileType(), "Excel 8.0");
    EXPECT_TRUE(m_data.IsTable("Moje data$"));
    EXPECT_FALSE(m_data.IsTable("moje data$"));
    EXPECT_EQ(m_data.GetTableIndex("SeznamM$"), 2);
    EXPECT_EQ(m_data.GetTableIndex("Seznam"), -1);
}

TEST_F(WorkbookTables, ColumnsShowTheirNamesWithoutDecimals)
{
    ASSERT_TRUE(m_data.OpenTable("SeznamM$", "", 0));
    EXPECT_EQ(m_data.m_strTable, "SeznamM$");
    EXPECT_EQ(m_data.m_nTable, 2);
    EXPECT_TRUE(m_data.IsOpenTable("SeznamM$"));
    EXPECT_TRUE(m_data.IsOpenTable(2));
    EXPECT_EQ(m_data.m_nRecordCount, 3);
    EXPECT_EQ(m_data.m_nCurRecord, 0);
    EXPECT_EQ(m_data.m_nColCount, 5);
    EXPECT_EQ(Names(m_data.m_aColNames),
              (std::vector<CString>{"Číslo", "Název místnosti", "Výkon", "Teplota", "Poznámka"}));
    EXPECT_EQ(Names(m_data.m_aOrigColNames),
              (std::vector<CString>{"Číslo", "Název místnosti", "Výkon;0", "Teplota;1", "Poznámka"}));
    EXPECT_EQ(Numbers(m_data.m_aColDecimals), (std::vector<int>{-2, -2, 0, 1, -2}));
    EXPECT_EQ(Numbers(m_data.m_aColTypes), (std::vector<int>{10, 10, 7, 7, 10}));
    EXPECT_EQ(Numbers(m_data.m_aColSizes), (std::vector<int>{255, 255, 8, 8, 255}));

    EXPECT_EQ(m_data.GetColIndex("Výkon", 0), 2);
    EXPECT_EQ(m_data.GetColIndex("Výkon", 1), -1);
    EXPECT_EQ(m_data.GetColIndex("Výkon;0", 1), 2);
    EXPECT_EQ(m_data.GetColIndex("výkon", 0), -1);
    EXPECT_EQ(m_data.GetColNameFromOriginal("Teplota;1"), "Teplota");
    EXPECT_EQ(m_data.GetColNameFromOriginal("Teplota"), "?");
    EXPECT_EQ(m_data.GetOriginalFromColName("Teplota"), "Teplota;1");
    EXPECT_EQ(m_data.GetOriginalFromColName("Nic"), "?");
}

TEST_F(WorkbookTables, ValuesAsTextFollowTheColumnDecimals)
{
    ASSERT_TRUE(m_data.OpenTable("SeznamM$", "", 0));
    CString text;
    struct Case
    {
        const char* column;
        int row;
        int precision;
        const char* expected;
    };
    for (const Case& c :
         {Case{"Teplota", 0, -1, "20.0"}, Case{"Teplota", 2, -4, "24.0"}, Case{"Teplota", 1, 3, "20.000"},
          Case{"Výkon", 0, -1, "1850"}, Case{"Výkon", 1, -2, "920.00"},
          Case{"Název místnosti", 1, -1, "Kuchyň"}, Case{"Poznámka", 1, -1, ""}, Case{"Číslo", 2, -1, "003"}})
    {
        EXPECT_TRUE(m_data.GetStringValue(c.column, text, c.row, c.precision, 0)) << c.column;
        EXPECT_EQ(text, c.expected) << c.column << " row " << c.row;
        EXPECT_EQ(m_data.m_nCurRecord, c.row);
    }
    EXPECT_TRUE(m_data.GetStringValue("Teplota;1", text, -1, -1, 1));
    EXPECT_EQ(text, "24.0");
    EXPECT_FALSE(m_data.GetStringValue("Teplota;1", text, -1, -1, 0));
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_FALSE(m_data.GetStringValue(5, text, 0, -1));
    EXPECT_FALSE(m_data.GetStringValue(-1, text, 0, -1));

    ASSERT_TRUE(m_data.OpenTable("DataAkce$", "", 0));
    const UserLocale czech = UserLocale::Czech();
    UserLocale::SetCurrent(czech);
    EXPECT_TRUE(m_data.GetStringValue("Datum", text, 0, -1, 0));
    EXPECT_EQ(text, "14.3.2026");
    EXPECT_TRUE(m_data.GetStringValue("Hotovo", text, 0, -1, 0));
    EXPECT_EQ(text, "Ano");
    UserLocale::SetCurrent(UserLocale::English());
}

TEST_F(WorkbookTables, QueriesAreTranslatedToTheStoredNames)
{
    ASSERT_TRUE(m_data.OpenTable("SeznamM$", "SELECT * FROM [SeznamM$] WHERE [Výkon] > 700", 0));
    EXPECT_EQ(m_data.m_nRecordCount, 2);
    EXPECT_EQ(m_data.GetColIndex("Výkon", 0), 2);
    m_data.CloseTable();

    ASSERT_TRUE(m_data.OpenTable("SeznamM$", "SELECT * FROM [SeznamM$] ORDER BY [Teplota] DESC, [Číslo]", 0));
    CString text;
    EXPECT_TRUE(m_data.GetStringValue("Název místnosti", text, 0, -1, 0));
    EXPECT_EQ(text, "Koupelna");
    m_data.CloseTable();

    ASSERT_TRUE(m_data.OpenTable("SeznamM$", "SELECT * FROM [SeznamM$] WHERE [Výkon;0] < 1000", 1));
    EXPECT_EQ(m_data.m_nRecordCount, 2);
    m_data.CloseTable();

    // Untranslated, the visible name is no field of the sheet.
    EXPECT_FALSE(m_data.OpenTable("SeznamM$", "SELECT * FROM [SeznamM$] WHERE [Výkon] > 0", 1));
    EXPECT_TRUE(m_data.IsOpen());
    EXPECT_EQ(m_data.m_nTable, -1);
    EXPECT_EQ(m_data.m_nColCount, 0);
    EXPECT_EQ(m_data.m_nTableCount, 4);
}

TEST_F(WorkbookTables, OpeningTheOpenTableAgainChangesNothing)
{
    ASSERT_TRUE(m_data.OpenTable("SeznamM$", "", 0));
    CString text;
    ASSERT_TRUE(m_data.GetStringValue(0, text, 2, -1));
    EXPECT_FALSE(m_data.OpenTable("SeznamM$", "", 0));
    EXPECT_EQ(m_data.m_strTable, "SeznamM$");
    EXPECT_EQ(m_data.m_nRecordCount, 3);
    EXPECT_EQ(m_data.m_nCurRecord, 2);
    EXPECT_EQ(m_data.m_nColCount, 5);
    EXPECT_FALSE(m_data.OpenTable("Nic$", "", 0));
    EXPECT_FALSE(m_data.OpenTable(4, "", 0));
    EXPECT_EQ(m_data.m_strTable, "SeznamM$");
}

TEST_F(WorkbookTables, AnotherTableReplacesTheOpenOne)
{
    ASSERT_TRUE(m_data.OpenTable("SeznamM$", "", 0));
    ASSERT_TRUE(m_data.OpenTable(3, "", 0));
    EXPECT_EQ(m_data.m_strTable, "SeznamV$");
    EXPECT_EQ(m_data.m_nColCount, 4);
    EXPECT_EQ(m_data.m_aColNames[0], "Číslo                Místnosti");
    EXPECT_EQ(m_data.m_nRecordCount, 3);
}

TEST_F(WorkbookTables, CreateTableMakesAnOpenEmptySheet)
{
    m_data.AddColBeforeCreateTable("Q", 7, 8, 2);
    m_data.AddColBeforeCreateTable("Název", 10, 255, 3);
    m_data.AddColBeforeCreateTable("Počet", 4, 4, -2);
    EXPECT_EQ(m_data.m_nColCount, 3);
    ASSERT_TRUE(m_data.CreateTable("Seznam"));
    EXPECT_TRUE(m_data.IsTable("Seznam$"));
    EXPECT_EQ(m_data.m_strTable, "Seznam$");
    EXPECT_EQ(m_data.m_nTable, m_data.GetTableIndex("Seznam$"));
    EXPECT_EQ(m_data.m_nTableCount, m_data.m_aTableNames.GetSize());
    EXPECT_EQ(m_data.m_nRecordCount, 0);
    EXPECT_EQ(m_data.m_nCurRecord, -1);
    EXPECT_EQ(Names(m_data.m_aOrigColNames), (std::vector<CString>{"Q;2", "Název", "Počet"}));
    EXPECT_EQ(Names(m_data.m_aColNames), (std::vector<CString>{"Q", "Název", "Počet"}));
    EXPECT_EQ(Numbers(m_data.m_aColTypes), (std::vector<int>{7, 10, 4}));

    // A table is open: no second one is made.
    EXPECT_FALSE(m_data.CreateTable("Jiný"));
    m_data.CloseTable();
    // An existing table is not made again; the object stays usable.
    m_data.AddColBeforeCreateTable("Q", 7, 8, 2);
    EXPECT_FALSE(m_data.CreateTable("Seznam"));
    EXPECT_TRUE(m_data.IsOpen());
    EXPECT_EQ(m_data.m_nTable, -1);
    EXPECT_EQ(m_data.m_nColCount, 0);
    EXPECT_TRUE(m_data.OpenTable("Seznam$", "", 0));
}

// A sheet's heads with ". ! [ ] `" are named with "#", an empty or a repeated head by its place;
// the heads themselves stay to be read.
TEST_F(WorkbookTables, HeadsNamedOtherwiseThanTheyStandAreKeptToBeRead)
{
    m_data.AddColBeforeCreateTable("Obj.č.", 10, 255, -2);
    m_data.AddColBeforeCreateTable("", 10, 255, -2);
    m_data.AddColBeforeCreateTable("Cena!", 7, 8, 2);
    m_data.AddColBeforeCreateTable("Název", 10, 255, -2);
    m_data.AddColBeforeCreateTable("Obj.č.", 10, 255, -2);
    ASSERT_TRUE(m_data.CreateTable("Hlavy"));
    ASSERT_TRUE(m_data.AddRow());
    ASSERT_TRUE(m_data.SetStringValue(3, "Kotel", 0));
    m_data.Close();

    ASSERT_TRUE(m_data.Open(m_path, "Excel 8.0", 0, 0));
    ASSERT_TRUE(m_data.OpenTable("Hlavy$", "", 0));
    EXPECT_EQ(Names(m_data.m_aColNames), (std::vector<CString>{"Obj#č#", "F2", "Cena#", "Název", "F5"}));
    std::vector<CString> heads;
    for (int c = 0; c < m_data.m_nColCount; ++c)
        heads.push_back(m_data.GetColHead(c));
    EXPECT_EQ(heads, (std::vector<CString>{"Obj.č.", "", "Cena!", "Název", "Obj.č."}));
    EXPECT_EQ(m_data.GetColHead(5), "?");
}

TEST_F(WorkbookTables, RowsAreAddedAndFound)
{
    ASSERT_TRUE(m_data.OpenTable("SeznamM$", "", 0));
    ASSERT_TRUE(m_data.AddRow());
    EXPECT_EQ(m_data.m_nRecordCount, 4);
    EXPECT_EQ(m_data.m_nCurRecord, 3);
    EXPECT_TRUE(m_data.SetStringValue("Číslo", "004", -1, 0));
    EXPECT_TRUE(m_data.SetStringValue("Teplota", "15,5", -1, 0));
    EXPECT_TRUE(m_data.SetStringValue(2, "1200.25", 3));

    EXPECT_FALSE(m_data.Find(15, "[Teplota] = 24", 0));
    EXPECT_FALSE(m_data.Find(10, "", 0));
    EXPECT_TRUE(m_data.Find(10, "[Teplota] = 24", 0));
    EXPECT_EQ(m_data.m_nCurRecord, 2);
    EXPECT_FALSE(m_data.Find(30, "[Teplota] = 99", 0));
    EXPECT_EQ(m_data.m_nCurRecord, 2);
    CString text;
    EXPECT_TRUE(m_data.GetStringValue("Název místnosti", text, -1, -1, 0));
    EXPECT_EQ(text, "Koupelna");
    EXPECT_TRUE(m_data.Find(20, "[Teplota] = 20", 0));
    EXPECT_EQ(m_data.m_nCurRecord, 1);
    EXPECT_TRUE(m_data.Find(40, "[Teplota] = 20", 0));
    EXPECT_EQ(m_data.m_nCurRecord, 0);
    EXPECT_TRUE(m_data.Find(30, "[Teplota;1] < 20", 1));
    EXPECT_EQ(m_data.m_nCurRecord, 3);
    EXPECT_TRUE(m_data.GetStringValue("Teplota", text, -1, -1, 0));
    EXPECT_EQ(text, "15.5");
    EXPECT_TRUE(m_data.GetStringValue("Výkon", text, -1, 2, 0));
    EXPECT_EQ(text, "1200.25");
}

TEST_F(WorkbookTables, TextThatDoesNotConvertLeavesTheCell)
{
    ASSERT_TRUE(m_data.OpenTable("SeznamM$", "", 0));
    CString text;
    EXPECT_FALSE(m_data.SetStringValue("Výkon", "mnoho", 0, 0));
    EXPECT_TRUE(m_data.GetStringValue("Výkon", text, 0, -1, 0));
    EXPECT_EQ(text, "1850");
    EXPECT_FALSE(m_data.SetStringValue(5, "1", 0));
    EXPECT_FALSE(m_data.SetStringValue("Nic", "1", 0, 0));

    EXPECT_TRUE(m_data.SetStringValue("Výkon", "", 0, 0));
    COleVariant value;
    EXPECT_TRUE(m_data.GetValue(2, value, 0));
    EXPECT_EQ(value.vt, VT_NULL);
    EXPECT_TRUE(m_data.GetStringValue("Výkon", text, 0, -1, 0));
    EXPECT_EQ(text, "");
}

TEST_F(WorkbookTables, CopyRefusesItsOwnFile)
{
    const std::string before = FileBytes(m_path);
    EXPECT_FALSE(m_data.Copy(m_path, -1));
    const CString samePlace = m_folder.Path("./Projekt.xls");
    EXPECT_FALSE(m_data.Copy(samePlace, -1));
    const CString link = m_folder.Path("Odkaz.xls");
    std::filesystem::create_symlink(m_path.str(), link.str());
    EXPECT_FALSE(m_data.Copy(link, -1));
    EXPECT_EQ(FileBytes(m_path), before);
    EXPECT_TRUE(m_data.IsOpen());
}

TEST_F(WorkbookTables, CopyTakesEveryRowOfATableOpenOnAQuery)
{
    ASSERT_TRUE(m_data.OpenTable("SeznamM$", "SELECT * FROM [SeznamM$] WHERE [Teplota] > 20", 0));
    ASSERT_EQ(m_data.m_nRecordCount, 1);
    const CString copy = m_folder.Path("Kopie.xls");
    ASSERT_TRUE(m_data.Copy(copy, -1));
    EXPECT_EQ(m_data.m_nTable, -1);
    CData target;
    ASSERT_TRUE(target.Open(copy, "Excel 8.0", 0, 0));
    ASSERT_TRUE(target.OpenTable("SeznamM$", "", 0));
    EXPECT_EQ(target.m_nRecordCount, 3);
}

TEST_F(WorkbookTables, CopyLeavesOutOneTable)
{
    const CString copy = m_folder.Path("Kopie.xls");
    ASSERT_TRUE(m_data.Copy(copy, 2));
    EXPECT_TRUE(m_data.IsOpen());
    EXPECT_EQ(m_data.m_nTable, -1);

    CData target;
    ASSERT_TRUE(target.Open(copy, "Excel 8.0", 0, 0));
    std::vector<CString> sheets;
    for (const CString& name : Names(target.m_aTableNames))
        if (name.Right(1) == "$")
            sheets.push_back(name);
    EXPECT_EQ(sheets, (std::vector<CString>{"DataAkce$", "Moje data$", "SeznamV$"}));
    ASSERT_TRUE(target.OpenTable("Moje data$", "", 0));
    EXPECT_EQ(Names(target.m_aOrigColNames), (std::vector<CString>{"Kód", "Hodnota;3"}));
    CString text;
    EXPECT_TRUE(target.GetStringValue("Hodnota", text, 1, -1, 0));
    EXPECT_EQ(text, "2.500");
}

TEST(CDataConnection, FileTypes)
{
    FixtureFolder folder;
    CData data;
    EXPECT_EQ(data.GetFileType(), "?");
    const CString access = folder.Path("Databaze.mdb");
    ASSERT_TRUE(data.Create(access, ""));
    EXPECT_TRUE(data.IsOpen());
    EXPECT_EQ(data.GetFileType(), "");
    EXPECT_EQ(data.m_nTableCount, 0);
    data.Close();
    EXPECT_FALSE(data.IsOpen());
    EXPECT_EQ(data.GetFileType(), "?");
    EXPECT_EQ(data.GetFileName(), "?");

    ASSERT_TRUE(data.Open(access, "Access", 0, 0));
    EXPECT_EQ(data.GetFileType(), "");
    // Only "Access" itself names the database file; "access" is a driver's name.
    EXPECT_FALSE(data.Open(access, "access", 0, 0));
    EXPECT_FALSE(data.IsOpen());
}

TEST(CDataConnection, MissingWorkbookDoesNotOpen)
{
    FixtureFolder folder;
    CData data;
    EXPECT_FALSE(data.Open(folder.Path("Chybí.xls"), "Excel 8.0", 0, 0));
    EXPECT_FALSE(data.IsOpen());
    EXPECT_FALSE(std::filesystem::exists(folder.Path("Chybí.xls").str()));
    // Creating a workbook succeeds; it appears when first written.
    EXPECT_TRUE(data.Create(folder.Path("Nový.xls"), "Excel 8.0"));
    data.AddColBeforeCreateTable("A", 10, 255, -2);
    EXPECT_TRUE(data.CreateTable("List"));
    data.Close();
    EXPECT_TRUE(std::filesystem::exists(folder.Path("Nový.xls").str()));
}

TEST(CDataConnection, OpenClosesWhatWasOpen)
{
    FixtureFolder folder;
    const CString first = folder.ProjectWorkbook("A.xls");
    const CString second = folder.WorkbookWithEmptySheet("B.xls");
    CData data;
    ASSERT_TRUE(data.Open(first, "Excel 8.0", 0, 0));
    ASSERT_TRUE(data.OpenTable("SeznamM$", "", 0));
    ASSERT_TRUE(data.SetStringValue("Poznámka", "změněno", 1, 0));
    ASSERT_TRUE(data.Open(second, "Excel 8.0", 0, 0));
    EXPECT_EQ(data.GetFileName(), second);
    EXPECT_EQ(Names(data.m_aTableNames), (std::vector<CString>{"Data$", "List2$"}));
    EXPECT_EQ(data.m_nTable, -1);
    EXPECT_EQ(data.m_nColCount, 0);
    EXPECT_TRUE(data.ReOpen());
    EXPECT_EQ(data.GetFileName(), second);
    EXPECT_EQ(data.m_nTableCount, 2);

    // The first workbook was closed and written with its change.
    CData check;
    ASSERT_TRUE(check.Open(first, "Excel 8.0", 0, 0));
    ASSERT_TRUE(check.OpenTable("SeznamM$", "", 0));
    CString text;
    EXPECT_TRUE(check.GetStringValue("Poznámka", text, 1, -1, 0));
    EXPECT_EQ(text, "změněno");
}

TEST_F(WorkbookTables, TranslationMapsTheLoadedColumns)
{
    // With no columns loaded there is nothing to map.
    CString sql = "SELECT * FROM [SeznamM$] WHERE [Výkon] > 0";
    EXPECT_TRUE(m_data.TranslateSQLColNamesToOriginal("SeznamM$", sql));
    EXPECT_EQ(sql, "SELECT * FROM [SeznamM$] WHERE [Výkon] > 0");
    CString plain = "SELECT * FROM T";
    EXPECT_TRUE(m_data.TranslateSQLColNamesToOriginal("T", plain));
    CString empty;
    EXPECT_TRUE(m_data.TranslateSQLColNamesToOriginal("T", empty));

    ASSERT_TRUE(m_data.OpenTable("SeznamM$", "", 0));
    EXPECT_TRUE(m_data.TranslateSQLColNamesToOriginal("SeznamM$", sql));
    EXPECT_EQ(sql, "SELECT * FROM [SeznamM$] WHERE [Výkon;0] > 0");
    CString literal = "[Teplota] = '[Teplota]'";
    EXPECT_TRUE(m_data.TranslateSQLColNamesToOriginal("", literal));
    EXPECT_EQ(literal, "[Teplota;1] = '[Teplota]'");

    // A table whose names all stand as stored leaves the text alone.
    ASSERT_TRUE(m_data.OpenTable("DataAkce$", "", 0));
    ASSERT_TRUE(m_data.OpenTable("SeznamV$", "", 0));
    CString unchanged = "SELECT * FROM [SeznamV$] WHERE [Název] = 'Kuchyň'";
    EXPECT_TRUE(m_data.TranslateSQLColNamesToOriginal("SeznamV$", unchanged));
    EXPECT_EQ(unchanged, "SELECT * FROM [SeznamV$] WHERE [Název] = 'Kuchyň'");
}

TEST_F(WorkbookTables, DeleteTableRefreshesTheList)
{
    EXPECT_FALSE(m_data.DeleteTable("Nic$"));
    ASSERT_TRUE(m_data.OpenTable("Moje data$", "", 0));
    EXPECT_TRUE(m_data.DeleteTable(""));
    EXPECT_TRUE(m_data.IsOpen());
    EXPECT_EQ(m_data.m_nTable, -1);
    EXPECT_FALSE(m_data.IsTable("Moje data$"));
    EXPECT_TRUE(m_data.DeleteTable("SeznamV$"));
    m_data.Close();

    CData reopened;
    ASSERT_TRUE(reopened.Open(m_path, "Excel 8.0", 0, 0));
    EXPECT_EQ(Names(reopened.m_aTableNames), (std::vector<CString>{"DataAkce$", "SeznamM$"}));
}

TEST_F(WorkbookTables, RenameTableChecksTheNewName)
{
    for (const char* bad : {"Nové jméno", "A.B", "A,B", "A;B"})
        EXPECT_FALSE(m_data.RenameTable(bad, "Moje data$")) << bad;
    EXPECT_FALSE(m_data.RenameTable(CString('x', 65), "Moje data$"));
    EXPECT_FALSE(m_data.RenameTable("Jiná", "Nic$"));
    EXPECT_EQ(Names(m_data.m_aTableNames),
              (std::vector<CString>{"DataAkce$", "Moje data$", "SeznamM$", "SeznamV$"}));

    EXPECT_TRUE(m_data.RenameTable("Hodnoty", "Moje data$"));
    EXPECT_TRUE(m_data.IsTable("Hodnoty$"));
    EXPECT_FALSE(m_data.IsTable("Moje data$"));

    // The open table is renamed and opened again.
    ASSERT_TRUE(m_data.OpenTable("SeznamV$", "", 0));
    EXPECT_TRUE(m_data.RenameTable("Vstup", ""));
    EXPECT_EQ(m_data.m_strTable, "Vstup$");
    EXPECT_EQ(m_data.m_nRecordCount, 3);
    m_data.Close();

    CData reopened;
    ASSERT_TRUE(reopened.Open(m_path, "Excel 8.0", 0, 0));
    EXPECT_TRUE(reopened.IsTable("Hodnoty$"));
    EXPECT_TRUE(reopened.IsTable("Vstup$"));
    ASSERT_TRUE(reopened.OpenTable("Vstup$", "", 0));
    EXPECT_EQ(reopened.m_nRecordCount, 3);
}

TEST(CopyTable, KeepsStoredNamesOfColumnsThatReadAsText)
{
    FixtureFolder folder;
    const CString empty = folder.Path("Prázdný.xls");
    {
        CData data;
        ASSERT_TRUE(data.Create(empty, "Excel 8.0"));
        data.AddColBeforeCreateTable("Q", 7, 8, 2);
        data.AddColBeforeCreateTable("Název", 10, 255, -2);
        ASSERT_TRUE(data.CreateTable("Seznam"));
        data.Close();
    }
    CData data;
    ASSERT_TRUE(data.Open(empty, "Excel 8.0", 0, 0));
    ASSERT_TRUE(data.OpenTable("Seznam$", "", 0));
    // Reopened without rows, every column reads as text; the decimals stay in the name.
    EXPECT_EQ(data.m_aColTypes[0], 10);
    EXPECT_EQ(data.m_aColDecimals[0], 2);
    data.CloseTable();

    const CString copy = folder.Path("Kopie.xls");
    ASSERT_TRUE(data.Copy(copy, -1));
    CData target;
    ASSERT_TRUE(target.Open(copy, "Excel 8.0", 0, 0));
    ASSERT_TRUE(target.OpenTable("Seznam$", "", 0));
    EXPECT_EQ(Names(target.m_aOrigColNames), (std::vector<CString>{"Q;2", "Název"}));

    EXPECT_FALSE(data.CopyTable(copy, 7, &target));
}

TEST(CopyTable, IntoAnotherWorkbookThroughALocalObject)
{
    FixtureFolder folder;
    const CString other = folder.Path("Druhý.xls");
    {
        CData data;
        ASSERT_TRUE(data.Create(other, "Excel 8.0"));
        data.AddColBeforeCreateTable("A", 10, 255, -2);
        ASSERT_TRUE(data.CreateTable("Jiný"));
    }
    CData data;
    ASSERT_TRUE(data.Open(folder.ProjectWorkbook(), "Excel 8.0", 0, 0));
    const int seznamV = data.GetTableIndex("SeznamV$");
    // A missing target is not made; a table the target holds already is not made twice.
    EXPECT_FALSE(data.CopyTable(folder.Path("Chybí.xls"), seznamV, nullptr));
    EXPECT_FALSE(std::filesystem::exists(folder.Path("Chybí.xls").str()));
    ASSERT_TRUE(data.CopyTable(other, seznamV, nullptr));
    EXPECT_EQ(data.m_nTable, -1);
    EXPECT_FALSE(data.CopyTable(other, seznamV, nullptr));

    CData target;
    ASSERT_TRUE(target.Open(other, "Excel 8.0", 0, 0));
    EXPECT_TRUE(target.IsTable("Jiný$"));
    ASSERT_TRUE(target.OpenTable("SeznamV$", "", 0));
    EXPECT_EQ(target.m_nRecordCount, 3);
    EXPECT_EQ(Names(target.m_aOrigColNames),
              (std::vector<CString>{"Číslo                Místnosti", "Název", "Plocha;2", "Výška;2"}));
    CString text;
    EXPECT_TRUE(target.GetStringValue("Plocha", text, 0, -1, 0));
    EXPECT_EQ(text, "28.45");
}

TEST(CopyTable, EmptySheetsDoNotStopACopy)
{
    FixtureFolder folder;
    CData data;
    data.m_bShowErrors = 1;
    ASSERT_TRUE(data.Open(folder.WorkbookWithEmptySheet("Prázdný list.xls"), "Excel 8.0", 0, 0));
    ASSERT_TRUE(data.IsTable("List2$"));
    // A query on a sheet without a header row has no names to map.
    ASSERT_TRUE(data.OpenTable("List2$", "SELECT * FROM [List2$]", 0));
    EXPECT_EQ(data.m_nRecordCount, 0);
    const CString copy = folder.Path("Kopie.xls");
    ASSERT_TRUE(data.Copy(copy, -1));

    CData target;
    ASSERT_TRUE(target.Open(copy, "Excel 8.0", 0, 0));
    ASSERT_TRUE(target.OpenTable("Data$", "", 0));
    EXPECT_EQ(target.m_aOrigColNames[0], "Hodnota;1");
    CString text;
    EXPECT_TRUE(target.GetStringValue("Hodnota", text, 0, -1, 0));
    EXPECT_EQ(text, "1.5");
    target.CloseTable();
    // The empty sheet goes over as it is.
    ASSERT_TRUE(target.OpenTable("List2$", "", 0));
    EXPECT_EQ(target.m_nColCount, 0);
    EXPECT_EQ(target.m_nRecordCount, 0);
}

TEST(CDataConnection, DatabaseFileTables)
{
    FixtureFolder folder;
    const CString path = folder.Path("Katalog.mdb");
    {
        CData data;
        ASSERT_TRUE(data.Create(path, "Access"));
        data.AddColBeforeCreateTable("Název", 10, 50, 3);
        data.AddColBeforeCreateTable("Q", 7, 8, 2);
        data.AddColBeforeCreateTable("Kusy", 4, 4, 0);
        ASSERT_TRUE(data.CreateTable("Tělesa"));
        EXPECT_EQ(data.m_strTable, "Tělesa");
        EXPECT_EQ(Names(data.m_aOrigColNames), (std::vector<CString>{"Název", "Q;2", "Kusy;0"}));
        for (int i = 0; i < 3; ++i)
        {
            ASSERT_TRUE(data.AddRow());
            CString name;
            name.Format("Těleso %d", i);
            ASSERT_TRUE(data.SetStringValue("Název", name, -1, 0));
            ASSERT_TRUE(data.SetStringValue("Q", i == 1 ? "12,345" : "7.5", -1, 0));
            ASSERT_TRUE(data.SetStringValue("Kusy", "4", -1, 0));
        }
    }
    CData data;
    ASSERT_TRUE(data.Open(path, "", 0, 0));
    EXPECT_TRUE(data.IsTable("Tělesa"));
    ASSERT_TRUE(data.OpenTable("Tělesa", "SELECT * FROM [Tělesa] WHERE [Q] > 10", 0));
    ASSERT_EQ(data.m_nRecordCount, 1);
    CString text;
    EXPECT_TRUE(data.GetStringValue("Q", text, 0, -1, 0));
    EXPECT_EQ(text, "12.35");
    EXPECT_TRUE(data.GetStringValue("Název", text, 0, -1, 0));
    EXPECT_EQ(text, "Těleso 1");
    data.CloseTable();

    const CString copy = folder.Path("Kopie.mdb");
    ASSERT_TRUE(data.Copy(copy, -1));
    CData target;
    ASSERT_TRUE(target.Open(copy, "Access", 0, 0));
    ASSERT_TRUE(target.OpenTable("Tělesa", "", 0));
    EXPECT_EQ(target.m_nRecordCount, 3);
    EXPECT_TRUE(target.GetStringValue("Kusy", text, 2, -1, 0));
    EXPECT_EQ(text, "4");
}

TEST(CopyTable, KeepsCellsOfAnotherTypeThanTheirColumn)
{
    FixtureFolder folder;
    CData data;
    ASSERT_TRUE(data.Open(folder.WorkbookWithMixedColumn("Smíšený.xls"), "Excel 8.0", 0, 0));
    const CString copy = folder.Path("Kopie.xls");
    ASSERT_TRUE(data.Copy(copy, -1));
    CData target;
    ASSERT_TRUE(target.Open(copy, "Excel 8.0", 0, 0));
    ASSERT_TRUE(target.OpenTable("Smíšený$", "", 0));
    ASSERT_EQ(target.m_nRecordCount, 9);
    const std::string check =
        std::string("/usr/bin/python3 -c \"import sys, xlrd; "
                    "v = xlrd.open_workbook(sys.argv[1]).sheet_by_index(0).col_values(0); "
                    "sys.exit(v[6:9] != ['abc', 'dvě', 1])\" '") +
        copy.str() + "'";
    EXPECT_EQ(std::system(check.c_str()), 0);
}

TEST_F(WorkbookTables, QueriesFindTextsWithApostrophesAsTyped)
{
    EXPECT_EQ(SqlTextLiteral(""), "''");
    EXPECT_EQ(SqlTextLiteral("Nováků's"), "'Nováků''s'");
    ASSERT_TRUE(m_data.OpenTable("SeznamM$", "", 0));
    ASSERT_TRUE(m_data.SetStringValue("Poznámka", "u Nováků's", 1, 0));
    m_data.CloseTable();
    const struct
    {
        const char* text;
        int rows;
    } cases[] = {{"okno na jih", 1}, {"u Nováků's", 1}, {"x' OR 'a'='a", 0}, {"'", 0}};
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.text);
        const CString condition = "[Poznámka] = " + SqlTextLiteral(c.text);
        ASSERT_TRUE(m_data.OpenTable("SeznamM$", "SELECT * FROM [SeznamM$] WHERE " + condition, 0));
        EXPECT_EQ(m_data.m_nRecordCount, c.rows);
        m_data.CloseTable();
        ASSERT_TRUE(m_data.OpenTable("SeznamM$", "", 0));
        EXPECT_EQ(m_data.Find(10, condition, 0), c.rows);
        EXPECT_EQ(m_data.GetErrorCode(), 0);
        m_data.CloseTable();
    }
}
