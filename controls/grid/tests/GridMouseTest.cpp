// The mouse driven off screen: clicks and their notifications, border sizing, heading sorts,
// right clicks, auto-scroll and the wheel.
#include "GridTestSupport.h"

#include "platform/ui/InputRouter.h"
#include "testing/UiTest.h"

#include <QWidget>

namespace
{
struct MouseGrid : GridFixture
{
    MouseGrid(int rows = 10, int cols = 6) : GridFixture(rows, cols, 1, 1)
    {
        for (int row = 0; row < rows; row++)
            grid.SetRowHeight(row, 20);
        for (int col = 0; col < cols; col++)
            grid.SetColumnWidth(col, 50);
        UiTest::ProcessEvents();
    }

    CPoint Centre(int row, int col)
    {
        CRect rect;
        EXPECT_TRUE(grid.GetCellRect(row, col, rect));
        return rect.CenterPoint();
    }

    void Click(CPoint point, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        UiTest::MouseDown(&grid, point, Qt::LeftButton, modifiers);
        UiTest::MouseUp(&grid, point, Qt::LeftButton, modifiers);
        UiTest::ProcessEvents();
    }
};
} // namespace

TEST(GridMouse, AClickSelectsAndNotifiesBeforeThePostedCommand)
{
    MouseGrid g;
    g.Click(g.Centre(3, 2));
    EXPECT_EQ(g.grid.GetFocusCell(), CCellID(3, 2));
    EXPECT_TRUE(g.grid.IsCellSelected(3, 2));
    EXPECT_EQ(g.owner.Codes(), (std::vector<int>{GVN_SELCHANGING, GVN_SELCHANGED, GVN_CLICK, 0}));
    EXPECT_EQ(g.owner.events.back().code, int(kGridId));
    EXPECT_EQ(g.owner.events[2].row, 3);
    EXPECT_EQ(g.owner.events[2].col, 2);
}

TEST(GridMouse, CtrlClickAddsAndRemovesCells)
{
    MouseGrid g;
    g.Click(g.Centre(2, 2));
    g.Click(g.Centre(4, 3), Qt::ControlModifier);
    EXPECT_TRUE(g.grid.IsCellSelected(2, 2));
    EXPECT_TRUE(g.grid.IsCellSelected(4, 3));
    g.Click(g.Centre(4, 3), Qt::ControlModifier);
    EXPECT_FALSE(g.grid.IsCellSelected(4, 3));
    EXPECT_TRUE(g.grid.IsCellSelected(2, 2));
}

TEST(GridMouse, DraggingAColumnBorderToTheFarLeftGivesWidthOne)
{
    MouseGrid g;
    CRect heading;
    ASSERT_TRUE(g.grid.GetCellRect(0, 2, heading));
    const CPoint border(heading.right, heading.CenterPoint().y);
    UiTest::MouseMove(&g.grid, border);
    UiTest::MouseDown(&g.grid, border);
    UiTest::MouseMove(&g.grid, CPoint(1, border.y), Qt::LeftButton);
    UiTest::MouseUp(&g.grid, CPoint(0, border.y));
    UiTest::ProcessEvents();
    EXPECT_EQ(g.grid.GetColumnWidth(2), 1);
    EXPECT_EQ(g.grid.GetColumnWidth(1), 50);

    // A press and release on a border without moving resizes nothing.
    ASSERT_TRUE(g.grid.GetCellRect(0, 3, heading));
    const CPoint next(heading.right, heading.CenterPoint().y);
    UiTest::MouseMove(&g.grid, next);
    g.Click(next);
    EXPECT_EQ(g.grid.GetColumnWidth(3), 50);
}

TEST(GridMouse, DoubleClickOnABorderSizesTheColumnToItsContents)
{
    MouseGrid g;
    g.grid.SetItemText(4, 2, "Obývací pokoj s dlouhým názvem");
    CRect heading;
    ASSERT_TRUE(g.grid.GetCellRect(0, 2, heading));
    const CPoint border(heading.right, heading.CenterPoint().y);
    UiTest::MouseMove(&g.grid, border);
    ASSERT_EQ(g.grid.GetMouseMode(), MOUSE_OVER_COL_DIVIDE);
    UiTest::DoubleClick(&g.grid, border);
    UiTest::ProcessEvents();
    CDC* pDC = g.grid.GetDC();
    const int expected = int(g.grid.GetCell(4, 2)->GetCellExtent(pDC).cx);
    g.grid.ReleaseDC(pDC);
    EXPECT_EQ(g.grid.GetColumnWidth(2), expected);
    EXPECT_GT(expected, 50);
}

TEST(GridMouse, HeadingClicksSortAscendingThenDescending)
{
    MouseGrid g;
    g.grid.SetHeaderSort(TRUE);
    const char* texts[] = {"9", "10", "b", "a", "10", "C", "č", "ab", "x"};
    for (int row = 1; row < 10; row++)
        g.grid.SetItemText(row, 2, texts[row - 1]);
    g.Click(g.Centre(0, 2));
    std::vector<std::string> column;
    for (int row = 1; row < 10; row++)
        column.push_back(g.grid.GetItemText(row, 2).str());
    EXPECT_EQ(column, (std::vector<std::string>{"10", "10", "9", "C", "a", "ab", "b", "x", "č"}));
    EXPECT_EQ(g.grid.GetSortColumn(), 2);
    EXPECT_TRUE(g.grid.GetSortAscending());
    g.Click(g.Centre(0, 2));
    EXPECT_FALSE(g.grid.GetSortAscending());
    EXPECT_EQ(g.grid.GetItemText(1, 2), "č");
    EXPECT_EQ(g.grid.GetItemText(9, 2), "10");
}

TEST(GridMouse, RightClicksReportTheirCell)
{
    MouseGrid g;
    g.grid.SetFocusCell(2, 2);
    UiTest::MouseDown(&g.grid, CPoint(390, 290), Qt::RightButton);
    UiTest::MouseUp(&g.grid, CPoint(390, 290), Qt::RightButton);
    ASSERT_FALSE(g.owner.events.empty());
    EXPECT_EQ(g.owner.events.back().code, GVN_RCLICK);
    EXPECT_EQ(g.owner.events.back().row, -1);
    EXPECT_EQ(g.grid.GetFocusCell(), CCellID(2, 2));
    UiTest::MouseUp(&g.grid, g.Centre(5, 3), Qt::RightButton);
    EXPECT_EQ(g.owner.events.back().row, 5);
    EXPECT_EQ(g.grid.GetFocusCell(), CCellID(5, 3));
}

TEST(GridMouse, DraggingPastTheBottomScrollsWithTheTimer)
{
    MouseGrid g(60, 4);
    UiTest::MouseDown(&g.grid, g.Centre(3, 2));
    CPoint below(100, 350);
    g.grid.ClientToScreen(&below);
    ::SetCursorPos(below.x, below.y);
    // The timer steps every 25 ms; a busy machine gets up to three seconds.
    for (int wait = 0; wait < 30 && g.grid.GetFirstScrolledCell().row == 1; wait++)
        UiTest::ProcessEvents(100);
    EXPECT_GT(g.grid.GetFirstScrolledCell().row, 1);
    EXPECT_GT(g.grid.GetSelectedCellRange().GetMaxRow(), 10);
    UiTest::MouseUp(&g.grid, CPoint(100, 290));
    UiTest::ProcessEvents();
    const int row = g.grid.GetFirstScrolledCell().row;
    UiTest::ProcessEvents(100);
    EXPECT_EQ(g.grid.GetFirstScrolledCell().row, row);
}

TEST(GridMouse, WheelNotchesAndSmallDeltas)
{
    MouseGrid g(60, 4);
    const int lines = g.grid.GetWheelScrollLines();
    ASSERT_GT(lines, 0);
    g.grid.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-WHEEL_DELTA)), 0);
    UiTest::ProcessEvents();
    EXPECT_EQ(g.grid.GetFirstScrolledCell().row, 1 + lines);
    g.grid.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(WHEEL_DELTA)), 0);
    UiTest::ProcessEvents();
    EXPECT_EQ(g.grid.GetFirstScrolledCell().row, 1);
    // A touchpad's small steps add up to whole lines.
    const short small = short(WHEEL_DELTA / lines / 2 + 1);
    g.grid.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-small)), 0);
    UiTest::ProcessEvents();
    EXPECT_EQ(g.grid.GetFirstScrolledCell().row, 1);
    g.grid.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-small)), 0);
    UiTest::ProcessEvents();
    EXPECT_EQ(g.grid.GetFirstScrolledCell().row, 2);
}
