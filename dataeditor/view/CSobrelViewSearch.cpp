// The search of the table window: cells found by text, by number or by date, marked with a
// colour, the rows without a found cell hidden, what was found replaced in one undo group; and
// the clearing of the marks.
#include "dataeditor/view/CSobrelView.h"

#include "dataeditor/app/CSobrelApp.h"
#include "dataeditor/app/LanguageText.h"
#include "dataeditor/document/CColumnInfo.h"
#include "dataeditor/document/CUndoStep.h"
#include "dataeditor/grid/CSobrelGrid.h"
#include "dataeditor/view/CSearchDlg.h"
#include "dataeditor/view/SearchIds.h"
#include "platform/core/MessageBox.h"
#include "platform/core/NumberText.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/WaitCursor.h"

#include <QString>

#include <limits>
#include <optional>

namespace
{
QString ToQt(const CString& text) { return QString::fromUtf8(text.GetString()); }

CString FromQt(const QString& text) { return CString(text.toUtf8().constData()); }

// A text search: the whole cell or a part of it, with or without regard to case (letters
// folded as Unicode folds them).
class TextMatch
{
public:
    TextMatch(const CString& text, bool wholeCell, bool caseSensitive)
        : m_text(text), m_qtText(ToQt(text)), m_wholeCell(wholeCell),
          m_case(caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive)
    {
    }

    bool Matches(const CString& cell) const
    {
        if (m_case == Qt::CaseSensitive)
            return m_wholeCell ? cell == m_text : cell.Find(m_text) >= 0;
        const QString text = ToQt(cell);
        return m_wholeCell ? text.compare(m_qtText, Qt::CaseInsensitive) == 0
                           : text.contains(m_qtText, Qt::CaseInsensitive);
    }

    // The cell's text after the replacement: the replacement itself for a whole cell, else
    // every occurrence replaced, whatever its case when case does not count.
    CString Replaced(const CString& cell, const CString& replacement) const
    {
        if (m_wholeCell)
            return replacement;
        if (m_text.IsEmpty())
            return cell;
        return FromQt(ToQt(cell).replace(m_qtText, ToQt(replacement), m_case));
    }

private:
    CString m_text;
    QString m_qtText;
    bool m_wholeCell;
    Qt::CaseSensitivity m_case;
};

CSobrelOptions& DefaultOptions()
{
    static CSobrelOptions options;
    return options;
}
} // namespace

CSobrelOptions& CSobrelView::SearchOptions() const
{
    if (options)
        return *options;
    if (CSobrelApp* app = SobrelApp())
        return app->options;
    return DefaultOptions();
}

int CSobrelView::Search(bool showDialog)
{
    if (!m_grid || columnCount <= 0)
        return 0;
    CSobrelGrid& grid = *m_grid;
    CSobrelOptions& settings = SearchOptions();

    // The scope: the whole table for no selection or a single cell (a single row in whole-row
    // mode), else the selection's range with its selected cells.
    const CCellRange range = grid.GetSelectedCellRange();
    const bool validRange = ValidSelection();
    const bool single = !validRange || (range.GetMinRow() == range.GetMaxRow() &&
                                        (grid.GetRowSelectMode() || range.GetMinCol() == range.GetMaxCol()));
    const int firstRow = single ? fixedRows : std::max(range.GetMinRow(), fixedRows);
    const int lastRow = single ? grid.GetRowCount() - 1 : std::min(range.GetMaxRow(), grid.GetRowCount() - 1);
    const int firstColumn = single ? fixedColumns : std::max(range.GetMinCol(), fixedColumns);
    const int lastColumn =
        single ? grid.GetColumnCount() - 1 : std::min(range.GetMaxCol(), grid.GetColumnCount() - 1);
    const int width = std::max(0, lastColumn - firstColumn + 1);
    std::vector<bool> counted;
    if (!single)
    {
        counted.resize(std::size_t(std::max(0, lastRow - firstRow + 1)) * std::size_t(width));
        for (int r = firstRow; r <= lastRow; ++r)
            for (int c = firstColumn; c <= lastColumn; ++c)
                counted[std::size_t(r - firstRow) * std::size_t(width) + std::size_t(c - firstColumn)] =
                    grid.IsCellSelected(r, c);
    }
    const auto counts = [&](int r, int c) {
        return single || counted[std::size_t(r - firstRow) * std::size_t(width) + std::size_t(c - firstColumn)];
    };

    // The number and date modes need such a column (with a selected cell) in the scope.
    bool numbers = false;
    bool dates = false;
    for (int c = firstColumn; c <= lastColumn; ++c)
    {
        const CColumnInfo* info = grid.GetColumnInfo(c);
        if (!info || !(info->IsNumeric() || info->type == 8))
            continue;
        bool selected = single;
        for (int r = firstRow; !selected && r <= lastRow; ++r)
            selected = counts(r, c);
        if (selected && info->IsNumeric())
            numbers = true;
        if (selected && info->type == 8)
            dates = true;
    }

    const bool editable = grid.IsEditable() != FALSE;
    if (showDialog)
    {
        CSearchDlg dialog(this);
        dialog.numbersAvailable = numbers;
        dialog.datesAvailable = dates;
        dialog.editable = editable;
        dialog.text = searchText;
        dialog.wholeCell = settings.searchAllWord;
        dialog.caseSensitive = settings.searchCaseSensitive;
        dialog.mode = settings.searchMode;
        dialog.lower = lowerNumber;
        dialog.upper = upperNumber;
        dialog.numberType = settings.searchNumberType;
        dialog.from = fromDate;
        dialog.to = toDate;
        dialog.dateType = settings.searchDateType;
        dialog.mark = settings.searchResultColor;
        dialog.colour = settings.searchColor;
        dialog.hide = settings.searchResultShow;
        dialog.replace = settings.searchReplace;
        dialog.replacement = replacementText;
        if (dialog.DoModal() != IDOK)
            return -1;
        searchText = dialog.text;
        settings.searchAllWord = dialog.wholeCell;
        settings.searchCaseSensitive = dialog.caseSensitive;
        settings.searchMode = dialog.mode;
        lowerNumber = dialog.lower;
        upperNumber = dialog.upper;
        settings.searchNumberType = dialog.numberType;
        fromDate = dialog.from;
        toDate = dialog.to;
        settings.searchDateType = dialog.dateType;
        settings.searchResultColor = dialog.mark;
        settings.searchColor = dialog.colour;
        settings.searchResultShow = dialog.hide;
        if (editable)
            settings.searchReplace = dialog.replace;
        replacementText = dialog.replacement;
    }

    CWaitCursor wait;
    const int mode = settings.searchMode;
    const bool mark = settings.searchResultColor != 0;
    const bool hide = settings.searchResultShow != 0;
    const bool replace = settings.searchReplace != 0 && editable;
    const TextMatch textMatch(searchText, settings.searchAllWord != 0, settings.searchCaseSensitive != 0);
    double minimum = std::numeric_limits<double>::max();
    double maximum = std::numeric_limits<double>::lowest();
    bool found = false;
    bool grouped = false;

    const auto pass = [&](int numberType, double number) {
        const bool tracking = mode == CSearchDlg::numberMode &&
                              (numberType == CSearchDlg::numberMinimum || numberType == CSearchDlg::numberMaximum);
        for (int r = firstRow; r <= lastRow; ++r)
        {
            if (grid.GetRowHeight(r) == 0)
                continue;
            bool rowFound = false;
            for (int c = firstColumn; c <= lastColumn; ++c)
            {
                if (grid.GetColumnWidth(c) == 0 || !counts(r, c))
                    continue;
                const CColumnInfo* info = grid.GetColumnInfo(c);
                const CString text = grid.GetDataText(r, c, TRUE);
                bool hit = false;
                if (mode == CSearchDlg::textMode)
                    hit = textMatch.Matches(text);
                else if (mode == CSearchDlg::numberMode)
                {
                    double value = 0;
                    if (!info || !info->IsNumeric() || text.IsEmpty() || !NumberText::Parse(std::string(text), value))
                        continue;
                    if (numberType == CSearchDlg::numberRange)
                        hit = lowerNumber <= value && value <= upperNumber;
                    else if (numberType == CSearchDlg::numberEqual)
                        hit = value == number;
                    else
                    {
                        minimum = std::min(minimum, value);
                        maximum = std::max(maximum, value);
                    }
                }
                else if (mode == CSearchDlg::dateMode)
                {
                    if (!info || info->type != 8)
                        continue;
                    COleDateTime date;
                    date.ParseDateTime(text, VAR_DATEVALUEONLY);
                    if (settings.searchDateType == CSearchDlg::dateRange)
                        hit = date.GetStatus() == COleDateTime::valid && fromDate <= date && date <= toDate;
                    else
                        hit = date.GetStatus() == fromDate.GetStatus() && date == fromDate;
                }
                if (!hit)
                    continue;
                rowFound = true;
                if (mark)
                    grid.SetItemBkColour(r, c, settings.searchColor);
                if (replace)
                {
                    const CString newText =
                        mode == CSearchDlg::textMode ? textMatch.Replaced(text, replacementText) : replacementText;
                    if (newText != text)
                    {
                        if (!grouped)
                        {
                            CString name;
                            name.Format(LanguageText(IDS_SEARCH_REPLACED).GetString(), replacementText.GetString());
                            PushStep(new CUndoStep(CUndoStep::GroupBegin, this, r, c, name));
                            grouped = true;
                        }
                        SetCellText(r, c, newText);
                    }
                }
                if (!found)
                {
                    const CCellID focus = grid.GetFocusCell();
                    if (grid.IsValid(focus))
                        grid.SetItemState(focus.row, focus.col, grid.GetItemState(focus.row, focus.col) & ~GVIS_SELECTED);
                    grid.SetFocusCell(r, c);
                    grid.EnsureVisible(r, c);
                    found = true;
                }
            }
            if (hide && !tracking && !rowFound)
                grid.SetRowHeight(r, 0);
        }
    };

    const int numberType = settings.searchNumberType;
    pass(numberType, lowerNumber);
    if (mode == CSearchDlg::numberMode && numberType == CSearchDlg::numberMinimum)
        pass(CSearchDlg::numberEqual, minimum);
    else if (mode == CSearchDlg::numberMode && numberType == CSearchDlg::numberMaximum)
        pass(CSearchDlg::numberEqual, maximum);

    if (!found)
    {
        ClearFoundMarks();
        AfxMessageBox(LanguageText(IDS_SEARCH_NOTHING), MB_OK);
        this->found = false;
        return 0;
    }
    if (grouped)
        PushStep(new CUndoStep(CUndoStep::GroupEnd, this, -1, -1));
    grid.Refresh();
    this->found = true;
    return 1;
}

void CSobrelView::OnSearch() { Search(true); }

void CSobrelView::OnClearSearchMarks() { ClearFoundMarks(); }

void CSobrelView::OnUpdateSearch(CCmdUI* pCmdUI) { pCmdUI->Enable(!editing && (rowCount > 1 || columnCount > 1)); }

void CSobrelView::OnUpdateClearSearchMarks(CCmdUI* pCmdUI) { pCmdUI->Enable(!editing && found); }
