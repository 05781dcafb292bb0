// Every generated sheet opens through the DAO classes as a table with its field names and the
// types the engine guesses, and the queries the programs run return the rows they rely on.
#include "GeneratedWorkbooks.h"
#include "platform/dao/CDaoDatabase.h"
#include "platform/dao/CDaoException.h"
#include "platform/dao/CDaoQueryDef.h"
#include "platform/dao/CDaoRecordset.h"

#include <gtest/gtest.h>

#include <set>

namespace
{

// A generated workbook opened read-only through the DAO classes.
class EngineWorkbook
{
public:
    explicit EngineWorkbook(const std::string& folder)
    {
        db.Open(GeneratedPath(LoadManifest(folder)).c_str(), FALSE, TRUE, "Excel 8.0");
    }
    ~EngineWorkbook() { db.Close(); }

    std::set<std::string> TableNames()
    {
        std::set<std::string> names;
        for (int t = 0; t < db.GetTableDefCount(); ++t)
        {
            CDaoTableDefInfo info;
            db.GetTableDefInfo(t, info);
            names.insert(info.m_strName.str());
        }
        return names;
    }

    CDaoDatabase db;
};

// One query run the way the data access library runs it: a temporary query and a dynaset on it.
struct QueryRows
{
    CDaoQueryDef query;
    CDaoRecordset rows;
    QueryRows(CDaoDatabase& db, const std::string& sql) : query(&db), rows(&db)
    {
        query.Create(nullptr, sql.c_str());
        rows.Open(&query, dbOpenDynaset, 0);
    }
    ~QueryRows()
    {
        rows.Close();
        query.Close();
    }
    // The values of one column over all rows, in the order of the record set.
    std::vector<double> Numbers(const char* column)
    {
        std::vector<double> values;
        for (long r = 0; r < rows.GetRecordCount(); ++r)
        {
            rows.SetAbsolutePosition(r);
            const COleVariant value = rows.GetFieldValue(column);
            values.push_back(value.vt == VT_R8 ? value.dblVal : -1.0);
        }
        return values;
    }
};

std::string DaoErrorText(CDaoException* e)
{
    const std::string text = e->m_pErrorInfo ? e->m_pErrorInfo->m_strDescription.str() : std::string("?");
    e->Delete();
    return text;
}

// The type the engine guesses from the first 8 data rows: numbers make Double, no value Text.
short ExpectedType(const datagen::DataSheetFile& data, int column)
{
    if (data.ColumnTypes()[column] == datagen::ColumnType::Text)
        return dbText;
    const int scanned = std::min<int>(8, static_cast<int>(data.Rows().size()));
    for (int r = 0; r < scanned; ++r)
        if (!data.Rows()[r][column].empty())
            return dbDouble;
    return dbText;
}

TEST(DataEngineTest, EverySheetOpensWithItsFieldsTypesAndRows)
{
    for (const std::string& folder : DataFolders())
    {
        SCOPED_TRACE(folder);
        try
        {
            EngineWorkbook book(folder);
            const std::set<std::string> tables = book.TableNames();
            const datagen::WorkbookManifest manifest = LoadManifest(folder);
            for (const datagen::WorkbookManifest::SheetEntry& entry : manifest.Sheets())
            {
                SCOPED_TRACE(entry.name);
                const std::string table = entry.name + "$";
                ASSERT_TRUE(tables.count(table));
                const datagen::DataSheetFile data = datagen::DataSheetFile::Load(entry.dataFile);
                QueryRows all(book.db, "SELECT * FROM [" + table + "]");
                ASSERT_EQ(all.query.GetFieldCount(), static_cast<short>(data.FieldNames().size()));
                for (int c = 0; c < all.query.GetFieldCount(); ++c)
                {
                    CDaoFieldInfo info;
                    all.query.GetFieldInfo(c, info);
                    EXPECT_EQ(info.m_strName.str(), data.FieldNames()[c]);
                    EXPECT_EQ(info.m_nType, ExpectedType(data, c)) << data.FieldNames()[c];
                }
                EXPECT_EQ(all.rows.GetRecordCount(), static_cast<long>(data.Rows().size()));
            }
        }
        catch (CDaoException* e)
        {
            ADD_FAILURE() << DaoErrorText(e);
        }
    }
}

struct QueryCase
{
    const char* folder;
    std::string sql;
    long rows;
};

std::string SubSelectOfBuildUps(const char* systemCode)
{
    return "SELECT * FROM [Mekr_USkP$] WHERE [Pořadí;0]=0 AND [Odkaz] IN (SELECT [Odkaz] FROM [Mekr_USkP$] "
           "WHERE "
           "[Kód položky]='" +
           std::string(systemCode) + "')";
}

long RowsMarked(const char* marker)
{
    const datagen::DataSheetFile data =
        datagen::DataSheetFile::Load(std::string(KALVENROD_SOURCE_DIR) + "/data/ZVK-9001/Data.tsv");
    long count = 0;
    for (const std::vector<std::string>& row : data.Rows())
        count += row[14].find(marker) != std::string::npos;
    return count;
}

TEST(DataEngineTest, TheQueriesOfTheProgramsFindTheirRows)
{
    const std::string pipes = "SELECT * FROM [Data$] WHERE [Věta;0] IN (102,203,204,205,206,207,209,212,213)";
    const QueryCase cases[] = {
        {"ZVK-9001", "SELECT * FROM [Data$] WHERE [Věta;0] IN (4,7,9)", 3},
        {"ZVK-9001", "SELECT * FROM [Data$] WHERE [Věta;0] IN (14,15,72)", 3},
        {"ZVK-9001", pipes, 9},
        {"ZVK-9001", "SELECT * FROM [Data$] WHERE [Věta;0]=1054", 1},
        {"ZVK-9001", "SELECT * FROM [Data$] WHERE [Věta;0]=258", 1},
        {"ZVK-9001", "SELECT * FROM [Data$] WHERE [Dodat_volba] LIKE '*PPPPP*'", RowsMarked("PPPPP")},
        {"ZVK-9001", "SELECT * FROM [Data$] WHERE [Dodat_volba] LIKE '*SSSSS*'", RowsMarked("SSSSS")},
        {"ZVK-9001",
         "SELECT * FROM [Data$] WHERE [Typ]='Tacker deska 30' AND [Název]='Izolační deska z EPS s fólií a "
         "rastrem pro "
         "tacker, 30 mm'",
         1},
        {"ZVK-9005", "SELECT * FROM [Data$] WHERE [Věta;0] IN (4,7,9)", 3},
        {"ZVK-9005", "SELECT * FROM [Data$] WHERE [Věta;0] IN (14,15,72)", 3},
        {"ZVK-9005", pipes, 9},
        {"MekrData", SubSelectOfBuildUps("9001-0014"), 1},
        {"MekrData", SubSelectOfBuildUps("9001-0015"), 1},
        {"MekrData", SubSelectOfBuildUps("9001-0072"), 1},
        {"MekrData", SubSelectOfBuildUps("9005-0014"), 1},
        {"MekrData", SubSelectOfBuildUps("9005-0072"), 1},
        {"MekrData", "SELECT * FROM [Mekr_USkP$] WHERE [Pořadí;0]=0", 5},
        {"MekrData",
         "SELECT * FROM [Mekr_USkP$] WHERE [Popis položky]='Dlažba 10 mm, potěr 45 mm, deska s nopy 30 mm, "
         "strop ŽB 200 mm'",
         1},
        {"MekrData", "SELECT * FROM [Mekr_MaPa$] WHERE [Objemová hmotnost;0]>0 ORDER BY [Položka]", 13},
        {"MekrData", "SELECT * FROM [Mekr_MaPa$] WHERE [Položka]='103'", 1},
        {"MekrData", "SELECT * FROM [Mekr_StK$] WHERE [Označení]='SO'", 3},
        {"MekrData", "SELECT * FROM [Mekr_kUsr$] WHERE [Odkaz]='-1'", 0},
        {"MekrData", "SELECT * FROM [Mekr_kUsr$] WHERE [Odkaz]='20240115080200'", 4},
        {"MekrData", "SELECT * FROM [Mekr_PoUp$] WHERE [typ krytiny]='Koberec tenký 7 mm'", 1},
        {"ZVK-VYROBCI", "SELECT * FROM [Trubky$] WHERE [Výrobce otopných trubek]='Vlnotherm s.r.o.'", 1},
        {"ZVK-VYROBCI", "SELECT * FROM [Trubky$] WHERE [Výrobce otopných trubek]='Podlahtech Brno a.s.'", 1},
    };
    for (const QueryCase& c : cases)
    {
        SCOPED_TRACE(c.sql);
        try
        {
            EngineWorkbook book(c.folder);
            QueryRows result(book.db, c.sql);
            EXPECT_EQ(result.rows.GetRecordCount(), c.rows);
        }
        catch (CDaoException* e)
        {
            ADD_FAILURE() << DaoErrorText(e);
        }
    }
}

TEST(DataEngineTest, SelectedRowsCarryTheirNumbers)
{
    try
    {
        EngineWorkbook data("MekrData");
        QueryRows layers(
            data.db, "SELECT * FROM [Mekr_USkP$] WHERE [Odkaz]='20240115090200' AND [Pořadí;0]>0 ORDER BY "
                     "[Pořadí;0] ASC");
        EXPECT_EQ(layers.Numbers("Pořadí;0"), (std::vector<double>{1, 2, 3, 4}));
        EXPECT_EQ(layers.Numbers("skupina;0"), (std::vector<double>{1, 2, 3, 4}));
        EngineWorkbook products("ZVK-9001");
        QueryRows pipes(products.db, "SELECT * FROM [Data$] WHERE [Věta;0] IN (4,7,9) ORDER BY [Věta;0]");
        EXPECT_EQ(pipes.Numbers("Věta;0"), (std::vector<double>{4, 7, 9}));
    }
    catch (CDaoException* e)
    {
        ADD_FAILURE() << DaoErrorText(e);
    }
}

} // namespace
