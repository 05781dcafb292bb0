#include "controls/grid/fmt/CFmtGridCtrl.h"

#include "common/AppSettings.h"
#include "common/tests/CatalogueFixture.h"
#include "controls/grid/CGridDefaultCell.h"
#include "platform/gdi/SystemMetrics.h"
#include "platform/ui/CClientDC.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <gtest/gtest.h>

namespace
{
constexpr int kFormatColumn = 3;

// A created formatted grid: 1 fixed row, 3 data rows, 1 fixed column, "Kód", "Název", "Format".
class FmtGridTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { UiTest::EnsureApplication(); }
    void SetUp() override
    {
        m_owner.CreateEx(0, nullptr, "fmt grid", WS_POPUP, CRect(0, 0, 440, 340), nullptr, 0);
        m_grid.Create(CRect(10, 10, 410, 310), &m_owner, 1001);
        m_grid.SetRowCount(4);
        m_grid.SetColumnCount(4);
        m_grid.SetFixedRowCount(1);
        m_grid.SetFixedColumnCount(1);
        for (const char* name : {"Kód", "Název", "Format"})
            m_grid.m_aColumnNames.Add(name);
        for (int row = 1; row < 4; ++row)
            for (int col = 1; col < 3; ++col)
                m_grid.SetItemTextFmt(row, col, "%d-%d", row, col);
    }
    const LOGFONT& CornerFont() { return *m_grid.GetDefaultCell(TRUE, TRUE)->GetFont(); }
    int PointsLarger(int points)
    {
        CClientDC dc(&m_grid);
        return MulDiv(points, dc.GetDeviceCaps(LOGPIXELSY), 72);
    }
    bool RowIsPlain(int row)
    {
        for (int col = 1; col < 4; ++col)
        {
            const CGridCellBase* cell = m_grid.GetCell(row, col);
            if (cell->GetTextClr() != CLR_DEFAULT || cell->GetBackClr() != CLR_DEFAULT || !cell->IsDefaultFont())
                return false;
        }
        return true;
    }

    CWnd m_owner;
    CFmtGridCtrl m_grid;
};

TEST_F(FmtGridTest, FindColumnByContainedName)
{
    m_grid.m_aColumnNames.RemoveAll();
    for (const char* name : {"Kód", "Výpočet Formatu", "Format"})
        m_grid.m_aColumnNames.Add(name);
    const struct
    {
        const char* name;
        int expected;
    } cases[] = {{"Format", 2}, {"Kód", 1}, {"Výpočet", 2}, {"format", -1}, {"", -1}, {"Chybí", -1}};
    for (const auto& c : cases)
        EXPECT_EQ(m_grid.FindColumn(c.name), c.expected) << c.name;
    m_grid.SetFixedColumnCount(2);
    EXPECT_EQ(m_grid.FindColumn("Kód"), 2);
    m_grid.m_aColumnNames.RemoveAll();
    EXPECT_EQ(m_grid.FindColumn("Kód"), -1);
}

TEST_F(FmtGridTest, FormatTextsOfOneRow)
{
    const COLORREF defaultText = m_grid.GetDefaultCell(FALSE, FALSE)->GetTextClr();
    const COLORREF defaultBack = m_grid.GetDefaultCell(FALSE, FALSE)->GetBackClr();
    const struct
    {
        const char* format;
        COLORREF text;
        COLORREF back;
        LONG weight;
        BYTE italic;
        BYTE underline;
        int larger;
    } cases[] = {
        {"000000|d2b48c|T|1", RGB(0, 0, 0), RGB(0xD2, 0xB4, 0x8C), 700, 0, 0, 1},
        {"ff0000|||", RGB(0xFF, 0, 0), defaultBack, 400, 0, 0, 0},
        {"|00ff00|KP|", defaultText, RGB(0, 0xFF, 0), 400, 1, 1, 0},
        {"/0000ff|ffffe0|PTK|3", RGB(0, 0, 0xFF), RGB(0xFF, 0xFF, 0xE0), 700, 1, 1, 3},
        {"zz80|1|x|-2", RGB(0, 0, 0), RGB(1, 0, 0), 400, 0, 0, -2},
    };
    for (const auto& c : cases)
    {
        m_grid.ApplyCellFormat(2, TRUE, kFormatColumn, c.format);
        for (int col = 1; col < 4; ++col)
        {
            const CGridCellBase* cell = m_grid.GetCell(2, col);
            EXPECT_EQ(cell->GetTextClr(), c.text) << c.format;
            EXPECT_EQ(cell->GetBackClr(), c.back) << c.format;
            ASSERT_NE(cell->GetFont(), nullptr);
            EXPECT_EQ(cell->GetFont()->lfWeight, c.weight) << c.format;
            EXPECT_EQ(cell->GetFont()->lfItalic, c.italic) << c.format;
            EXPECT_EQ(cell->GetFont()->lfUnderline, c.underline) << c.format;
            EXPECT_EQ(cell->GetFont()->lfHeight, CornerFont().lfHeight - PointsLarger(c.larger)) << c.format;
        }
        EXPECT_TRUE(RowIsPlain(1));
        EXPECT_TRUE(RowIsPlain(3));
    }
}

TEST_F(FmtGridTest, IncompleteFormatChangesNothing)
{
    for (const char* format : {"ff0000|d2b48c|T", "ff0000|d2b48c", "ff0000", "T"})
    {
        m_grid.ApplyCellFormat(1, TRUE, kFormatColumn, format);
        EXPECT_TRUE(RowIsPlain(1)) << format;
        EXPECT_EQ(m_grid.GetItemText(1, 1), "1-1");
    }
}

TEST_F(FmtGridTest, FormatCellOfTheRowIsReadWhenNoTextIsGiven)
{
    m_grid.SetItemText(3, kFormatColumn, "ff0000|||");
    m_grid.ApplyCellFormat(3, FALSE, kFormatColumn, "");
    EXPECT_EQ(m_grid.GetCell(3, 1)->GetTextClr(), RGB(0xFF, 0, 0));
}

TEST_F(FmtGridTest, EmptyFormatResetsOnlyWhenAsked)
{
    for (const char* stored : {"/", ""})
    {
        m_grid.ApplyCellFormat(2, TRUE, kFormatColumn, "000000|d2b48c|T|1");
        m_grid.SetItemText(2, kFormatColumn, stored);
        m_grid.ApplyCellFormat(2, FALSE, kFormatColumn, "");
        EXPECT_FALSE(RowIsPlain(2)) << stored;
        m_grid.ApplyCellFormat(2, TRUE, kFormatColumn, "");
        EXPECT_TRUE(RowIsPlain(2)) << stored;
        EXPECT_EQ(m_grid.GetItemText(2, kFormatColumn), stored);
        EXPECT_EQ(m_grid.GetItemText(2, 1), "2-1");
    }
}

TEST_F(FmtGridTest, ResetKeepsStateImageDataTextAndFormat)
{
    m_grid.ApplyCellFormat(2, TRUE, kFormatColumn, "000000|d2b48c|T|1");
    CGridCellBase* cell = m_grid.GetCell(2, 1);
    m_grid.SetItemState(2, 1, GVIS_READONLY | GVIS_SELECTED);
    cell->SetImage(4);
    cell->SetData(77);
    cell->SetFormat(DT_RIGHT);
    cell->SetMargin(9);
    m_grid.ApplyCellFormat(2, TRUE, kFormatColumn, "/");
    EXPECT_TRUE(RowIsPlain(2));
    EXPECT_TRUE(cell->IsReadOnly());
    EXPECT_TRUE(cell->IsSelected());
    EXPECT_EQ(cell->GetImage(), 4);
    EXPECT_EQ(cell->GetData(), 77);
    EXPECT_EQ(cell->GetFormat(), DWORD(DT_RIGHT));
    EXPECT_EQ(cell->GetMargin(), m_grid.GetDefaultCell(FALSE, FALSE)->GetMargin());
    EXPECT_EQ(cell->GetText(), CString("2-1"));
    EXPECT_EQ(cell->GetGrid(), &m_grid);
    EXPECT_EQ(m_grid.GetItemText(2, kFormatColumn), "/");
}

TEST_F(FmtGridTest, TreeColumnKeepsItsLook)
{
    const BYTE levels[] = {1, 2, 2};
    ASSERT_TRUE(m_grid.m_TreeColumn.TreeSetup(&m_grid, 1, 3, 1, levels, TRUE, FALSE));
    m_grid.ApplyCellFormat(2, TRUE, kFormatColumn, "ff0000|||");
    EXPECT_EQ(m_grid.GetCell(2, 1)->GetTextClr(), CLR_DEFAULT);
    EXPECT_EQ(m_grid.GetCell(2, 2)->GetTextClr(), RGB(0xFF, 0, 0));
}

TEST_F(FmtGridTest, ColumnFormatsHideTheFormatColumn)
{
    m_grid.SetItemText(1, kFormatColumn, "000000|f0d800|T|1");
    m_grid.SetItemText(2, kFormatColumn, "/");
    m_grid.ApplyCellFormat(2, TRUE, -1, "000000|d2b48c|T|1");
    m_grid.ApplyColumnFormats(TRUE);
    EXPECT_EQ(m_grid.GetColumnWidth(kFormatColumn), 0);
    EXPECT_EQ(m_grid.GetCell(1, 1)->GetBackClr(), RGB(0xF0, 0xD8, 0));
    EXPECT_TRUE(RowIsPlain(2));
    EXPECT_TRUE(RowIsPlain(3));
}

TEST_F(FmtGridTest, WithoutFormatColumnTheGridIsOnlySized)
{
    m_grid.m_aColumnNames.SetAt(2, "Poznámka");
    m_grid.SetItemText(1, kFormatColumn, "000000|f0d800|T|1 a dlouhý text poznámky");
    m_grid.SetColumnWidth(kFormatColumn, 5);
    m_grid.ApplyColumnFormats(TRUE);
    EXPECT_GT(m_grid.GetColumnWidth(kFormatColumn), 5);
    EXPECT_TRUE(RowIsPlain(1));
}

class FmtGridLoadTest : public FmtGridTest
{
protected:
    void SetUp() override
    {
        FmtGridTest::SetUp();
        ASSERT_TRUE(m_catalogue.Written());
        AppSettings::Get().PathData = m_catalogue.Folder();
        ScriptedAnswers::ForgetShown();
    }
    void TearDown() override
    {
        AppSettings::Get().PathData.Empty();
        ScriptedAnswers::ForgetShown();
    }
    CatalogueFixture m_catalogue;
};

TEST_F(FmtGridLoadTest, SheetFillsTheGrid)
{
    ASSERT_EQ(m_grid.LoadFromTable("Mekr_Ot$", ""), 0);
    EXPECT_EQ(m_grid.GetRowCount(), 6);
    EXPECT_EQ(m_grid.GetColumnCount(), 4);
    EXPECT_EQ(m_grid.GetFixedRowCount(), 1);
    EXPECT_EQ(m_grid.GetFixedColumnCount(), 1);
    EXPECT_EQ(m_grid.GetItemText(0, 0), "#");
    EXPECT_EQ(m_grid.GetItemText(0, 2), "Název otvoru");
    for (int row = 1; row <= 5; ++row)
        EXPECT_EQ(m_grid.GetItemText(row, 0), CString(std::to_string(row)));
    EXPECT_EQ(m_grid.GetItemText(3, 2), "Dveře vnější");
    ASSERT_EQ(m_grid.m_aColumnNames.GetSize(), 3);
    EXPECT_EQ(m_grid.m_aColumnNames[2], "Format");
    EXPECT_EQ(m_grid.GetColumnWidth(3), 0);
    EXPECT_EQ(m_grid.GetCell(1, 1)->GetFont()->lfWeight, 700);
    EXPECT_EQ(m_grid.GetCell(3, 2)->GetTextClr(), RGB(0xFF, 0, 0));
    EXPECT_EQ(m_grid.GetItemText(4, 3), "/");
    EXPECT_FALSE(m_grid.m_Data.IsOpen());
    EXPECT_TRUE(ScriptedAnswers::ShownBoxes().empty());
}

TEST_F(FmtGridLoadTest, MissingSheetLeavesTheGridAsItWas)
{
    EXPECT_EQ(m_grid.LoadFromTable("Chybí$", ""), 1);
    EXPECT_EQ(m_grid.GetRowCount(), 4);
    EXPECT_EQ(m_grid.GetItemText(1, 1), "1-1");
    EXPECT_EQ(m_grid.m_aColumnNames.GetSize(), 3);
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].text, "Problémy při práci v tabulce Chybí$");
}
} // namespace
