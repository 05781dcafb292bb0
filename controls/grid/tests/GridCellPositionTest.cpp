// Cells that know where they lie: after rows and columns are inserted, deleted, sorted or hidden
// by the tree, a click on a check box or a choice in a combo changes its own row and no other.
#include "GridTestSupport.h"

#include "controls/grid/CGridBtnCellCombo.h"
#include "controls/grid/CInPlaceList.h"
#include "controls/grid/CTreeColumn.h"
#include "testing/UiTest.h"

#include <functional>

namespace
{
constexpr BYTE V = TREE_VIEWABLE;
constexpr int kRows = 6;
// Columns as built: the tree, a check box, a combo, the row's label.
constexpr int kTreeCol = 0, kCheckCol = 1, kComboCol = 2, kLabelCol = 3;

// Six rows below one heading row, each with a check box and a combo, labelled "r1" to "r6"; the
// rows form two branches, r1 holding r2 and r3, r4 holding r5 and r6.
struct ButtonRows
{
    GridFixture f{1, 4, 1, 0, CSize(500, 260)};
    CTreeColumn tree;
    CBtnDataBase shared;

    ButtonRows()
    {
        const BYTE levels[kRows] = {1 | V, 2 | V, 2 | V, 1 | V, 2 | V, 2 | V};
        EXPECT_TRUE(tree.TreeSetup(&f.grid, kTreeCol, kRows, 1, levels, TRUE, FALSE));
        shared.SetGrid(&f.grid);
        for (int col = 0; col < 4; col++)
            f.grid.SetColumnWidth(col, 110);
        CStringArray kinds;
        for (const char* kind : {"Stěna", "Okno", "Dveře"})
            kinds.Add(kind);
        for (int row = 1; row <= kRows; row++)
        {
            f.grid.SetRowHeight(row, 22);
            f.grid.SetItemTextFmt(row, kLabelCol, "r%d", row);
            EXPECT_TRUE(f.grid.SetCellType(row, kCheckCol, RUNTIME_CLASS(CGridBtnCell)));
            auto* check = dynamic_cast<CGridBtnCell*>(f.grid.GetCell(row, kCheckCol));
            check->SetBtnDataBase(&shared);
            check->SetupBtn(0, DFC_BUTTON, DFCS_BUTTONCHECK, BTNPOS_LEFT, 0, FALSE, nullptr);
            EXPECT_TRUE(f.grid.SetCellType(row, kComboCol, RUNTIME_CLASS(CGridBtnCellCombo)));
            auto* combo = dynamic_cast<CGridBtnCellCombo*>(f.grid.GetCell(row, kComboCol));
            combo->SetBtnDataBase(&shared);
            combo->SetupBtn(0, DFC_SCROLL, DFCS_SCROLLDOWN, BTNPOS_RIGHT, 0, FALSE, nullptr);
            combo->SetComboString(kinds);
            combo->SetText("Stěna");
        }
        f.grid.SetFocus();
        UiTest::ProcessEvents();
    }

    // The column of the check boxes (CGridBtnCell) or of the combos, found in the last row, which
    // always holds one of the rows built here.
    template <class Cell> int ColumnOf() const
    {
        const int row = f.grid.GetRowCount() - 1;
        for (int col = 0; col < f.grid.GetColumnCount(); col++)
            if (dynamic_cast<Cell*>(f.grid.GetCell(row, col)) &&
                (std::is_same_v<Cell, CGridBtnCellCombo> ||
                 !dynamic_cast<CGridBtnCellCombo*>(f.grid.GetCell(row, col))))
                return col;
        return -1;
    }
    int LabelCol() const { return ColumnOf<CGridBtnCellCombo>() + 1; }
    int RowOf(const char* label) const
    {
        for (int row = 1; row < f.grid.GetRowCount(); row++)
            if (f.grid.GetItemText(row, LabelCol()) == CString(label))
                return row;
        return -1;
    }
    // The centre of button 0 of a button cell, in the grid's client coordinates.
    CPoint ButtonCentre(int row, int col)
    {
        auto* cell = dynamic_cast<CGridBtnCellBase*>(f.grid.GetCell(row, col));
        CRect rect;
        EXPECT_TRUE(f.grid.GetCellRect(row, col, rect));
        CRect inner(0, 0, rect.Width(), rect.Height());
        inner.DeflateRect(int(shared.GetMargin(row, col)), 0);
        CRect rects[CGridBtnCellBase::kMaxRects];
        EXPECT_TRUE(cell->CalcBtnRects(rects, CGridBtnCellBase::kMaxRects, inner));
        return rects[0].CenterPoint() + CSize(rect.left, rect.top);
    }
    void Click(CPoint point)
    {
        UiTest::MouseDown(&f.grid, point);
        UiTest::MouseUp(&f.grid, point);
        UiTest::ProcessEvents();
    }
    std::vector<int> CheckedRows() const
    {
        std::vector<int> rows;
        const int col = ColumnOf<CGridBtnCell>();
        for (int row = 1; row < f.grid.GetRowCount(); row++)
            if (auto* cell = dynamic_cast<CGridBtnCell*>(f.grid.GetCell(row, col));
                cell && (cell->GetBtnDrawState(0) & DFCS_CHECKED))
                rows.push_back(row);
        return rows;
    }
    std::vector<int> RowsNotReading(const char* text) const
    {
        std::vector<int> rows;
        const int col = ColumnOf<CGridBtnCellCombo>();
        for (int row = 1; row < f.grid.GetRowCount(); row++)
            if (dynamic_cast<CGridBtnCellCombo*>(f.grid.GetCell(row, col)) &&
                f.grid.GetItemText(row, col) != CString(text))
                rows.push_back(row);
        return rows;
    }
};

struct Change
{
    const char* name;
    std::function<void(ButtonRows&)> apply;
};
} // namespace

TEST(GridCellPosition, ButtonsAndCombosActOnTheirOwnRowAfterEveryChange)
{
    const std::vector<Change> changes = {
        {"nothing changed", [](ButtonRows&) {}},
        {"a row above deleted", [](ButtonRows& g) { g.f.grid.DeleteRow(2); }},
        {"a row above inserted", [](ButtonRows& g) { g.f.grid.InsertRow("", 2); }},
        {"a column before deleted", [](ButtonRows& g) { g.f.grid.DeleteColumn(kTreeCol); }},
        {"a column before inserted", [](ButtonRows& g) { g.f.grid.InsertColumn("x", DT_LEFT, kTreeCol); }},
        {"sorted descending", [](ButtonRows& g) { g.f.grid.SortByColumn(kLabelCol, FALSE); }},
        {"a branch above collapsed", [](ButtonRows& g) { g.tree.TreeExpandCollapseToggle(1); }},
        {"a branch above deleted", [](ButtonRows& g) { g.tree.DeleteTreeBranch(1, TRUE); }},
        {"a branch inserted above",
         [](ButtonRows& g)
         {
             const BYTE levels[] = {1, 2};
             g.tree.InsertTreeBranch(levels, 2, 1, TRUE);
         }},
    };
    for (const Change& change : changes)
    {
        SCOPED_TRACE(change.name);
        ButtonRows g;
        change.apply(g);
        UiTest::ProcessEvents();
        const int row = g.RowOf("r5");
        ASSERT_GT(row, 0);
        const int checkCol = g.ColumnOf<CGridBtnCell>();
        const int comboCol = g.ColumnOf<CGridBtnCellCombo>();
        for (int r = 1; r < g.f.grid.GetRowCount(); r++)
            for (int c = 0; c < g.f.grid.GetColumnCount(); c++)
            {
                auto* cell = dynamic_cast<CGridBtnCellBase*>(g.f.grid.GetCell(r, c));
                if (cell)
                {
                    EXPECT_EQ(cell->GetCoords(), std::make_pair(c, r));
                }
            }

        g.f.owner.events.clear();
        g.Click(g.ButtonCentre(row, checkCol));
        EXPECT_EQ(g.CheckedRows(), std::vector<int>{row});
        std::vector<std::pair<int, int>> clicked;
        for (const OwnerEvent& e : g.f.owner.events)
            if (!e.command && e.code == GVN_CLICK)
                clicked.emplace_back(e.row, e.col);
        EXPECT_EQ(clicked, (std::vector<std::pair<int, int>>{{row, checkCol}}));

        g.Click(g.ButtonCentre(row, comboCol));
        auto* combo = dynamic_cast<CGridBtnCellCombo*>(g.f.grid.GetCell(row, comboCol));
        auto* list = dynamic_cast<CInPlaceList*>(combo->GetEditWnd());
        ASSERT_NE(list, nullptr);
        CRect listRect, cellRect;
        list->GetWindowRect(listRect);
        g.f.grid.ScreenToClient(listRect);
        ASSERT_TRUE(g.f.grid.GetCellRect(row, comboCol, cellRect));
        EXPECT_EQ(listRect.top, cellRect.top);
        list->SetCurSel(2);
        list->NotifyParent(CBN_SELENDOK);
        UiTest::ProcessEvents();
        EXPECT_EQ(g.RowsNotReading("Stěna"), std::vector<int>{row});
        EXPECT_EQ(g.f.grid.GetItemText(row, comboCol), CString("Dveře"));
    }
}
