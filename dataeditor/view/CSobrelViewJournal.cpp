// The commands that walk the undo journal: undo and redo a step or a group of steps, and go
// back or forward to a step chosen in the journal dialog.
#include "dataeditor/view/CSobrelView.h"

#include "dataeditor/grid/CSobrelGrid.h"
#include "dataeditor/app/CSobrelApp.h"
#include "dataeditor/app/LanguageText.h"
#include "dataeditor/document/CJournalDlg.h"
#include "dataeditor/document/CSobrelDoc.h"
#include "dataeditor/document/CUndoStep.h"
#include "dataeditor/view/ViewIds.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/WaitCursor.h"

void CSobrelView::SuspendDrawing()
{
    if (!m_grid)
        return;
    m_grid->SetDrawingAllowed(FALSE);
    m_grid->DeferSizing(true);
}

void CSobrelView::ResumeDrawing()
{
    if (!m_grid)
        return;
    m_grid->DeferSizing(false);
    m_grid->SetDrawingAllowed(TRUE, TRUE);
    m_grid->Refresh();
}

bool CSobrelView::StepIs(int index, int kind) const
{
    return index >= 0 && index < int(m_journal.size()) && m_journal[std::size_t(index)]->kind == kind;
}

void CSobrelView::BeginReplay()
{
    if (redrawEachStep)
        SuspendDrawing();
    if (columnCount > 0 && found)
        ClearFoundMarks();
}

void CSobrelView::EndReplay()
{
    if (redrawEachStep)
        ResumeDrawing();
}

void CSobrelView::Redo()
{
    const int last = int(m_journal.size()) - 1;
    if (m_position >= last)
        return;
    CWaitCursor wait;
    BeginReplay();
    int n = m_position + 1;
    if (!StepIs(n, CUndoStep::GroupBegin))
    {
        m_position = n;
        m_journal[std::size_t(n)]->Redo(false);
    }
    else
    {
        // The whole group; the last step before its end moves the focus.
        do
        {
            m_position = n;
            m_journal[std::size_t(n)]->Redo(!StepIs(n + 1, CUndoStep::GroupEnd));
            n = m_position + 1;
        } while (n <= last && !StepIs(n, CUndoStep::GroupEnd));
        if (n <= last)
        {
            m_position = n;
            m_journal[std::size_t(n)]->Redo(false);
        }
    }
    ShowModifiedState();
    EndReplay();
}

void CSobrelView::Undo()
{
    if (m_position < 0)
        return;
    CWaitCursor wait;
    BeginReplay();
    int n = m_position;
    if (StepIs(n, CUndoStep::GroupEnd))
    {
        do
        {
            m_position = n - 1;
            m_journal[std::size_t(n)]->Undo(true);
            n = m_position;
        } while (n > 0 && !StepIs(n, CUndoStep::GroupBegin));
    }
    m_position = n - 1;
    m_journal[std::size_t(n)]->Undo(false);
    ShowModifiedState();
    EndReplay();
}

std::vector<CSobrelView::JournalEntry> CSobrelView::JournalEntries(int& current) const
{
    std::vector<JournalEntry> entries;
    const CString marker = LanguageText(IDS_JOURNAL_NOW);
    current = 0;
    if (m_position == -1)
    {
        current = 0;
        entries.push_back({marker, -1});
    }
    int groupEntry = -1;
    for (int i = 0; i < int(m_journal.size()); ++i)
    {
        const CUndoStep& step = *m_journal[std::size_t(i)];
        if (step.kind == CUndoStep::GroupBegin && groupEntry < 0)
        {
            groupEntry = int(entries.size());
            entries.push_back({step.Describe(), i});
        }
        else if (step.kind == CUndoStep::GroupEnd && groupEntry >= 0)
        {
            // A group not yet performed is redone to its end.
            if (m_position < i)
                entries[std::size_t(groupEntry)].step = i;
            groupEntry = -1;
        }
        else if (groupEntry < 0)
            entries.push_back({step.Describe(), i});
        if (i == m_position)
        {
            current = int(entries.size());
            entries.push_back({marker, -1});
        }
    }
    return entries;
}

void CSobrelView::GoToStep(int target)
{
    const bool forward = target > m_position;
    const int total = (forward ? target - m_position : m_position - target) + 1;
    CWaitCursor wait;
    CSobrelApp* app = SobrelApp();
    if (app)
        app->ReportProgress(0, total, LanguageText(forward ? IDS_JOURNAL_REDOING : IDS_JOURNAL_UNDOING), true, true);
    SuspendDrawing();
    redrawEachStep = false;
    replayCount = 0;
    while (m_position != target)
    {
        const int before = m_position;
        forward ? Redo() : Undo();
        if (m_position == before)
            break;
        if (app)
            app->ReportProgress(replayCount, total, "", true, false);
    }
    redrawEachStep = true;
    ResumeDrawing();
    if (app)
        app->ReportProgress(-1, 0, "", false, false);
}

void CSobrelView::OnJournal()
{
    int current = 0;
    const std::vector<JournalEntry> entries = JournalEntries(current);
    std::vector<CString> texts;
    for (const JournalEntry& entry : entries)
        texts.push_back(entry.text);
    CJournalDlg dialog;
    dialog.steps = &texts;
    dialog.current = current;
    dialog.callerText = LanguageText(IDS_JOURNAL_CALLER);
    if (dialog.DoModal() != IDOK || dialog.chosen < 0 || dialog.chosen >= int(entries.size()) ||
        dialog.chosen == current)
        return;
    const bool forward = dialog.chosen > current;
    int target = entries[std::size_t(dialog.chosen)].step;
    if (target == -1)
        return;
    if (!forward)
        target -= 1;
    // A group chosen backward is undone whole: its begin is the entry's step.
    GoToStep(target);
}

void CSobrelView::OnEditUndo() { Undo(); }

void CSobrelView::OnEditRedo() { Redo(); }

void CSobrelView::OnUpdateEditUndo(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!editing && Writable() && m_position != -1);
}

void CSobrelView::OnUpdateEditRedo(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!editing && Writable() && !m_journal.empty() && m_position < int(m_journal.size()) - 1);
}

void CSobrelView::OnUpdateJournal(CCmdUI* pCmdUI) { pCmdUI->Enable(!editing && Writable() && !m_journal.empty()); }
