// SQL that a program did not mean to run: OpenTable only reads, names never turn into SQL,
// and a workbook refuses sheet names a spreadsheet cannot hold.
#include "Fixtures.h"
#include "datalib/CData.h"
#include "platform/core/MessageBox.h"
#include "platform/dao/DaoConstants.h"
#include "testing/ScriptedAnswers.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace
{
struct Backend
{
    const char* name;
    const char* type;  // the type Create and Open take
    const char* file;
    const char* table; // how the table "Data" is listed
};

const Backend kBackends[] = {
    {"workbook", "Excel 8.0", "Data.xls", "Data$"},
    {"database file", "", "Data.mdb", "Data"},
};

// A database with the table "Data": the column "Název" and three rows.
CString MakeData(const FixtureFolder& folder, const Backend& backend)
{
    const CString path = folder.Path(backend.file);
    CData data;
    EXPECT_TRUE(data.Create(path, backend.type));
    if (!data.IsOpen())
        return path;
    data.AddColBeforeCreateTable("Název", dbText, 50, -2);
    EXPECT_TRUE(data.CreateTable("Data"));
    for (const char* name : {"kuchyň", "hala", "koupelna"})
        EXPECT_TRUE(data.AddRow() && data.SetStringValue(0, name, -1));
    data.Close();
    return path;
}

int RowsOf(const CString& path, const Backend& backend)
{
    CData data;
    if (!data.Open(path, backend.type, 0, 0) || !data.OpenTable(backend.table, "", 0))
        return -1;
    return data.m_nRecordCount;
}

class Messages : public testing::Test
{
protected:
    void SetUp() override { MessageBoxes::ClearShown(); }
    void TearDown() override { MessageBoxes::ClearShown(); }
};
} // namespace

TEST_F(Messages, OpenTableRunsOnlyOneReadingStatement)
{
    const struct
    {
        const char* what;
        std::string sql; // %T stands for the table, %F for a file beside the database
    } refused[] = {
        {"delete", "DELETE FROM [%T]"},
        {"delete after a select", "SELECT * FROM [%T]; DELETE FROM [%T]"},
        {"drop after a condition", "SELECT * FROM [%T] WHERE [Název] = 'hala'; DROP TABLE [%T]"},
        {"insert of a select", "INSERT INTO [%T] SELECT * FROM [%T]"},
        {"update", "UPDATE [%T] SET [Název] = 'x'"},
        {"copy of the data elsewhere", "VACUUM INTO '%F'"},
        {"another file attached", "ATTACH DATABASE '%F' AS x"},
        {"pragma", "PRAGMA writable_schema = 1"},
    };
    for (const Backend& backend : kBackends)
    {
        FixtureFolder folder;
        const CString path = MakeData(folder, backend);
        const std::string elsewhere = folder.Path("kopie.db").str();
        CData data;
        data.m_bShowErrors = 1;
        ASSERT_TRUE(data.Open(path, backend.type, 0, 0)) << backend.name;
        for (const auto& c : refused)
        {
            std::string sql = c.sql;
            for (std::size_t at; (at = sql.find("%T")) != std::string::npos;)
                sql.replace(at, 2, backend.table);
            for (std::size_t at; (at = sql.find("%F")) != std::string::npos;)
                sql.replace(at, 2, elsewhere);
            const std::size_t shown = ScriptedAnswers::ShownBoxes().size();
            EXPECT_FALSE(data.OpenTable(backend.table, CString(sql), 1)) << backend.name << ": " << c.what;
            EXPECT_EQ(ScriptedAnswers::ShownBoxes().size(), shown + 1) << backend.name << ": " << c.what;
            EXPECT_EQ(data.m_nTable, -1) << backend.name << ": " << c.what;
            EXPECT_FALSE(std::filesystem::exists(elsewhere)) << backend.name << ": " << c.what;
        }
        // A reading query with a ';' at its end still runs.
        EXPECT_TRUE(data.OpenTable(backend.table, CString("SELECT * FROM [") + backend.table + "] WHERE [Název] = 'hala';", 1))
            << backend.name;
        EXPECT_EQ(data.m_nRecordCount, 1) << backend.name;
        data.Close();
        EXPECT_EQ(RowsOf(path, backend), 3) << backend.name;
    }
}

TEST(CDataSqlNames, ABracketInANameStaysPartOfTheName)
{
    FixtureFolder folder;
    const CString path = folder.Path("Názvy.mdb");
    CData data;
    ASSERT_TRUE(data.Create(path, ""));
    // A table whose name, left unescaped, would read the table "Data" with a condition.
    const CString tricky = "Data] WHERE 0 --";
    data.AddColBeforeCreateTable("Název", dbText, 50, -2);
    ASSERT_TRUE(data.CreateTable("Data"));
    ASSERT_TRUE(data.AddRow() && data.SetStringValue(0, "jen v Data", -1));
    data.CloseTable();
    data.AddColBeforeCreateTable("Cena]x", dbDouble, 8, 2);
    ASSERT_TRUE(data.CreateTable(tricky));
    for (const double price : {1.5, 7.0})
        ASSERT_TRUE(data.AddRow() && data.SetValue(0, COleVariant(price), -1));
    data.CloseTable();
    ASSERT_TRUE(data.OpenTable(tricky, "", 0));
    EXPECT_EQ(data.m_nRecordCount, 2);
    EXPECT_EQ(data.m_aOrigColNames[0], "Cena]x;2");
    data.CloseTable();
    // The visible column name with its ']' maps to the stored one.
    ASSERT_TRUE(data.OpenTable(tricky, "SELECT * FROM [Data]] WHERE 0 --] WHERE [Cena]]x] > 2", 0));
    EXPECT_EQ(data.m_nRecordCount, 1);
}

TEST_F(Messages, WorkbookRefusesSheetNamesASpreadsheetCannotHold)
{
    const struct
    {
        const char* name;
        bool accepted;
    } cases[] = {
        {"Seznam: místnosti", false},
        {"Ceny\\2024", false},
        {"Ceny/2024", false},
        {"Proč?", false},
        {"Vše*", false},
        {"[Data]", false},
        {"Data]x", false},
        {"'Data", false},
        {"Data'", false},
        {"Řádek\tdva", false},
        {"\xff\xfe", false},
        {"Místnosti a jejich tepelné ztrát", false}, // 32 characters
        {"Místnosti a jejich tepelné ztrá", true},   // 31 characters
        {"Pan O'Brien", true},
    };
    FixtureFolder folder;
    const CString path = folder.Path("Listy.xls");
    CData data;
    data.m_bShowErrors = 1;
    ASSERT_TRUE(data.Create(path, "Excel 8.0"));
    for (const auto& c : cases)
    {
        const std::size_t shown = ScriptedAnswers::ShownBoxes().size();
        data.AddColBeforeCreateTable("Název", dbText, 50, -2);
        EXPECT_EQ(data.CreateTable(c.name), c.accepted ? 1 : 0) << c.name;
        EXPECT_EQ(ScriptedAnswers::ShownBoxes().size(), shown + (c.accepted ? 0 : 1)) << c.name;
        if (!c.accepted && ScriptedAnswers::ShownBoxes().size() > shown)
        {
            EXPECT_NE(ScriptedAnswers::ShownBoxes().back().text.Find("(3125)"), -1) << c.name;
        }
        data.CloseTable();
    }
    data.Close();
    CData back;
    ASSERT_TRUE(back.Open(path, "Excel 8.0", 0, 0));
    for (const auto& c : cases)
        EXPECT_EQ(back.IsTable(CString(c.name) + "$"), c.accepted ? 1 : 0) << c.name;
}

TEST_F(Messages, FindWithCriteriaThatDoNotParseIsADatabaseError)
{
    const char* const unparsable[] = {
        "[Název] =",
        "[Název] = 'hala",
        "[Název",
        "[Datum] = #32.13.2020#",
        "[Název] = 'hala') OR ('1",
        "[Název] = 'hala'; DELETE FROM [Data]",
    };
    for (const Backend& backend : kBackends)
    {
        FixtureFolder folder;
        const CString path = MakeData(folder, backend);
        for (const int showErrors : {1, 0})
        {
            CData data;
            data.m_bShowErrors = showErrors;
            ASSERT_TRUE(data.Open(path, backend.type, 0, 0) && data.OpenTable(backend.table, "", 0)) << backend.name;
            for (const char* criteria : unparsable)
            {
                const std::size_t shown = ScriptedAnswers::ShownBoxes().size();
                EXPECT_EQ(data.Find(10, criteria, 0), 0) << backend.name << ": " << criteria;
                EXPECT_NE(data.GetErrorCode(), 0) << backend.name << ": " << criteria;
                EXPECT_EQ(ScriptedAnswers::ShownBoxes().size(), shown + showErrors)
                    << backend.name << ": " << criteria;
            }
            const std::size_t shown = ScriptedAnswers::ShownBoxes().size();
            EXPECT_EQ(data.Find(10, "[Název] = 'sklep'", 0), 0) << backend.name;
            EXPECT_EQ(data.GetErrorCode(), 0) << backend.name << ": nothing found is no error";
            EXPECT_EQ(data.Find(10, "[Název] = 'hala'", 0), 1) << backend.name;
            EXPECT_EQ(data.m_nCurRecord, 1) << backend.name;
            EXPECT_EQ(ScriptedAnswers::ShownBoxes().size(), shown) << backend.name;
            data.Close();
        }
        EXPECT_EQ(RowsOf(path, backend), 3) << backend.name;
    }
}
