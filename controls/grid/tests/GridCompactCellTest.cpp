// How the grid keeps its cells: plain cells as small records that share attribute sets, an object
// only for a cell that needs one (a cell class of its own, an edit, a caller of GetCell), and that
// object kept in step with the grid's operations for as long as the cell lives.
#include "GridTestSupport.h"

#include "controls/grid/CGridCellCombo.h"
#include "controls/grid/CGridCellRecord.h"

#include <QImage>
#include <QWidget>

#include <string>

namespace
{
class CountingGrid : public CGridCtrl
{
public:
    using CGridCtrl::CGridCtrl;
    using CGridCtrl::GetExistingCell;
    using CGridCtrl::MoveCell;
    using CGridCtrl::OnMouseMove;

    int CellObjects() const
    {
        int count = 0;
        for (int row = 0; row < GetRowCount(); row++)
            for (int col = 0; col < GetColumnCount(); col++)
                count += GetExistingCell(row, col) != nullptr;
        return count;
    }
};

struct CountingFixture
{
    TestOwner owner;
    CountingGrid grid;

    CountingFixture() : grid(200, 5, 1, 1)
    {
        owner.CreateEx(0, nullptr, "grid test", WS_POPUP | WS_VISIBLE, CRect(0, 0, 440, 340), nullptr, 0);
        grid.Create(CRect(10, 10, 410, 310), &owner, kGridId);
        owner.grid = &grid;
        for (int row = 1; row < grid.GetRowCount(); row++)
            for (int col = 1; col < grid.GetColumnCount(); col++)
                grid.SetItemTextFmt(row, col, "%d", (row * 37 + col) % 101);
        ProcessEvents();
    }
    ~CountingFixture() { owner.grid = nullptr; }

    void Paint() { grid.GetClientWidget()->grab(); }
};
} // namespace

TEST(GridCellRecord, KeepsTextsOfEveryLength)
{
    for (const std::string text :
         {std::string(), std::string("12,5"), std::string(15, 'x'), std::string(16, 'y'),
          std::string("Příliš žluťoučký kůň úpěl ďábelské ódy")})
    {
        CGridCellRecord record(GVIS_MODIFIED, 7);
        record.SetText(text.c_str());
        EXPECT_EQ(record.GetText(), text);
        // Its own text set again, and the record moved on.
        record.SetText(record.GetText());
        CGridCellRecord moved(std::move(record));
        EXPECT_EQ(moved.GetText(), text);
        EXPECT_EQ(moved.GetState(), GVIS_MODIFIED);
        EXPECT_EQ(moved.GetAttributes(), 7u);
        EXPECT_STREQ(record.GetText(), "");
    }
}

TEST(GridCellRecord, KeepsTheValueOfATextWhileItShowsThatText)
{
    struct Case
    {
        const char* text;
        const char* value;
    };
    const Case cases[] = {{"1,23", "1,23456789"},
                          {"1,23456789", "1,23456789"},
                          {"", "0"},
                          {"Příliš žluťoučký kůň", "Příliš žluťoučký kůň úpěl"},
                          {"1 234 567 890,12", "1234567890,123456789"}};
    for (const Case& c : cases)
    {
        CGridCellRecord record(GVIS_MODIFIED, 3);
        record.SetText(c.text);
        EXPECT_EQ(record.GetValueText(), nullptr);
        record.KeepValue(c.value);
        EXPECT_STREQ(record.GetText(), c.text);
        EXPECT_STREQ(record.GetValueText(), c.value);
        // The same text again is no change; the record moves with its value.
        record.SetText(std::string(c.text).c_str());
        CGridCellRecord moved(std::move(record));
        EXPECT_STREQ(moved.GetText(), c.text);
        EXPECT_STREQ(moved.GetValueText(), c.value) << c.text;
        EXPECT_EQ(record.GetValueText(), nullptr);
        // Another text has no value; the text coming back (an undo) has it again.
        moved.SetText("7");
        EXPECT_STREQ(moved.GetText(), "7");
        EXPECT_EQ(moved.GetValueText(), nullptr) << c.text;
        EXPECT_STREQ(moved.GetKeptValue(), c.value);
        EXPECT_STREQ(moved.GetKeptValueText(), c.text);
        moved.SetText(c.text);
        EXPECT_STREQ(moved.GetValueText(), c.value) << c.text;
        moved.KeepValue("8,5", "8,50");
        EXPECT_EQ(moved.GetValueText(), nullptr);
        moved.SetText("8,50");
        EXPECT_STREQ(moved.GetValueText(), "8,5");
        moved.KeepValue(nullptr);
        EXPECT_EQ(moved.GetKeptValue(), nullptr);
        EXPECT_STREQ(moved.GetText(), "8,50");
    }
}

TEST(GridCompactCells, AValueBehindATextNeedsNoObjectAndFollowsTheCell)
{
    CountingFixture f;
    f.grid.SetItemText(5, 2, "1,5");
    f.grid.SetItemValueText(5, 2, "1,5");
    f.grid.SetItemText(6, 2, "2,35");
    f.grid.SetItemValueText(6, 2, "2,3456");
    EXPECT_EQ(f.grid.CellObjects(), 0);
    EXPECT_EQ(f.grid.PeekItemValueText(7, 2), nullptr);

    // Sorted, moved, made an object by GetCell and given a class of its own: the value goes along.
    f.grid.SetItemText(6, 3, "zzz");
    f.grid.SortByColumn(3, FALSE);
    EXPECT_STREQ(f.grid.GetItemText(1, 3), "zzz");
    EXPECT_STREQ(f.grid.PeekItemValueText(1, 2), "2,3456");
    f.grid.MoveCell(1, 2, 1, 4);
    EXPECT_STREQ(f.grid.PeekItemValueText(1, 4), "2,3456");
    ASSERT_NE(f.grid.GetCell(1, 4), nullptr);
    EXPECT_STREQ(f.grid.PeekItemValueText(1, 4), "2,3456");
    f.grid.SetCellType(1, 4, RUNTIME_CLASS(CGridCellCombo));
    EXPECT_STREQ(f.grid.PeekItemValueText(1, 4), "2,3456");
    f.grid.SetItemText(1, 4, "2,35");
    EXPECT_STREQ(f.grid.PeekItemValueText(1, 4), "2,3456");
    f.grid.SetItemText(1, 4, "9");
    EXPECT_EQ(f.grid.PeekItemValueText(1, 4), nullptr);
    f.grid.SetItemText(1, 4, "2,35");
    EXPECT_STREQ(f.grid.PeekItemValueText(1, 4), "2,3456");
    CString value, forText;
    ASSERT_TRUE(f.grid.GetItemKeptValue(1, 4, value, forText));
    EXPECT_EQ(value, "2,3456");
    EXPECT_EQ(forText, "2,35");
    // An edited cell made an object keeps the value of its former text.
    f.grid.SetItemText(7, 2, "1,5");
    f.grid.SetItemValueText(7, 2, "1,5");
    f.grid.SetItemText(7, 2, "4");
    ASSERT_NE(f.grid.GetCell(7, 2), nullptr);
    EXPECT_EQ(f.grid.PeekItemValueText(7, 2), nullptr);
    f.grid.SetItemText(7, 2, "1,5");
    EXPECT_STREQ(f.grid.PeekItemValueText(7, 2), "1,5");
}

TEST(GridCompactCells, PaintingScrollingSortingAndSelectingMakeNoCellObjects)
{
    CountingFixture f;
    f.grid.SetItemBkColour(3, 2, RGB(0, 128, 0));
    f.grid.SetItemFont(4, 2, f.grid.GetDefaultCell(FALSE, FALSE)->GetFont());
    for (int i = 0; i < 30; i++)
    {
        f.grid.SendMessage(WM_VSCROLL, SB_LINEDOWN, 0);
        f.Paint();
    }
    f.grid.SortByColumn(2, FALSE);
    f.grid.SetSelectedRange(5, 1, 40, 4);
    f.grid.SetFocusCell(6, 2);
    f.grid.AutoSize();
    f.grid.OnMouseMove(0, CPoint(60, 60));
    f.Paint();
    EXPECT_EQ(f.grid.CellObjects(), 0);
    int green = 0;
    for (int row = 1; row < f.grid.GetRowCount(); row++)
        green += f.grid.GetItemBkColour(row, 2) == RGB(0, 128, 0);
    EXPECT_EQ(green, 1) << "the coloured cell moved with its row";
}

TEST(GridCompactCells, CellsThatLookAlikeShareOneAttributeSet)
{
    CountingFixture f;
    LOGFONT bold = *f.grid.GetDefaultCell(FALSE, FALSE)->GetFont();
    bold.lfWeight = 700;
    for (int row : {2, 5})
        for (int col = 1; col < f.grid.GetColumnCount(); col++)
        {
            f.grid.SetItemFgColour(row, col, RGB(255, 0, 0));
            f.grid.SetItemFont(row, col, &bold);
        }
    EXPECT_EQ(f.grid.GetItemFont(2, 1), f.grid.GetItemFont(5, 4));
    EXPECT_EQ(f.grid.GetItemFont(2, 1)->lfWeight, 700);
    EXPECT_FALSE(f.grid.IsItemDefaultFont(5, 3));
    EXPECT_TRUE(f.grid.IsItemDefaultFont(3, 3));
    EXPECT_EQ(f.grid.GetItemFont(3, 3), f.grid.GetDefaultCell(FALSE, FALSE)->GetFont());
    EXPECT_EQ(f.grid.GetItemFgColour(5, 2), RGB(255, 0, 0));
    EXPECT_EQ(f.grid.CellObjects(), 0);
}

TEST(GridCompactCells, TheObjectOfGetCellLastsAndFollowsTheGrid)
{
    CountingFixture f;
    f.grid.SetItemText(7, 2, "zzz");
    CGridCellBase* cell = f.grid.GetCell(7, 2);
    ASSERT_NE(cell, nullptr);
    EXPECT_STREQ(cell->GetText(), "zzz");
    EXPECT_EQ(f.grid.CellObjects(), 1);

    f.grid.SetItemText(7, 2, "zzzz");
    f.grid.SetItemBkColour(7, 2, RGB(1, 2, 3));
    f.grid.SetItemData(7, 2, 42);
    EXPECT_STREQ(cell->GetText(), "zzzz");
    EXPECT_EQ(cell->GetBackClr(), RGB(1, 2, 3));
    EXPECT_EQ(cell->GetData(), 42);
    cell->SetTextClr(RGB(4, 5, 6));
    EXPECT_EQ(f.grid.GetItemFgColour(7, 2), RGB(4, 5, 6));

    // Sorting carries the object with its row; a row inserted above moves it down.
    f.grid.SortByColumn(2, TRUE);
    const int last = f.grid.GetRowCount() - 1;
    EXPECT_EQ(f.grid.GetCell(last, 2), cell);
    f.grid.InsertRow("", 1);
    EXPECT_EQ(f.grid.GetCell(last + 1, 2), cell);
    EXPECT_EQ(f.grid.GetItemText(last + 1, 2), "zzzz");
    EXPECT_EQ(f.grid.CellObjects(), 1);
}

TEST(GridCompactCells, AnEditAndACellClassOfItsOwnMakeObjects)
{
    CountingFixture f;
    f.grid.SetFocusCell(2, 2);
    f.grid.OnEditCell(2, 2, CPoint(0, 0), GRID_EDIT_BY_MOUSE);
    CGridCellBase* edited = f.grid.GetExistingCell(2, 2);
    ASSERT_NE(edited, nullptr);
    EXPECT_TRUE(edited->IsEditing());
    f.grid.EndEditing();
    ProcessEvents();
    EXPECT_FALSE(edited->IsEditing());

    ASSERT_TRUE(f.grid.SetCellType(3, 3, RUNTIME_CLASS(CGridCellCombo)));
    EXPECT_TRUE(f.grid.GetExistingCell(3, 3)->IsKindOf(RUNTIME_CLASS(CGridCellCombo)));
    EXPECT_EQ(f.grid.GetItemText(3, 3), f.grid.GetExistingCell(3, 3)->GetText());
    EXPECT_EQ(f.grid.CellObjects(), 2);
}

TEST(GridCompactCells, AMovedCellTakesItsObjectAttributesAndSelectionAlong)
{
    CountingFixture f;
    CGridCellBase* held = f.grid.GetCell(2, 1);
    f.grid.SetItemBkColour(3, 1, RGB(9, 9, 9));
    f.grid.SetSelectedRange(3, 1, 3, 1);
    const CString texts[] = {f.grid.GetItemText(2, 1), f.grid.GetItemText(3, 1)};
    f.grid.MoveCell(2, 1, 2, 4);
    f.grid.MoveCell(3, 1, 3, 4);
    EXPECT_EQ(f.grid.GetExistingCell(2, 4), held);
    EXPECT_EQ(f.grid.GetItemText(2, 4), texts[0]);
    EXPECT_EQ(f.grid.GetItemText(3, 4), texts[1]);
    EXPECT_EQ(f.grid.GetItemBkColour(3, 4), RGB(9, 9, 9));
    EXPECT_TRUE(f.grid.IsCellSelected(3, 4));
    EXPECT_FALSE(f.grid.IsCellSelected(3, 1));
    EXPECT_EQ(f.grid.GetSelectedCount(), 1);
    EXPECT_EQ(f.grid.GetItemText(2, 1), "");
    EXPECT_EQ(f.grid.CellObjects(), 1);
}
