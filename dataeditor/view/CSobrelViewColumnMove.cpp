// The column move (command 49077): the focused column is taken to a new place chosen in the
// move dialog, its description and its cells with it, as one journal step.
#include "dataeditor/view/CSobrelView.h"

#include "dataeditor/document/CSobrelDoc.h"
#include "dataeditor/document/CUndoStep.h"
#include "dataeditor/grid/CSobrelGrid.h"
#include "dataeditor/view/CMoveColumnDlg.h"
#include "platform/ui/CCmdUI.h"

void CSobrelView::OnColumnMove()
{
    if (!m_grid || !ValidSelection())
        return;
    const CCellID focus = m_grid->GetFocusCell();
    if (!m_grid->IsValid(focus) || focus.col < fixedColumns)
        return;
    const CCellRange selected = m_grid->GetSelectedCellRange();
    CMoveColumnDlg dialog(this);
    for (int c = fixedColumns; c < fixedColumns + columnCount; ++c)
        dialog.entries.push_back(m_grid->GetItemText(0, c));
    dialog.index = focus.col - fixedColumns;
    if (dialog.DoModal() != IDOK)
        return;
    const int target = fixedColumns + dialog.index;
    if (target == focus.col || target >= fixedColumns + columnCount)
        return;
    MoveColumn(focus.col, target);
    PushStep(new CUndoStep(CUndoStep::ColumnMoved, this, focus.row, focus.col, CString(), nullptr, target));
    m_grid->SetFocusCell(focus.row, target);
    m_grid->SetSelectedRange(selected);
}

void CSobrelView::OnUpdateColumnMove(CCmdUI* pCmdUI)
{
    bool oneColumn = false;
    if (ValidSelection())
    {
        const CCellRange range = m_grid->GetSelectedCellRange();
        oneColumn = range.GetMinCol() == range.GetMaxCol();
    }
    pCmdUI->Enable(!editing && oneColumn && columnCount > 1 && Writable());
}
