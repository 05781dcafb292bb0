#include "dataeditor/document/tests/DocumentFixture.h"

#include "dataeditor/app/LanguageText.h"
#include "dataeditor/document/CJournalDlg.h"
#include "dataeditor/document/CUndoStep.h"
#include "dataeditor/grid/CSobrelGrid.h"
#include "platform/frame/FrameIds.h"
#include "platform/ui/CCmdUI.h"

namespace
{
// The catalogue A with a group of three cell changes and one lone change journalled.
class Journal : public DocumentFixture
{
protected:
    CSobrelDoc* OpenChanged()
    {
        CSobrelDoc* document = Open("A$");
        if (!document)
            return nullptr;
        m_view = document->View();
        m_before = Cells();
        m_view->PushStep(new CUndoStep(CUndoStep::GroupBegin, m_view, 1, 1, "Tři buňky"));
        for (int row = 1; row <= 3; ++row)
            Change(row, 1, "změna " + std::to_string(row));
        m_view->PushStep(new CUndoStep(CUndoStep::GroupEnd, m_view, 1, 1));
        m_afterGroup = Cells();
        Change(2, 3, "sama");
        m_afterAll = Cells();
        return document;
    }
    void Change(int row, int col, const std::string& text)
    {
        const CString old = m_view->Grid()->GetItemText(row, col);
        m_view->Grid()->SetItemText(row, col, text.c_str());
        m_view->PushStep(new CUndoStep(CUndoStep::CellText, m_view, row, col, old));
    }
    std::string Cells() const
    {
        std::string all;
        CGridCtrl& grid = *m_view->Grid();
        for (int r = 0; r < grid.GetRowCount(); ++r)
            for (int c = 0; c < grid.GetColumnCount(); ++c)
                all += std::string(grid.GetItemText(r, c)) + (c + 1 < grid.GetColumnCount() ? "|" : "\n");
        return all;
    }
    bool Enabled(UINT id) const { return CommandEnabled(m_view, id); }
    // Chooses the journal entry at index in the dialog, reporting the entries it showed.
    void ChooseInJournal(int index, std::vector<CString>* shown = nullptr)
    {
        DialogScript::OnNext(IDD_JOURNAL, [index, shown](CDialog& dialog) {
            auto& journal = static_cast<CJournalDlg&>(dialog);
            if (shown)
                *shown = *journal.steps;
            journal.list.SetCurSel(index);
            dialog.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_JOURNAL_LIST, LBN_SELCHANGE), LPARAM(journal.list.GetSafeHwnd()));
            dialog.SendMessage(WM_COMMAND, IDOK);
            return IDOK;
        });
        m_view->SendMessage(WM_COMMAND, ID_JOURNAL);
    }

    CSobrelView* m_view = nullptr;
    std::string m_before;
    std::string m_afterGroup;
    std::string m_afterAll;
};
} // namespace

TEST_F(Journal, UndoTakesBackTheLoneStepThenTheWholeGroupAndRedoRepeatsThem)
{
    ASSERT_TRUE(Start());
    CSobrelDoc* document = OpenChanged();
    ASSERT_NE(document, nullptr);
    EXPECT_TRUE(Enabled(ID_EDIT_UNDO));
    EXPECT_FALSE(Enabled(ID_EDIT_REDO));
    m_view->SendMessage(WM_COMMAND, ID_EDIT_UNDO);
    EXPECT_EQ(Cells(), m_afterGroup);
    EXPECT_EQ(m_view->JournalPosition(), 4);
    m_view->SendMessage(WM_COMMAND, ID_EDIT_UNDO);
    EXPECT_EQ(Cells(), m_before);
    EXPECT_EQ(m_view->JournalPosition(), -1);
    EXPECT_FALSE(document->IsModified()) << "everything undone is the table as saved";
    EXPECT_FALSE(Enabled(ID_EDIT_UNDO));
    EXPECT_TRUE(Enabled(ID_EDIT_REDO));

    m_view->SendMessage(WM_COMMAND, ID_EDIT_REDO);
    EXPECT_EQ(Cells(), m_afterGroup);
    EXPECT_TRUE(document->IsModified());
    m_view->SendMessage(WM_COMMAND, ID_EDIT_REDO);
    EXPECT_EQ(Cells(), m_afterAll);
    EXPECT_FALSE(Enabled(ID_EDIT_REDO));

    // A new change after an undo drops the steps after it.
    m_view->SendMessage(WM_COMMAND, ID_EDIT_UNDO);
    Change(1, 2, "7");
    EXPECT_EQ(int(m_view->Journal().size()), 6);
    EXPECT_FALSE(Enabled(ID_EDIT_REDO));
}

TEST_F(Journal, TheDialogShowsAGroupAsOneEntryAndGoesToTheChosenStep)
{
    ASSERT_TRUE(Start());
    CSobrelDoc* document = OpenChanged();
    ASSERT_NE(document, nullptr);
    std::vector<CString> shown;
    ChooseInJournal(0, &shown);
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_TRUE(shown[0].Find("Tři buňky") >= 0) << shown[0].GetString();
    EXPECT_EQ(shown[2], LanguageText(1190));
    EXPECT_EQ(Cells(), m_before);
    EXPECT_EQ(m_view->JournalPosition(), -1);
    EXPECT_FALSE(document->IsModified());

    // Now the marker stands first; the group not performed is redone to its end.
    ChooseInJournal(1, &shown);
    EXPECT_EQ(shown[0], LanguageText(1190));
    EXPECT_EQ(Cells(), m_afterGroup);
    EXPECT_EQ(m_view->JournalPosition(), 4);
    EXPECT_TRUE(document->IsModified());
}

TEST_F(Journal, UndoingTheOnlyStepLeavesTheDocumentUnmodified)
{
    ASSERT_TRUE(Start());
    CSobrelDoc* document = Open("A$");
    ASSERT_NE(document, nullptr);
    m_view = document->View();
    const std::string before = Cells();
    Change(1, 1, "jediná");
    EXPECT_TRUE(document->IsModified());
    m_view->SendMessage(WM_COMMAND, ID_EDIT_UNDO);
    EXPECT_EQ(Cells(), before);
    EXPECT_FALSE(document->IsModified());
    m_view->SendMessage(WM_COMMAND, ID_EDIT_REDO);
    EXPECT_TRUE(document->IsModified());
    EXPECT_EQ(m_view->Grid()->GetItemText(1, 1), "jediná");
}
