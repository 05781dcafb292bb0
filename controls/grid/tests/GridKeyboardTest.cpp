// Keys driven off screen: the focus cell and the selection that they leave.
#include "GridTestSupport.h"

#include "testing/UiTest.h"

namespace
{
struct KeyGrid : GridFixture
{
    KeyGrid() : GridFixture(10, 6, 1, 1)
    {
        for (int row = 0; row < 10; row++)
            grid.SetRowHeight(row, 20);
        for (int col = 0; col < 6; col++)
            grid.SetColumnWidth(col, 50);
        grid.SetFocus();
        UiTest::ProcessEvents();
    }

    void Press(UINT vk, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        grid.SetFocus();
        UiTest::PressKey(vk, modifiers);
        UiTest::ProcessEvents();
    }

    void Start(int row, int col)
    {
        grid.SetFocusCell(row, col);
        grid.SetSelectedRange(row, col, row, col);
    }
};
} // namespace

TEST(GridKeys, ArrowsMoveTheFocusAndStopAtTheEdges)
{
    struct Case
    {
        CCellID start;
        UINT key;
        CCellID expected;
    };
    for (const Case& c :
         {Case{{9, 2}, VK_DOWN, {9, 2}}, Case{{1, 2}, VK_UP, {1, 2}}, Case{{4, 5}, VK_RIGHT, {4, 5}},
          Case{{4, 1}, VK_LEFT, {4, 1}}, Case{{4, 2}, VK_DOWN, {5, 2}}, Case{{4, 2}, VK_RIGHT, {4, 3}}})
    {
        KeyGrid g;
        g.Start(c.start.row, c.start.col);
        g.Press(c.key);
        EXPECT_EQ(g.grid.GetFocusCell(), c.expected) << c.start.row << "," << c.start.col << " key " << c.key;
    }
}

TEST(GridKeys, HiddenRowsAndColumnsAreSkipped)
{
    KeyGrid g;
    g.grid.SetRowHeight(5, 0);
    g.grid.SetRowHeight(6, 0);
    g.grid.SetColumnWidth(3, 0);
    g.Start(4, 2);
    g.Press(VK_DOWN);
    EXPECT_EQ(g.grid.GetFocusCell(), CCellID(7, 2));
    g.Press(VK_RIGHT);
    EXPECT_EQ(g.grid.GetFocusCell(), CCellID(7, 4));
    g.Press(VK_UP);
    EXPECT_EQ(g.grid.GetFocusCell(), CCellID(4, 4));
    // Down with only hidden rows below changes nothing.
    g.grid.SetRowHeight(8, 0);
    g.grid.SetRowHeight(9, 0);
    g.Start(7, 2);
    g.Press(VK_DOWN);
    EXPECT_EQ(g.grid.GetFocusCell(), CCellID(7, 2));
}

TEST(GridKeys, TabWrapsFromRowToRow)
{
    KeyGrid g;
    g.Start(3, 5);
    g.Press(VK_TAB);
    EXPECT_EQ(g.grid.GetFocusCell(), CCellID(4, 1));
    g.Press(VK_TAB, Qt::ShiftModifier);
    EXPECT_EQ(g.grid.GetFocusCell(), CCellID(3, 5));
    // The last cell keeps the focus.
    g.Start(9, 5);
    g.Press(VK_TAB);
    EXPECT_EQ(g.grid.GetFocusCell(), CCellID(9, 5));
}

TEST(GridKeys, ShiftExtendsTheSelectionAndAPlainKeyResetsIt)
{
    KeyGrid g;
    g.Start(2, 2);
    g.Press(VK_DOWN, Qt::ShiftModifier);
    g.Press(VK_DOWN, Qt::ShiftModifier);
    EXPECT_EQ(g.grid.GetFocusCell(), CCellID(4, 2));
    EXPECT_EQ(g.grid.GetSelectedCount(), 3);
    EXPECT_EQ(g.grid.GetSelectedCellRange(), CCellRange(2, 2, 4, 2));
    g.Press(VK_DOWN);
    EXPECT_EQ(g.grid.GetSelectedCount(), 1);
    EXPECT_TRUE(g.grid.IsCellSelected(5, 2));
}

TEST(GridKeys, WholeRowModeSelectsRows)
{
    KeyGrid g;
    g.grid.SetRowSelectMode(TRUE);
    g.Start(2, 2);
    g.Press(VK_DOWN);
    EXPECT_EQ(g.grid.GetSelectedCellRange(), CCellRange(3, 1, 3, 5));
    g.Press(VK_DOWN, Qt::ShiftModifier);
    EXPECT_EQ(g.grid.GetSelectedCellRange(), CCellRange(3, 1, 4, 5));
}

TEST(GridKeys, SelectionDisabledStillMovesTheFocus)
{
    KeyGrid g;
    g.grid.EnableSelection(FALSE);
    g.grid.SetFocusCell(2, 2);
    g.Press(VK_DOWN, Qt::ShiftModifier);
    EXPECT_EQ(g.grid.GetFocusCell(), CCellID(3, 2));
    EXPECT_EQ(g.grid.GetSelectedCount(), 0);
}

TEST(GridKeys, HomeEndAndPagesWithAndWithoutCtrl)
{
    GridFixture f(100, 30, 1, 1);
    for (int row = 0; row < 100; row++)
        f.grid.SetRowHeight(row, 20);
    for (int col = 0; col < 30; col++)
        f.grid.SetColumnWidth(col, 50);
    auto press = [&](UINT vk, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        f.grid.SetFocus();
        UiTest::PressKey(vk, modifiers);
        UiTest::ProcessEvents();
    };
    f.grid.SetFocusCell(5, 5);
    press(VK_END);
    EXPECT_EQ(f.grid.GetFocusCell(), CCellID(5, 29));
    press(VK_HOME);
    EXPECT_EQ(f.grid.GetFocusCell(), CCellID(5, 1));
    press(VK_END, Qt::ControlModifier);
    EXPECT_EQ(f.grid.GetFocusCell(), CCellID(99, 29));
    EXPECT_TRUE(f.grid.IsCellVisible(99, 29));
    press(VK_HOME, Qt::ControlModifier);
    EXPECT_EQ(f.grid.GetFocusCell(), CCellID(1, 1));
    EXPECT_EQ(f.grid.GetFirstScrolledCell(), CCellID(1, 1));

    press(VK_NEXT);
    const int afterPage = f.grid.GetFocusCell().row;
    EXPECT_GT(afterPage, 5);
    EXPECT_EQ(afterPage, 1 + f.grid.GetFirstScrolledCell().row - 1);
    press(VK_PRIOR);
    EXPECT_EQ(f.grid.GetFocusCell().row, 1);

    // End with Ctrl when every non-fixed column but the first is hidden.
    for (int col = 2; col < 30; col++)
        f.grid.SetColumnWidth(col, 0);
    press(VK_END, Qt::ControlModifier);
    EXPECT_EQ(f.grid.GetFocusCell(), CCellID(99, 1));
}

TEST(GridKeys, TypingOnAReadOnlyCellOrEscapeStartsNoEdit)
{
    KeyGrid g;
    g.grid.SetItemState(3, 3, g.grid.GetItemState(3, 3) | GVIS_READONLY);
    g.Start(3, 3);
    g.Press('A');
    g.Start(4, 4);
    g.Press(VK_ESCAPE);
    for (const OwnerEvent& e : g.owner.events)
        EXPECT_NE(e.code, GVN_BEGINLABELEDIT);
}

TEST(GridKeys, DeleteEmptiesTheFocusCellThroughTheOwner)
{
    KeyGrid g;
    g.grid.SetItemText(3, 3, "obsah");
    g.grid.SetItemText(4, 4, "zůstane");
    g.owner.replies[GVN_BEGINLABELEDIT] = -1;
    g.Start(4, 4);
    g.Press(VK_DELETE);
    EXPECT_EQ(g.grid.GetItemText(4, 4), "zůstane");
    g.owner.replies.clear();
    g.owner.events.clear();
    g.Start(3, 3);
    g.Press(VK_DELETE);
    EXPECT_EQ(g.grid.GetItemText(3, 3), "");
    EXPECT_EQ(g.owner.Codes(), (std::vector<int>{GVN_BEGINLABELEDIT, GVN_ENDLABELEDIT}));
}
