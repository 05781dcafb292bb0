// A table as it opens and as the user works on it: its row formats shown, the description of
// the focused column on the status bar, the drop-down cells of value-list columns in every row
// (new, added at the end and brought back by undo), and numbers in their column's form with
// the value as read kept for the file.
#include "dataeditor/view/tests/EditCommandsFixture.h"

#include "controls/grid/CGridCellCombo.h"
#include "dataeditor/app/SobrelIds.h"
#include "dataeditor/view/ViewIds.h"
#include "platform/core/UserLocale.h"
#include "platform/frame/CFrameWnd.h"
#include "platform/frame/CStatusBar.h"
#include "platform/frame/FrameIds.h"

#include <regex>

namespace
{
// Besides the catalogue A: a boiler list with a row-format column, a column of kinds to
// choose from and a power column, described by its information sheet.
class OpenedTable : public EditCommands
{
protected:
    static void SetUpTestSuite() { UserLocale::SetCurrent(UserLocale::Czech()); }
    static void TearDownTestSuite() { UserLocale::ResetToSystem(); }
    void SetUp() override
    {
        EditCommands::SetUp();
        m_catalogue = m_path;
        m_boilers = Folder("kotle.xls");
        RunPython(R"(
import sys, xlwt
book = xlwt.Workbook(encoding='utf-8')
s = book.add_sheet('Kotle')
heads = ['Název', 'Druh', 'Výkon', 'Format']
for c, name in enumerate(heads):
    s.write(0, c, name)
rows = [('Kotel A', 'plynový', 24.5, 'c00000||T|4'),
        ('Kotel B', 'elektrický', 12, ''),
        ('Kotel C', '', 8.25, '0000c0|ffff00|K|0')]
for r, row in enumerate(rows):
    for c, value in enumerate(row):
        if value != '':
            s.write(r + 1, c, value)
info = book.add_sheet('KotleInfo')
for c, name in enumerate(heads):
    info.write(0, c, name)
info.write(1, 0, 'Obchodní název kotle'); info.write(1, 2, 'Jmenovitý výkon [kW]')
info.write(2, 2, 'dbDouble;1')
for r, kind in enumerate(['plynový', 'elektrický', 'kondenzační']):
    info.write(4 + r, 1, kind)
book.save(sys.argv[1])
)",
                  {m_boilers});
    }

    CSobrelView* OpenBoilers()
    {
        m_path = m_boilers;
        CSobrelDoc* document = Open("Kotle$");
        m_view = document ? document->View() : nullptr;
        return m_view;
    }
    CSobrelView* OpenA()
    {
        m_path = m_catalogue;
        CSobrelDoc* document = Open("A$");
        m_view = document ? document->View() : nullptr;
        return m_view;
    }
    // The first pane of the main frame's status bar.
    CString StatusText() const
    {
        auto* frame = dynamic_cast<CFrameWnd*>(m_app->m_pMainWnd);
        CStatusBar* bar = frame ? frame->GetMessageBar() : nullptr;
        return bar ? bar->GetPaneText(0) : CString("no status bar");
    }
    CString IdleText() const
    {
        CString text;
        dynamic_cast<CFrameWnd*>(m_app->m_pMainWnd)->GetMessageString(AFX_IDS_IDLEMESSAGE, text);
        return text;
    }
    // The options of a drop-down cell, "|" between them; "plain" for any other cell.
    std::string DropDown(int row, int col) const
    {
        auto* combo = dynamic_cast<CGridCellCombo*>(Grid().GetCell(row, col));
        if (!combo)
            return "plain";
        std::string options;
        for (int i = 0; i < combo->GetOptions().GetSize(); ++i)
            options += (i ? "|" : "") + std::string(combo->GetOptions()[i]);
        return options;
    }
    bool Bold(int row, int col) const
    {
        return !Grid().IsItemDefaultFont(row, col) && Grid().GetItemFont(row, col)->lfWeight > 400;
    }
    bool Italic(int row, int col) const
    {
        return !Grid().IsItemDefaultFont(row, col) && Grid().GetItemFont(row, col)->lfItalic;
    }
    // The column's texts with the Czech thousands separator (a no-break space) as a space.
    std::string Shown(int col) const { return std::regex_replace(Column(col), std::regex("\xC2\xA0"), " "); }

    static constexpr const char* kKinds = "plynový|elektrický|kondenzační";
    QString m_boilers;
    QString m_catalogue;
};
} // namespace

TEST_F(OpenedTable, ShowsTheRowFormatsOfItsFormatColumnAsItOpens)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenBoilers(), nullptr);
    const int format = m_view->FormatColumn();
    ASSERT_EQ(format, 4);
    EXPECT_EQ(Grid().GetColumnWidth(format), 0) << "the format codes are not shown";
    for (int col = 1; col < format; ++col)
    {
        EXPECT_EQ(Grid().GetItemFgColour(1, col), RGB(0xc0, 0, 0)) << col;
        EXPECT_TRUE(Bold(1, col)) << col;
        EXPECT_EQ(Grid().GetItemFgColour(2, col), CLR_DEFAULT) << col;
        EXPECT_TRUE(Grid().IsItemDefaultFont(2, col)) << col;
        EXPECT_EQ(Grid().GetItemFgColour(3, col), RGB(0, 0, 0xc0)) << col;
        EXPECT_EQ(Grid().GetItemBkColour(3, col), RGB(0xff, 0xff, 0)) << col;
        EXPECT_TRUE(Italic(3, col)) << col;
    }
    // The larger font of row 1 was measured: the row is higher than a plain one.
    EXPECT_GT(Grid().GetRowHeight(1), Grid().GetRowHeight(2));
    EXPECT_TRUE(m_view->Journal().empty());
    EXPECT_FALSE(m_view->Document()->IsModified());

    // Applying them again (49116) changes nothing.
    const int height = Grid().GetRowHeight(1);
    Command(ID_APPLY_ROW_FORMATS);
    EXPECT_EQ(Grid().GetRowHeight(1), height);
    EXPECT_EQ(Grid().GetColumnWidth(format), 0);
    EXPECT_TRUE(Bold(1, 1));

    // Shown by its command, the column stays in sight; a table without one opens as before.
    Command(ID_FORMAT_COLUMN_SHOW);
    EXPECT_GT(Grid().GetColumnWidth(format), 0);
    EXPECT_EQ(Grid().GetItemText(1, format), "c00000||T|4");
    ASSERT_NE(OpenA(), nullptr);
    EXPECT_EQ(m_view->FormatColumn(), -1);
    for (int col = 1; col < Grid().GetColumnCount(); ++col)
        EXPECT_GT(Grid().GetColumnWidth(col), 0) << col;
}

TEST_F(OpenedTable, TheFocusedColumnsDescriptionIsOnTheStatusBar)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenA(), nullptr);
    ASSERT_NE(IdleText(), "Název výrobku");
    EXPECT_EQ(Grid().GetFocusCell(), CCellID(1, 1));
    EXPECT_EQ(StatusText(), "Název výrobku") << "the first column's, once the table is loaded";
    // A column without a description leaves no other column's on the bar.
    Grid().SendMessage(WM_KEYDOWN, VK_RIGHT);
    EXPECT_EQ(Grid().GetFocusCell(), CCellID(1, 2));
    EXPECT_EQ(StatusText(), IdleText());
    Grid().SendMessage(WM_KEYDOWN, VK_LEFT);
    EXPECT_EQ(StatusText(), "Název výrobku");

    CSobrelView* first = m_view;
    ASSERT_NE(OpenBoilers(), nullptr);
    EXPECT_EQ(StatusText(), "Obchodní název kotle");
    Grid().SetFocusCell(2, 3);
    EXPECT_EQ(StatusText(), "Jmenovitý výkon [kW]");
    Grid().SetFocusCell(3, 2);
    EXPECT_EQ(StatusText(), IdleText());

    // Back in the other table's window, the bar tells of its focused column.
    Grid().SetFocusCell(2, 3);
    CSobrelView* boilers = m_view;
    first->GetParentFrame()->ActivateFrame();
    EXPECT_EQ(StatusText(), "Název výrobku");
    boilers->GetParentFrame()->ActivateFrame();
    EXPECT_EQ(StatusText(), "Jmenovitý výkon [kW]");
}

TEST_F(OpenedTable, EveryRowOfAValueListColumnGetsItsDropDown)
{
    ASSERT_TRUE(Start());
    m_app->options.addRowOnEnd = 1;
    m_app->options.askOnAddRowOnEnd = 0;
    ASSERT_NE(OpenBoilers(), nullptr);
    for (int row = 1; row <= 3; ++row)
    {
        EXPECT_EQ(DropDown(row, 2), kKinds) << row;
        EXPECT_EQ(DropDown(row, 1), "plain") << row;
    }

    // A row inserted above the focus (49106).
    Select({CCellID(2, 1)});
    Command(ID_ROW_INSERT);
    ASSERT_EQ(m_view->rowCount, 4);
    EXPECT_EQ(Grid().GetItemText(2, 1), "");
    EXPECT_EQ(DropDown(2, 2), kKinds);
    EXPECT_EQ(DropDown(2, 3), "plain");

    // The row that a number typed into the table's last cell adds.
    m_view->GetParentFrame()->ShowWindow(SW_SHOW);
    m_app->m_pMainWnd->ShowWindow(SW_SHOW);
    Grid().SetFocusCell(4, 3);
    Grid().SetSelectedRange(4, 3, 4, 3);
    Grid().SetFocus();
    UiTest::ProcessEvents();
    UiTest::TypeText("7");
    UiTest::PressKey(VK_RETURN);
    UiTest::ProcessEvents();
    ASSERT_EQ(m_view->rowCount, 5);
    EXPECT_EQ(Grid().GetItemText(4, 3), "7");
    EXPECT_EQ(DropDown(5, 2), kKinds);

    // Rows deleted and brought back by undo, a deleted column too.
    Grid().SetSelectedRange(1, 1, 2, 2);
    Command(ID_ROW_DELETE);
    ASSERT_EQ(m_view->rowCount, 3);
    Command(ID_EDIT_UNDO);
    ASSERT_EQ(m_view->rowCount, 5);
    EXPECT_EQ(Grid().GetItemText(1, 2), "plynový");
    for (int row = 1; row <= 5; ++row)
        EXPECT_EQ(DropDown(row, 2), kKinds) << row;
    Select({CCellID(1, 2)});
    Command(ID_COLUMN_DELETE);
    EXPECT_EQ(Grid().GetItemText(0, 2), "Výkon");
    Command(ID_EDIT_UNDO);
    ASSERT_EQ(Grid().GetItemText(0, 2), "Druh");
    for (int row = 1; row <= 5; ++row)
        EXPECT_EQ(DropDown(row, 2), kKinds) << row;
}

TEST_F(OpenedTable, NumbersShowInTheirColumnsFormWithTheValueAsReadKept)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenBoilers(), nullptr);
    // One decimal by the information sheet, the Czech decimal comma.
    EXPECT_EQ(Shown(3), "24,5,12,0,8,3");
    EXPECT_EQ(Grid().GetDataText(3, 3, TRUE), "8,25");
    // Fewer decimals round what shows, not the value: 24,5 retyped to whole money stays 24,5.
    Select({CCellID(1, 3)});
    DefineColumn("Výkon", 3, "0");
    Command(ID_COLUMN_EDIT);
    ASSERT_EQ(m_view->ColumnInfo(3)->decimals, 0);
    EXPECT_EQ(Grid().GetItemText(1, 3).Find(','), -1) << Grid().GetItemText(1, 3);
    EXPECT_EQ(Grid().GetDataText(1, 3, TRUE), "24,5");
    EXPECT_EQ(Grid().GetDataText(2, 3, TRUE), "12");

    // The price of A retyped to money, saved and opened again: money with its two decimals,
    // no point and six decimals.
    ASSERT_NE(OpenA(), nullptr);
    EXPECT_EQ(Shown(2), "1 234,50,0,12,99,00");
    Select({CCellID(1, 2)});
    DefineColumn("Cena", 3, nullptr);
    Command(ID_COLUMN_EDIT);
    ASSERT_EQ(m_view->ColumnInfo(2)->type, 5);
    CSobrelDoc* document = m_view->Document();
    const QByteArray path = m_path.toUtf8();
    ASSERT_TRUE(document->DoSave(path.constData()));
    document->OnCloseDocument();
    ASSERT_NE(OpenA(), nullptr);
    EXPECT_EQ(Shown(2), "1 234,50,0,12,99,00");
    EXPECT_EQ(m_view->GetDataText(1, 2), "1234,50");
    ASSERT_TRUE(m_view->Document()->DoSave(path.constData()));
    EXPECT_NE(Xlrd(m_path).find("|1234.5|"), std::string::npos) << Xlrd(m_path);
}

TEST_F(OpenedTable, ASinglePrecisionColumnShowsTheNumberItHolds)
{
    ASSERT_TRUE(Start());
    const QString database = Folder("ceník.mdb");
    ASSERT_TRUE(MakeDatabase(database, "Trubky", {{"Název", 10, 50, -2}, {"Průměr", 6, 4, -2}, {"Kusů", 4, 4, -2}},
                             {{"Cu 15", "1,01", "12345"}, {"Cu 18", "0,333", "12345"}}));
    CSobrelDoc* document = ImportFile(database);
    ASSERT_NE(document, nullptr);
    m_view = document->View();
    ASSERT_EQ(m_view->ColumnInfo(2)->type, 6);
    EXPECT_EQ(Shown(2), "1,01,0,33");
    EXPECT_EQ(Shown(3), "12 345,12 345");
    EXPECT_EQ(m_view->GetDataText(1, 2), "1,01");
    EXPECT_EQ(m_view->GetDataText(2, 2), "0,333");
    EXPECT_EQ(m_view->GetDataText(1, 3), "12345");
    const QString saved = Folder("trubky.xls");
    ASSERT_TRUE(document->DoSave(saved.toUtf8().constData()));
    EXPECT_NE(Xlrd(saved).find("Trubky|'Cu 15'|1.01|12345.0"), std::string::npos) << Xlrd(saved);
    EXPECT_NE(Xlrd(saved).find("Trubky|'Cu 18'|0.333|12345.0"), std::string::npos) << Xlrd(saved);
}
