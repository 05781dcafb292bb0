// The grid as a window: cell rectangles and hit tests while scrolled, scroll bars, fitting,
// auto-sizing and scrolling into view.
#include "GridTestSupport.h"

namespace
{
void SetUniformSizes(CGridCtrl& grid, int height, int width)
{
    for (int row = 0; row < grid.GetRowCount(); row++)
        grid.SetRowHeight(row, height);
    for (int col = 0; col < grid.GetColumnCount(); col++)
        grid.SetColumnWidth(col, width);
}

bool HasVerticalBar(const CGridCtrl& grid)
{
    return (grid.GetStyle() & WS_VSCROLL) != 0;
}
bool HasHorizontalBar(const CGridCtrl& grid)
{
    return (grid.GetStyle() & WS_HSCROLL) != 0;
}

CRect CellRect(CGridCtrl& grid, int row, int col)
{
    CRect rect;
    EXPECT_TRUE(grid.GetCellRect(row, col, rect)) << row << "," << col;
    return rect;
}
} // namespace

TEST(GridGeometry, CellRectanglesAndHitsWhileScrolled)
{
    GridFixture f(40, 20, 1, 1);
    SetUniformSizes(f.grid, 20, 50);
    EXPECT_TRUE(HasVerticalBar(f.grid));
    EXPECT_TRUE(HasHorizontalBar(f.grid));

    for (int i = 0; i < 3; i++)
        f.grid.SendMessage(WM_VSCROLL, SB_LINEDOWN);
    f.grid.SendMessage(WM_HSCROLL, SB_LINERIGHT);
    EXPECT_EQ(f.grid.GetFirstScrolledCell(), CCellID(4, 2));

    EXPECT_EQ(CellRect(f.grid, 0, 0), CRect(0, 0, 49, 19));
    EXPECT_EQ(CellRect(f.grid, 0, 2), CRect(50, 0, 99, 19));
    EXPECT_EQ(CellRect(f.grid, 4, 0), CRect(0, 20, 49, 39));
    EXPECT_EQ(CellRect(f.grid, 5, 3), CRect(100, 40, 149, 59));
    CRect rect;
    EXPECT_FALSE(f.grid.GetCellRect(2, 2, rect));
    EXPECT_FALSE(f.grid.GetCellRect(5, 1, rect));

    struct Case
    {
        CPoint point;
        BOOL allowFixed;
        CCellID expected;
    };
    for (const Case& c :
         {Case{{60, 25}, TRUE, {4, 2}}, Case{{10, 5}, TRUE, {0, 0}}, Case{{10, 5}, FALSE, {-1, -1}},
          Case{{110, 5}, TRUE, {0, 3}}, Case{{110, 5}, FALSE, {-1, 3}}, Case{{-1, 25}, TRUE, {4, -1}},
          Case{{149, 59}, TRUE, {5, 3}}, Case{{150, 60}, TRUE, {6, 4}}})
        EXPECT_EQ(f.grid.GetCellFromPt(c.point, c.allowFixed), c.expected) << c.point.x << "," << c.point.y;
}

TEST(GridGeometry, HiddenColumnsAndRowsAreSkipped)
{
    GridFixture f(40, 20, 1, 1);
    SetUniformSizes(f.grid, 20, 50);
    f.grid.SetColumnWidth(2, 0);
    f.grid.SetRowHeight(2, 0);
    // The hidden column takes no room: the point right of column 1 hits column 3.
    EXPECT_EQ(f.grid.GetCellFromPt(CPoint(105, 45)), CCellID(3, 3));

    f.grid.SendMessage(WM_HSCROLL, SB_LINERIGHT);
    EXPECT_EQ(f.grid.GetFirstScrolledCell().col, 2);
    f.grid.SendMessage(WM_HSCROLL, SB_LINERIGHT);
    EXPECT_EQ(f.grid.GetScrollPosition(SB_HORZ), 100);
    EXPECT_EQ(f.grid.GetFirstScrolledCell().col, 4);
    f.grid.SendMessage(WM_HSCROLL, SB_LINELEFT);
    EXPECT_EQ(f.grid.GetScrollPosition(SB_HORZ), 50);
}

TEST(GridScrollBars, ShownOnlyWhenTheCellsDoNotFit)
{
    struct Case
    {
        int rows, cols, fixedRows, fixedCols;
        CSize window;
        bool vertical, horizontal;
    };
    for (const Case& c :
         {Case{1, 3, 1, 0, {400, 300}, false, false}, Case{40, 3, 1, 1, {400, 300}, true, false},
          Case{5, 30, 1, 1, {400, 300}, false, true}, Case{40, 30, 1, 1, {400, 300}, true, true},
          Case{40, 30, 3, 3, {100, 40}, false, false}})
    {
        GridFixture f(c.rows, c.cols, c.fixedRows, c.fixedCols, c.window);
        SetUniformSizes(f.grid, 20, 50);
        EXPECT_EQ(HasVerticalBar(f.grid), c.vertical) << c.rows << "x" << c.cols;
        EXPECT_EQ(HasHorizontalBar(f.grid), c.horizontal) << c.rows << "x" << c.cols;
    }
}

TEST(GridScrollBars, PagesAndEndsStopAtTheLimits)
{
    GridFixture f(100, 3, 1, 1);
    SetUniformSizes(f.grid, 20, 50);
    f.grid.SendMessage(WM_VSCROLL, SB_BOTTOM);
    const int bottom = f.grid.GetScrollPosition(SB_VERT);
    EXPECT_GT(bottom, 0);
    CRect client;
    f.grid.GetClientRect(client);
    EXPECT_TRUE(f.grid.IsCellVisible(99, 1));
    f.grid.SendMessage(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(f.grid.GetScrollPosition(SB_VERT), bottom);
    f.grid.SendMessage(WM_VSCROLL, SB_PAGEUP);
    EXPECT_EQ(f.grid.GetScrollPosition(SB_VERT), bottom - (client.bottom - 20));
    f.grid.SendMessage(WM_VSCROLL, SB_TOP);
    EXPECT_EQ(f.grid.GetScrollPosition(SB_VERT), 0);
    EXPECT_EQ(f.grid.GetFirstScrolledCell(), CCellID(1, 1));
}

TEST(GridScrollBars, EnsureVisibleBringsACellIntoViewAndStops)
{
    GridFixture f(60, 30, 1, 1);
    SetUniformSizes(f.grid, 20, 50);
    EXPECT_FALSE(f.grid.IsCellVisible(45, 25));
    f.grid.EnsureVisible(45, 25);
    EXPECT_TRUE(f.grid.IsCellVisible(45, 25));
    CRect rect, client;
    f.grid.GetClientRect(client);
    EXPECT_TRUE(f.grid.GetCellRect(45, 25, rect));
    EXPECT_LE(rect.right, client.right);
    EXPECT_LE(rect.bottom, client.bottom);
    f.grid.EnsureVisible(1, 1);
    EXPECT_EQ(f.grid.GetFirstScrolledCell(), CCellID(1, 1));

    // A cell taller than the window: the loop stops when a step no longer moves it.
    f.grid.SetRowHeight(50, 5000);
    f.grid.EnsureVisible(50, 1);
    EXPECT_TRUE(f.grid.IsCellVisible(50, 1));
}

TEST(GridFitting, ExpandColumnsToFitSpreadsTheRemainderFromTheFirstColumn)
{
    GridFixture f(3, 4, 1, 1);
    SetUniformSizes(f.grid, 20, 40);
    CRect client;
    f.grid.GetClientRect(client);
    f.grid.SetColumnWidth(1, client.Width() - 10 - 40 - 40 - 40);
    const int first = f.grid.GetColumnWidth(1);
    f.grid.ExpandColumnsToFit(FALSE);
    EXPECT_EQ(f.grid.GetColumnWidth(0), 40);
    EXPECT_EQ(f.grid.GetColumnWidth(1), first + 4);
    EXPECT_EQ(f.grid.GetColumnWidth(2), 43);
    EXPECT_EQ(f.grid.GetColumnWidth(3), 43);
    EXPECT_EQ(f.grid.GetVirtualWidth(), client.Width());
}

TEST(GridFitting, ShrinkingNeverGoesBelowOnePixelAndSkipsHiddenColumns)
{
    GridFixture f(3, 4, 0, 0);
    SetUniformSizes(f.grid, 20, 1000);
    f.grid.SetColumnWidth(0, 1);
    f.grid.SetColumnWidth(2, 0);
    f.grid.ExpandColumnsToFit(TRUE);
    EXPECT_EQ(f.grid.GetColumnWidth(0), 1);
    EXPECT_EQ(f.grid.GetColumnWidth(2), 0);
    EXPECT_GE(f.grid.GetColumnWidth(1), 1);
    EXPECT_GE(f.grid.GetColumnWidth(3), 1);

    f.grid.ExpandRowsToFit(TRUE);
    CRect client;
    f.grid.GetClientRect(client);
    EXPECT_EQ(f.grid.GetVirtualHeight(), client.Height());
}

TEST(GridFitting, ExpandLastColumnNeverWidensColumnZero)
{
    GridFixture f(3, 3, 1, 0);
    SetUniformSizes(f.grid, 20, 40);
    f.grid.SetColumnWidth(1, 0);
    f.grid.SetColumnWidth(2, 0);
    f.grid.ExpandLastColumn();
    EXPECT_EQ(f.grid.GetColumnWidth(0), 40);
    f.grid.SetColumnWidth(1, 40);
    f.grid.ExpandLastColumn();
    CRect client;
    f.grid.GetClientRect(client);
    EXPECT_EQ(f.grid.GetColumnWidth(1), client.Width() - 40);
}

TEST(GridAutoSize, HiddenColumnsStayHiddenAndRowsStayAboveZero)
{
    GridFixture f(3, 3, 1, 1);
    f.grid.SetItemText(1, 1, "Velmi dlouhý text buňky");
    f.grid.SetColumnWidth(2, 0);
    EXPECT_FALSE(f.grid.AutoSizeColumn(2));
    EXPECT_EQ(f.grid.GetColumnWidth(2), 0);
    EXPECT_TRUE(f.grid.AutoSizeColumn(1));
    EXPECT_GT(f.grid.GetColumnWidth(1), f.grid.GetTextExtent(1, 2, "Velmi").cx);
    f.grid.AutoSize();
    EXPECT_EQ(f.grid.GetColumnWidth(2), 0);
    for (int row = 0; row < 3; row++)
        EXPECT_GE(f.grid.GetRowHeight(row), 1);
}

TEST(GridNotifications, ReachTheOwnerOnlyWhileItExists)
{
    auto owner = std::make_unique<TestOwner>();
    owner->CreateEx(0, nullptr, "owner", WS_POPUP, CRect(0, 0, 300, 200), nullptr, 0);
    CGridCtrl grid(3, 3, 1, 1);
    grid.Create(CRect(0, 0, 200, 100), owner.get(), kGridId);
    owner->replies[GVN_BEGINLABELEDIT] = -1;
    EXPECT_EQ(grid.SendMessageToParent(1, 2, GVN_BEGINLABELEDIT), -1);
    ASSERT_EQ(owner->events.size(), 1u);
    EXPECT_EQ(owner->events[0].row, 1);
    EXPECT_EQ(owner->events[0].col, 2);
    grid.DestroyWindow();
    EXPECT_EQ(grid.SendMessageToParent(1, 2, GVN_BEGINLABELEDIT), 0);
}

TEST(GridWindow, AGridTakesOverADialogControl)
{
    TestOwner owner;
    owner.CreateEx(0, nullptr, "dialog", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200), nullptr, 0);
    // The dialog made a window of the grid's class for its control; the grid takes it over.
    auto* placeholder = new CWnd;
    ASSERT_TRUE(placeholder->CreateEx(0, GRIDCTRL_CLASSNAME, nullptr, WS_CHILD | WS_VISIBLE,
                                      CRect(5, 5, 205, 105), &owner, kGridId));
    CGridCtrl grid(30, 4, 1, 1);
    ASSERT_TRUE(grid.SubclassWindow(placeholder->GetSafeHwnd()));
    delete placeholder;
    owner.grid = &grid;
    EXPECT_EQ(grid.GetDlgCtrlID(), int(kGridId));
    EXPECT_TRUE(grid.GetExStyle() & WS_EX_CLIENTEDGE);
    EXPECT_TRUE(HasVerticalBar(grid));
    grid.SetItemText(2, 2, "x");
    grid.SendMessage(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(grid.GetFirstScrolledCell().row, 2);
    EXPECT_EQ(grid.SendMessageToParent(2, 2, GVN_SELCHANGED), 0);
    ASSERT_EQ(owner.events.size(), 1u);
    owner.grid = nullptr;
}

TEST(GridWindow, TheDialogFontBecomesTheDefaultCellsFont)
{
    GridFixture f(3, 3, 1, 1);
    LOGFONT lf = *f.grid.GetDefaultCell(FALSE, FALSE)->GetFont();
    lf.lfHeight = -20;
    lf.lfWeight = FW_BOLD;
    CFont font;
    ASSERT_TRUE(font.CreateFontIndirect(&lf));
    const int widthBefore = f.grid.GetDefaultCell(FALSE, FALSE)->GetWidth();
    f.grid.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(HFONT(font)), TRUE);
    for (BOOL fixedRow : {FALSE, TRUE})
        for (BOOL fixedCol : {FALSE, TRUE})
            EXPECT_EQ(f.grid.GetDefaultCell(fixedRow, fixedCol)->GetFont()->lfWeight, FW_BOLD);
    EXPECT_GT(f.grid.GetDefaultCell(FALSE, FALSE)->GetWidth(), widthBefore);
    const auto hFont = reinterpret_cast<HFONT>(f.grid.SendMessage(WM_GETFONT));
    ASSERT_NE(hFont, nullptr);
    LOGFONT read;
    CFont::FromHandle(hFont)->GetLogFont(&read);
    EXPECT_EQ(read.lfWeight, FW_BOLD);
}
