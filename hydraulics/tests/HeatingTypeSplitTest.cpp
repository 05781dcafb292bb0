// The heating-type split of "SeznamM$": row kinds, the split of a room, deletion and the
// rows written back.
#include "HydraulicsFixtures.h"

#include "common/AppSettings.h"
#include "datalib/CData.h"
#include "hydraulics/HeatingTypeSplit.h"
#include "testing/ScriptedAnswers.h"

#include <QFile>
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace
{

class HeatingTypeSplitTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ScriptedAnswers::ForgetShown();
        AppendRows(m_project.Path(), "SeznamM$", ProjectRows());
        m_savedPath = AppSettings::Get().PathBase;
        AppSettings::Get().PathBase = m_project.Path();
    }
    void TearDown() override { AppSettings::Get().PathBase = m_savedPath; }
    void Load(const CString& workbook)
    {
        CData data;
        ASSERT_TRUE(data.Open(workbook, "Excel 8.0", 0, 0));
        ASSERT_TRUE(data.OpenTable("SeznamM$", "", 0));
        ASSERT_TRUE(m_split.Load(data, wallCode));
        data.CloseTable();
        data.Close();
    }
    // Room A loses its floor heating and takes wall heating, then everything is written with the
    // gradient.
    void SplitAndSave(const CString& workbook)
    {
        Load(workbook);
        m_split.ApplySplit(1, false, true, 0, 700, 300, "1000.0", floorCode, wallCode);
        AppSettings::Get().PathBase = workbook;
        ASSERT_TRUE(m_split.Save("60.0#48.0"));
        EXPECT_EQ(HeaderCell(workbook, "Teplotní spád"), "60.0#48.0");
    }
    WorkbookCopy m_project{"MekrOrig.xls", "Projekt.XLS"};
    HeatingTypeSplit m_split;
    CString m_savedPath;
};

TEST(HeatingTypeSplitClassify, ByKindAndByTexts)
{
    const struct
    {
        const char* kind;
        const char* number;
        const char* name;
        const char* floor;
        const char* system;
        int level;
    } cases[] = {
        {"1", "", "objekt", "", "", 1},  {"2", "1.01", "Pokoj", "", "", 2},   {"3", "1.01", "", "Ne", "", 3},
        {"4", "1.01", "", "", "", 4},    {"5", "1.01", "", "", "10", 5},      {"6", "1.01", "x", "", "", 7},
        {"0", "", "", "Ne", "", 7},      {"", "", "objekt", "", "", 1},       {"", "1.01", "Pokoj", "", "", 2},
        {"", "1.01", "", "", "10", 5},   {"", "1.01", "", "", "11", 4},       {"", "1.01", "", "", "", 4},
        {"", "", "", "ne", "", 3},       {"", "", "", "9001-0014", "", 7},    {" ", "  ", "", "NE", "", 3},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HeatingTypeSplit::Classify(c.kind, c.number, c.name, c.floor, c.system), c.level)
            << c.kind << "|" << c.number << "|" << c.name;
}

TEST_F(HeatingTypeSplitTest, LoadsRowsWithTheirKindsAndWallMarks)
{
    Load(m_project.Path());
    std::vector<int> levels;
    for (const auto& row : m_split.Rows())
        levels.push_back(row.level);
    EXPECT_EQ(levels, (std::vector<int>{1, 2, 3, 3, 4, 4, 5, 2, 4, 2, 3}));
    EXPECT_EQ(m_split.Rows()[6].wall, wallCode);
    EXPECT_EQ(m_split.Rows()[9].wall, wallCode);
    EXPECT_EQ(m_split.Rows()[1].wall, "Ne");
}

TEST_F(HeatingTypeSplitTest, SplitIsWrittenBackAndCircuitsFollowTheShares)
{
    SplitAndSave(m_project.Path());
    const std::vector<RowCells> source = ProjectRows();
    const std::vector<SheetRow> rows = ResultRows(m_project.Path());
    ASSERT_EQ(rows.size(), 9u);
    EXPECT_EQ(rows[0], (SheetRow{{"NázevM", "objekt"}, {"TYP_ZAZNAMU", "1"}, {"Format", "000000|d2b48c|T|1"}}));

    SheetRow roomA = Cells(source[0]);
    roomA["Podlahové     Vytápění"] = "Ne";
    roomA["ZTRATA_PODL"] = "0.0";
    roomA["ZTRATA_STEN"] = "700.0";
    roomA["ZTRATA_TELE"] = "300.0";
    roomA["Stěnové Vytápění"] = wallCode;
    roomA["Soustava"] = "11";
    EXPECT_EQ(rows[1], roomA);
    EXPECT_EQ(rows[2], Cells(source[1])); // radiators cell for cell
    EXPECT_EQ(rows[3], Cells(source[2]));
    EXPECT_EQ(rows[4], Cells(source[5])); // the wall circuit with its own mark; floor circuits gone

    SheetRow roomB = Cells(source[6]);
    roomB["Stěnové Vytápění"] = "Ne";
    EXPECT_EQ(rows[5], roomB);
    EXPECT_EQ(rows[6], Cells(source[7]));
    SheetRow roomC = Cells(source[8]);
    roomC["Stěnové Vytápění"] = wallCode; // the mark as shown, from its old "Soustava"
    roomC["Soustava"] = "1";
    EXPECT_EQ(rows[7], roomC);
    EXPECT_EQ(rows[8], Cells(source[9]));
}

TEST_F(HeatingTypeSplitTest, AnyColumnOrderGivesTheSameSheet)
{
    SplitAndSave(m_project.Path());
    // The template's columns reversed, in a workbook with an input sheet.
    QTemporaryDir folder;
    const CString other = CString(folder.path().toStdString()) + "/Obráceně.XLS";
    std::vector<CString> columns;
    {
        CData data;
        ASSERT_TRUE(data.Open(m_project.Path(), "Excel 8.0", 0, 0));
        ASSERT_TRUE(data.OpenTable("SeznamM$", "", 0));
        for (int c = 0; c < data.m_nColCount; ++c)
            columns.push_back(data.m_aColNames[c]);
        data.CloseTable();
        data.Close();
        std::reverse(columns.begin(), columns.end());
        CData created;
        ASSERT_TRUE(created.Create(other, "Excel 8.0"));
        for (const CString& column : columns)
            created.AddColBeforeCreateTable(column, 10, 255, -2);
        ASSERT_TRUE(created.CreateTable("SeznamM"));
        created.CloseTable();
        created.AddColBeforeCreateTable("NázevM", 10, 255, -2);
        ASSERT_TRUE(created.CreateTable("SeznamV"));
        created.CloseTable();
        created.AddColBeforeCreateTable("Teplotní spád", 10, 255, -2);
        ASSERT_TRUE(created.CreateTable("DataAkce"));
        created.CloseTable();
        created.Close();
    }
    AppendRows(other, "DataAkce$", {{{"Teplotní spád", "45#40"}}});
    std::vector<RowCells> rows = {{{"NázevM", "objekt"}, {"TYP_ZAZNAMU", "1"}, {"Format", "000000|d2b48c|T|1"}}};
    for (const RowCells& row : ProjectRows())
        rows.push_back(row);
    AppendRows(other, "SeznamM$", rows);
    HeatingTypeSplit split;
    m_split = split;
    SplitAndSave(other);
    EXPECT_EQ(ResultRows(other), ResultRows(m_project.Path()));
}

TEST_F(HeatingTypeSplitTest, DeletionByRowKind)
{
    Load(m_project.Path());
    EXPECT_EQ(m_split.CheckDelete(0), HeatingTypeSplit::DeleteNever);
    EXPECT_EQ(m_split.CheckDelete(1), HeatingTypeSplit::DeleteHasItems);
    EXPECT_EQ(m_split.CheckDelete(7), HeatingTypeSplit::DeleteHasItems);
    EXPECT_EQ(m_split.CheckDelete(9), HeatingTypeSplit::DeleteHasItems); // room C and the row without kind
    ASSERT_TRUE(m_split.Delete(10));
    EXPECT_EQ(m_split.Text(9, "PočetT"), "0"); // an empty count does not go below 0
    EXPECT_EQ(m_split.CheckDelete(9), HeatingTypeSplit::DeleteAsk);
    EXPECT_EQ(m_split.DeleteText(2), "1.019005-0012");

    ASSERT_TRUE(m_split.Delete(2)); // a radiator: its room counts one less
    EXPECT_EQ(m_split.Text(1, "PočetT"), "1");
    EXPECT_EQ(m_split.Rows().size(), 9u);
    EXPECT_EQ(m_split.Text(2, "VětaT"), "9005-0013");
    ASSERT_TRUE(m_split.Delete(3)); // a floor circuit: nothing else changes
    EXPECT_EQ(m_split.Text(1, "PočetT"), "1");
    EXPECT_FALSE(m_split.Delete(0));
    EXPECT_FALSE(m_split.Delete(1));
    EXPECT_EQ(m_split.Rows().size(), 8u);
}

TEST_F(HeatingTypeSplitTest, MissingColumnLoadsNothingAndWritesNothing)
{
    QTemporaryDir folder;
    const CString other = CString(folder.path().toStdString()) + "/Bez.XLS";
    {
        CData created;
        ASSERT_TRUE(created.Create(other, "Excel 8.0"));
        for (const char* column : {"Číslo                Místnosti", "NázevM", "ZtrátaM", "TYP_ZAZNAMU"})
            created.AddColBeforeCreateTable(column, 10, 255, -2);
        ASSERT_TRUE(created.CreateTable("SeznamM"));
        created.CloseTable();
        created.Close();
    }
    AppendRows(other, "SeznamM$", {{{"NázevM", "objekt"}}});
    CData data;
    ASSERT_TRUE(data.Open(other, "Excel 8.0", 0, 0));
    ASSERT_TRUE(data.OpenTable("SeznamM$", "", 0));
    EXPECT_FALSE(m_split.Load(data, wallCode));
    EXPECT_EQ(m_split.MissingColumn(), "PočetT");
    data.CloseTable();
    data.Close();
    // Only the gradient could be stored, and this workbook has no header for it.
    AppSettings::Get().PathBase = other;
    EXPECT_FALSE(m_split.Save("60.0#48.0"));
    EXPECT_EQ(ResultRows(other).size(), 1u);
}

TEST_F(HeatingTypeSplitTest, FailedStoreKeepsTheSheetAndTheGradient)
{
    Load(m_project.Path());
    m_split.ApplySplit(1, false, true, 0, 700, 300, "1000.0", floorCode, wallCode);
    const std::vector<SheetRow> before = ResultRows(m_project.Path());
    const CString gradient = HeaderCell(m_project.Path(), "Teplotní spád");
    // The working copy cannot be replaced.
    QFile::setPermissions(QString::fromStdString(m_project.Path().str()), QFile::ReadOwner);
    EXPECT_FALSE(m_split.Save("60.0#48.0"));
    QFile::setPermissions(QString::fromStdString(m_project.Path().str()), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(ResultRows(m_project.Path()), before);
    EXPECT_EQ(HeaderCell(m_project.Path(), "Teplotní spád"), gradient);
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].text.Find("List SeznamM se nepodařilo uložit do souboru"), 0);
}
} // namespace
