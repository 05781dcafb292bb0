// The road of the heating design program through a project workbook: read the header sheet,
// work on a copy, rewrite one sheet from scratch, reopen and find everything in place.
#include "Fixtures.h"
#include "datalib/CData.h"
#include "platform/core/NumberText.h"
#include "platform/core/UserLocale.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <vector>

namespace
{
constexpr int kNewRows = 200;

class CzechLocale
{
public:
    CzechLocale() { UserLocale::SetCurrent(UserLocale::Czech()); }
    ~CzechLocale() { UserLocale::SetCurrent(UserLocale::English()); }
};

// Every cell of every sheet but one, as stored text.
std::map<CString, std::vector<CString>> SheetTexts(const CString& path, const CString& except)
{
    std::map<CString, std::vector<CString>> sheets;
    CData data;
    EXPECT_TRUE(data.Open(path, "Excel 8.0", 0, 0));
    for (int t = 0; t < data.m_nTableCount; ++t)
    {
        const CString table = data.m_aTableNames[t];
        if (table == except || table.Right(1) != "$")
            continue;
        EXPECT_TRUE(data.OpenTable(t, "", 0)) << table.str();
        std::vector<CString>& cells = sheets[table];
        for (int c = 0; c < data.m_nColCount; ++c)
            cells.push_back(data.m_aOrigColNames[c]);
        for (int r = 0; r < data.m_nRecordCount; ++r)
            for (int c = 0; c < data.m_nColCount; ++c)
            {
                CString text;
                EXPECT_TRUE(data.GetStringValue(c, text, r, -4));
                cells.push_back(text);
            }
        data.CloseTable();
    }
    return sheets;
}

// Rebuilds the workbook without the sheet and re-creates the sheet empty with the same
// columns, as the program does before it writes a sheet anew.
void RecreateSheet(const CString& workbook, const CString& temporary, const CString& sheet)
{
    CData copy;
    ASSERT_TRUE(copy.Open(workbook, "Excel 8.0", 0, 0));
    const int index = copy.GetTableIndex(sheet);
    ASSERT_GE(index, 0);
    ASSERT_TRUE(copy.Copy(temporary, index));
    copy.Close();

    CData source;
    ASSERT_TRUE(source.Open(workbook, "Excel 8.0", 0, 0));
    ASSERT_TRUE(source.OpenTable(sheet, "", 0));
    ASSERT_TRUE(copy.Open(temporary, "Excel 8.0", 0, 0));
    EXPECT_FALSE(copy.IsTable(sheet));
    for (int c = 0; c < source.m_nColCount; ++c)
    {
        const int type = source.m_aColTypes[c] < 0 ? 10 : source.m_aColTypes[c];
        copy.AddColBeforeCreateTable(source.m_aOrigColNames[c], type, type == 10 ? 255 : 0, -2);
    }
    ASSERT_TRUE(copy.CreateTable(sheet.Left(sheet.GetLength() - 1)));
    EXPECT_EQ(copy.m_nRecordCount, 0);
    copy.Close();
    source.Close();
    std::filesystem::rename(temporary.str(), workbook.str());
}
} // namespace

// The road under either number-text separator of the program: the library writes '.' always.
class CallersRoad : public testing::TestWithParam<char>
{
};

TEST_P(CallersRoad, ProjectWorkbookFromHeaderToRewrittenSheet)
{
    FixtureFolder folder;
    const CString project = folder.ProjectWorkbook("Projekt.kzn");
    const CString working = folder.Path("Projekt.XLS");
    CzechLocale czech;
    NumberText::ScopedSeparator programSeparator(GetParam());

    // The header sheet, read by column names.
    {
        CData data;
        data.m_bShowErrors = 1;
        ASSERT_TRUE(data.Open(project, "Excel 8.0", 0, 0));
        ASSERT_TRUE(data.OpenTable("DataAkce$", "", 0));
        ASSERT_EQ(data.m_nRecordCount, 1);
        const std::pair<const char*, const char*> header[] = {{"Akce", "Rodinný dům Šťastných"},
                                                              {"Investor", "Jiří Šťastný"},
                                                              {"Datum", "14.3.2026"},
                                                              {"Teplota", "-15.0"},
                                                              {"Typ budovy", "obytná"},
                                                              {"Hotovo", "Ano"}};
        for (const auto& [column, expected] : header)
        {
            CString text;
            EXPECT_TRUE(data.GetStringValue(column, text, 0, -1, 0)) << column;
            EXPECT_EQ(text, expected) << column;
        }
        data.CloseTable();
        ASSERT_TRUE(data.Copy(working, -1));
        data.Close();
    }
    const auto before = SheetTexts(project, "SeznamM$");

    // Numbers read as text and written back under the Czech locale stay the same.
    {
        CData data;
        ASSERT_TRUE(data.Open(working, "Excel 8.0", 0, 0));
        ASSERT_TRUE(data.OpenTable("SeznamV$", "", 0));
        for (int r = 0; r < data.m_nRecordCount; ++r)
            for (const char* column : {"Plocha", "Výška"})
            {
                CString text;
                ASSERT_TRUE(data.GetStringValue(column, text, r, -4, 0));
                ASSERT_TRUE(data.SetStringValue(column, text, r, 0));
            }
        data.Close();
    }

    RecreateSheet(working, folder.Path("Projekt$.xls"), "SeznamM$");

    // The new rows, numbers typed with the Czech decimal comma.
    {
        CData data;
        data.m_bShowErrors = 1;
        ASSERT_TRUE(data.Open(working, "Excel 8.0", 0, 0));
        ASSERT_TRUE(data.OpenTable("SeznamM$", "", 0));
        ASSERT_EQ(data.m_nRecordCount, 0);
        for (int i = 0; i < kNewRows; ++i)
        {
            ASSERT_TRUE(data.AddRow());
            CString number;
            number.Format("%03d", i + 1);
            CString name;
            name.Format("Místnost %d", i + 1);
            CString output;
            output.Format("%d,5", 1000 + i);
            ASSERT_TRUE(data.SetStringValue("Číslo", number, -1, 0));
            ASSERT_TRUE(data.SetStringValue("Název místnosti", name, -1, 0));
            ASSERT_TRUE(data.SetStringValue("Výkon", output, i, 0));
            ASSERT_TRUE(data.SetStringValue("Teplota", "20,5", -1, 0));
        }
        EXPECT_EQ(data.m_nRecordCount, kNewRows);
        data.Close();
    }

    // Reopened: the other sheets as they were, the rewritten one with exactly the new rows.
    EXPECT_EQ(SheetTexts(working, "SeznamM$"), before);
    CData data;
    ASSERT_TRUE(data.Open(working, "Excel 8.0", 0, 0));
    ASSERT_TRUE(data.OpenTable("SeznamM$", "", 0));
    ASSERT_EQ(data.m_nRecordCount, kNewRows);
    EXPECT_EQ(data.GetOriginalFromColName("Výkon"), "Výkon;0");
    EXPECT_EQ(data.GetOriginalFromColName("Teplota"), "Teplota;1");
    // The sheet was made anew in another session, so its columns read as text now; the
    // numbers come back as the program reads them, either separator accepted.
    for (int i = 0; i < kNewRows; ++i)
    {
        CString text;
        double number = 0;
        EXPECT_TRUE(data.GetStringValue("Výkon", text, i, -1, 0));
        EXPECT_TRUE(NumberText::Parse(text.str(), number)) << text.str();
        EXPECT_EQ(number, 1000 + i + 0.5);
        EXPECT_TRUE(data.GetStringValue("Teplota", text, i, -1, 0));
        EXPECT_TRUE(NumberText::Parse(text.str(), number)) << text.str();
        EXPECT_EQ(number, 20.5);
        EXPECT_TRUE(data.GetStringValue("Poznámka", text, i, -1, 0));
        EXPECT_EQ(text, "");
    }
    CString text;
    EXPECT_TRUE(data.GetStringValue("Číslo", text, kNewRows - 1, -1, 0));
    EXPECT_EQ(text, "200");
    data.Close();

    const std::string check = std::string("/usr/bin/python3 '") + KALVENROD_TEST_DATA_DIR +
                              "/fixtures/check_rewritten_sheet.py' '" + working.str() + "' " +
                              std::to_string(kNewRows);
    EXPECT_EQ(std::system(check.c_str()), 0);
}

INSTANTIATE_TEST_SUITE_P(Separators, CallersRoad, testing::Values('.', ','),
                         [](const testing::TestParamInfo<char>& info)
                         { return info.param == '.' ? "Point" : "Comma"; });
