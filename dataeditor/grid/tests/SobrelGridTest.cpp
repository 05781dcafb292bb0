// The editor's grid: typed display, data texts, row formats, header and footer, moves, sorting
// by heading clicks and the copy and paste of blocks by column names.
#include "controls/grid/CGridCellCombo.h"
#include "controls/grid/CInPlaceList.h"
#include "dataeditor/document/CColumnInfo.h"
#include "dataeditor/grid/CSobrelGrid.h"
#include "platform/core/COleDateTime.h"
#include "platform/core/Modules.h"
#include "platform/core/Resources.h"
#include "platform/core/UserLocale.h"
#include "platform/gdi/CPrintInfo.h"
#include "testing/CommaNumericLocale.h"
#include "testing/UiTest.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <memory>
#include <vector>

namespace
{
class SobrelGridTest : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        UiTest::EnsureApplication();
        AfxSetResourceHandle(LoadLibrary(KALVENROD_BIN_DIR "/Sobrel-CZ.so"));
        UserLocale::SetCurrent(UserLocale::Czech());
    }
    static void TearDownTestSuite() { UserLocale::ResetToSystem(); }

    // A table window: headings in row 0, record numbers in column 0, the columns described.
    struct Table
    {
        CWnd owner;
        CSobrelGrid grid;
        std::vector<std::unique_ptr<CColumnInfo>> infos;

        Table(const std::vector<CString>& headings, const std::vector<int>& types,
              const std::vector<std::vector<CString>>& rows)
        {
            owner.CreateEx(0, nullptr, "Tabulka", WS_POPUP | WS_VISIBLE, CRect(0, 0, 640, 400), nullptr, 0);
            grid.Create(CRect(0, 0, 620, 380), &owner, 1658);
            grid.SetRowCount(int(rows.size()) + 1);
            grid.SetColumnCount(int(headings.size()) + 1);
            grid.SetFixedRowCount(1);
            grid.SetFixedColumnCount(1);
            for (std::size_t c = 0; c < headings.size(); ++c)
            {
                infos.push_back(std::make_unique<CColumnInfo>(types[c], 255, -2));
                grid.SetColumnInfo(int(c) + 1, infos.back().get());
                grid.SetItemTextTyped(0, int(c) + 1, headings[c], FALSE);
            }
            for (std::size_t r = 0; r < rows.size(); ++r)
            {
                grid.SetItemTextFmt(int(r) + 1, 0, "%d", int(r) + 1);
                for (std::size_t c = 0; c < rows[r].size(); ++c)
                    grid.SetItemTextTyped(int(r) + 1, int(c) + 1, rows[r][c], TRUE);
            }
        }
        std::vector<CString> Column(int col) const
        {
            std::vector<CString> texts;
            for (int r = 1; r < grid.GetRowCount(); ++r)
                texts.push_back(grid.GetItemText(r, col));
            return texts;
        }
    };
};

TEST_F(SobrelGridTest, ValuesAreShownByTheirColumnType)
{
    const struct
    {
        const char* text;
        int type;
        int decimals;
        const char* shown;
    } cases[] = {
        {"Yes", 1, 0, "Ano"},     {"no", 1, 0, "Ne"},          {"0", 1, 0, "Ne"},         {"1", 1, 0, "Ano"},
        {"", 1, 0, ""},           {"12,6", 4, 0, "13"},        {"1234.5", 7, 1, "1 234,5"}, {"2,345", 6, -2, "2,35"},
        {"3", 5, -2, "3,00"},     {"abc", 10, 0, "abc"},       {"-1234567", 3, 0, "-1 234 567"},
        {"24.12.2025 13:45:00", 8, 0, "24.12.2025"}, {"zítra", 8, 0, "zítra"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CSobrelGrid::FormatValueText(c.text, c.type, c.decimals, "Ne", "Ano"), CString(c.shown))
            << c.text << " type " << c.type;
}

// A desktop whose numeric locale has a decimal comma changes nothing in how values are read.
TEST_F(SobrelGridTest, ValuesAreShownAlikeUnderACommaNumericLocale)
{
    const CommaNumericLocale comma;
    if (!comma.Selected())
        GTEST_SKIP() << "no locale with a decimal comma (localedef needs Debian's locales)";
    EXPECT_EQ(CSobrelGrid::FormatValueText("1234.5", 7, 1, "Ne", "Ano"), "1 234,5");
    EXPECT_EQ(CSobrelGrid::FormatValueText("2,345", 6, 2, "Ne", "Ano"), "2,35");
    EXPECT_EQ(CSobrelGrid::FormatValueText("12,6", 4, 0, "Ne", "Ano"), "13");
}

TEST_F(SobrelGridTest, RealCellsGiveTheirValueAsReadUntilEdited)
{
    Table table({"Název", "Cena"}, {10, 7}, {{"A", "1,23456789"}, {"B", "1234,5"}});
    table.grid.SetReadValue(1, 2, "1,23456789");
    EXPECT_EQ(table.grid.GetItemText(1, 2), "1,23");
    EXPECT_EQ(table.grid.GetDataText(1, 2, TRUE), "1,23456789");
    EXPECT_EQ(table.grid.GetDataText(1, 2, FALSE), "1,23");
    EXPECT_EQ(table.grid.GetDataText(2, 2, TRUE), "1234,50");
    table.grid.SetItemText(1, 2, "2,5");
    EXPECT_EQ(table.grid.GetDataText(1, 2, TRUE), "2,5");

    table.grid.excludedColumns.insert(1);
    table.grid.rowSubstitution[2] = 1;
    EXPECT_EQ(table.grid.GetDataText(1, 1, TRUE), "");
    EXPECT_EQ(table.grid.GetDataText(2, 2, TRUE), "2,5");
    EXPECT_EQ(table.grid.GetItemTextByColName(2, "Název", TRUE), "A");
    EXPECT_EQ(table.grid.FindColumnByName("Cena"), 2);
    EXPECT_EQ(table.grid.FindColumnByName("cena"), -1);
}

TEST_F(SobrelGridTest, RowFormatsApplyTheirFieldsOrNothing)
{
    Table table({"Název", "Format"}, {10, 10}, {{"A", "ff0000||TK|0"}, {"B", "ff0000|00ff00"}, {"C", "/000000|ffffff||0"}});
    table.grid.ApplyRowFormats(FALSE, FALSE);
    EXPECT_EQ(table.grid.GetColumnWidth(2), 0);
    const CGridCellBase* red = table.grid.GetCell(1, 1);
    EXPECT_EQ(red->GetTextClr(), RGB(255, 0, 0));
    EXPECT_EQ(red->GetBackClr(), CLR_DEFAULT);
    EXPECT_EQ(red->GetFont()->lfWeight, 700);
    EXPECT_TRUE(red->GetFont()->lfItalic);
    EXPECT_TRUE(table.grid.GetCell(2, 1)->IsDefaultFont());
    EXPECT_EQ(table.grid.GetCell(2, 1)->GetTextClr(), CLR_DEFAULT);
    EXPECT_EQ(table.grid.GetCell(3, 1)->GetBackClr(), RGB(255, 255, 255));
    EXPECT_TRUE(table.grid.IsPageBreakRow(3, ""));
    EXPECT_FALSE(table.grid.IsPageBreakRow(1, ""));
    EXPECT_EQ(table.grid.GetRowFormatText(CCellID(1, 1)), "ff0000||TK|0");

    table.grid.ApplyRowFormat(1, TRUE, "");
    table.grid.SetItemText(1, 2, "");
    table.grid.ApplyRowFormat(1, TRUE, "");
    EXPECT_EQ(table.grid.GetCell(1, 1)->GetTextClr(), CLR_DEFAULT);
    EXPECT_TRUE(table.grid.GetCell(1, 1)->IsDefaultFont());
    EXPECT_EQ(table.grid.GetItemText(1, 2), "");

    for (const char* text : {"000000|d2b48c|T|1", "||P|-2", "0000ff|||3"})
    {
        table.grid.ApplyRowFormat(2, FALSE, text);
        EXPECT_EQ(table.grid.GetRowFormatText(CCellID(2, 1)), text);
    }
}

TEST_F(SobrelGridTest, HeaderAndFooterExpandInAView)
{
    Table table({"Název"}, {10}, {{"A"}});
    table.grid.headerFooter = "{%DATE% }Strana %PAGE%\t%TITLE%\t\t{L\t\t%PAGES%";
    CPrintInfo info;
    info.m_nCurPage = 2;
    info.SetMaxPage(5);
    table.grid.pageOffset = 10;
    EXPECT_EQ(table.grid.GetHeaderText(&info), "Strana 12\tTabulka\t");
    EXPECT_EQ(table.grid.GetFooterText(&info), "");
    table.grid.headerFooter = "a\tb\tc\td\te\t%PAGES%";
    EXPECT_EQ(table.grid.GetFooterText(&info), "d\te\t15");
    table.grid.inView = FALSE;
    EXPECT_EQ(table.grid.GetHeaderText(&info), "");
}

TEST_F(SobrelGridTest, HtmlStylesFollowTheCell)
{
    Table table({"Název", "Cena"}, {10, 7}, {{"A", "5"}});
    table.grid.ApplyRowFormat(1, FALSE, "ff0000|00ff00|T|0");
    table.grid.SetGridLines(GVL_HORZ);
    EXPECT_EQ(table.grid.GetCellHtmlStyle(1, 2, FALSE, TRUE, TRUE, TRUE),
              "background:#00FF00;text-align:right;border-top:1px solid #C0C0C0;border-bottom:1px solid "
              "#C0C0C0;border-left:0;border-right:0");
    EXPECT_EQ(table.grid.GetCellHtmlStyle(1, 1, FALSE, FALSE, TRUE, FALSE), "");
    EXPECT_EQ(table.grid.GetCellHtmlStyle(9, 9, TRUE, TRUE, TRUE, TRUE), "");
}

TEST_F(SobrelGridTest, MovesKeepCellsAndRecordNumbers)
{
    Table table({"A", "B", "C"}, {10, 10, 10}, {{"a1", "b1", "c1"}, {"a2", "b2", "c2"}, {"a3", "b3", "c3"}});
    table.grid.MoveRow(1, 3);
    EXPECT_EQ(table.Column(1), (std::vector<CString>{"a2", "a3", "a1"}));
    EXPECT_EQ(table.Column(0), (std::vector<CString>{"1", "2", "3"}));
    table.grid.MoveColumn(1, 3);
    EXPECT_EQ(table.grid.GetItemText(0, 3), "A");
    EXPECT_EQ(table.grid.GetItemText(1, 3), "a2");
    EXPECT_EQ(table.grid.GetItemText(0, 1), "B");
    EXPECT_EQ(table.grid.GetColumnInfo(3), table.infos[0].get());
}

TEST_F(SobrelGridTest, ValueListColumnsGetDropDownCellsThatMoveWithThem)
{
    Table table({"Druh", "Název"}, {10, 10}, {{"Stěna", "a"}, {"Okno", "b"}});
    table.infos[0]->values = {"Stěna", "Okno", "Dveře"};
    table.grid.ApplyValueLists();
    auto* combo = dynamic_cast<CGridCellCombo*>(table.grid.GetCell(2, 1));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->GetOptions().GetSize(), 3);
    EXPECT_EQ(table.grid.GetItemText(2, 1), "Okno");
    EXPECT_EQ(dynamic_cast<CGridCellCombo*>(table.grid.GetCell(0, 1)), nullptr);
    EXPECT_EQ(dynamic_cast<CGridCellCombo*>(table.grid.GetCell(1, 2)), nullptr);
    table.grid.MoveColumn(1, 2);
    combo = dynamic_cast<CGridCellCombo*>(table.grid.GetCell(1, 2));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->GetOptions()[2], "Dveře");
    EXPECT_EQ(table.grid.GetItemText(1, 2), "Stěna");
}

TEST_F(SobrelGridTest, HeadingClicksSortUpThenDown)
{
    Table table({"Obec", "Počet"}, {10, 4}, {{"Praha 2", "10"}, {"Brno", "9"}, {"Praha", "10"}, {"Čáslav", ""}});
    table.grid.SetRowSelectMode(TRUE);
    table.grid.SetHeaderSort(TRUE);
    CCellID heading(0, 1);
    table.grid.SortOnHeaderClick(heading);
    EXPECT_EQ(table.Column(1), (std::vector<CString>{"Brno", "Čáslav", "Praha", "Praha 2"}));
    EXPECT_EQ(table.Column(0), (std::vector<CString>{"1", "2", "3", "4"}));
    table.grid.SortOnHeaderClick(heading);
    EXPECT_EQ(table.Column(1), (std::vector<CString>{"Praha 2", "Praha", "Čáslav", "Brno"}));
    CCellID count(0, 2);
    table.grid.SortOnHeaderClick(count);
    EXPECT_EQ(table.Column(2), (std::vector<CString>{"", "9", "10", "10"}));
    EXPECT_EQ(table.Column(1), (std::vector<CString>{"Čáslav", "Brno", "Praha 2", "Praha"}));
}

TEST_F(SobrelGridTest, WholeRowsPasteByNamesIntoOtherColumnOrder)
{
    Table from({"Index", "Název", "Cena"}, {10, 10, 10}, {{"12", "Ventil", "5"}, {"13", "Kohout", "7"}});
    Table to({"Cena", "Index", "Poznámka"}, {10, 10, 10}, {{"1", "2", "x"}});
    to.grid.indexColumnName = "Index";
    from.grid.SetSelectedRange(1, 1, 2, 3);
    from.grid.OnEditCopy();
    to.grid.SetFocusCell(1, 1);
    to.grid.OnEditPaste();
    ASSERT_EQ(to.grid.GetRowCount(), 4);
    EXPECT_EQ(to.Column(1), (std::vector<CString>{"5", "7", "1"}));
    EXPECT_EQ(to.Column(2), (std::vector<CString>{"12", "13", "2"}));
    EXPECT_EQ(to.Column(3), (std::vector<CString>{"", "", "x"}));
    EXPECT_EQ(to.Column(0), (std::vector<CString>{"1", "2", "3"}));
}

} // namespace

// A picture of the editor grid: typed columns, row formats and an open drop-down cell.
TEST_F(SobrelGridTest, PictureOfTypedColumnsRowFormatsAndAnOpenComboCell)
{
    Table table({"Výrobek", "Cena", "Dodáno", "Skladem", "Druh", "Format"}, {10, 7, 8, 1, 10, 10},
                {{"Kotel plynový 24 kW", "38450,5", "15.1.2025", "Ano", "Kotel", "000000|d2b48c|T|1"},
                 {"Těleso deskové 600", "2890", "3.2.2025", "Ne", "Těleso", ""},
                 {"Ventil termostatický", "412,25", "28.2.2025", "1", "Armatura", "ff0000|||0"},
                 {"Čerpadlo oběhové", "5120", "", "0", "Čerpadlo", "/0000ff|ffffe0|K|0"}});
    table.infos[1]->decimals = 2;
    table.infos[4]->values = {"Kotel", "Těleso", "Armatura", "Čerpadlo"};
    for (int row = 1; row <= 4; ++row)
        table.grid.RetypeCell(row, 2);
    EXPECT_EQ(table.grid.GetItemText(1, 2), "38 450,50");
    EXPECT_EQ(table.grid.GetItemText(2, 4), "Ne");
    table.grid.ApplyValueLists();
    table.grid.ApplyRowFormats(FALSE, FALSE);
    table.grid.SetFocusCell(2, 5);
    table.grid.SetFocus();
    UiTest::ProcessEvents();
    UiTest::PressKey(VK_F2);
    UiTest::ProcessEvents();
    EXPECT_TRUE(table.grid.IsItemEditing(2, 5));
    auto* list = dynamic_cast<CInPlaceList*>(table.grid.GetCell(2, 5)->GetEditWnd());
    ASSERT_NE(list, nullptr);
    list->ShowDropDown(TRUE);
    UiTest::ProcessEvents();
    ASSERT_TRUE(list->GetDroppedState());
    // The dropped list is a window of its own; it is drawn where it stands over the grid.
    QWidget* window = table.owner.GetWidget();
    QImage picture = window->grab().toImage();
    QWidget* popup = static_cast<QComboBox*>(list->GetWidget())->view()->window();
    QPainter painter(&picture);
    painter.drawImage(window->mapFromGlobal(popup->mapToGlobal(QPoint(0, 0))), popup->grab().toImage());
    painter.end();
    list->ShowDropDown(FALSE);
    QDir().mkpath("pictures");
    EXPECT_TRUE(picture.save("pictures/sobrel-grid.png"));
}
