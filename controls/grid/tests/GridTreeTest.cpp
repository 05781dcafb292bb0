// The tree column: outline, toggles, insertion and deletion of branches, indents and the box.
#include "GridTestSupport.h"

#include "controls/grid/CGridTreeBtnCell.h"
#include "controls/grid/CGridTreeCell.h"
#include "testing/UiTest.h"

#include <QImage>
#include <QWidget>

namespace
{
constexpr BYTE V = TREE_VIEWABLE;

// A building with two rooms, their walls and an opening, below one heading row.
struct TreeGrid
{
    GridFixture f{1, 3, 1, 0};
    CTreeColumn tree;
    static constexpr int kCol = 1;

    TreeGrid()
    {
        const BYTE levels[] = {1 | V, 2 | V, 3 | V, 4 | V, 3 | V, 2 | V, 3 | V};
        EXPECT_TRUE(tree.TreeSetup(&f.grid, kCol, 7, 1, levels, TRUE, FALSE));
        const char* names[] = {"Budova", "Obývák", "Stěna S", "Okno", "Stěna V", "Kuchyň", "Stěna J"};
        for (int i = 0; i < 7; i++)
            f.grid.SetItemText(1 + i, kCol, names[i]);
        f.grid.SetColumnWidth(kCol, 200);
        tree.TreeRefreshRows();
    }
    std::vector<int> ShownRows() const
    {
        std::vector<int> rows;
        for (int row = 1; row < f.grid.GetRowCount(); row++)
            if (f.grid.GetRowHeight(row) > 0)
                rows.push_back(row);
        return rows;
    }
    CGridTreeCell* Cell(int row) { return dynamic_cast<CGridTreeCell*>(f.grid.GetCell(row, kCol)); }
};
} // namespace

TEST(GridTree, SetupMakesTreeCellsInTheColumn)
{
    TreeGrid t;
    EXPECT_EQ(t.f.grid.GetRowCount(), 8);
    EXPECT_EQ(t.tree.GetRowCount(), 8);
    EXPECT_EQ(t.tree.GetFixedRowCount(), 1);
    EXPECT_TRUE(t.tree.IsTreeReady());
    ASSERT_NE(t.Cell(4), nullptr);
    EXPECT_EQ(t.Cell(4)->GetLevel(), 4);
    EXPECT_EQ(t.Cell(4)->GetCoords(), std::make_pair(1, 4));
    EXPECT_EQ(dynamic_cast<CGridTreeCellBase*>(t.f.grid.GetCell(4, 0)), nullptr);
    // A class that is not a tree cell is refused.
    CTreeColumn other;
    const BYTE levels[] = {1};
    EXPECT_FALSE(other.TreeSetup(&t.f.grid, 2, 1, 1, levels, TRUE, FALSE, RUNTIME_CLASS(CGridCell)));
}

TEST(GridTree, OutlineToLevelOneShowsOnlyTopRows)
{
    TreeGrid t;
    t.tree.TreeDisplayOutline(1);
    EXPECT_EQ(t.ShownRows(), std::vector<int>{1});
    t.tree.TreeDisplayOutline(2);
    EXPECT_EQ(t.ShownRows(), (std::vector<int>{1, 2, 6}));
    t.tree.TreeDisplayOutline(9);
    EXPECT_EQ(t.ShownRows(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
}

TEST(GridTree, ToggleShowsDirectChildrenOnly)
{
    struct Step
    {
        int toggleRow;
        std::vector<int> shown;
    };
    const std::vector<Step> steps = {
        {1, {1, 2, 6}},          // the building opens to its rooms
        {2, {1, 2, 3, 5, 6}},    // the first room to its walls, not the opening
        {3, {1, 2, 3, 4, 5, 6}}, // the wall to its opening
        {2, {1, 2, 6}},          // closing the room hides its whole branch
        {1, {1}},
    };
    TreeGrid t;
    t.tree.TreeDisplayOutline(1);
    for (const Step& step : steps)
    {
        SCOPED_TRACE(step.toggleRow);
        t.tree.TreeExpandCollapseToggle(step.toggleRow);
        EXPECT_EQ(t.ShownRows(), step.shown);
    }
}

TEST(GridTree, PlusMinusFollowsTheChildren)
{
    struct Case
    {
        int row;
        BOOL result, plus, minus, last;
    };
    TreeGrid t;
    t.tree.TreeDisplayOutline(2);
    const std::vector<Case> cases = {
        {1, TRUE, FALSE, TRUE, TRUE},   // expanded building, alone at its level
        {2, TRUE, TRUE, FALSE, FALSE},  // collapsed room followed by a sibling
        {3, TRUE, TRUE, FALSE, TRUE},   // wall with a hidden opening, its sibling hidden too
        {4, FALSE, FALSE, FALSE, TRUE}, // the opening has no children
        {6, TRUE, TRUE, FALSE, TRUE},   // the last room
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.row);
        BOOL plus = 2, minus = 2, last = 2;
        EXPECT_EQ(t.tree.TreeCellHasPlusMinus(c.row, &plus, &minus, &last), c.result);
        EXPECT_EQ(plus, c.plus);
        EXPECT_EQ(minus, c.minus);
        EXPECT_EQ(last, c.last);
    }
}

TEST(GridTree, InsertGoesToTheTreeRows)
{
    struct Case
    {
        const char* name;
        int insertRow;
        int count;
        int expectedFirst;
    };
    const std::vector<Case> cases = {
        {"inside the fixed rows: the first tree row", 0, 2, 1},
        {"before a row", 3, 1, 3},
        {"-1 appends", -1, 2, 8},
        {"past the end appends", 99, 1, 8},
        {"nothing to insert", 2, 0, -1},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        TreeGrid t;
        const BYTE levels[] = {2, 3};
        EXPECT_EQ(t.tree.InsertTreeBranch(levels, c.count, c.insertRow, TRUE), c.expectedFirst);
        const int inserted = std::max(0, c.count);
        EXPECT_EQ(t.f.grid.GetRowCount(), 8 + inserted);
        EXPECT_EQ(t.tree.GetRowCount(), 8 + inserted);
        if (c.expectedFirst < 0)
            continue;
        EXPECT_EQ(t.tree.GetTreeLevel(c.expectedFirst), 2);
        EXPECT_TRUE(t.tree.IsTreeRowViewable(c.expectedFirst));
        // Every later cell knows its new row.
        for (int row = c.expectedFirst; row < t.f.grid.GetRowCount(); row++)
            EXPECT_EQ(t.Cell(row)->GetCoords(), std::make_pair(TreeGrid::kCol, row));
    }
}

TEST(GridTree, DeleteRemovesTheBranch)
{
    struct Case
    {
        int row;
        int deleted;
        const char* nextText; // the text now at the row
    };
    const std::vector<Case> cases = {
        {2, 4, "Kuchyň"}, {3, 2, "Stěna V"}, {4, 1, "Stěna V"}, {7, 1, ""}, {0, 0, ""}, {8, 0, ""}, {1, 7, ""},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.row);
        TreeGrid t;
        EXPECT_EQ(t.tree.DeleteTreeBranch(c.row, TRUE), c.deleted);
        EXPECT_EQ(t.tree.GetRowCount(), 8 - c.deleted);
        EXPECT_EQ(t.f.grid.GetRowCount(), 8 - c.deleted);
        if (c.deleted > 0 && c.row < t.f.grid.GetRowCount())
        {
            EXPECT_EQ(t.f.grid.GetItemText(c.row, TreeGrid::kCol), CString(c.nextText));
            EXPECT_EQ(t.Cell(c.row)->GetCoords(), std::make_pair(TreeGrid::kCol, c.row));
        }
    }
}

TEST(GridTree, IndentFollowsLevelLinesAndFont)
{
    TreeGrid t;
    const int margin = int(t.f.grid.GetDefaultCell(FALSE, FALSE)->GetMargin());
    EXPECT_EQ(t.Cell(3)->GetTreeIndent(), 10 * 3 + 2 * margin);
    t.tree.SetTreeLines(FALSE);
    EXPECT_EQ(t.Cell(3)->GetTreeIndent(), 10 * 2 + 2 * margin);
    // Without lines the box never toggles.
    EXPECT_FALSE(t.Cell(1)->HitTestPlusMinus(t.Cell(1)->GetPlusMinusRect().CenterPoint()));
    t.tree.SetTreeLines(TRUE);
    EXPECT_TRUE(t.Cell(1)->HitTestPlusMinus(t.Cell(1)->GetPlusMinusRect().CenterPoint()));

    // A row at level 0 is no tree node.
    t.Cell(4)->SetLevelAndHide(V);
    EXPECT_EQ(t.Cell(4)->GetTreeIndent(), 0);
    EXPECT_FALSE(t.tree.TreeCellHasPlusMinus(4, nullptr, nullptr, nullptr));

    LOGFONT lf = *t.f.grid.GetDefaultCell(FALSE, FALSE)->GetFont();
    lf.lfHeight = -24;
    t.Cell(2)->SetFont(&lf);
    EXPECT_GT(t.tree.GetIndentPerLevel(), 20);
    EXPECT_EQ(t.Cell(6)->GetFont()->lfHeight, -24);
}

TEST(GridTree, ClickOnTheBoxTogglesTheBranch)
{
    TreeGrid t;
    t.tree.TreeDisplayOutline(1);
    UiTest::ProcessEvents();
    CRect cell;
    ASSERT_TRUE(t.f.grid.GetCellRect(1, TreeGrid::kCol, cell));
    const CPoint box = t.Cell(1)->GetPlusMinusRect().CenterPoint() + CSize(cell.left, cell.top);
    UiTest::MouseDown(&t.f.grid, box);
    UiTest::MouseUp(&t.f.grid, box);
    UiTest::ProcessEvents();
    EXPECT_EQ(t.ShownRows(), (std::vector<int>{1, 2, 6}));
    // A double click on the text of a read-only node toggles it too.
    t.f.grid.SetItemState(1, TreeGrid::kCol, t.f.grid.GetItemState(1, TreeGrid::kCol) | GVIS_READONLY);
    t.Cell(1)->OnDblClick(CPoint(cell.Width() - 5, 5));
    EXPECT_EQ(t.ShownRows(), std::vector<int>{1});
}

TEST(GridTree, TreeCellsWithButtonsKeepButtonsRightOfTheIndent)
{
    GridFixture f(1, 2, 1, 0);
    CTreeColumn tree;
    CBtnDataBase shared;
    shared.SetGrid(&f.grid);
    const BYTE levels[] = {1 | V, 2 | V, 2 | V};
    ASSERT_TRUE(tree.TreeSetup(&f.grid, 1, 3, 1, levels, TRUE, FALSE, RUNTIME_CLASS(CGridTreeBtnCell)));
    f.grid.SetColumnWidth(1, 200);
    for (int row = 0; row < 4; row++)
        f.grid.SetRowHeight(row, 20);
    auto* cell = dynamic_cast<CGridTreeBtnCell*>(f.grid.GetCell(1, 1));
    ASSERT_NE(cell, nullptr);
    cell->SetBtnDataBase(&shared);
    EXPECT_TRUE(cell->SetupBtn(0, DFC_BUTTON, DFCS_BUTTONCHECK, BTNPOS_LEFT, 0, FALSE, nullptr));
    cell->SetText("Budova");
    EXPECT_STREQ(cell->GetBtnCell().GetText(), "Budova");

    // The text lies right of the indent and of the check box.
    CRect rect;
    ASSERT_TRUE(f.grid.GetCellRect(1, 1, rect));
    CRect text = rect;
    cell->GetTextRect(text);
    EXPECT_GT(text.left, rect.left + cell->GetTreeIndent() + 16);

    // A click just right of the indent hits the check box; one on the box toggles the branch.
    const int margin = int(shared.GetMargin(1, 1));
    const CPoint checkBox(rect.left + cell->GetTreeIndent() + margin + 8, rect.top + 10);
    UiTest::MouseDown(&f.grid, checkBox);
    EXPECT_EQ(cell->GetBtnDrawState(0), DFCS_BUTTONCHECK | DFCS_PUSHED);
    UiTest::MouseUp(&f.grid, checkBox);
    UiTest::ProcessEvents();
    EXPECT_EQ(cell->GetBtnDrawState(0), DFCS_BUTTONCHECK | DFCS_CHECKED);
    const CPoint box = cell->GetPlusMinusRect().CenterPoint() + CSize(rect.left, rect.top);
    UiTest::MouseDown(&f.grid, box);
    UiTest::MouseUp(&f.grid, box);
    UiTest::ProcessEvents();
    EXPECT_EQ(f.grid.GetRowHeight(2), 0);
    EXPECT_EQ(cell->GetBtnDrawState(0), DFCS_BUTTONCHECK | DFCS_CHECKED);
}

namespace
{
// Pixels of the tree-line colour in the indent of a row's tree cell.
int TreeLinePixels(TreeGrid& t, int row)
{
    ProcessEvents();
    const QImage image = t.f.grid.GetClientWidget()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    CRect rect;
    EXPECT_TRUE(t.f.grid.GetCellRect(row, TreeGrid::kCol, rect));
    const COLORREF colour = t.tree.GetTreeLineColor();
    int count = 0;
    for (int y = rect.top + 1; y < rect.bottom; y++)
        for (int x = rect.left + 1; x < rect.left + t.Cell(row)->GetTreeIndent(); x++)
        {
            const QRgb rgb = image.pixel(x, y);
            if (RGB(BYTE(qRed(rgb)), BYTE(qGreen(rgb)), BYTE(qBlue(rgb))) == colour)
                count++;
        }
    return count;
}
} // namespace

TEST(GridTree, TreeLinesNeedRoomInTheIndent)
{
    struct Case
    {
        int indent;
        BOOL lines;
        bool drawn;
    };
    for (const Case& c : {Case{16, TRUE, true}, Case{6, TRUE, true}, Case{5, TRUE, false}, Case{16, FALSE, false}})
    {
        SCOPED_TRACE(c.indent);
        TreeGrid t;
        t.tree.SetIndentPerLevel(c.indent);
        t.tree.SetTreeLines(c.lines);
        for (int row = 1; row < 8; row++)
            t.f.grid.SetRowHeight(row, 20);
        EXPECT_EQ(TreeLinePixels(t, 3) > 0, c.drawn);
    }
}
