// The commands that change the table's shape or many cells at once: columns and rows inserted
// and deleted, rows moved, cells filled with one value, leading columns frozen, switched-off
// rows marked. Every change goes into the undo journal, a command of several changes as one
// group.
#include "dataeditor/view/CSobrelView.h"

#include "dataeditor/app/CSobrelApp.h"
#include "dataeditor/app/LanguageText.h"
#include "dataeditor/app/SobrelIds.h"
#include "dataeditor/document/CColumnDlg.h"
#include "dataeditor/document/CColumnInfo.h"
#include "dataeditor/document/CTextPromptDlg.h"
#include "dataeditor/document/CUndoStep.h"
#include "dataeditor/grid/CSobrelGrid.h"
#include "dataeditor/view/ViewIds.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/WaitCursor.h"

#include <algorithm>
#include <set>

namespace
{
template <class... Args> CString Formatted(UINT id, const Args&... args)
{
    CString text;
    text.Format(LanguageText(id), args...);
    return text;
}

// Progress of a command over a number of items, ended whatever way the command leaves.
class CommandProgress
{
public:
    CommandProgress(UINT textId, int total)
    {
        if (CSobrelApp* app = SobrelApp())
            app->ReportProgress(0, total, LanguageText(textId), true, true);
    }
    void Step(int done, int total)
    {
        if (CSobrelApp* app = SobrelApp())
            app->ReportProgress(done, total, "", true, false);
    }
    ~CommandProgress()
    {
        if (CSobrelApp* app = SobrelApp())
            app->ReportProgress(-1, 0, "", false, false);
    }
};
} // namespace

bool CSobrelView::ValidSelection() const
{
    if (!m_grid)
        return false;
    const CCellRange range = m_grid->GetSelectedCellRange();
    return range.GetMinRow() >= 0 && range.GetMinCol() >= 0 && range.GetMaxRow() >= range.GetMinRow() &&
           range.GetMaxCol() >= range.GetMinCol();
}

std::vector<int> CSobrelView::SelectedRows() const
{
    std::vector<int> rows;
    const CCellRange range = m_grid->GetSelectedCellRange();
    for (int r = range.GetMinRow(); r <= range.GetMaxRow(); ++r)
        for (int c = range.GetMinCol(); c <= range.GetMaxCol(); ++c)
            if (m_grid->IsCellSelected(r, c))
            {
                rows.push_back(r);
                break;
            }
    return rows;
}

std::vector<int> CSobrelView::SelectedColumns() const
{
    std::vector<int> columns;
    const CCellRange range = m_grid->GetSelectedCellRange();
    for (int c = range.GetMinCol(); c <= range.GetMaxCol(); ++c)
        for (int r = range.GetMinRow(); r <= range.GetMaxRow(); ++r)
            if (m_grid->IsCellSelected(r, c))
            {
                columns.push_back(c);
                break;
            }
    return columns;
}

void CSobrelView::OnColumnInsert()
{
    CColumnDlg dialog;
    dialog.grid = m_grid.get();
    dialog.caption = LanguageText(IDS_NEW_COLUMN_TITLE);
    if (dialog.DoModal() != IDOK)
        return;
    auto info = std::make_shared<CColumnInfo>(dialog.DaoType(), dialog.size, dialog.localeDecimals ? -2 : dialog.decimals);
    const CCellID focus = m_grid->GetFocusCell();
    const bool valid = columnCount > 0 && m_grid->IsValid(focus) && focus.col >= fixedColumns;
    const int row = valid ? std::max(focus.row, fixedRows) : fixedRows;
    const int position = valid ? focus.col : fixedColumns + columnCount;
    InsertColumn(position, dialog.name, info);
    PushStep(new CUndoStep(CUndoStep::ColumnInserted, this, row, position));
    m_grid->SetFocusCell(row, position);
}

void CSobrelView::OnColumnDelete()
{
    if (!ValidSelection())
        return;
    const CCellRange range = m_grid->GetSelectedCellRange();
    const int first = std::max(range.GetMinCol(), fixedColumns);
    const int count = range.GetMaxCol() - first + 1;
    if (count <= 0)
        return;
    CWaitCursor wait;
    CommandProgress progress(IDS_DELETE_COLUMNS_PROGRESS, count);
    const std::vector<int> chosen = SelectedColumns();
    const std::set<int> collected(chosen.begin(), chosen.end());
    const int focusRow = std::max(m_grid->GetFocusCell().row, fixedRows);
    const bool group = count > 1;
    if (group)
    {
        PushStep(new CUndoStep(CUndoStep::GroupBegin, this, focusRow, first,
                               Formatted(IDS_DELETE_COLUMNS_GROUP, first, first + count - 1, count)));
        SuspendDrawing();
    }
    int position = first;
    int done = 0;
    for (int c = first; c < first + count; ++c)
    {
        if (!collected.count(c))
        {
            ++position;
            continue;
        }
        PushStep(new CUndoStep(CUndoStep::ColumnDeleted, this, focusRow, position));
        DeleteColumn(position);
        progress.Step(++done, count);
        if (columnCount == 0)
            break;
    }
    if (group)
    {
        PushStep(new CUndoStep(CUndoStep::GroupEnd, this, -1, -1));
        ResumeDrawing();
    }
    skipNextSelectionChange = true;
    if (columnCount > 0)
        m_grid->SetFocusCell(std::min(focusRow, m_grid->GetRowCount() - 1),
                             position >= m_grid->GetColumnCount() ? m_grid->GetColumnCount() - 1 : position);
}

void CSobrelView::OnRowInsert()
{
    const CCellID focus = m_grid->GetFocusCell();
    const bool valid = m_grid->IsValid(focus) && focus.row >= fixedRows;
    const int row = valid ? focus.row : m_grid->GetRowCount();
    const int column = valid ? std::max(focus.col, fixedColumns) : fixedColumns;
    const bool append = row >= m_grid->GetRowCount();
    InsertRow(row);
    PushStep(new CUndoStep(CUndoStep::RowInserted, this, append ? row - 1 : row, column, append ? "&" : ""));
    m_grid->SetFocusCell(row, column);
}

void CSobrelView::OnRowDelete()
{
    if (!ValidSelection())
        return;
    const CCellRange range = m_grid->GetSelectedCellRange();
    const int first = std::max(range.GetMinRow(), fixedRows);
    const int count = range.GetMaxRow() - first + 1;
    if (count <= 0)
        return;
    CWaitCursor wait;
    CommandProgress progress(IDS_DELETE_ROWS_PROGRESS, count);
    const std::vector<int> chosen = SelectedRows();
    const std::set<int> collected(chosen.begin(), chosen.end());
    const int focusColumn = std::max(m_grid->GetFocusCell().col, fixedColumns);
    const int rowsBefore = rowCount;
    PushStep(new CUndoStep(CUndoStep::GroupBegin, this, first, focusColumn,
                           Formatted(IDS_DELETE_ROWS_GROUP, first, first + count - 1, count)));
    SuspendDrawing();
    int position = first;
    int deleted = 0;
    for (int r = first; r < first + count; ++r)
    {
        if (!collected.count(r))
        {
            ++position;
            continue;
        }
        PushStep(new CUndoStep(CUndoStep::RowDeleted, this, position, focusColumn));
        DeleteRow(position);
        progress.Step(++deleted, count);
    }
    // A table keeps at least one row.
    if (deleted == rowsBefore)
    {
        m_grid->SetFocusCell(-1, -1);
        OnRowInsert();
    }
    PushStep(new CUndoStep(CUndoStep::GroupEnd, this, -1, -1));
    ResumeDrawing();
    m_grid->SetFocusCell(std::min(position, m_grid->GetRowCount() - 1), focusColumn);
}

void CSobrelView::MoveSelectedRows(int how)
{
    if (!ValidSelection())
        return;
    CWaitCursor wait;
    const CCellID focus = m_grid->GetFocusCell();
    const int focusColumn = std::max(focus.col, fixedColumns);
    const CCellRange range = m_grid->GetSelectedCellRange();
    std::vector<int> rows = SelectedRows();
    rows.erase(std::remove_if(rows.begin(), rows.end(), [this](int r) { return r < fixedRows; }), rows.end());
    if (rows.empty())
        return;
    // The selected cells, to be selected again where their rows went.
    std::vector<CCellID> selected;
    for (int r = range.GetMinRow(); r <= range.GetMaxRow(); ++r)
        for (int c = range.GetMinCol(); c <= range.GetMaxCol(); ++c)
            if (m_grid->IsCellSelected(r, c))
                selected.emplace_back(r, c);
    const int lastRow = fixedRows + rowCount - 1;
    int shift = 0;
    switch (how)
    {
    case ID_ROW_UP: shift = -1; break;
    case ID_ROW_DOWN: shift = 1; break;
    case ID_ROW_TOP: shift = fixedRows - range.GetMinRow(); break;
    default: shift = lastRow - range.GetMaxRow(); break;
    }
    if (shift == 0 || range.GetMinRow() + shift < fixedRows || range.GetMaxRow() + shift > lastRow)
        return;
    const bool group = range.GetRowSpan() > 1;
    // Cells move with their state: no cell is selected while the rows move.
    m_grid->SetSelectedRange(-1, -1, -1, -1);
    if (group)
        PushStep(new CUndoStep(CUndoStep::GroupBegin, this, focus.row, focusColumn,
                               Formatted(IDS_MOVE_ROWS_GROUP, range.GetMinRow(), range.GetMaxRow())));
    if (shift > 0)
        std::reverse(rows.begin(), rows.end());
    for (int r : rows)
    {
        MoveRow(r, r + shift);
        PushStep(new CUndoStep(CUndoStep::RowMoved, this, r, focusColumn, "", nullptr, r + shift));
        m_grid->SetFocusCell(r + shift, focusColumn);
    }
    if (group)
        PushStep(new CUndoStep(CUndoStep::GroupEnd, this, -1, -1));
    m_grid->SetSelectedRange(-1, -1, -1, -1);
    for (const CCellID& cell : selected)
        m_grid->SetItemState(cell.row + shift, cell.col, m_grid->GetItemState(cell.row + shift, cell.col) | GVIS_SELECTED);
    m_grid->Invalidate();
}

void CSobrelView::OnRowUp() { MoveSelectedRows(ID_ROW_UP); }
void CSobrelView::OnRowDown() { MoveSelectedRows(ID_ROW_DOWN); }
void CSobrelView::OnRowTop() { MoveSelectedRows(ID_ROW_TOP); }
void CSobrelView::OnRowBottom() { MoveSelectedRows(ID_ROW_BOTTOM); }

void CSobrelView::OnFill()
{
    if (!ValidSelection())
        return;
    const CCellRange range = m_grid->GetSelectedCellRange();
    CTextPromptDlg dialog;
    for (int r = range.GetMinRow(); r <= range.GetMaxRow() && dialog.text.IsEmpty(); ++r)
        for (int c = range.GetMinCol(); c <= range.GetMaxCol(); ++c)
            if (m_grid->IsCellSelected(r, c) && !m_grid->GetDataText(r, c, TRUE).IsEmpty())
            {
                dialog.text = m_grid->GetDataText(r, c, TRUE);
                break;
            }
    if (dialog.DoModal() != IDOK)
        return;
    CWaitCursor wait;
    const bool group = range.GetRowSpan() * range.GetColSpan() > 1;
    if (group)
        PushStep(new CUndoStep(CUndoStep::GroupBegin, this, range.GetMinRow(), range.GetMinCol(),
                               Formatted(IDS_FILL_GROUP, dialog.text.GetString())));
    std::set<int> filled;
    for (int r = std::max(range.GetMinRow(), fixedRows); r <= range.GetMaxRow(); ++r)
        for (int c = std::max(range.GetMinCol(), fixedColumns); c <= range.GetMaxCol(); ++c)
            if (m_grid->IsCellSelected(r, c))
            {
                SetCellText(r, c, dialog.text);
                filled.insert(c);
            }
    if (group)
        PushStep(new CUndoStep(CUndoStep::GroupEnd, this, -1, -1));
    for (int c : filled)
        m_grid->AutoSizeColumn(c);
    m_grid->Invalidate();
}

void CSobrelView::SetCellText(int row, int col, const CString& text)
{
    const CString old = m_grid->GetItemText(row, col);
    m_grid->SetItemTextTyped(row, col, text, TRUE);
    PushStep(new CUndoStep(CUndoStep::CellText, this, row, col, old));
}

void CSobrelView::OnFreezeColumns()
{
    const CCellID focus = m_grid->GetFocusCell();
    if (!frozen)
    {
        if (!ValidSelection())
            return;
        const CCellRange range = m_grid->GetSelectedCellRange();
        m_grid->FreezeColumns(1 + range.GetColSpan());
        if (m_grid->IsValid(focus.row, 1 + range.GetColSpan()))
            m_grid->SetFocusCell(focus.row, 1 + range.GetColSpan());
        frozen = true;
        return;
    }
    m_grid->UnfreezeColumns();
    m_grid->SetFocusCell(focus);
    frozen = false;
}

void CSobrelView::OnMarkSwitchedOffRows()
{
    const int format = FormatColumn();
    if (format < 1)
        return;
    CSobrelApp* app = SobrelApp();
    const COLORREF mark = app ? app->options.searchColor : RGB(255, 255, 0);
    int firstMarked = -1;
    for (int r = fixedRows; r < m_grid->GetRowCount(); ++r)
    {
        if (m_grid->GetItemText(r, format).Left(1) != "/")
            continue;
        for (int c = fixedColumns; c < m_grid->GetColumnCount(); ++c)
            m_grid->SetItemBkColour(r, c, mark);
        if (firstMarked < 0)
            firstMarked = r;
    }
    if (firstMarked < 0)
    {
        AfxMessageBox(IDS_NO_SWITCHED_OFF_ROWS, MB_OK | MB_ICONINFORMATION);
        return;
    }
    m_grid->SetFocusCell(firstMarked, fixedColumns);
    found = true;
    m_grid->Invalidate();
}

void CSobrelView::OnApplyRowFormats()
{
    ApplyRowFormats();
    m_grid->Invalidate();
}

void CSobrelView::OnUpdateColumnInsert(CCmdUI* pCmdUI) { pCmdUI->Enable(!editing && Writable()); }

void CSobrelView::OnUpdateColumnDelete(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!editing && columnCount > 0 && ValidSelection() && Writable());
}

void CSobrelView::OnUpdateRowInsert(CCmdUI* pCmdUI) { pCmdUI->Enable(!editing && columnCount > 0 && Writable()); }

void CSobrelView::OnUpdateRowDelete(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!editing && rowCount > 1 && ValidSelection() && Writable());
}

void CSobrelView::OnUpdateRowUp(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!editing && Writable() && ValidSelection() &&
                   m_grid->GetSelectedCellRange().GetMinRow() > fixedRows);
}

void CSobrelView::OnUpdateRowDown(CCmdUI* pCmdUI)
{
    const bool valid = ValidSelection();
    const CCellRange range = valid ? m_grid->GetSelectedCellRange() : CCellRange();
    pCmdUI->Enable(!editing && Writable() && valid && range.GetMinRow() >= fixedRows &&
                   range.GetMaxRow() < fixedRows + rowCount - 1);
}

void CSobrelView::OnUpdateFill(CCmdUI* pCmdUI) { pCmdUI->Enable(Writable() && ValidSelection()); }

void CSobrelView::OnUpdateFreezeColumns(CCmdUI* pCmdUI)
{
    bool enable = frozen;
    if (!frozen && ValidSelection())
    {
        const CCellRange range = m_grid->GetSelectedCellRange();
        enable = range.GetMinCol() == fixedColumns && range.GetMaxCol() < m_grid->GetColumnCount() - 1;
    }
    pCmdUI->Enable(!editing && enable);
    pCmdUI->SetCheck(frozen ? 1 : 0);
}

void CSobrelView::OnUpdateMarkSwitchedOffRows(CCmdUI* pCmdUI) { pCmdUI->Enable(columnCount > 0 && FormatColumn() > 0); }

void CSobrelView::OnUpdateApplyRowFormats(CCmdUI* pCmdUI) { pCmdUI->Enable(rowCount > 0); }

void CSobrelView::OnColumnEdit()
{
    const int col = m_grid->GetFocusCell().col;
    CColumnInfo* info = m_grid->GetColumnInfo(col);
    const std::shared_ptr<CColumnInfo> owned = ColumnInfo(col);
    if (!info || !owned)
        return;
    const auto previous = std::make_shared<CColumnInfo>(*owned);
    const CString oldHeader = m_grid->GetItemText(0, col);
    CColumnDlg dialog;
    dialog.grid = m_grid.get();
    dialog.name = oldHeader;
    dialog.initialType = owned->type;
    dialog.decimals = owned->decimals;
    dialog.localeDecimals = owned->decimals == -2;
    if (owned->IsText())
        dialog.size = owned->size;
    if (dialog.DoModal() != IDOK)
        return;
    const int decimals = dialog.localeDecimals ? -2 : dialog.decimals;
    const int type = dialog.DaoType();
    const bool renamed = dialog.name != oldHeader;
    const bool retyped = type != owned->type || decimals != owned->decimals;
    const bool resized = dialog.size != owned->size && (type == 10 || type == 12);
    if (!renamed && !retyped && !resized)
        return;
    CWaitCursor wait;
    const int focusRow = std::max(m_grid->GetFocusCell().row, fixedRows);
    if (renamed)
    {
        m_grid->SetItemText(0, col, dialog.name);
        m_grid->AutoSizeColumn(col);
    }
    if (resized)
        owned->size = dialog.size;
    if (retyped)
    {
        PushStep(new CUndoStep(CUndoStep::GroupBegin, this, focusRow, col, Formatted(IDS_COLUMN_RETYPED_GROUP, col)));
        owned->type = type;
        owned->decimals = decimals;
        m_grid->SetColumnFormat(col);
        for (int r = fixedRows; r < m_grid->GetRowCount(); ++r)
        {
            const CString kept = m_grid->GetItemText(r, col);
            m_grid->RetypeCell(r, col);
            PushStep(new CUndoStep(CUndoStep::CellText, this, r, col, kept));
        }
    }
    else
        m_grid->SetColumnFormat(col);
    PushStep(new CUndoStep(CUndoStep::ColumnDescription, this, focusRow, col, oldHeader, previous));
    if (retyped)
        PushStep(new CUndoStep(CUndoStep::GroupEnd, this, -1, -1));
    m_grid->Invalidate();
}

void CSobrelView::OnUpdateColumnEdit(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!editing && Writable() && m_grid->IsValid(m_grid->GetFocusCell()) &&
                   m_grid->GetColumnCount() > m_grid->GetFixedColumnCount());
}

void CSobrelView::OnRowSelectMode()
{
    const bool valid = ValidSelection();
    const CCellRange range = valid ? m_grid->GetSelectedCellRange() : CCellRange();
    const CCellID focus = m_grid->GetFocusCell();
    rowSelectionMode = !rowSelectionMode;
    m_grid->SetRowSelectMode(rowSelectionMode);
    if (!valid)
        return;
    const int first = rowSelectionMode ? fixedColumns : std::max(focus.col, fixedColumns);
    const int last = rowSelectionMode ? fixedColumns + columnCount - 1 : first;
    m_grid->SetFocusCell(focus);
    m_grid->SetSelectedRange(range.GetMinRow(), first, range.GetMaxRow(), last);
}

void CSobrelView::OnUpdateRowSelectMode(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(rowCount > 1);
    pCmdUI->SetCheck(rowSelectionMode ? 1 : 0);
}
