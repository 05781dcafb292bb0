// Rows, columns, fixed parts, cells, attributes, modified marks and the selection map of the grid.
#include "GridTestSupport.h"

namespace
{
UINT State(const CGridCtrl& grid, int row, int col)
{
    return grid.GetItemState(row, col);
}
} // namespace

TEST(GridCounts, ConstructorCountsAndFixedBits)
{
    CGridCtrl grid(5, 4, 1, 2);
    EXPECT_EQ(grid.GetRowCount(), 5);
    EXPECT_EQ(grid.GetColumnCount(), 4);
    EXPECT_EQ(grid.GetFixedRowCount(), 1);
    EXPECT_EQ(grid.GetFixedColumnCount(), 2);
    struct Case
    {
        int row, col;
        UINT bits;
    };
    for (const Case& c :
         {Case{0, 0, GVIS_FIXED | GVIS_FIXEDROW | GVIS_FIXEDCOL}, Case{0, 3, GVIS_FIXED | GVIS_FIXEDROW},
          Case{2, 1, GVIS_FIXED | GVIS_FIXEDCOL}, Case{2, 2, 0u}})
        EXPECT_EQ(State(grid, c.row, c.col) & (GVIS_FIXED | GVIS_FIXEDROW | GVIS_FIXEDCOL), c.bits)
            << c.row << "," << c.col;
    EXPECT_EQ(grid.GetCell(2, 2)->GetFormat(), DT_NOPREFIX | DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER);
}

TEST(GridCounts, RowCountBelowFixedLowersTheFixedCount)
{
    CGridCtrl grid(5, 3, 2, 1);
    EXPECT_TRUE(grid.SetRowCount(0));
    EXPECT_EQ(grid.GetRowCount(), 0);
    EXPECT_EQ(grid.GetFixedRowCount(), 0);
    EXPECT_EQ(grid.GetCell(0, 0), nullptr);
    EXPECT_TRUE(grid.SetRowCount(3));
    EXPECT_EQ(grid.GetFixedRowCount(), 0);
    EXPECT_NE(grid.GetCell(2, 2), nullptr);
}

TEST(GridCounts, LoweringFixedRowsGivesNormalRowsWithDefaultColours)
{
    CGridCtrl grid(5, 3, 2, 1);
    grid.SetItemBkColour(1, 2, RGB(1, 2, 3));
    grid.SetItemFgColour(1, 1, RGB(4, 5, 6));
    grid.SetItemBkColour(1, 0, RGB(7, 8, 9));
    grid.SetFocusCell(3, 2);
    EXPECT_TRUE(grid.SetFixedRowCount(1));
    EXPECT_EQ(State(grid, 1, 2) & (GVIS_FIXED | GVIS_FIXEDROW), 0u);
    EXPECT_EQ(State(grid, 1, 0) & (GVIS_FIXED | GVIS_FIXEDROW | GVIS_FIXEDCOL), GVIS_FIXED | GVIS_FIXEDCOL);
    EXPECT_EQ(grid.GetCell(1, 2)->GetBackClr(), CLR_DEFAULT);
    EXPECT_EQ(grid.GetCell(1, 1)->GetTextClr(), CLR_DEFAULT);
    // A fixed column keeps its own colour.
    EXPECT_EQ(grid.GetCell(1, 0)->GetBackClr(), RGB(7, 8, 9));
    EXPECT_FALSE(grid.IsValid(grid.GetFocusCell()));
    EXPECT_FALSE(grid.IsValid(grid.GetSelectedCellRange()));

    EXPECT_TRUE(grid.SetFixedRowCount(3));
    EXPECT_EQ(State(grid, 2, 2) & (GVIS_FIXED | GVIS_FIXEDROW), GVIS_FIXED | GVIS_FIXEDROW);
}

TEST(GridCounts, InsertRowsAndColumnsAroundFixedParts)
{
    CGridCtrl grid(3, 3, 1, 1);
    struct Case
    {
        int index;
        int expected;
    };
    for (const Case& c : {Case{0, -1}, Case{3, -1}, Case{5, -1}, Case{1, 1}, Case{-1, 4}})
    {
        const int rows = grid.GetRowCount();
        EXPECT_EQ(grid.InsertRow("R", c.index), c.expected) << c.index;
        EXPECT_EQ(grid.GetRowCount(), rows + (c.expected >= 0 ? 1 : 0));
    }
    EXPECT_EQ(grid.GetItemText(1, 0), "R");
    EXPECT_EQ(grid.GetItemText(4, 0), "R");

    for (const Case& c : {Case{0, -1}, Case{4, -1}, Case{3, 3}, Case{-1, 4}, Case{1, 1}})
    {
        const int cols = grid.GetColumnCount();
        EXPECT_EQ(grid.InsertColumn("C", DT_RIGHT, c.index), c.expected) << c.index;
        EXPECT_EQ(grid.GetColumnCount(), cols + (c.expected >= 0 ? 1 : 0));
    }
    EXPECT_EQ(grid.GetItemText(0, 1), "C");
    EXPECT_EQ(grid.GetCell(2, 1)->GetFormat(), DT_RIGHT);
    EXPECT_EQ(State(grid, 0, 1) & GVIS_FIXEDROW, GVIS_FIXEDROW);
    EXPECT_EQ(State(grid, 2, 1) & GVIS_FIXED, 0u);
}

TEST(GridCounts, InsertIntoAnEmptyGridMakesTheFirstRow)
{
    CGridCtrl grid;
    EXPECT_EQ(grid.InsertColumn("Název"), 0);
    EXPECT_EQ(grid.GetRowCount(), 1);
    EXPECT_EQ(grid.GetItemText(0, 0), "Název");
    CGridCtrl other;
    EXPECT_EQ(other.InsertRow("první"), 0);
    EXPECT_EQ(other.GetColumnCount(), 1);
}

TEST(GridCounts, DeletingRowsAndColumnsMovesTheFocus)
{
    struct Case
    {
        int focusRow, deleted;
        CCellID expected;
    };
    for (const Case& c : {Case{3, 3, CCellID()}, Case{3, 2, CCellID(2, 1)}, Case{3, 4, CCellID(3, 1)}})
    {
        CGridCtrl grid(6, 3, 1, 1);
        grid.SetFocusCell(c.focusRow, 1);
        EXPECT_TRUE(grid.DeleteRow(c.deleted));
        EXPECT_EQ(grid.GetFocusCell(), c.expected) << c.deleted;
        EXPECT_EQ(grid.GetRowCount(), 5);
    }
    CGridCtrl grid(4, 5, 1, 2);
    grid.SetFocusCell(2, 3);
    EXPECT_TRUE(grid.DeleteColumn(1));
    EXPECT_EQ(grid.GetFixedColumnCount(), 1);
    EXPECT_EQ(grid.GetFocusCell(), CCellID(2, 2));
    EXPECT_FALSE(grid.DeleteColumn(4));
    EXPECT_FALSE(grid.DeleteRow(-1));
    EXPECT_TRUE(grid.DeleteNonFixedRows());
    EXPECT_EQ(grid.GetRowCount(), 1);
    EXPECT_TRUE(grid.DeleteAllItems());
    EXPECT_EQ(
        grid.GetRowCount() + grid.GetColumnCount() + grid.GetFixedRowCount() + grid.GetFixedColumnCount(), 0);
}

TEST(GridCells, OutsideTheGridGivesNeutralValuesAndChangesNothing)
{
    CGridCtrl grid(3, 3, 1, 1);
    for (const CCellID& cell : {CCellID(-1, 0), CCellID(3, 0), CCellID(0, 3), CCellID(0, -1)})
    {
        EXPECT_EQ(grid.GetItemText(cell.row, cell.col), "");
        EXPECT_EQ(grid.GetItemImage(cell.row, cell.col), -1);
        EXPECT_EQ(grid.GetItemState(cell.row, cell.col), 0u);
        EXPECT_FALSE(grid.SetItemText(cell.row, cell.col, "x"));
        EXPECT_FALSE(grid.SetItemState(cell.row, cell.col, GVIS_SELECTED));
        EXPECT_EQ(grid.GetTextExtent(cell.row, cell.col, "x"), CSize(0, 0));
    }
    // No phantom selected cells.
    EXPECT_EQ(grid.GetSelectedCount(), 0);
    EXPECT_FALSE(grid.IsValid(grid.GetSelectedCellRange()));
}

TEST(GridCells, SelectionKeysHoldWholeRowsAndColumns)
{
    CGridCtrl grid(65540, 2, 0, 0);
    EXPECT_TRUE(grid.SetItemState(65537, 1, GVIS_SELECTED));
    EXPECT_TRUE(grid.SetItemState(1, 1, GVIS_SELECTED));
    EXPECT_EQ(grid.GetSelectedCount(), 2);
    EXPECT_TRUE(grid.SetItemState(1, 1, 0));
    EXPECT_EQ(grid.GetSelectedCount(), 1);
    EXPECT_EQ(grid.GetSelectedCellRange(), CCellRange(65537, 1, 65537, 1));
}

TEST(GridCells, SetCellTypeNeedsACellClass)
{
    CGridCtrl grid(3, 3, 1, 1);
    grid.SetItemText(1, 1, "text");
    EXPECT_FALSE(grid.SetCellType(1, 1, RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(grid.SetCellType(5, 1, RUNTIME_CLASS(CGridCell)));
    CGridCellBase* before = grid.GetCell(1, 1);
    EXPECT_TRUE(grid.SetCellType(1, 1, RUNTIME_CLASS(CGridCell)));
    EXPECT_NE(grid.GetCell(1, 1), before);
    EXPECT_EQ(grid.GetItemText(1, 1), "text");
}

TEST(GridCells, ItemRecordRoundTrip)
{
    CGridCtrl grid(3, 3, 1, 1);
    GridItem item;
    item.row = 1;
    item.col = 2;
    item.mask = GVIF_TEXT | GVIF_PARAM | GVIF_FORMAT | GVIF_BKCLR | GVIF_MARGIN;
    item.strText = "Žluťoučký kůň";
    item.lParam = 42;
    item.nFormat = DT_CENTER;
    item.crBkClr = RGB(10, 20, 30);
    item.nMargin = 7;
    EXPECT_TRUE(grid.SetItem(&item));
    GridItem read;
    read.row = 1;
    read.col = 2;
    read.mask = item.mask | GVIF_STATE;
    EXPECT_TRUE(grid.GetItem(&read));
    EXPECT_EQ(read.strText, item.strText);
    EXPECT_EQ(read.lParam, 42);
    EXPECT_EQ(read.nFormat, UINT(DT_CENTER));
    EXPECT_EQ(read.crBkClr, RGB(10, 20, 30));
    EXPECT_EQ(read.nMargin, 7u);
    EXPECT_TRUE(read.nState & GVIS_MODIFIED);
    read.row = 9;
    EXPECT_FALSE(grid.GetItem(&read));
    EXPECT_FALSE(grid.SetItem(nullptr));
}

TEST(GridModified, TextChangesMarkCellsAndClearTheSortMark)
{
    CGridCtrl grid(4, 3, 1, 1);
    grid.SetModified(FALSE);
    grid.SetSortColumn(2);
    EXPECT_TRUE(grid.SetItemText(1, 1, "a"));
    EXPECT_TRUE(grid.GetModified());
    EXPECT_TRUE(grid.GetModified(1, 1));
    EXPECT_EQ(grid.GetSortColumn(), 2);
    EXPECT_TRUE(grid.SetItemText(2, 2, "b"));
    EXPECT_EQ(grid.GetSortColumn(), -1);

    grid.SetModified(FALSE, 1, 1);
    EXPECT_FALSE(grid.GetModified(1, 1));
    EXPECT_TRUE(grid.GetModified(2, 2));
    grid.SetModified(FALSE);
    EXPECT_FALSE(grid.GetModified());
    EXPECT_FALSE(grid.GetModified(2, 2));
}

TEST(GridCells, DefaultCellsAndFallBacks)
{
    CGridCtrl grid(3, 3, 1, 1);
    CGridDefaultCell* normal = grid.GetDefaultCell(FALSE, FALSE);
    EXPECT_EQ(normal->GetFormat(), 0x8824u);
    EXPECT_TRUE(normal->GetState() & GVIS_READONLY);
    EXPECT_GT(normal->GetMargin(), 0u);
    EXPECT_GT(normal->GetWidth(), normal->GetHeight());
    EXPECT_NE(grid.GetDefaultCell(TRUE, TRUE), grid.GetDefaultCell(TRUE, FALSE));
    EXPECT_EQ(grid.GetCell(0, 1)->GetDefaultCell(), grid.GetDefaultCell(TRUE, FALSE));
    EXPECT_EQ(grid.GetCell(1, 0)->GetDefaultCell(), grid.GetDefaultCell(FALSE, TRUE));

    CGridCellBase* cell = grid.GetCell(1, 1);
    cell->SetFormat(0xFFFFFFFF);
    cell->SetMargin(0xFFFFFFFF);
    EXPECT_EQ(cell->GetFormat(), 0x8824u);
    EXPECT_EQ(cell->GetMargin(), normal->GetMargin());
    EXPECT_EQ(cell->GetFont(), normal->GetFont());
    EXPECT_TRUE(cell->IsDefaultFont());

    // Copying from a cell without a font of its own leaves the target following its default cell.
    CGridCell copy;
    LOGFONT lf = *normal->GetFont();
    lf.lfWeight = FW_BOLD;
    copy.SetFont(&lf);
    copy.CopyFrom(*cell);
    EXPECT_TRUE(copy.IsDefaultFont());
    EXPECT_EQ(copy.GetGrid(), &grid);
}

TEST(GridCells, FontObjectsCanBeKept)
{
    CGridCtrl grid(3, 3, 1, 1);
    LOGFONT bold = *grid.GetDefaultCell(FALSE, FALSE)->GetFont();
    bold.lfWeight = FW_BOLD;
    LOGFONT italic = bold;
    italic.lfItalic = 1;
    grid.GetCell(1, 1)->SetFont(&bold);
    grid.GetCell(2, 2)->SetFont(&italic);
    CFont* first = grid.GetCell(1, 1)->GetFontObject();
    CFont* second = grid.GetCell(2, 2)->GetFontObject();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(first, second);
    LOGFONT read;
    first->GetLogFont(&read);
    EXPECT_EQ(read.lfWeight, FW_BOLD);
    EXPECT_EQ(read.lfItalic, 0);
    EXPECT_EQ(grid.GetCell(1, 1)->GetFontObject(), first);
}

TEST(GridSizes, RowHeightsAndColumnWidths)
{
    CGridCtrl grid(4, 4, 1, 1);
    for (int i = 0; i < 4; i++)
    {
        grid.SetRowHeight(i, 20);
        grid.SetColumnWidth(i, 50);
    }
    EXPECT_FALSE(grid.SetColumnWidth(1, -1));
    EXPECT_EQ(grid.GetColumnWidth(1), 50);
    EXPECT_TRUE(grid.SetColumnWidth(1, 0));
    EXPECT_EQ(grid.GetColumnWidth(1), 0);
    EXPECT_EQ(grid.GetColumnWidth(4), -1);
    EXPECT_EQ(grid.GetRowHeight(-1), -1);
    EXPECT_EQ(grid.GetVirtualWidth(), 150);
    EXPECT_EQ(grid.GetVirtualHeight(), 80);
    EXPECT_EQ(grid.GetFixedColumnWidth(), 50);
    EXPECT_EQ(grid.GetFixedRowHeight(), 20);
}
