// The row-format commands: the format column inserted, shown and hidden; formats set, cleared,
// copied, pasted and replaced in the rows. A format that begins with "/" ends a printed page
// after its row; every command keeps that mark where it was.
#include "dataeditor/view/CSobrelView.h"

#include "dataeditor/app/CSobrelApp.h"
#include "dataeditor/app/LanguageText.h"
#include "dataeditor/app/SobrelIds.h"
#include "dataeditor/document/CColumnInfo.h"
#include "dataeditor/document/CRowFormatDlg.h"
#include "dataeditor/document/CUndoStep.h"
#include "dataeditor/grid/CRowFormat.h"
#include "dataeditor/grid/CSobrelGrid.h"
#include "dataeditor/view/ViewIds.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/WaitCursor.h"

#include <algorithm>

CString CSobrelView::rowFormatClipboard;

namespace
{
template <class... Args> CString Formatted(UINT id, const Args&... args)
{
    CString text;
    text.Format(LanguageText(id), args...);
    return text;
}

CString WithoutPageBreak(const CString& format) { return CRowFormat::IsPageBreak(format) ? format.Mid(1) : format; }

// A new format in place of a row's format, the page break of the row kept.
CString KeepingPageBreak(const CString& old, const CString& format)
{
    return CRowFormat::IsPageBreak(old) ? "/" + format : format;
}
} // namespace

void CSobrelView::SetRowFormat(int row, const CString& text)
{
    const int format = FormatColumn();
    if (!m_grid || format < 0 || row < fixedRows || row >= m_grid->GetRowCount())
        return;
    m_grid->SetItemText(row, format, text);
    // The grid's reset of a row empties its format text, which may hold a page break alone.
    m_grid->ApplyRowFormat(row, TRUE, text);
    m_grid->SetItemText(row, format, text);
}

std::vector<int> CSobrelView::SelectedDataRows() const
{
    std::vector<int> rows = SelectedRows();
    rows.erase(std::remove_if(rows.begin(), rows.end(), [this](int r) { return r < fixedRows; }), rows.end());
    return rows;
}

CString CSobrelView::RowFormatText(int row) const
{
    const int format = FormatColumn();
    return format >= 0 && row >= fixedRows && row < m_grid->GetRowCount() ? m_grid->GetItemText(row, format)
                                                                           : CString();
}

void CSobrelView::SetRowFormats(const std::vector<int>& rows,
                                const std::function<CString(const CString&)>& newFormat, const CString& groupText)
{
    if (rows.empty())
        return;
    CWaitCursor wait;
    const CCellRange range = m_grid->GetSelectedCellRange();
    const CCellID focus = m_grid->GetFocusCell();
    const int focusColumn = std::max(focus.col, fixedColumns);
    const bool group = rows.size() > 1;
    if (group)
        PushStep(new CUndoStep(CUndoStep::GroupBegin, this, std::max(focus.row, fixedRows), focusColumn, groupText));
    for (int row : rows)
    {
        const CString old = RowFormatText(row);
        SetRowFormat(row, newFormat(old));
        PushStep(new CUndoStep(CUndoStep::RowFormat, this, row, focusColumn, old));
    }
    if (group)
        PushStep(new CUndoStep(CUndoStep::GroupEnd, this, -1, -1));
    m_grid->RefreshLayout(TRUE, FALSE);
    m_grid->SetFocusCell(focus);
    m_grid->SetSelectedRange(-1, -1, -1, -1);
    for (int row : rows)
        for (int c = range.GetMinCol(); c <= range.GetMaxCol(); ++c)
            m_grid->SetItemState(row, c, m_grid->GetItemState(row, c) | GVIS_SELECTED);
    m_grid->Invalidate();
}

void CSobrelView::OnFormatColumnInsert()
{
    CSobrelApp* app = SobrelApp();
    if (!app || columnCount == 0 || FormatColumn() >= 0)
        return;
    const CCellID focus = m_grid->GetFocusCell();
    const int at = fixedColumns + columnCount;
    InsertColumn(at, app->rowFormatColumnName, std::make_shared<CColumnInfo>(10, 55, -2));
    PushStep(new CUndoStep(CUndoStep::ColumnInserted, this, std::max(focus.row, fixedRows), at));
    if (m_grid->IsValid(focus))
        m_grid->SetFocusCell(focus);
    m_grid->SetColumnWidth(at, 0);
    m_grid->Invalidate();
}

void CSobrelView::OnFormatSet()
{
    const std::vector<int> rows = SelectedDataRows();
    if (rows.empty())
        return;
    CRowFormatDlg dialog;
    dialog.caption = LanguageText(IDS_FORMAT_SET_CAPTION);
    dialog.currentFormat = RowFormatText(rows.front());
    dialog.pageBreakAllowed = FALSE;
    if (dialog.DoModal() != IDOK)
        return;
    const CString format = WithoutPageBreak(dialog.currentFormat);
    SetRowFormats(
        rows, [&format](const CString& old) { return KeepingPageBreak(old, format); },
        Formatted(IDS_FORMAT_SET_GROUP, rows.front(), rows.back()));
}

void CSobrelView::OnFormatClear()
{
    const std::vector<int> rows = SelectedDataRows();
    SetRowFormats(
        rows, [](const CString& old) { return KeepingPageBreak(old, CString()); },
        rows.empty() ? CString() : Formatted(IDS_FORMAT_CLEAR_GROUP, rows.front(), rows.back()));
}

void CSobrelView::OnFormatCopy()
{
    const std::vector<int> rows = SelectedDataRows();
    if (!rows.empty())
        rowFormatClipboard = WithoutPageBreak(RowFormatText(rows.front()));
}

void CSobrelView::OnFormatPaste()
{
    const std::vector<int> rows = SelectedDataRows();
    const CString format = rowFormatClipboard;
    SetRowFormats(
        rows, [&format](const CString& old) { return KeepingPageBreak(old, format); },
        rows.empty() ? CString() : Formatted(IDS_FORMAT_PASTE_GROUP, rows.front(), rows.back()));
}

void CSobrelView::OnFormatReplace()
{
    const std::vector<int> selected = SelectedDataRows();
    if (selected.size() != 1)
        return;
    const CString oldFormat = WithoutPageBreak(RowFormatText(selected.front()));
    if (oldFormat.IsEmpty())
        return;
    CRowFormatDlg dialog;
    dialog.caption = LanguageText(IDS_FORMAT_REPLACE_CAPTION);
    dialog.currentFormat = oldFormat;
    dialog.pageBreakAllowed = FALSE;
    if (dialog.DoModal() != IDOK)
        return;
    const CString newFormat = WithoutPageBreak(dialog.currentFormat);
    // The rows of exactly this format: a longer format that begins with it is another one.
    std::vector<int> rows;
    for (int r = fixedRows; r < m_grid->GetRowCount(); ++r)
        if (WithoutPageBreak(RowFormatText(r)) == oldFormat)
            rows.push_back(r);
    const CString groupText = newFormat.IsEmpty()
                                  ? Formatted(IDS_FORMAT_REMOVE_GROUP, oldFormat.GetString())
                                  : Formatted(IDS_FORMAT_REPLACE_GROUP, oldFormat.GetString(), newFormat.GetString());
    SetRowFormats(rows, [&newFormat](const CString& old) { return KeepingPageBreak(old, newFormat); }, groupText);
}

void CSobrelView::OnFormatColumnShow()
{
    const CCellID focus = m_grid->GetFocusCell();
    formatColumnShown = !formatColumnShown;
    m_grid->UnfreezeColumns();
    frozen = false;
    if (formatColumnShown)
    {
        for (int c = fixedColumns; c < m_grid->GetColumnCount(); ++c)
            if (m_grid->GetColumnWidth(c) == 0)
            {
                m_grid->SetColumnWidth(c, 1);
                m_grid->AutoSizeColumn(c);
            }
    }
    else if (FormatColumn() >= 0)
        m_grid->SetColumnWidth(FormatColumn(), 0);
    if (m_grid->IsValid(focus))
        m_grid->SetFocusCell(focus);
    m_grid->Invalidate();
}

void CSobrelView::OnUpdateFormatColumnInsert(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!editing && Writable() && columnCount > 0 && FormatColumn() < 0);
}

void CSobrelView::OnUpdateFormatSet(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!editing && Writable() && rowCount > 0 && FormatColumn() >= 0 && columnCount > 1 &&
                   ValidSelection());
}

void CSobrelView::OnUpdateFormatClear(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!editing && Writable() && columnCount > 1 && FormatColumn() >= 0 && ValidSelection());
}

void CSobrelView::OnUpdateFormatCopy(CCmdUI* pCmdUI)
{
    const bool oneRow = ValidSelection() && m_grid->GetSelectedCellRange().GetRowSpan() == 1;
    pCmdUI->Enable(!editing && FormatColumn() >= 0 && oneRow && columnCount > 1);
}

void CSobrelView::OnUpdateFormatPaste(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(!editing && Writable() && columnCount > 1 && FormatColumn() >= 0 &&
                   !rowFormatClipboard.IsEmpty() && ValidSelection());
}

void CSobrelView::OnUpdateFormatReplace(CCmdUI* pCmdUI)
{
    const bool oneRow = ValidSelection() && m_grid->GetSelectedCellRange().GetRowSpan() == 1;
    // A page break alone is no format to replace.
    pCmdUI->Enable(!editing && Writable() && columnCount > 1 && FormatColumn() >= 0 && oneRow &&
                   !WithoutPageBreak(RowFormatText(m_grid->GetSelectedCellRange().GetMinRow())).IsEmpty());
}

void CSobrelView::OnUpdateFormatColumnShow(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(rowCount > 1);
    pCmdUI->SetCheck(formatColumnShown ? 1 : 0);
}
