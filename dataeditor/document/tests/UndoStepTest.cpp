#include "DocumentFixture.h"

#include "dataeditor/document/CUndoStep.h"

#include <functional>

namespace
{
// One kind of step: make the change and its step, then what the table looks like before
// (after undo) and after (after redo) the change.
struct StepCase
{
    const char* name;
    std::function<CUndoStep*(CSobrelView&)> change;
    std::function<std::string(CSobrelView&)> state;
    const char* described; // a piece of the description
};

CGridCtrl& GridOf(CSobrelView& view) { return *view.Grid(); }

std::string Column(CSobrelView& view, int column)
{
    std::string texts;
    for (int r = 0; r < GridOf(view).GetRowCount(); ++r)
        texts += std::string(GridOf(view).GetItemText(r, column)) + "|";
    return texts;
}

std::string Row(CSobrelView& view, int row)
{
    std::string texts;
    for (int c = 0; c < GridOf(view).GetColumnCount(); ++c)
        texts += std::string(GridOf(view).GetItemText(row, c)) + "|";
    return texts;
}

void SwapRows(CSobrelView& view, int a, int b)
{
    for (int c = 0; c < GridOf(view).GetColumnCount(); ++c)
    {
        const CString text = GridOf(view).GetItemText(a, c);
        GridOf(view).SetItemText(a, c, GridOf(view).GetItemText(b, c));
        GridOf(view).SetItemText(b, c, text);
    }
}

std::string Table(CSobrelView& view)
{
    std::string texts;
    for (int r = 0; r < GridOf(view).GetRowCount(); ++r)
        texts += Row(view, r) + "\n";
    return texts;
}

const StepCase kCases[] = {
    {"cell text",
     [](CSobrelView& v) {
         const CString old = GridOf(v).GetItemText(1, 1);
         GridOf(v).SetItemText(1, 1, "Kotel");
         return new CUndoStep(CUndoStep::CellText, &v, 1, 1, old);
     },
     [](CSobrelView& v) { return std::string(GridOf(v).GetItemText(1, 1)); }, "Radiátor"},
    {"row inserted after the last",
     [](CSobrelView& v) {
         v.InsertRow(4);
         return new CUndoStep(CUndoStep::RowInserted, &v, 3, 1, "&");
     },
     [](CSobrelView& v) { return Table(v) + std::to_string(v.rowCount); }, "3"},
    {"row deleted",
     [](CSobrelView& v) {
         auto* step = new CUndoStep(CUndoStep::RowDeleted, &v, 2, 1);
         v.DeleteRow(2);
         return step;
     },
     [](CSobrelView& v) { return Table(v); }, "2"},
    {"row moved",
     [](CSobrelView& v) {
         v.MoveRow(1, 3);
         return new CUndoStep(CUndoStep::RowMoved, &v, 1, 1, "", nullptr, 3);
     },
     [](CSobrelView& v) { return Table(v); }, "3"},
    {"column inserted",
     [](CSobrelView& v) {
         v.InsertColumn(4, "Dodavatel", std::make_shared<CColumnInfo>());
         return new CUndoStep(CUndoStep::ColumnInserted, &v, 1, 4, "Dodavatel");
     },
     [](CSobrelView& v) { return Table(v) + std::to_string(v.columnCount); }, "Dodavatel"},
    {"column deleted",
     [](CSobrelView& v) {
         auto* step = new CUndoStep(CUndoStep::ColumnDeleted, &v, 1, 2);
         v.DeleteColumn(2);
         return step;
     },
     [](CSobrelView& v) { return Table(v) + std::to_string(v.ColumnInfo(2)->decimals); }, "Cena"},
    {"column moved",
     [](CSobrelView& v) {
         v.MoveColumn(1, 3);
         return new CUndoStep(CUndoStep::ColumnMoved, &v, 1, 1, "", nullptr, 3);
     },
     [](CSobrelView& v) { return Table(v); }, "3"},
    {"column description",
     [](CSobrelView& v) {
         auto before = std::make_shared<CColumnInfo>(*v.ColumnInfo(2));
         const CString header = GridOf(v).GetItemText(0, 2);
         v.ColumnInfo(2)->type = 4;
         v.ColumnInfo(2)->decimals = 0;
         GridOf(v).SetItemText(0, 2, "Kusů");
         return new CUndoStep(CUndoStep::ColumnDescription, &v, 1, 2, header, before);
     },
     [](CSobrelView& v) {
         return std::string(GridOf(v).GetItemText(0, 2)) + std::to_string(v.ColumnInfo(2)->type) +
                std::to_string(v.ColumnInfo(2)->decimals);
     },
     "2"},
    {"rows sorted",
     [](CSobrelView& v) {
         // Sorted by name descending (Ventil, Trubka, Radiátor) with their numbers, then
         // numbered afresh.
         SwapRows(v, 1, 3);
         auto* step = new CUndoStep(CUndoStep::RowsSorted, &v, -1, 1, "", nullptr, 1, 3, -1);
         v.RenumberRows(1);
         return step;
     },
     [](CSobrelView& v) { return Column(v, 1); }, "1"},
    {"table name",
     [](CSobrelView& v) {
         CSobrelDoc* document = v.Document();
         const CString previous = document->tableName;
         document->storedTableName = previous;
         document->nameChanged = 1;
         document->tableName = "Ceník$";
         document->RefreshTitle();
         return new CUndoStep(CUndoStep::TableName, &v, -1, -1, previous);
     },
     [](CSobrelView& v) {
         CSobrelDoc* document = v.Document();
         return std::string(document->tableName) + std::to_string(document->nameChanged) +
                std::string(document->GetTitle());
     },
     "Ceník$"},
};

class UndoSteps : public DocumentFixture, public ::testing::WithParamInterface<StepCase>
{
};
} // namespace

TEST_P(UndoSteps, UndoGivesTheTableBeforeAndRedoTheTableAfter)
{
    ASSERT_TRUE(Start());
    CSobrelDoc* document = Open("A$");
    ASSERT_NE(document, nullptr);
    CSobrelView& view = *document->View();
    const StepCase& c = GetParam();
    const std::string before = c.state(view);
    CUndoStep* step = c.change(view);
    const std::string after = c.state(view);
    ASSERT_NE(before, after) << c.name;
    view.PushStep(step);
    EXPECT_TRUE(document->IsModified());
    step->Undo(false);
    EXPECT_EQ(c.state(view), before) << c.name;
    step->Redo(false);
    EXPECT_EQ(c.state(view), after) << c.name;
    step->Undo(true);
    EXPECT_EQ(c.state(view), before) << c.name;
    EXPECT_EQ(view.replayCount, 3);
    EXPECT_TRUE(step->Describe().Find(c.described) >= 0) << c.name << ": " << step->Describe();
}

INSTANTIATE_TEST_SUITE_P(Kinds, UndoSteps, ::testing::ValuesIn(kCases),
                         [](const auto& info) {
                             std::string name = info.param.name;
                             std::replace(name.begin(), name.end(), ' ', '_');
                             return name;
                         });

TEST_F(DocumentFixture, UndoingTheDeletionOfTheOnlyColumnBringsRowsAndNumbersBack)
{
    ASSERT_TRUE(Start());
    CSobrelDoc* document = Open("B$");
    ASSERT_NE(document, nullptr);
    CSobrelView& view = *document->View();
    auto* step = new CUndoStep(CUndoStep::ColumnDeleted, &view, 1, 1);
    view.DeleteColumn(1);
    EXPECT_EQ(view.columnCount, 0);
    EXPECT_EQ(view.rowCount, 0);
    view.PushStep(step);
    step->Undo(false);
    EXPECT_EQ(view.columnCount, 1);
    EXPECT_EQ(view.rowCount, 1);
    EXPECT_EQ(GridOf(view).GetItemText(0, 1), "Kód");
    EXPECT_EQ(GridOf(view).GetItemText(1, 1), "K1");
    EXPECT_EQ(GridOf(view).GetItemText(1, 0), "1");
}

TEST_F(DocumentFixture, GroupMarksAndRowFormatsDescribeThemselves)
{
    ASSERT_TRUE(Start());
    CSobrelDoc* document = Open("A$");
    ASSERT_NE(document, nullptr);
    CSobrelView& view = *document->View();
    view.InsertColumn(4, "Format", std::make_shared<CColumnInfo>());
    ASSERT_EQ(view.FormatColumn(), 4);
    GridOf(view).SetColumnWidth(4, 40);
    CUndoStep begin(CUndoStep::GroupBegin, &view, 1, 1, "Vložení");
    CUndoStep end(CUndoStep::GroupEnd, &view, 1, 1);
    EXPECT_EQ(begin.Describe(), "Vložení (skupina změn)");
    EXPECT_EQ(end.Describe(), "");
    EXPECT_EQ(end.row, -1);
    begin.Undo(false);
    EXPECT_EQ(GridOf(view).GetColumnWidth(4), 0);

    GridOf(view).SetItemText(2, 4, "000000|ffffe0||1");
    CUndoStep format(CUndoStep::RowFormat, &view, 2, -1, "");
    EXPECT_EQ(format.Describe(), "Formát 000000|ffffe0||1 řádku 2");
    format.Undo(false);
    EXPECT_EQ(GridOf(view).GetItemText(2, 4), "");
    format.Redo(false);
    EXPECT_EQ(GridOf(view).GetItemText(2, 4), "000000|ffffe0||1");
    CUndoStep cleared(CUndoStep::RowFormat, &view, 2, -1, "000000|d2b48c|T|1");
    EXPECT_EQ(cleared.Describe(), "Změněn formát řádku 2");
}

// A real shown rounded keeps its value as read through every step taken back and done again:
// an edit, a new display of its column, a deleted row or column, a sort.
TEST_F(DocumentFixture, RealsKeepTheirValueAsReadThroughUndoAndRedo)
{
    ASSERT_TRUE(Start());
    CSobrelDoc* document = Open("A$");
    ASSERT_NE(document, nullptr);
    CSobrelView& view = *document->View();
    CSobrelGrid& grid = *view.Grid();
    const CString read = grid.GetDataText(2, 2, TRUE);
    ASSERT_GE(read.Find("1234567891"), 0) << read;
    const auto trubka = [&] {
        for (int r = 1; r < grid.GetRowCount(); ++r)
            if (grid.GetItemText(r, 1) == "Trubka")
                return std::string(grid.GetDataText(r, 2, TRUE));
        return std::string("no row");
    };

    // The column shown with six decimals, then with its own two again: a new display form.
    const int decimals = view.ColumnInfo(2)->decimals;
    view.ColumnInfo(2)->decimals = 6;
    grid.RetypeCell(2, 2);
    const CString sixDecimals = grid.GetItemText(2, 2);
    view.ColumnInfo(2)->decimals = decimals;
    grid.RetypeCell(2, 2);
    CUndoStep retyped(CUndoStep::CellText, &view, 2, 2, sixDecimals);
    ASSERT_NE(grid.GetItemText(2, 2), sixDecimals);
    for (const bool undo : {true, false, true, false})
    {
        undo ? retyped.Undo(true) : retyped.Redo(true);
        EXPECT_EQ(trubka(), read.str()) << undo;
    }

    view.SetCellText(2, 2, "7");
    EXPECT_EQ(trubka().substr(0, 1), "7");
    view.Undo();
    EXPECT_EQ(trubka(), read.str());

    auto* rowStep = new CUndoStep(CUndoStep::RowDeleted, &view, 2, 1);
    view.DeleteRow(2);
    view.PushStep(rowStep);
    rowStep->Undo(true);
    EXPECT_EQ(trubka(), read.str());

    auto* columnStep = new CUndoStep(CUndoStep::ColumnDeleted, &view, 1, 2);
    view.DeleteColumn(2);
    view.PushStep(columnStep);
    columnStep->Undo(true);
    EXPECT_EQ(trubka(), read.str());

    grid.RetypeCell(2, 2);
    grid.SortItems(1, FALSE, 1, 3);
    auto* sorted = new CUndoStep(CUndoStep::RowsSorted, &view, -1, 1, "", nullptr, 1, 3, -1);
    view.RenumberRows(1);
    view.PushStep(sorted);
    for (const bool undo : {true, false})
    {
        undo ? sorted->Undo(true) : sorted->Redo(true);
        EXPECT_EQ(trubka(), read.str()) << undo;
    }
    EXPECT_EQ(grid.GetItemText(1, 1), "Ventil");
}
