#include "dataeditor/document/tests/DocumentFixture.h"

#include "dataeditor/document/CUndoStep.h"
#include "dataeditor/grid/CSobrelGrid.h"
#include "platform/frame/FrameIds.h"

namespace
{
// Typing into the catalogue A's cells as the user does.
class CellEdit : public DocumentFixture
{
protected:
    CSobrelView* OpenShown(bool ask)
    {
        m_app->options.addRowOnEnd = 1;
        m_app->options.askOnAddRowOnEnd = ask ? 1 : 0;
        CSobrelDoc* document = Open("A$");
        if (!document)
            return nullptr;
        m_view = document->View();
        m_view->GetParentFrame()->ShowWindow(SW_SHOW);
        m_app->m_pMainWnd->ShowWindow(SW_SHOW);
        UiTest::ProcessEvents();
        return m_view;
    }
    // Types the text into the cell and ends the edit with Enter.
    void Type(int row, int col, const char* text)
    {
        CSobrelGrid& grid = *m_view->Grid();
        grid.SetFocusCell(row, col);
        grid.SetSelectedRange(row, col, row, col);
        grid.SetFocus();
        UiTest::ProcessEvents();
        UiTest::TypeText(text);
        UiTest::ProcessEvents();
        UiTest::PressKey(VK_RETURN);
        UiTest::ProcessEvents();
    }
    const CUndoStep& Last() const { return *m_view->Journal().back(); }

    CSobrelView* m_view = nullptr;
};
} // namespace

TEST_F(CellEdit, ATypedTextIsJournalledAndUndone)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenShown(false), nullptr);
    CSobrelGrid& grid = *m_view->Grid();
    Type(1, 1, "Kotel");
    EXPECT_EQ(grid.GetItemText(1, 1), "Kotel");
    ASSERT_EQ(m_view->Journal().size(), 1u);
    EXPECT_EQ(Last().kind, CUndoStep::CellText);
    EXPECT_EQ(Last().oldText, "Radiátor");
    EXPECT_FALSE(m_view->editing);
    m_view->SendMessage(WM_COMMAND, ID_EDIT_UNDO);
    EXPECT_EQ(grid.GetItemText(1, 1), "Radiátor");

    // The Delete key clears cells through the same report; the last cell adds no row then.
    grid.SetItemText(3, 3, "konec");
    grid.SetFocusCell(3, 3);
    grid.SetSelectedRange(3, 3, 3, 3);
    grid.SetFocus();
    UiTest::PressKey(VK_DELETE);
    UiTest::ProcessEvents();
    EXPECT_EQ(grid.GetItemText(3, 3), "");
    EXPECT_EQ(Last().kind, CUndoStep::CellText);
    EXPECT_EQ(Last().oldText, "konec");
    EXPECT_EQ(m_view->rowCount, 3);
}

TEST_F(CellEdit, AnEditEndingInTheLastCellAddsARow)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenShown(false), nullptr);
    Type(3, 3, "poslední");
    EXPECT_EQ(m_view->rowCount, 4);
    EXPECT_EQ(m_view->Grid()->GetItemText(4, 0), "4");
    EXPECT_EQ(Last().kind, CUndoStep::RowInserted);
    EXPECT_EQ(Last().oldText, "&");
    m_view->SendMessage(WM_COMMAND, ID_EDIT_UNDO);
    EXPECT_EQ(m_view->rowCount, 3);
}

TEST_F(CellEdit, NoToTheQuestionAddsNoRow)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenShown(true), nullptr);
    ScriptedAnswers::AnswerBox(IDNO);
    Type(3, 3, "poslední");
    EXPECT_EQ(ScriptedAnswers::ShownBoxes().size(), 1u);
    EXPECT_EQ(m_view->rowCount, 3);
    EXPECT_EQ(Last().kind, CUndoStep::CellText);
}

// Each edit sets the grid's key after Enter from the options: Down for "below", else Tab.
TEST_F(CellEdit, EnterMovesOnAsTheOptionsSay)
{
    ASSERT_TRUE(Start());
    ASSERT_NE(OpenShown(false), nullptr);
    CSobrelGrid& grid = *m_view->Grid();
    const struct
    {
        int direction;
        UINT key;
        CCellID next;
    } cases[] = {{1, VK_DOWN, CCellID(2, 1)}, {0, VK_TAB, CCellID(1, 2)}, {2, VK_DOWN, CCellID(2, 1)}};
    for (const auto& c : cases)
    {
        m_app->options.afterEditDirection = c.direction;
        grid.SetKeyAfterEnter(c.key == VK_TAB ? VK_DOWN : VK_TAB);
        Type(1, 1, "Kotel");
        EXPECT_EQ(grid.GetKeyAfterEnter(), c.key) << c.direction;
        EXPECT_EQ(grid.GetFocusCell(), c.next) << c.direction;
    }
}
