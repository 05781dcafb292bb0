#include "dataeditor/view/tests/EditCommandsFixture.h"

#include "dataeditor/app/LanguageText.h"
#include "dataeditor/document/CUndoStep.h"
#include "controls/grid/CGridCellBase.h"
#include "dataeditor/grid/CSobrelGrid.h"
#include "dataeditor/view/ViewIds.h"
#include "platform/frame/FrameIds.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CComboBox.h"

TEST_F(EditCommands, RowsThreeAndFiveMoveUpAsOneGroupAndComeBackOnUndo)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenFiveRows(), nullptr);
    Select({CCellID(3, 1), CCellID(5, 1)});
    ASSERT_TRUE(Enabled(ID_ROW_UP));
    Command(ID_ROW_UP);
    EXPECT_EQ(Column(1), "r1,r3,r2,r5,r4");
    EXPECT_EQ(Column(0).substr(0, 9), "1,2,3,4,5");
    EXPECT_EQ(Kinds(), (std::vector<int>{CUndoStep::GroupBegin, CUndoStep::RowMoved, CUndoStep::RowMoved, CUndoStep::GroupEnd}));
    EXPECT_TRUE(Grid().IsCellSelected(2, 1));
    EXPECT_TRUE(Grid().IsCellSelected(4, 1));
    EXPECT_FALSE(Grid().IsCellSelected(3, 1));
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Column(1), "r1,r2,r3,r4,r5");
    Command(ID_EDIT_REDO);
    EXPECT_EQ(Column(1), "r1,r3,r2,r5,r4");

    // One row alone is one step; to the bottom and to the top.
    Select({CCellID(1, 1)});
    Command(ID_ROW_BOTTOM);
    EXPECT_EQ(Column(1), "r3,r2,r5,r4,r1");
    EXPECT_EQ(m_view->Journal().back()->kind, CUndoStep::RowMoved);
    EXPECT_EQ(m_view->Journal().size(), 5u);
    EXPECT_FALSE(Enabled(ID_ROW_DOWN));
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Column(1), "r1,r3,r2,r5,r4");
    Command(ID_EDIT_REDO);
    EXPECT_EQ(Column(1), "r3,r2,r5,r4,r1");
    Select({CCellID(5, 1)});
    Command(ID_ROW_TOP);
    EXPECT_EQ(Column(1), "r1,r3,r2,r5,r4");
}

TEST_F(EditCommands, DeletingColumnsTakesOnlyThoseWithASelectedCell)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenFiveRows(), nullptr);
    const std::string headers = Headers();
    // The range spans three columns; the middle one holds no selected cell.
    Select({CCellID(2, 1), CCellID(2, 3)});
    Command(ID_COLUMN_DELETE);
    EXPECT_EQ(Headers(), "Cena");
    EXPECT_EQ(Kinds(), (std::vector<int>{CUndoStep::GroupBegin, CUndoStep::ColumnDeleted, CUndoStep::ColumnDeleted,
                                         CUndoStep::GroupEnd}));
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Headers(), headers);
    EXPECT_EQ(Column(1), "r1,r2,r3,r4,r5");
    EXPECT_EQ(Column(3), "krátká,x,,,");

    // One column: no group. Every column: the grid goes, no rows stay.
    Select({CCellID(1, 3)});
    Command(ID_COLUMN_DELETE);
    EXPECT_EQ(Kinds(), (std::vector<int>{CUndoStep::ColumnDeleted}));
    Grid().SetSelectedRange(1, 1, 1, 2);
    Command(ID_COLUMN_DELETE);
    EXPECT_EQ(m_view->columnCount, 0);
    EXPECT_EQ(m_view->rowCount, 0);
    EXPECT_FALSE(Enabled(ID_COLUMN_DELETE));
    EXPECT_FALSE(Enabled(ID_ROW_INSERT));
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Headers(), "Název,Cena");
    EXPECT_EQ(Column(1), "r1,r2,r3,r4,r5");
}

TEST_F(EditCommands, RowsDeletedAsAGroupAndATableKeepsOneRow)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenFiveRows(), nullptr);
    Select({CCellID(2, 1)});
    Command(ID_ROW_DELETE);
    EXPECT_EQ(Column(1), "r1,r3,r4,r5");
    EXPECT_EQ(Kinds(), (std::vector<int>{CUndoStep::GroupBegin, CUndoStep::RowDeleted, CUndoStep::GroupEnd}));
    Grid().SetSelectedRange(1, 1, 4, 3);
    Command(ID_ROW_DELETE);
    EXPECT_EQ(m_view->rowCount, 1);
    EXPECT_EQ(Column(1), "");
    EXPECT_EQ(Grid().GetItemText(1, 0), "1");
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Column(1), "r1,r3,r4,r5");
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Column(1), "r1,r2,r3,r4,r5");
    EXPECT_EQ(Column(0), "1,2,3,4,5");

    // A row inserted at the focus row, and one appended when there is no focus.
    Select({CCellID(2, 2)});
    Command(ID_ROW_INSERT);
    EXPECT_EQ(Column(1), "r1,,r2,r3,r4,r5");
    EXPECT_EQ(m_view->Journal().back()->kind, CUndoStep::RowInserted);
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Column(1), "r1,r2,r3,r4,r5");
}

TEST_F(EditCommands, ANewColumnFromTheDefinitionDialogIsInsertedAtTheFocus)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenFiveRows(), nullptr);
    Select({CCellID(1, 2)});
    DialogScript::OnNext(IDD_COLUMN, [](CDialog& dialog) {
        dialog.SetDlgItemText(IDC_COLUMN_NAME, "Kód");
        dialog.SendMessage(WM_COMMAND, IDOK);
        return IDOK;
    });
    Command(ID_COLUMN_INSERT);
    EXPECT_EQ(Headers(), "Název,Kód,Cena,Poznámka");
    EXPECT_EQ(m_view->columnCount, 4);
    ASSERT_NE(m_view->ColumnInfo(2), nullptr);
    EXPECT_EQ(Kinds(), (std::vector<int>{CUndoStep::ColumnInserted}));
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Headers(), "Název,Cena,Poznámka");
    Command(ID_EDIT_REDO);
    EXPECT_EQ(Headers(), "Název,Kód,Cena,Poznámka");

    // Cancel changes nothing.
    DialogScript::OnNext(IDD_COLUMN, [](CDialog& dialog) {
        dialog.SendMessage(WM_COMMAND, IDCANCEL);
        return IDCANCEL;
    });
    Command(ID_COLUMN_INSERT);
    EXPECT_EQ(m_view->Journal().size(), 1u);
}

TEST_F(EditCommands, FillWritesOneValueIntoTheSelectedCells)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenFiveRows(), nullptr);
    Grid().SetSelectedRange(2, 1, 4, 1);
    CString proposed;
    DialogScript::OnNext(IDD_TEXT_PROMPT, [&proposed](CDialog& dialog) {
        dialog.GetDlgItemText(IDC_PROMPT_TEXT, proposed);
        dialog.SetDlgItemText(IDC_PROMPT_TEXT, "Kohout");
        dialog.SendMessage(WM_COMMAND, IDOK);
        return IDOK;
    });
    Command(ID_FILL);
    EXPECT_EQ(proposed, "r2");
    EXPECT_EQ(Column(1), "r1,Kohout,Kohout,Kohout,r5");
    EXPECT_EQ(Kinds(), (std::vector<int>{CUndoStep::GroupBegin, CUndoStep::CellText, CUndoStep::CellText,
                                         CUndoStep::CellText, CUndoStep::GroupEnd}));
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Column(1), "r1,r2,r3,r4,r5");

    Select({CCellID(5, 1)});
    DialogScript::OnNext(IDD_TEXT_PROMPT, [](CDialog& dialog) {
        dialog.SetDlgItemText(IDC_PROMPT_TEXT, "sám");
        dialog.SendMessage(WM_COMMAND, IDOK);
        return IDOK;
    });
    Command(ID_FILL);
    EXPECT_EQ(Kinds(), (std::vector<int>{CUndoStep::CellText}));
    EXPECT_EQ(Column(1), "r1,r2,r3,r4,sám");
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Column(1), "r1,r2,r3,r4,r5");
    Command(ID_EDIT_REDO);
    EXPECT_EQ(Column(1), "r1,r2,r3,r4,sám");
}

TEST_F(EditCommands, FreezingKeepsTheColumnsUpToTheSelectionInPlace)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenFiveRows(), nullptr);
    m_view->InsertColumn(4, "Kód", std::make_shared<CColumnInfo>(10, 50, -2));
    Grid().SetSelectedRange(1, 1, 2, 3);
    ASSERT_TRUE(Enabled(ID_FREEZE_COLUMNS));
    Command(ID_FREEZE_COLUMNS);
    EXPECT_EQ(Grid().GetFixedColumnCount(), 4);
    EXPECT_TRUE(m_view->frozen);
    Command(ID_FREEZE_COLUMNS);
    EXPECT_EQ(Grid().GetFixedColumnCount(), 1);
}

TEST_F(EditCommands, SwitchedOffRowsAreMarkedOrTheUserIsTold)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenFiveRows(), nullptr);
    EXPECT_FALSE(Enabled(ID_MARK_SWITCHED_OFF_ROWS));
    m_view->InsertColumn(4, SobrelApp()->rowFormatColumnName, std::make_shared<CColumnInfo>(10, 255, -2));
    ASSERT_TRUE(Enabled(ID_MARK_SWITCHED_OFF_ROWS));
    ScriptedAnswers::AnswerBox(IDOK);
    Command(ID_MARK_SWITCHED_OFF_ROWS);
    ASSERT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_EQ(ScriptedAnswers::ShownBoxes()[0].text, LanguageText(IDS_NO_SWITCHED_OFF_ROWS));
    EXPECT_FALSE(m_view->found);

    Grid().SetItemText(3, 4, "/ff0000|||");
    Command(ID_MARK_SWITCHED_OFF_ROWS);
    EXPECT_TRUE(m_view->found);
    EXPECT_EQ(Grid().GetCell(3, 1)->GetBackClr(), SobrelApp()->options.searchColor);
    EXPECT_EQ(Grid().GetFocusCell().row, 3);
    m_view->ClearFoundMarks();
    EXPECT_FALSE(m_view->found);
}

TEST_F(EditCommands, AColumnDefinitionChangedRetypesItsCellsAsOneGroup)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenFiveRows(), nullptr);
    // Nothing changed: nothing journalled.
    Select({CCellID(1, 2)});
    DefineColumn("Cena", -1, nullptr);
    Command(ID_COLUMN_EDIT);
    EXPECT_TRUE(m_view->Journal().empty());

    // A new name alone is one description step.
    DefineColumn("Cena s DPH", -1, nullptr);
    Command(ID_COLUMN_EDIT);
    EXPECT_EQ(Grid().GetItemText(0, 2), "Cena s DPH");
    EXPECT_EQ(Kinds(), (std::vector<int>{CUndoStep::ColumnDescription}));

    // Other decimals retype every cell of the column in one group.
    const int decimalsBefore = m_view->ColumnInfo(2)->decimals;
    DefineColumn("Cena s DPH", -1, "0");
    Command(ID_COLUMN_EDIT);
    EXPECT_EQ(m_view->ColumnInfo(2)->decimals, 0);
    EXPECT_EQ(Grid().GetItemText(3, 2), "99");
    std::vector<int> kinds = Kinds(1);
    ASSERT_GE(kinds.size(), 3u);
    EXPECT_EQ(kinds.front(), CUndoStep::GroupBegin);
    EXPECT_EQ(kinds[kinds.size() - 2], CUndoStep::ColumnDescription);
    EXPECT_EQ(kinds.back(), CUndoStep::GroupEnd);
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(m_view->ColumnInfo(2)->decimals, decimalsBefore);
    Command(ID_EDIT_UNDO);
    EXPECT_EQ(Grid().GetItemText(0, 2), "Cena");
}

TEST_F(EditCommands, WholeRowSelectionWidensAndNarrowsTheSelection)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenFiveRows(), nullptr);
    Grid().SetFocusCell(2, 2);
    Grid().SetSelectedRange(2, 2, 3, 2);
    Command(ID_ROW_SELECT_MODE);
    EXPECT_TRUE(m_view->rowSelectionMode);
    CCellRange range = Grid().GetSelectedCellRange();
    EXPECT_EQ(range.GetMinCol(), 1);
    EXPECT_EQ(range.GetMaxCol(), 3);
    EXPECT_EQ(range.GetMinRow(), 2);
    EXPECT_EQ(range.GetMaxRow(), 3);
    Command(ID_ROW_SELECT_MODE);
    range = Grid().GetSelectedCellRange();
    EXPECT_EQ(range.GetMinCol(), 2);
    EXPECT_EQ(range.GetMaxCol(), 2);
    EXPECT_EQ(range.GetMaxRow(), 3);
}

TEST_F(EditCommands, OnlyANewSizeOfATextColumnIsOneDescriptionStep)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenFiveRows(), nullptr);
    Select({CCellID(1, 1)});
    ASSERT_EQ(m_view->ColumnInfo(1)->type, 10);
    const std::string names = Column(1);
    DialogScript::OnNext(IDD_COLUMN, [](CDialog& d) {
        d.SetDlgItemText(IDC_COLUMN_SIZE, "40");
        d.SendMessage(WM_COMMAND, IDOK);
        return IDOK;
    });
    Command(ID_COLUMN_EDIT);
    EXPECT_EQ(m_view->ColumnInfo(1)->size, 40);
    EXPECT_EQ(Kinds(), (std::vector<int>{CUndoStep::ColumnDescription}));
    EXPECT_EQ(Column(1), names);
    Command(ID_EDIT_UNDO);
    EXPECT_NE(m_view->ColumnInfo(1)->size, 40);
}

TEST_F(EditCommands, TheInformationTableGivesDescriptionTypeAndValuesButNotItsThirdRow)
{
    ASSERT_TRUE(Start());
    m_path = Folder("informace.xls");
    RunPython(R"(
import sys, xlwt
book = xlwt.Workbook(encoding='utf-8')
sheet = book.add_sheet('T')
for c, name in enumerate(['Druh', 'Cena']):
    sheet.write(0, c, name)
sheet.write(1, 0, 'Kotel'); sheet.write(1, 1, 12.5)
info = book.add_sheet('TInfo')
rows = [('Druh', 'Cena'), ('Druh výrobku', 'Cena bez DPH'), ('dbText', 'dbDouble;1'),
        ('nepoužito', 'dbLong'), ('Kotel', ''), ('Ventil', '')]
for r, row in enumerate(rows):
    for c, text in enumerate(row):
        if text:
            info.write(r, c, text)
book.save(sys.argv[1])
)",
              {m_path});
    CSobrelDoc* document = Open("T$");
    ASSERT_NE(document, nullptr);
    m_view = document->View();
    const auto kind = m_view->ColumnInfo(1);
    const auto price = m_view->ColumnInfo(2);
    EXPECT_EQ(kind->description, "Druh výrobku");
    EXPECT_EQ(kind->type, 10);
    EXPECT_EQ(kind->values, (std::vector<CString>{"Kotel", "Ventil"})) << "the third row is no value";
    EXPECT_EQ(price->type, 7);
    EXPECT_EQ(price->decimals, 1);
    EXPECT_TRUE(price->values.empty());
}
