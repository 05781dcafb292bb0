#include "TestProjects.h"

#include "datalib/CData.h"
#include "heatloss/CatalogueRows.h"
#include "heatloss/HeatLossIds.h"
#include "heatloss/UserConstruction.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace
{

std::string Bytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// The shipped catalogue in a folder of its own.
class CatalogueRowsTest : public ::testing::Test
{
protected:
    TempFolder folder;
    std::string catalogue = folder.Path("MekrData.xls");
    std::string temporary = folder.Path("MekrData$.xls");

    void SetUp() override
    {
        std::filesystem::copy_file(std::string(KALVENROD_BIN_DIR) + "/MekrData.xls", catalogue);
    }

    CatalogueRewrite Remove(const char* table, const char* column, const char* value)
    {
        return RemoveCatalogueRows(folder.Path("").c_str(), table, column, value);
    }

    struct Sheet
    {
        int rows = -1;
        std::vector<std::string> storedNames;
        std::vector<int> types;
        std::vector<std::string> column0;
    };
    Sheet Read(const char* table)
    {
        Sheet sheet;
        CData data;
        if (!data.Open(catalogue.c_str(), "Excel 8.0", 0, 0) || !data.OpenTable(table, "", 0))
            return sheet;
        sheet.rows = data.m_nRecordCount;
        for (int c = 0; c < data.m_nColCount; ++c)
        {
            sheet.storedNames.push_back(data.m_aOrigColNames[c].str());
            sheet.types.push_back(data.m_aColTypes[c]);
        }
        for (int r = 0; r < data.m_nRecordCount; ++r)
        {
            CString text;
            data.GetStringValue(0, text, r, -1);
            sheet.column0.push_back(text.str());
        }
        return sheet;
    }
};

TEST_F(CatalogueRowsTest, KeyMatchingNothingKeepsEveryRowAndColumn)
{
    const Sheet before = Read("Mekr_StK$");
    const Sheet materials = Read("Mekr_MaPa$");
    ASSERT_GT(before.rows, 0);
    const CatalogueRewrite result = Remove("Mekr_StK$", "Označení", "XYZ");
    EXPECT_TRUE(result.succeeded);
    EXPECT_TRUE(result.message.IsEmpty());
    const Sheet after = Read("Mekr_StK$");
    EXPECT_EQ(after.rows, before.rows);
    EXPECT_EQ(after.storedNames, before.storedNames);
    EXPECT_EQ(after.types, before.types);
    EXPECT_EQ(after.column0, before.column0);
    EXPECT_EQ(Read("Mekr_MaPa$").column0, materials.column0);
    // An independent reader takes the rewritten workbook.
    const std::string xlrd = "/usr/bin/python3 -c \"import sys, xlrd; b = xlrd.open_workbook(sys.argv[1]); "
                             "sys.exit(0 if b.sheet_by_name('Mekr_kUsr').nrows > 3 else 1)\" '" + catalogue + "'";
    EXPECT_EQ(std::system(xlrd.c_str()), 0);
    EXPECT_FALSE(std::filesystem::exists(temporary));
}

TEST_F(CatalogueRowsTest, RowsOfTheKeyGoOthersStayAndAStaleTemporaryIsReplaced)
{
    std::ofstream(temporary) << "left over by a crash";
    const Sheet before = Read("Mekr_StK$");
    int outer = 0;
    {
        CData data;
        ASSERT_TRUE(data.Open(catalogue.c_str(), "Excel 8.0", 0, 0));
        ASSERT_TRUE(data.OpenTable("Mekr_StK$", "SELECT * FROM [Mekr_StK$] WHERE [Označení]='SO'", 0));
        outer = data.m_nRecordCount;
    }
    ASSERT_GT(outer, 0);
    EXPECT_TRUE(Remove("Mekr_StK$", "Označení", "SO").succeeded);
    EXPECT_EQ(Read("Mekr_StK$").rows, before.rows - outer);
    EXPECT_EQ(Read("Mekr_StK$").storedNames, before.storedNames);
    EXPECT_FALSE(std::filesystem::exists(temporary));
}

TEST_F(CatalogueRowsTest, MissingCatalogueDoesNothing)
{
    std::filesystem::remove(catalogue);
    const CatalogueRewrite result = Remove("Mekr_StK$", "Označení", "SO");
    EXPECT_FALSE(result.succeeded);
    EXPECT_TRUE(result.message.IsEmpty());
    EXPECT_FALSE(std::filesystem::exists(catalogue));
    EXPECT_FALSE(std::filesystem::exists(temporary));
}

TEST_F(CatalogueRowsTest, FailureLeavesTheCatalogueByteIdentical)
{
    const std::string original = Bytes(catalogue);
    struct Case
    {
        const char* what;
        const char* table;
        bool blockTemporary;
        UINT message;
    };
    const Case cases[] = {
        {"the temporary workbook cannot be made", "Mekr_StK$", true, IDS_HL_COPY_PROBLEM},
        {"the sheet is missing", "Mekr_Nic$", false, IDS_HL_TABLE_PROBLEM},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        if (c.blockTemporary)
        {
            std::filesystem::create_directory(temporary);
            std::ofstream(temporary + "/inside") << "x";
        }
        const CatalogueRewrite result = Remove(c.table, "Označení", "SO");
        EXPECT_FALSE(result.succeeded);
        EXPECT_EQ(result.message.id, c.message);
        EXPECT_EQ(Bytes(catalogue), original);
        std::filesystem::remove_all(temporary);
    }
}

CString Number(const char* format, double value)
{
    CString text;
    text.Format(format, value);
    return text;
}

TEST_F(CatalogueRowsTest, UserConstructionReplacesItsKindAndItsLayers)
{
    const Sheet constructions = Read("Mekr_StK$");
    const Sheet layers = Read("Mekr_kUsr$");
    const Sheet materials = Read("Mekr_MaPa$");
    const CString key = "20261210181500";
    const std::vector<CatalogueRow> walls = {
        {"Nová stěna", "SO", Number("%f", 150.0), Number("%f", 1233.333333), Number("%f", 0.729927), key}};
    std::vector<CatalogueRow> rows;
    for (int order = 1; order <= 3; ++order)
        rows.push_back({Number("%d", order), key, "101", "Cihla", "1800", "0.8", "0.86", "0.13", "0.04", "50"});
    const CatalogueRewrite result = SaveUserConstruction(folder.Path("").c_str(), "SO", walls, key, rows);
    ASSERT_TRUE(result.succeeded);
    const Sheet after = Read("Mekr_StK$");
    int outerBefore = 0;
    {
        CData data;
        ASSERT_TRUE(data.Open(catalogue.c_str(), "Excel 8.0", 0, 0));
        ASSERT_TRUE(data.OpenTable("Mekr_StK$", "SELECT * FROM [Mekr_StK$] WHERE [Označení]='SO'", 0));
        ASSERT_EQ(data.m_nRecordCount, 1);
        CString text;
        data.GetStringValue("Prostup tepla", text, 0, -1, 0);
        EXPECT_EQ(text, Number("%.3f", 0.729927));
        data.GetStringValue("Odkaz", text, 0, -1, 0);
        EXPECT_EQ(text, key);
        outerBefore = 3; // the shipped outer walls
    }
    EXPECT_EQ(after.rows, constructions.rows - outerBefore + 1);
    EXPECT_EQ(after.storedNames, constructions.storedNames);
    EXPECT_EQ(Read("Mekr_kUsr$").rows, layers.rows + 3);
    EXPECT_EQ(Read("Mekr_MaPa$").column0, materials.column0);
    // An independent reader takes the rewritten workbook.
    const std::string xlrd = "/usr/bin/python3 -c \"import sys, xlrd; b = xlrd.open_workbook(sys.argv[1]); "
                             "sys.exit(0 if b.sheet_by_name('Mekr_kUsr').nrows > 3 else 1)\" '" + catalogue + "'";
    EXPECT_EQ(std::system(xlrd.c_str()), 0);

    // Saved again: the key's layers replaced, never doubled.
    rows.pop_back();
    ASSERT_TRUE(SaveUserConstruction(folder.Path("").c_str(), "SO", walls, key, rows).succeeded);
    EXPECT_EQ(Read("Mekr_kUsr$").rows, layers.rows + 2);
    EXPECT_EQ(Read("Mekr_StK$").rows, after.rows);
}

TEST_F(CatalogueRowsTest, UserConstructionAppendsNothingAfterAFailedRemoval)
{
    const std::string original = Bytes(catalogue);
    std::filesystem::create_directory(temporary);
    std::ofstream(temporary + "/inside") << "x";
    const CatalogueRewrite result =
        SaveUserConstruction(folder.Path("").c_str(), "SO", {{"Nová", "SO", "1", "1", "1", "1"}}, "1", {});
    EXPECT_FALSE(result.succeeded);
    EXPECT_EQ(result.message.id, UINT(IDS_HL_COPY_PROBLEM));
    EXPECT_EQ(Bytes(catalogue), original);
}

} // namespace

