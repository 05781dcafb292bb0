// The grid under the data editor's policy: edits told and never refused, the key after Enter,
// Delete, Tab at the ends and over hidden columns, focus moves told, a quiet select-all,
// clearing, a drag moved within the grid and a drag held over the headings.
#include "GridTestSupport.h"

#include "platform/ui/COleDataObject.h"
#include "testing/UiTest.h"

#include <QMimeData>

namespace
{
struct EditorGrid
{
    TestOwner owner;
    CGridCtrl grid{5, 5, 1, 1};

    EditorGrid()
    {
        grid.SetPolicy(GridPolicy::Editor());
        owner.CreateEx(0, nullptr, "editor grid", WS_POPUP | WS_VISIBLE, CRect(0, 0, 440, 340), nullptr, 0);
        grid.Create(CRect(10, 10, 410, 310), &owner, kGridId);
        owner.grid = &grid;
        for (int row = 0; row < 5; row++)
            for (int col = 0; col < 5; col++)
                grid.SetItemTextFmt(row, col, "%c%d", 'a' + col, row);
        for (int col = 0; col < 5; col++)
            grid.SetColumnWidth(col, 70);
        grid.SetFocusCell(2, 2);
        grid.SetFocus();
        UiTest::ProcessEvents();
        owner.events.clear();
    }
    ~EditorGrid() { owner.grid = nullptr; }

    void Press(UINT vk, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        UiTest::PressKey(vk, modifiers);
        UiTest::ProcessEvents();
    }
    std::vector<int> Codes(std::initializer_list<int> wanted) const
    {
        std::vector<int> codes;
        for (int code : owner.Codes())
            if (std::find(wanted.begin(), wanted.end(), code) != wanted.end())
                codes.push_back(code);
        return codes;
    }
};
} // namespace

TEST(GridEditorPolicy, RepliesNeverStopAnEdit)
{
    EditorGrid g;
    g.owner.replies[GVN_BEGINLABELEDIT] = -1;
    g.owner.replies[GVN_ENDLABELEDIT] = -1;
    UiTest::TypeText("x");
    UiTest::ProcessEvents();
    ASSERT_TRUE(g.grid.IsItemEditing(2, 2));
    g.Press(VK_RETURN);
    EXPECT_EQ(g.grid.GetItemText(2, 2), "x");
    EXPECT_TRUE(g.grid.GetModified(2, 2));
    EXPECT_EQ(g.Codes({GVN_BEGINLABELEDIT, GVN_ENDLABELEDIT}),
              (std::vector<int>{GVN_BEGINLABELEDIT, GVN_ENDLABELEDIT}));
    // The owner hears of the change once the text is in the cell.
    const auto told = std::find_if(g.owner.events.begin(), g.owner.events.end(),
                                   [](const OwnerEvent& e) { return e.code == GVN_ENDLABELEDIT; });
    EXPECT_EQ(told->text, "x");
}

TEST(GridEditorPolicy, EnterMovesByTheKeyAfterEnter)
{
    const struct
    {
        UINT key;
        CCellID after;
    } cases[] = {{VK_TAB, CCellID(2, 3)}, {VK_DOWN, CCellID(3, 2)}};
    for (const auto& c : cases)
    {
        EditorGrid g;
        EXPECT_EQ(g.grid.GetKeyAfterEnter(), UINT(VK_TAB));
        g.grid.SetKeyAfterEnter(c.key);
        UiTest::TypeText("y");
        UiTest::ProcessEvents();
        g.Press(VK_RETURN);
        EXPECT_EQ(g.grid.GetItemText(2, 2), "y") << c.key;
        EXPECT_EQ(g.grid.GetFocusCell(), c.after) << c.key;
        EXPECT_FALSE(g.grid.IsItemEditing(c.after.row, c.after.col)) << c.key;
    }
}

TEST(GridEditorPolicy, DeleteTellsEvenAnEmptyCellAndSparesReadOnlyOnes)
{
    EditorGrid g;
    g.grid.SetItemText(2, 2, "");
    g.Press(VK_DELETE);
    EXPECT_EQ(g.Codes({GVN_BEGINLABELEDIT, GVN_ENDLABELEDIT}),
              (std::vector<int>{GVN_BEGINLABELEDIT, GVN_ENDLABELEDIT}));
    EXPECT_TRUE(g.grid.GetModified(2, 2));
    g.grid.SetFocusCell(3, 3);
    g.grid.SetItemState(3, 3, g.grid.GetItemState(3, 3) | GVIS_READONLY);
    g.owner.events.clear();
    g.Press(VK_DELETE);
    EXPECT_EQ(g.grid.GetItemText(3, 3), "d3");
    EXPECT_TRUE(g.Codes({GVN_BEGINLABELEDIT, GVN_ENDLABELEDIT}).empty());
}

TEST(GridEditorPolicy, TabWrapsOverHiddenColumnsAndStopsAtTheLastCell)
{
    EditorGrid g;
    g.grid.SetColumnWidth(1, 0);
    g.grid.SetColumnWidth(4, 0);
    g.grid.SetFocusCell(2, 3);
    g.Press(VK_TAB);
    EXPECT_EQ(g.grid.GetFocusCell(), CCellID(3, 2));
    g.grid.SetFocusCell(4, 3);
    g.Press(VK_TAB);
    EXPECT_EQ(g.grid.GetFocusCell(), CCellID(4, 3));
    g.grid.SetFocusCell(1, 2);
    g.Press(VK_TAB, Qt::ShiftModifier);
    EXPECT_EQ(g.grid.GetFocusCell(), CCellID(1, 2));
}

TEST(GridEditorPolicy, FocusMovesAreToldAndSelectAllIsQuiet)
{
    EditorGrid g;
    g.grid.SetFocusCell(3, 3);
    ASSERT_EQ(g.owner.events.size(), 2u);
    EXPECT_EQ(g.owner.events[0].code, GVN_SELCHANGING);
    EXPECT_EQ(CCellID(g.owner.events[0].row, g.owner.events[0].col), CCellID(2, 2));
    EXPECT_EQ(g.owner.events[1].code, GVN_SELCHANGED);
    EXPECT_EQ(CCellID(g.owner.events[1].row, g.owner.events[1].col), CCellID(3, 3));
    g.owner.events.clear();
    g.grid.OnEditSelectAll();
    EXPECT_TRUE(g.owner.events.empty());
    EXPECT_EQ(g.grid.GetSelectedCellRange(), CCellRange(1, 1, 4, 4));
}

TEST(GridEditorPolicy, ClearingEmptiesSelectedEditableCellsAndTellsEach)
{
    EditorGrid g;
    g.grid.SetSelectedRange(1, 1, 2, 2);
    g.grid.SetItemState(1, 2, g.grid.GetItemState(1, 2) | GVIS_READONLY);
    g.grid.SetItemText(2, 1, "");
    g.owner.replies[GVN_BEGINLABELEDIT] = -1;
    g.grid.ClearSelectedCells();
    EXPECT_EQ(g.grid.GetItemText(1, 1), "");
    EXPECT_EQ(g.grid.GetItemText(1, 2), "c1");
    EXPECT_EQ(g.grid.GetItemText(2, 2), "");
    EXPECT_EQ(g.Codes({GVN_BEGINLABELEDIT}).size(), 3u);
}

TEST(GridEditorPolicy, ADragMovedWithinTheGridEmptiesOnlyTheSource)
{
    EditorGrid g;
    g.grid.EnableDragAndDrop(TRUE);
    g.grid.SetSelectedRange(1, 1, 1, 2);
    QMimeData mime;
    mime.setText(QString::fromStdString(g.grid.GetSelectionText().str()));
    COleDataObject data;
    data.Attach(&mime);
    CRect rect;
    ASSERT_TRUE(g.grid.GetCellRect(1, 2, rect));
    g.grid.OnDragEnter(&data, 0, rect.CenterPoint());
    EXPECT_TRUE(g.grid.OnDrop(&data, DROPEFFECT_MOVE, rect.CenterPoint()));
    g.grid.ClearSelectedCells(); // the end of a move
    EXPECT_EQ(g.grid.GetItemText(1, 1), "");
    EXPECT_EQ(g.grid.GetItemText(1, 2), "b1");
    EXPECT_EQ(g.grid.GetItemText(1, 3), "c1");
}

TEST(GridEditorPolicy, ADragOverTheHeadingsScrollsBack)
{
    EditorGrid g;
    g.grid.SetRowCount(60);
    g.grid.EnableDragAndDrop(TRUE);
    g.grid.SendMessage(WM_VSCROLL, SB_PAGEDOWN, 0);
    const int top = g.grid.GetFirstScrolledCell().row;
    ASSERT_GT(top, 1);
    QMimeData mime;
    mime.setText("x");
    COleDataObject data;
    data.Attach(&mime);
    CRect heading;
    ASSERT_TRUE(g.grid.GetCellRect(0, 2, heading));
    EXPECT_EQ(g.grid.OnDragOver(&data, 0, heading.CenterPoint()), DROPEFFECT_MOVE);
    EXPECT_EQ(g.grid.GetFirstScrolledCell().row, top - 1);
    g.grid.SendMessage(WM_VSCROLL, SB_TOP, 0);
    EXPECT_EQ(g.grid.OnDragOver(&data, 0, heading.CenterPoint()), DROPEFFECT_NONE);
}
