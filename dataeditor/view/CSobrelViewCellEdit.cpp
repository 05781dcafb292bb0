// A cell edited in place (or changed by the grid's paste, cut and Delete, which report their
// cells the same way): the old text is kept when the edit begins and journalled when the text
// changed; an edit that ends in the table's last cell may add a row.
#include "dataeditor/view/CSobrelView.h"

#include "controls/grid/GridDefs.h"
#include "controls/grid/GridNotify.h"
#include "dataeditor/app/CSobrelApp.h"
#include "dataeditor/app/LanguageText.h"
#include "dataeditor/app/SobrelIds.h"
#include "dataeditor/document/CColumnInfo.h"
#include "dataeditor/document/CUndoStep.h"
#include "dataeditor/grid/CSobrelGrid.h"
#include "dataeditor/view/ViewIds.h"
#include "platform/core/MessageBox.h"
#include "platform/frame/CFrameWnd.h"

namespace
{
constexpr UINT kGridId = 1658;
}

BOOL CSobrelView::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (!m_grid || !header || header->idFrom != kGridId)
        return CView::OnNotify(wParam, lParam, pResult);
    const auto* note = reinterpret_cast<const GridNotify*>(lParam);
    switch (int(header->code))
    {
    case GVN_BEGINLABELEDIT: BeginCellEdit(note->iRow, note->iColumn); break;
    case GVN_ENDLABELEDIT: EndCellEdit(note->iRow, note->iColumn); break;
    case GVN_SELCHANGING: skipNextSelectionChange = false; break;
    case GVN_SELCHANGED: FocusChanged(note->iRow, note->iColumn); break;
    default: return CView::OnNotify(wParam, lParam, pResult);
    }
    if (pResult)
        *pResult = 0;
    return TRUE;
}

void CSobrelView::BeginCellEdit(int row, int col)
{
    editing = true;
    CSobrelApp* app = SobrelApp();
    m_grid->SetKeyAfterEnter(app && app->options.afterEditDirection ? VK_DOWN : VK_TAB);
    m_savedText = m_grid->GetItemText(row, col);
}

void CSobrelView::EndCellEdit(int row, int col)
{
    // The grid's own in-place editor is still there when a typed edit ends.
    const bool typed = m_grid->GetDlgItem(IDC_INPLACE_CONTROL) != nullptr;
    const CString text = m_grid->GetItemText(row, col);
    if (text != m_savedText)
    {
        CColumnInfo* info = m_grid->GetColumnInfo(col);
        m_grid->SetItemTextTyped(row, col, text, info && info->type == 1);
        if (typed)
        {
            m_grid->AutoSizeColumn(col);
            m_grid->AutoSizeRow(row);
        }
        PushStep(new CUndoStep(CUndoStep::CellText, this, row, col, m_savedText));
        m_grid->Invalidate();
    }
    CSobrelApp* app = SobrelApp();
    if (typed && app && app->options.addRowOnEnd && IsLastVisibleCell(row, col))
    {
        bool add = true;
        if (app->options.askOnAddRowOnEnd)
        {
            add = ::MessageBox(GetSafeHwnd(), LanguageText(IDS_ADD_ROW_QUESTION), LanguageText(IDS_ADD_ROW_CAPTION),
                               MB_YESNO | MB_ICONQUESTION) == IDYES;
            if (!add)
                m_grid->SetFocusCell(row, col - 1);
        }
        if (add)
        {
            InsertRow(row + 1);
            PushStep(new CUndoStep(CUndoStep::RowInserted, this, row, col, "&"));
            m_grid->SetFocusCell(row, col);
        }
    }
    editing = false;
}

namespace
{
// The text without the blanks, tabs, no-break spaces and the locale's thousands separator a
// number may be grouped with.
CString WithoutGrouping(const CString& text, const CString& thousandSeparator)
{
    CString number = text;
    if (!thousandSeparator.IsEmpty())
        number.Replace(thousandSeparator, "");
    for (const char* blank : {" ", "\t", "\xC2\xA0", "\xE2\x80\xAF", "\xE2\x80\x89"})
        number.Replace(blank, "");
    return number;
}
} // namespace

bool CSobrelView::AcceptEditedNumber(int row, int col, CString& text)
{
    CColumnInfo* info = m_grid->GetColumnInfo(col);
    CSobrelApp* app = SobrelApp();
    // A text left as it was is no edit (a cell may hold what the file held).
    if (!info || !info->IsNumeric() || row < fixedRows || !app || text == m_grid->GetItemText(row, col))
        return true;
    const CString number = WithoutGrouping(text, app->thousandSeparator);
    if (number.IsEmpty() || app->IsNumberText(number))
    {
        text = number;
        return true;
    }
    CString message;
    message.Format(LanguageText(IDS_NOT_A_NUMBER), LPCTSTR(m_grid->GetItemText(0, col)), LPCTSTR(text));
    AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
    return false;
}

void CSobrelView::FocusChanged(int row, int col)
{
    ShowColumnDescription(col);
    m_grid->ApplyValueList(row, col);
}

void CSobrelView::ShowColumnDescription(int col)
{
    auto* frame = dynamic_cast<CFrameWnd*>(AfxGetMainWnd());
    if (!frame)
        return;
    // A column without a description clears the one of the column left.
    const std::shared_ptr<CColumnInfo> info = ColumnInfo(col);
    if (info && !info->description.IsEmpty())
        frame->SetMessageText(info->description);
    else
        frame->SetMessageText(AFX_IDS_IDLEMESSAGE);
}

bool CSobrelView::IsLastVisibleCell(int row, int col) const
{
    int lastColumn = m_grid->GetColumnCount() - 1;
    while (lastColumn >= fixedColumns && m_grid->GetColumnWidth(lastColumn) == 0)
        --lastColumn;
    int lastRow = m_grid->GetRowCount() - 1;
    while (lastRow >= fixedRows && m_grid->GetRowHeight(lastRow) == 0)
        --lastRow;
    return row == lastRow && col == lastColumn;
}
