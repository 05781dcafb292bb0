#include "dataeditor/view/tests/ViewFixture.h"

#include "controls/grid/CGridCellBase.h"
#include "dataeditor/document/CUndoStep.h"
#include "dataeditor/grid/CSobrelGrid.h"
#include "dataeditor/view/CMoveColumnDlg.h"
#include "dataeditor/view/WindowIds.h"
#include "platform/frame/FrameIds.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/DialogShot.h"

#include <QListWidget>

#include <sys/stat.h>

namespace
{
// The catalogue A: "Název" (described "Název výrobku"), "Cena" (real, 2 decimals), "Poznámka".
class ColumnMove : public ViewFixture
{
protected:
    std::string Row(int row) const
    {
        std::string texts;
        for (int c = 1; c < Grid().GetColumnCount(); ++c)
            texts += std::string(Grid().GetItemText(row, c)) + (c + 1 < Grid().GetColumnCount() ? "," : "");
        return texts;
    }
    std::string Column(int col) const
    {
        std::string texts;
        for (int r = 1; r < Grid().GetRowCount(); ++r)
            texts += std::string(Grid().GetItemText(r, col)) + (r + 1 < Grid().GetRowCount() ? "," : "");
        return texts;
    }
    // The descriptions as the view and as the grid hold them, column by column.
    std::string Descriptions() const
    {
        std::string texts;
        for (int c = 1; c < Grid().GetColumnCount(); ++c)
        {
            const auto info = m_view->ColumnInfo(c);
            EXPECT_EQ(Grid().GetColumnInfo(c), info.get()) << c;
            texts += std::string(info->description) + ":" + std::to_string(info->type) + ";";
        }
        return texts;
    }
    void Focus(int row, int col)
    {
        Grid().SetFocusCell(row, col);
        Grid().SetSelectedRange(row, col, row, col);
    }
    // What the move dialog showed at start and after the steps.
    struct Shown
    {
        std::vector<CString> entries;
        int startSelection = -1;
        bool okAtStart = true;
        bool okAfter = false;
        int spinAfter = -1;
    };
    // Answers the move dialog: arrow steps (+1 the up arrow), then OK (or Cancel).
    void AnswerMove(std::vector<int> steps, int result, Shown& answer)
    {
        DialogScript::OnNext(IDD_MOVE_COLUMN,
                             [&answer, steps, result](CDialog& d)
                             {
                                 auto& dialog = static_cast<CMoveColumnDlg&>(d);
                                 for (int i = 0; i < dialog.list.GetCount(); ++i)
                                 {
                                     CString text;
                                     dialog.list.GetText(i, text);
                                     answer.entries.push_back(text);
                                 }
                                 answer.startSelection = dialog.list.GetCurSel();
                                 answer.okAtStart = dialog.GetDlgItem(IDOK)->IsWindowEnabled();
                                 for (int step : steps)
                                     dialog.spin.Step(step);
                                 answer.okAfter = dialog.GetDlgItem(IDOK)->IsWindowEnabled();
                                 answer.spinAfter = dialog.spin.GetPos32();
                                 if (result == IDOK && !answer.okAfter)
                                     return IDCANCEL;
                                 dialog.SendMessage(WM_COMMAND, UINT(result));
                                 return result;
                             });
    }
};
} // namespace

TEST_F(ColumnMove, TheFocusedColumnMovesWithItsDescriptionAndCellsAndComesBackOnUndo)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenA(), nullptr);
    const std::string descriptions = Descriptions();
    const std::string heading = Row(0);
    const std::string names = Column(1);
    Grid().SetItemBkColour(2, 1, RGB(255, 0, 0));
    Focus(2, 1);
    ASSERT_TRUE(Enabled(ID_COLUMN_MOVE));

    // Up at the top does nothing; down twice takes it to the end.
    Shown answer;
    AnswerMove({+1, -1, -1}, IDOK, answer);
    m_view->SendMessage(WM_COMMAND, ID_COLUMN_MOVE);
    EXPECT_EQ(answer.entries, (std::vector<CString>{"Název", "Cena", "Poznámka"}));
    EXPECT_EQ(answer.startSelection, 0);
    EXPECT_FALSE(answer.okAtStart);
    EXPECT_TRUE(answer.okAfter);
    EXPECT_EQ(answer.spinAfter, 2);

    EXPECT_EQ(Row(0), "Cena,Poznámka,Název");
    EXPECT_EQ(Column(3), names);
    EXPECT_EQ(Grid().GetCell(2, 3)->GetBackClr(), RGB(255, 0, 0));
    EXPECT_EQ(Descriptions().substr(0, 4), ":7;:");
    EXPECT_NE(Descriptions().find("Název výrobku:10;"), std::string::npos);
    EXPECT_EQ(Grid().GetFocusCell(), CCellID(2, 3));
    ASSERT_EQ(m_view->Journal().size(), 1u);
    const CUndoStep& step = *m_view->Journal().back();
    EXPECT_EQ(step.kind, CUndoStep::ColumnMoved);
    EXPECT_EQ(step.column, 1);
    EXPECT_EQ(step.other, 3);
    EXPECT_TRUE(m_view->Document()->IsModified());

    m_view->SendMessage(WM_COMMAND, ID_EDIT_UNDO);
    EXPECT_EQ(Row(0), heading);
    EXPECT_EQ(Column(1), names);
    EXPECT_EQ(Descriptions(), descriptions);
    EXPECT_EQ(Grid().GetCell(2, 1)->GetBackClr(), RGB(255, 0, 0));
    EXPECT_FALSE(m_view->Document()->IsModified());
    m_view->SendMessage(WM_COMMAND, ID_EDIT_REDO);
    EXPECT_EQ(Row(0), "Cena,Poznámka,Název");
    EXPECT_EQ(Column(3), names);
    EXPECT_NE(Descriptions().find("Název výrobku:10;"), std::string::npos);
}

TEST_F(ColumnMove, BackToItsPlaceOrCancelledNothingMoves)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenA(), nullptr);
    const std::string heading = Row(0);
    Focus(1, 2);
    struct Case
    {
        const char* name;
        std::vector<int> steps;
        int result;
    } cases[] = {
        {"down and up again: OK stays off", {-1, +1}, IDOK},
        {"moved, then Cancel", {+1}, IDCANCEL},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.name);
        Shown answer;
        AnswerMove(c.steps, c.result, answer);
        m_view->SendMessage(WM_COMMAND, ID_COLUMN_MOVE);
        EXPECT_EQ(answer.startSelection, 1);
        EXPECT_EQ(Row(0), heading);
        EXPECT_TRUE(m_view->Journal().empty());
    }
}

TEST_F(ColumnMove, EnabledForOneWritableColumnOfSeveralWhileNotEditing)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenA(), nullptr);
    Focus(1, 1);
    EXPECT_TRUE(Enabled(ID_COLUMN_MOVE));
    Grid().SetSelectedRange(1, 1, 3, 1);
    EXPECT_TRUE(Enabled(ID_COLUMN_MOVE));
    Grid().SetSelectedRange(1, 1, 1, 2);
    EXPECT_FALSE(Enabled(ID_COLUMN_MOVE));
    Grid().SetSelectedRange(-1, -1, -1, -1);
    EXPECT_FALSE(Enabled(ID_COLUMN_MOVE));
    Focus(1, 1);
    m_view->editing = true;
    EXPECT_FALSE(Enabled(ID_COLUMN_MOVE));
    m_view->editing = false;
    m_view->DeleteColumn(3);
    m_view->DeleteColumn(2);
    EXPECT_FALSE(Enabled(ID_COLUMN_MOVE));
}

TEST_F(ColumnMove, AReadOnlyTableDoesNotMoveColumns)
{
    ::chmod(m_path.toUtf8().constData(), 0440);
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenA(), nullptr);
    ASSERT_TRUE(m_view->Document()->readOnly);
    Focus(1, 1);
    EXPECT_FALSE(Enabled(ID_COLUMN_MOVE));
}

TEST_F(ColumnMove, TheListIgnoresTheMouseAndTheKeyboardKeepsTheEntryBeingMoved)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenA(), nullptr);
    Focus(1, 1);
    int afterClick = -1;
    int afterKey = -1;
    DialogScript::OnNext(IDD_MOVE_COLUMN,
                         [&](CDialog& d)
                         {
                             auto& dialog = static_cast<CMoveColumnDlg&>(d);
                             auto* widget = qobject_cast<QListWidget*>(dialog.list.GetWidget());
                             const QRect third = widget ? widget->visualItemRect(widget->item(2)) : QRect();
                             const QPoint at =
                                 widget ? widget->viewport()->mapTo(widget, third.center()) : QPoint();
                             UiTest::MouseDown(&dialog.list, CPoint(at.x(), at.y()));
                             UiTest::MouseUp(&dialog.list, CPoint(at.x(), at.y()));
                             UiTest::DoubleClick(&dialog.list, CPoint(at.x(), at.y()));
                             afterClick = dialog.list.GetCurSel();
                             dialog.list.SetFocus();
                             UiTest::PressKey(VK_DOWN);
                             afterKey = dialog.list.GetCurSel();
                             dialog.spin.Step(-1);
                             QDir().mkpath("pictures");
                             EXPECT_TRUE(DialogShot::Render(dialog, "pictures/sobrel-1019.png"));
                             dialog.SendMessage(WM_COMMAND, IDOK);
                             return IDOK;
                         });
    m_view->SendMessage(WM_COMMAND, ID_COLUMN_MOVE);
    EXPECT_EQ(afterClick, 0);
    EXPECT_EQ(afterKey, 0);
    EXPECT_EQ(Row(0), "Cena,Název,Poznámka");
}
