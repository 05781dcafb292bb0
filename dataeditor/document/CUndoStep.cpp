#include "dataeditor/document/CUndoStep.h"

#include "dataeditor/grid/CSobrelGrid.h"
#include "dataeditor/document/CColumnInfo.h"
#include "dataeditor/document/CSobrelDoc.h"
#include "dataeditor/app/CSobrelApp.h"
#include "dataeditor/app/LanguageText.h"
#include "dataeditor/view/CSobrelView.h"

#include <algorithm>

namespace
{
template <class... Args> CString FormatId(UINT id, const Args&... args)
{
    CString text;
    text.Format(LanguageText(id), args...);
    return text;
}
} // namespace

CUndoStep::CUndoStep(int kind, CSobrelView* view, int row, int column, const CString& oldText,
                     std::shared_ptr<CColumnInfo> previousInfo, int other, int count, int selectionRow)
    : kind(kind), view(view), row(row), column(column), other(other), selectionRow(selectionRow), oldText(oldText)
{
    CGridCtrl* grid = view ? view->Grid() : nullptr;
    switch (kind)
    {
    case GroupEnd:
        this->row = this->column = -1;
        break;
    case CellText:
    {
        newText = grid->GetItemText(row, column);
        // A new display of the same value (a retyped column): the value goes with either text.
        CString value, forText;
        if (grid->GetItemKeptValue(row, column, value, forText) && forText == newText)
            keptValues.push_back({column, value, forText});
        break;
    }
    case RowDeleted:
        for (int c = 0; c < grid->GetColumnCount(); ++c)
        {
            rowTexts.push_back(grid->GetItemText(row, c));
            KeepValue(row, c, c);
        }
        break;
    case ColumnInserted:
        columnInfo = view->ColumnInfo(column);
        newText = oldText.IsEmpty() ? grid->GetItemText(0, column) : oldText;
        this->oldText.Empty();
        break;
    case ColumnDeleted:
        for (int r = 0; r < grid->GetRowCount(); ++r)
        {
            columnTexts.push_back(grid->GetItemText(r, column));
            KeepValue(r, column, r);
        }
        columnInfo = view->ColumnInfo(column);
        break;
    case ColumnDescription:
        this->previousInfo = std::move(previousInfo);
        if (auto current = view->ColumnInfo(column))
            columnInfo = std::make_shared<CColumnInfo>(*current);
        newText = grid->GetItemText(0, column);
        break;
    case RowsSorted:
        this->other = other;
        for (int r = other; r < other + count && r < grid->GetRowCount(); ++r)
            columnTexts.push_back(grid->GetItemText(r, 0));
        sortColumn = grid->GetSortColumn();
        break;
    case TableName:
        if (CSobrelDoc* document = view ? view->Document() : nullptr)
            newText = document->tableName;
        break;
    case RowFormat:
    {
        const int format = view->FormatColumn();
        newText = format >= 0 ? grid->GetItemText(row, format) : CString();
        break;
    }
    default:
        break;
    }
}

CUndoStep::~CUndoStep() = default;

void CUndoStep::Undo(bool quiet)
{
    ++view->replayCount;
    Act(true);
    FocusAfter(quiet);
}

void CUndoStep::Redo(bool quiet)
{
    ++view->replayCount;
    Act(false);
    FocusAfter(quiet);
}

void CUndoStep::FocusAfter(bool quiet)
{
    CGridCtrl* grid = view->Grid();
    if (!grid)
        return;
    if (row != -1 && column != -1 && !quiet && grid->IsValid(row, column))
    {
        grid->SetFocusCell(row, column);
        grid->SetSelectedRange(row, column, row, column);
    }
    if (kind == RowsSorted && view->columnCount > 0)
    {
        const int lastColumn = view->fixedColumns + view->columnCount - 1;
        if (selectionRow == -1)
            grid->SetSelectedRange(other, view->fixedColumns, other + int(columnTexts.size()) - 1, lastColumn);
        else
            grid->SetSelectedRange(selectionRow, view->fixedColumns, selectionRow, lastColumn);
        grid->Refresh();
    }
}

void CUndoStep::SetCell(const CString& text)
{
    CSobrelGrid* grid = view->Grid();
    grid->SetItemText(row, column, text);
    grid->AutoSizeColumnWithButton(column, FALSE);
    grid->Refresh();
}

void CUndoStep::SetDescription(const CString& header, const CColumnInfo& from)
{
    CGridCtrl* grid = view->Grid();
    grid->SetItemText(0, column, header);
    if (auto info = view->ColumnInfo(column))
    {
        info->type = from.type;
        info->decimals = from.decimals;
        info->size = from.size;
    }
    view->Grid()->SetColumnFormat(column);
    grid->AutoSizeColumn(column);
    grid->Refresh();
}

void CUndoStep::SetFormat(const CString& text)
{
    view->SetRowFormat(row, text);
    view->Grid()->Refresh();
}

void CUndoStep::Act(bool undo)
{
    CGridCtrl* grid = view->Grid();
    switch (kind)
    {
    case GroupBegin:
        if (undo)
            view->ApplyRowFormats();
        break;
    case GroupEnd:
        if (!undo)
            view->ApplyRowFormats();
        break;
    case CellText:
        SetCell(undo ? oldText : newText);
        if (!keptValues.empty())
            grid->SetItemValueText(row, column, keptValues.front().value);
        break;
    case RowInserted:
    {
        const bool after = oldText == "&";
        if (undo)
            view->DeleteRow(after ? row + 1 : row);
        else
        {
            view->InsertRow(after ? row + 1 : row);
            if (after)
                grid->SetFocusCell(row + 1, view->fixedColumns);
        }
        break;
    }
    case RowDeleted:
        if (undo)
        {
            view->InsertRow(row);
            for (std::size_t c = 1; c < rowTexts.size() && int(c) < grid->GetColumnCount(); ++c)
                grid->SetItemText(row, int(c), rowTexts[c]);
            RestoreValues(row, -1);
            view->ApplyRowFormats();
        }
        else
        {
            view->DeleteRow(row);
            row = std::min(row, grid->GetRowCount() - 1);
        }
        break;
    case RowMoved:
        if (undo)
            view->MoveRow(other, row);
        else
        {
            view->MoveRow(row, other);
            grid->SetFocusCell(other, std::max(column, view->fixedColumns));
        }
        break;
    case ColumnInserted:
        if (undo)
        {
            const int last = view->fixedColumns + view->columnCount - 1;
            view->DeleteColumn(column == view->FormatColumn() ? last : column);
            StepFocusBack(column >= last);
        }
        else
        {
            const bool format = newText == SobrelFormatColumnName();
            const int at = format ? view->fixedColumns + view->columnCount : column;
            view->InsertColumn(at, newText, columnInfo);
            if (format)
                grid->SetColumnWidth(at, 0);
        }
        break;
    case ColumnDeleted:
        if (undo)
            UndoColumnDeleted();
        else
        {
            const bool wasLast = column >= view->fixedColumns + view->columnCount - 1;
            view->DeleteColumn(column);
            StepFocusBack(wasLast);
        }
        break;
    case ColumnMoved:
        if (undo)
            view->MoveColumn(other, column);
        else
        {
            view->MoveColumn(column, other);
            grid->SetFocusCell(std::max(row, view->fixedRows), other);
        }
        break;
    case ColumnDescription:
        if (undo && previousInfo)
            SetDescription(oldText, *previousInfo);
        else if (!undo && columnInfo)
            SetDescription(newText, *columnInfo);
        break;
    case RowsSorted:
        if (undo)
        {
            grid->SetFocusCell(-1, -1);
            for (std::size_t i = 0; i < columnTexts.size(); ++i)
                grid->SetItemText(other + int(i), 0, columnTexts[i]);
            view->SortRowsByNumber(other, int(columnTexts.size()));
            grid->SetSortColumn(sortColumn);
        }
        else
        {
            RedoSort();
            grid->SetSortColumn(column);
        }
        grid->SetSortAscending(!grid->GetSortAscending());
        break;
    case TableName:
        if (CSobrelDoc* document = view->Document())
            document->ApplyTableName(undo ? oldText : newText, undo ? newText : oldText);
        break;
    case RowFormat:
        SetFormat(undo ? oldText : newText);
        break;
    default:
        break;
    }
}

void CUndoStep::StepFocusBack(bool deletedWasLast)
{
    CGridCtrl* grid = view->Grid();
    if (deletedWasLast && view->columnCount > 0)
        grid->SetFocusCell(std::max(row, view->fixedRows), view->fixedColumns + view->columnCount - 1);
}

void CUndoStep::UndoColumnDeleted()
{
    CGridCtrl* grid = view->Grid();
    const bool hadNoColumns = view->columnCount == 0;
    view->InsertColumn(column, columnTexts.empty() ? CString() : columnTexts[0], columnInfo);
    if (hadNoColumns)
    {
        const int rows = int(columnTexts.size());
        grid->SetRowCount(rows);
        view->rowCount = rows - view->fixedRows;
        view->RenumberRows(view->fixedRows);
    }
    for (std::size_t r = 1; r < columnTexts.size() && int(r) < grid->GetRowCount(); ++r)
        grid->SetItemText(int(r), column, columnTexts[r]);
    RestoreValues(-1, column);
    view->Grid()->ApplyValueListToColumn(column);
    grid->AutoSizeColumn(column);
    grid->Refresh();
}

void CUndoStep::RedoSort()
{
    // Orders the range as the saved row numbers run (each row whole, with its cells' values as
    // read), then numbers it afresh.
    CGridCtrl* grid = view->Grid();
    const int count = int(columnTexts.size());
    std::vector<int> order;
    std::vector<bool> used(std::size_t(count), false);
    for (const CString& number : columnTexts)
        for (int i = 0; i < count; ++i)
            if (!used[std::size_t(i)] && grid->GetItemText(other + i, 0) == number)
            {
                used[std::size_t(i)] = true;
                order.push_back(i);
                break;
            }
    for (int i = 0; i < count; ++i)
        if (!used[std::size_t(i)])
            order.push_back(i);
    grid->ReorderRows(other, order);
    view->RenumberRows(other);
    grid->Refresh();
}

void CUndoStep::KeepValue(int row, int column, int at)
{
    CString value, forText;
    if (view->Grid()->GetItemKeptValue(row, column, value, forText))
        keptValues.push_back({at, value, forText});
}

void CUndoStep::RestoreValues(int row, int column)
{
    CGridCtrl* grid = view->Grid();
    for (const KeptValue& kept : keptValues)
        grid->SetItemValueText(row == -1 ? kept.at : row, column == -1 ? kept.at : column, kept.value, kept.forText);
}

CString CUndoStep::Describe() const
{
    switch (kind)
    {
    case GroupBegin: return oldText + LanguageText(1104);
    case GroupEnd: return CString();
    case CellText:
        return FormatId(1110, LPCTSTR(oldText.IsEmpty() ? LanguageText(1111) : oldText),
                        LPCTSTR(newText.IsEmpty() ? LanguageText(1112) : newText));
    case RowInserted: return FormatId(1106, row);
    case RowDeleted: return FormatId(1107, row);
    case RowMoved: return FormatId(1108, row, other);
    case ColumnInserted:
        return newText == SobrelFormatColumnName() ? LanguageText(1097) : FormatId(1096, column, LPCTSTR(newText));
    case ColumnDeleted: return FormatId(1098, column, LPCTSTR(columnTexts.empty() ? CString() : columnTexts[0]));
    case ColumnMoved: return FormatId(1099, column, other);
    case ColumnDescription: return FormatId(1100, column);
    case RowsSorted: return FormatId(1109, sortColumn < 0 ? column : sortColumn);
    case TableName: return FormatId(1105, LPCTSTR(oldText), LPCTSTR(newText));
    case RowFormat:
        if (oldText.IsEmpty())
            return FormatId(1101, LPCTSTR(newText), row);
        if (!newText.IsEmpty())
            return FormatId(1102, row);
        return FormatId(1103, LPCTSTR(oldText), LPCTSTR(newText), row);
    default: return CString();
    }
}
