#include "dataeditor/grid/CSobrelGrid.h"

#include "dataeditor/app/CSobrelApp.h"
#include "dataeditor/app/SobrelIds.h"
#include "dataeditor/document/CColumnInfo.h"
#include "dataeditor/document/CSobrelDoc.h"
#include "dataeditor/document/CUndoStep.h"
#include "controls/grid/CGridCellCombo.h"
#include "dataeditor/grid/CGridClipboardInfo.h"
#include "dataeditor/grid/CGridRowSort.h"
#include "dataeditor/grid/CHeaderFooter.h"
#include "dataeditor/grid/CRowFormat.h"
#include "dataeditor/grid/SobrelGridPrintLayout.h"
#include "dataeditor/view/CSobrelView.h"
#include "dataeditor/view/CTableExport.h"
#include "platform/core/COleDateTime.h"
#include "platform/core/NumberText.h"
#include "platform/gdi/SystemMetrics.h"
#include "platform/ui/CClientDC.h"
#include "platform/ui/COleDataObject.h"
#include "platform/ui/COleDataSource.h"
#include "platform/ui/KeyMap.h"
#include "platform/ui/ClipboardFormat.h"
#include "platform/ui/WaitCursor.h"

#include <algorithm>
#include <cstdlib>

IMPLEMENT_DYNCREATE(CSobrelGrid, CGridCtrl)

namespace
{
// Pixels per logical inch of the screen; 96 without a window.
int PixelsPerInch(const CWnd* wnd)
{
    if (wnd && wnd->GetSafeHwnd())
    {
        CClientDC dc(const_cast<CWnd*>(wnd));
        if (const int pixels = dc.GetDeviceCaps(LOGPIXELSY); pixels > 0)
            return pixels;
    }
    return 96;
}

constexpr UINT kRightSingle = DT_RIGHT | DT_VCENTER | DT_SINGLELINE;
constexpr UINT kWordBreak = DT_VCENTER | DT_WORDBREAK;
constexpr UINT kLeftSingle = DT_VCENTER | DT_SINGLELINE;
constexpr int kButtonWidth = 20;

// The thousands separator of the options (a blank without the application).
CString ThousandSeparator()
{
    CSobrelApp* app = SobrelApp();
    return app ? app->thousandSeparator : CString(" ");
}
} // namespace

CSobrelGrid::CSobrelGrid(int nRows, int nCols, int nFixedRows, int nFixedCols)
    : CGridCtrl(nRows, nCols, nFixedRows, nFixedCols)
{
    SetPolicy(GridPolicy::Editor());
    LoadLanguageTexts();
}

CSobrelGrid::~CSobrelGrid() = default;

void CSobrelGrid::LoadLanguageTexts()
{
    if (!falseText.LoadString(IDS_BOOL_FALSE))
        falseText = "Ne";
    if (!trueText.LoadString(IDS_BOOL_TRUE))
        trueText = "Ano";
    if (CSobrelApp* app = SobrelApp())
    {
        indexColumnName = app->indexColumnName;
        formatColumnName = app->rowFormatColumnName;
    }
    if (formatColumnName.IsEmpty() && !formatColumnName.LoadString(IDS_FORMAT_COLUMN))
        formatColumnName = "Format";
}

// --- Column descriptions and texts ------------------------------------------------------------

void CSobrelGrid::FreezeColumns(int fixedCount)
{
    if (!Frozen())
        m_unfrozenFixedColumns = GetFixedColumnCount();
    SetFixedColumnCount(fixedCount);
}

void CSobrelGrid::UnfreezeColumns()
{
    if (Frozen())
        SetFixedColumnCount(m_unfrozenFixedColumns);
    m_unfrozenFixedColumns = -1;
}

int CSobrelGrid::FirstDataColumn() const
{
    return Frozen() ? std::min(m_unfrozenFixedColumns, GetFixedColumnCount()) : GetFixedColumnCount();
}

CColumnInfo* CSobrelGrid::GetColumnInfo(int col) const
{
    if (col < FirstDataColumn() || col >= GetColumnCount() || GetRowCount() < 1)
        return nullptr;
    return reinterpret_cast<CColumnInfo*>(GetItemData(0, col));
}

void CSobrelGrid::SetColumnInfo(int col, CColumnInfo* info)
{
    if (col < FirstDataColumn() || col >= GetColumnCount())
        return;
    if (CGridCellBase* heading = GetCell(0, col))
        heading->SetData(reinterpret_cast<LPARAM>(info));
}

int CSobrelGrid::FindColumnByName(const CString& name) const
{
    if (GetRowCount() < 1)
        return -1;
    for (int col = 0; col < GetColumnCount(); ++col)
        if (GetDataText(0, col, FALSE) == name)
            return col;
    return -1;
}

CString CSobrelGrid::GetItemTextByColName(int row, const CString& name, BOOL forData) const
{
    return GetDataText(row, FindColumnByName(name), forData);
}

void CSobrelGrid::SetItemTextByColName(int row, const CString& name, const CString& text)
{
    SetItemTextTyped(row, FindColumnByName(name), text, FALSE);
}

CString CSobrelGrid::GetDataText(int row, int col, BOOL forData) const
{
    const int dataRow = DataRow(row, col);
    if (dataRow < 0)
        return CString();
    CString text = PeekItemText(dataRow, col);
    const CColumnInfo* info = dataRow >= GetFixedRowCount() ? GetColumnInfo(col) : nullptr;
    if (forData && info && info->IsNumeric())
    {
        if (CString value; GetReadValue(row, col, value))
            return value;
        if (const CString separator = ThousandSeparator(); !separator.IsEmpty())
            text.Replace(separator, "");
    }
    return text;
}

int CSobrelGrid::DataRow(int row, int col) const
{
    if (!IsValid(row, col))
        return -1;
    if (row < GetFixedRowCount())
        return row;
    if (const auto mapped = rowSubstitution.find(row); mapped != rowSubstitution.end())
        return IsValid(mapped->second, col) ? mapped->second : -1;
    return excludedColumns.count(col) ? -1 : row;
}

BOOL CSobrelGrid::GetReadValue(int row, int col, CString& value) const
{
    const int dataRow = DataRow(row, col);
    if (dataRow < GetFixedRowCount())
        return FALSE;
    const CColumnInfo* info = GetColumnInfo(col);
    const LPCTSTR read = info && info->IsReal() ? PeekItemValueText(dataRow, col) : nullptr;
    if (!read)
        return FALSE;
    value = read;
    return TRUE;
}

void CSobrelGrid::SetReadValue(int row, int col, const CString& value)
{
    SetItemValueText(row, col, value);
}

void CSobrelGrid::ApplyValueLists()
{
    for (int col = FirstDataColumn(); col < GetColumnCount(); ++col)
        ApplyValueListToColumn(col);
}

void CSobrelGrid::ApplyValueListToColumn(int col)
{
    const CColumnInfo* info = GetColumnInfo(col);
    if (!info || info->values.empty())
        return;
    const CStringArray options = ValueOptions(*info);
    for (int row = GetFixedRowCount(); row < GetRowCount(); ++row)
        SetDropDownCell(row, col, options);
}

void CSobrelGrid::ApplyValueListsToRow(int row)
{
    for (int col = FirstDataColumn(); col < GetColumnCount(); ++col)
        ApplyValueList(row, col);
}

void CSobrelGrid::ApplyValueList(int row, int col)
{
    const CColumnInfo* info = row >= GetFixedRowCount() ? GetColumnInfo(col) : nullptr;
    if (info && !info->values.empty() && IsValid(row, col))
        SetDropDownCell(row, col, ValueOptions(*info));
}

CStringArray CSobrelGrid::ValueOptions(const CColumnInfo& info)
{
    CStringArray options;
    for (const CString& value : info.values)
        options.Add(value);
    return options;
}

void CSobrelGrid::SetDropDownCell(int row, int col, const CStringArray& options)
{
    const CGridCellBase* cell = GetExistingCell(row, col);
    if (!cell || !cell->IsKindOf(RUNTIME_CLASS(CGridCellCombo)))
        SetCellType(row, col, RUNTIME_CLASS(CGridCellCombo));
    if (auto* combo = dynamic_cast<CGridCellCombo*>(GetCell(row, col)))
        combo->SetOptions(options);
}

UINT CSobrelGrid::CellFormat(int row, int col) const
{
    if (row < GetFixedRowCount())
        return col == 0 ? DT_CENTER | DT_VCENTER | DT_SINGLELINE : kWordBreak;
    if (col < FirstDataColumn() || GetFixedColumnCount() == 0)
        return kRightSingle;
    const CColumnInfo* info = GetColumnInfo(col);
    if (info && (info->IsNumeric() || info->IsDate()))
        return kRightSingle;
    if (info && info->IsText())
        return kWordBreak;
    return kLeftSingle;
}

BOOL CSobrelGrid::SetItemTextTyped(int row, int col, const CString& text, BOOL typed)
{
    if (!SetItemFormat(row, col, CellFormat(row, col)))
        return FALSE;
    const CColumnInfo* info = row >= GetFixedRowCount() ? GetColumnInfo(col) : nullptr;
    if (typed && info)
        return SetItemText(row, col, FormatValueText(text, info->type, info->decimals, falseText, trueText));
    return SetItemText(row, col, text);
}

void CSobrelGrid::RetypeCell(int row, int col)
{
    CString read;
    const bool unedited = GetReadValue(row, col, read);
    const CString data = GetDataText(row, col, TRUE);
    SetItemTextTyped(row, col, data, TRUE);
    // A new display form is no edit: the value as read stays for the file, and a real that
    // the new form rounds keeps the value it had.
    double value = 0;
    if (unedited)
        SetReadValue(row, col, read);
    else if (const CColumnInfo* info = GetColumnInfo(col);
             info && info->IsReal() && NumberText::Parse(data.str(), value) && !ShowsValue(row, col, value))
        SetReadValue(row, col, data);
}

BOOL CSobrelGrid::ShowsValue(int row, int col, double value) const
{
    double shown = 0;
    return NumberText::Parse(GetDataText(row, col, TRUE).str(), shown) && shown == value;
}

void CSobrelGrid::SetColumnFormat(int col)
{
    if (col < 0 || col >= GetColumnCount())
        return;
    for (int row = GetFixedRowCount(); row < GetRowCount(); ++row)
        SetItemFormat(row, col, CellFormat(row, col));
}

BOOL CSobrelGrid::SetColumnItemData(int col, LPARAM data)
{
    const CColumnInfo* info = GetColumnInfo(col);
    if (!info || !info->IsText())
        return FALSE;
    // The heading cell keeps the column's description.
    for (int row = GetFixedRowCount(); row < GetRowCount(); ++row)
        SetItemData(row, col, data);
    return TRUE;
}

BOOL CSobrelGrid::SetColumnBreakWidth(int col, int width)
{
    const CColumnInfo* info = GetColumnInfo(col);
    if (!info || !info->IsText())
        return FALSE;
    for (int row = GetFixedRowCount(); row < GetRowCount(); ++row)
        SetItemMaxTextWidth(row, col, width);
    return TRUE;
}

CString CSobrelGrid::FormatValueText(const CString& text, int type, int decimals, const CString& falseText,
                                     const CString& trueText)
{
    if (text.IsEmpty())
        return text;
    switch (type)
    {
    case 1:
        return CString("pPyYtTaA1").Find(text[0]) >= 0 ? trueText : falseText;
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
    {
        CString number = text;
        number.Trim();
        const CString separator = ThousandSeparator();
        if (!separator.IsEmpty())
            number.Replace(separator, "");
        std::string value(number);
        if (const std::size_t point = value.find_first_of(".,"); point != std::string::npos)
            value[point] = '.';
        return FormatNumberValue(NumberText::ToDoubleC(value), type, decimals);
    }
    case 8:
    {
        COleDateTime date;
        if (!date.ParseDateTime(text, VAR_DATEVALUEONLY))
            return text;
        return date.Format(VAR_DATEVALUEONLY);
    }
    default:
        return text;
    }
}

CString CSobrelGrid::FormatNumberValue(double value, int type, int decimals)
{
    CSobrelApp* app = SobrelApp();
    if (type <= 4)
        decimals = 0;
    else if (decimals == -2)
        decimals = app ? (type == 5 ? app->options.moneyDecimals : app->options.decimals) : 2;
    return CSobrelApp::FormatNumber(value, decimals, app ? app->decimalPoint : ',', ThousandSeparator());
}

// --- Row formats -------------------------------------------------------------------------------

int CSobrelGrid::FormatColumn() const
{
    if (formatColumnName.IsEmpty() || GetRowCount() < 1)
        return -1;
    for (int col = FirstDataColumn(); col < GetColumnCount(); ++col)
        if (GetItemText(0, col) == formatColumnName)
            return col;
    return -1;
}

void CSobrelGrid::ApplyRowFormat(int row, BOOL resetIfEmpty, const CString& format)
{
    if (row < 0 || row >= GetRowCount())
        return;
    const int formatColumn = FormatColumn();
    CString text = format;
    if (text.IsEmpty() && formatColumn >= 0)
        text = GetItemText(row, formatColumn);
    if (text.str().starts_with('/'))
        text = text.Mid(1);
    if (text.Find('|') < 0)
    {
        if (!text.IsEmpty() || !resetIfEmpty)
            return;
        if (formatColumn >= 0)
            SetItemText(row, formatColumn, "");
        for (int col = FirstDataColumn(); col < GetColumnCount(); ++col)
        {
            SetItemFgColour(row, col, CLR_DEFAULT);
            SetItemBkColour(row, col, CLR_DEFAULT);
            SetItemFont(row, col, nullptr);
        }
        return;
    }
    CRowFormat rowFormat;
    if (!rowFormat.Read(text))
        return;
    LOGFONT font{};
    CSobrelApp* app = SobrelApp();
    if (app && app->options.hasGridFont)
        font = app->options.gridLogFont;
    else if (const LOGFONT* base = GetDefaultCell(FALSE, FALSE)->GetFont())
        font = *base;
    font.lfHeight -= MulDiv(rowFormat.sizeStep, PixelsPerInch(this), 72) * (font.lfHeight < 0 ? 1 : -1);
    font.lfWeight = rowFormat.bold ? 700 : 400;
    font.lfItalic = rowFormat.italic;
    font.lfUnderline = rowFormat.underline;
    for (int col = FirstDataColumn(); col < GetColumnCount(); ++col)
    {
        SetItemFgColour(row, col, rowFormat.textColour);
        SetItemBkColour(row, col, rowFormat.backColour);
        SetItemFont(row, col, &font);
    }
}

BOOL CSobrelGrid::ApplyRowFormats(BOOL resetIfEmpty, BOOL plain)
{
    const int formatColumn = FormatColumn();
    if (formatColumn >= 0)
    {
        const BOOL wasAllowed = redrawAllowed;
        redrawAllowed = FALSE;
        SetColumnWidthWithButton(formatColumn, 0);
        for (int row = GetFixedRowCount(); row < GetRowCount(); ++row)
            ApplyRowFormat(row, resetIfEmpty, GetItemText(row, formatColumn));
        redrawAllowed = wasAllowed;
    }
    return RefreshLayout(TRUE, plain);
}

CString CSobrelGrid::GetRowFormatText(const CCellID& cell) const
{
    if (!IsValid(cell))
        return CString();
    CRowFormat format;
    format.textColour = GetItemFgColour(cell.row, cell.col);
    format.backColour = GetItemBkColour(cell.row, cell.col);
    if (!IsItemDefaultFont(cell.row, cell.col))
    {
        const LOGFONT* font = GetItemFont(cell.row, cell.col);
        format.bold = font->lfWeight > 400;
        format.italic = font->lfItalic != 0;
        format.underline = font->lfUnderline != 0;
        int base = font->lfHeight;
        CSobrelApp* app = SobrelApp();
        if (app && app->options.hasGridFont)
            base = app->options.gridLogFont.lfHeight;
        else if (const LOGFONT* byDefault = GetDefaultCell(FALSE, FALSE)->GetFont())
            base = byDefault->lfHeight;
        format.sizeStep = -MulDiv(font->lfHeight - base, 72, PixelsPerInch(this));
    }
    return format.Text();
}

BOOL CSobrelGrid::IsPageBreakRow(int row, const CString& format) const
{
    if (!format.IsEmpty())
        return CRowFormat::IsPageBreak(format);
    const int formatColumn = FormatColumn();
    return formatColumn >= 0 && CRowFormat::IsPageBreak(GetItemText(row, formatColumn));
}

// --- Export and printing ----------------------------------------------------------------------

CString CSobrelGrid::GetCellHtmlStyle(int row, int col, BOOL fontAndColour, BOOL background, BOOL alignment,
                                      BOOL border) const
{
    if (!IsValid(row, col))
        return CString();
    CTableExport exporter(const_cast<CSobrelGrid&>(*this), [](int) { return nullptr; });
    exporter.pixelsPerInch = PixelsPerInch(this);
    return exporter.StyleOf(row, col).Text(fontAndColour, background, alignment, border);
}

CString CSobrelGrid::GetHeaderText(const CPrintInfo* pInfo) const
{
    const CString part = CHeaderFooter::HeaderPart(headerFooter);
    return pInfo ? ExpandHeaderFooter(part, pInfo) : part;
}

CString CSobrelGrid::GetFooterText(const CPrintInfo* pInfo) const
{
    const CString part = CHeaderFooter::FooterPart(headerFooter);
    return pInfo ? ExpandHeaderFooter(part, pInfo) : part;
}

CString CSobrelGrid::ExpandHeaderFooter(const CString& text, const CPrintInfo* pInfo) const
{
    if (!inView || !pInfo)
        return CString();
    CHeaderFooter::Values values;
    values.page = int(pInfo->m_nCurPage) + pageOffset;
    values.pages = int(pInfo->GetMaxPage()) + pageOffset;
    for (CWnd* wnd = GetParent(); wnd; wnd = wnd->GetParent())
    {
        CString title;
        wnd->GetWindowText(title);
        if (!title.IsEmpty())
        {
            values.title = CHeaderFooter::TitleOf(title);
            break;
        }
    }
    const COleDateTime now = COleDateTime::GetCurrentTime();
    values.date = now.Format(VAR_DATEVALUEONLY);
    values.time = now.Format(VAR_TIMEVALUEONLY);
    return CHeaderFooter::Expand(text, values);
}

// --- Moves and sizes ---------------------------------------------------------------------------

void CSobrelGrid::MoveColumn(int from, int to)
{
    if (from == to || from < 0 || to < 0 || from >= GetColumnCount() || to >= GetColumnCount())
        return;
    const BOOL wasAllowed = redrawAllowed;
    redrawAllowed = FALSE;
    const int at = to > from ? to + 1 : to;
    const int made = InsertColumn("", DT_VCENTER | DT_SINGLELINE, at >= GetColumnCount() ? -1 : at);
    if (made < 0)
    {
        redrawAllowed = wasAllowed;
        return;
    }
    const int source = made <= from ? from + 1 : from;
    // Each cell goes over whole: a combo cell with its options, a cell with a value as read as
    // the same object, the key of its value.
    for (int row = 0; row < GetRowCount(); ++row)
        MoveCell(row, source, row, made);
    SetColumnWidth(made, GetColumnWidth(source));
    DeleteColumn(source);
    redrawAllowed = wasAllowed;
    AutoSizeColumnWithButton(made < source ? made : made - 1, FALSE);
    RefreshLayout(TRUE, FALSE);
}

void CSobrelGrid::MoveRow(int from, int to)
{
    if (from == to || from < GetFixedRowCount() || to < GetFixedRowCount() || from >= GetRowCount() ||
        to >= GetRowCount())
        return;
    const BOOL wasAllowed = redrawAllowed;
    redrawAllowed = FALSE;
    std::vector<int> order;
    const int low = std::min(from, to), high = std::max(from, to);
    for (int row = low; row <= high; ++row)
        order.push_back(row - low);
    // The moved row takes its new place, the rows between shift by one towards its old one.
    order.erase(order.begin() + (from - low));
    order.insert(order.begin() + (to - low), from - low);
    ReorderRows(low, order);
    redrawAllowed = wasAllowed;
    RenumberRows(low);
    AutoSizeColumnWithButton(0, TRUE);
    Refresh();
}

void CSobrelGrid::RenumberRows(int from)
{
    if (GetFixedColumnCount() < 1)
        return;
    for (int row = std::max(from, GetFixedRowCount()); row < GetRowCount(); ++row)
        SetItemTextFmt(row, 0, "%d", row - GetFixedRowCount() + 1);
}

void CSobrelGrid::SetColumnWidthWithButton(int col, int width)
{
    const CColumnInfo* info = GetColumnInfo(col);
    SetColumnWidth(col, width > 0 && info && !info->values.empty() ? width + kButtonWidth : width);
}

void CSobrelGrid::AutoSizeColumnWithButton(int col, BOOL plain, UINT style)
{
    if (m_deferringSizing)
        m_deferredColumns.insert(col);
    if (!redrawAllowed)
        return;
    AutoSizeColumn(col, style, FALSE);
    const CColumnInfo* info = GetColumnInfo(col);
    if (col != 0 && !plain && info && !info->values.empty())
        SetColumnWidth(col, GetColumnWidth(col) + kButtonWidth);
}

void CSobrelGrid::AutoSizeColumnsIfAllowed(BOOL plain, UINT style)
{
    if (!redrawAllowed)
        return;
    for (int col = 0; col < GetColumnCount(); ++col)
        if (GetColumnWidth(col) > 0)
            AutoSizeColumnWithButton(col, plain, style);
    ResetScrollBars();
}

void CSobrelGrid::DeferSizing(bool defer)
{
    m_deferringSizing = defer;
    redrawAllowed = defer ? FALSE : TRUE;
    if (defer)
        return;
    for (int col : m_deferredColumns)
        if (col < GetColumnCount())
            AutoSizeColumnWithButton(col, FALSE);
    m_deferredColumns.clear();
    ResetScrollBars();
}

BOOL CSobrelGrid::RefreshLayout(BOOL invalidate, BOOL plain)
{
    if (!redrawAllowed)
        return FALSE;
    AutoSizeColumnsIfAllowed(plain);
    ResetScrollBars();
    if (invalidate)
        Refresh();
    return TRUE;
}

// --- Sorting ---------------------------------------------------------------------------------

BOOL CSobrelGrid::SortItems(int col, BOOL ascending, int low, int high)
{
    if (low < 0)
        low = GetFixedRowCount();
    return CGridRowSort::SortRows(*this, col, ascending, GetColumnInfo(col), low, high);
}

BOOL CSobrelGrid::SortRowsByIndex(int low, int high)
{
    const BOOL sorted = CGridRowSort::SortRowsByIndex(*this, low, high);
    Refresh();
    return sorted;
}

void CSobrelGrid::SortOnHeaderClick(CCellID& cell)
{
    if (!IsValid(cell))
        return;
    if (!GetRowSelectMode() || cell.col < GetFixedColumnCount())
    {
        // A selection click on the heading; nothing is sorted.
        if (GetFixedRowSelection())
        {
            m_MouseMode = cell.col < GetFixedColumnCount() ? MOUSE_SELECT_ALL : MOUSE_SELECT_COL;
            ExtendSelectionTo(cell);
        }
        return;
    }
    if (!GetHeaderSort())
        return;
    CWaitCursor wait;
    const CCellRange selected = GetSelectedCellRange();
    int first = GetFixedRowCount(), last = GetRowCount() - 1;
    if (IsValid(selected) && selected.GetMaxRow() > selected.GetMinRow())
        first = selected.GetMinRow(), last = selected.GetMaxRow();
    ResetSelectedRange();
    const BOOL ascending = cell.col == GetSortColumn() ? GetSortAscending() : TRUE;
    SortItems(cell.col, ascending, first, last);
    if (CSobrelView* view = ParentView())
        view->PushStep(new CUndoStep(CUndoStep::RowsSorted, view, cell.row, cell.col, CString(), nullptr, first,
                                     last - first + 1));
    RenumberRows(first);
    if (IsValid(selected))
        SetSelectedRange(selected);
    SetFocusCell(cell);
    SetSortColumn(cell.col);
    SetSortAscending(!ascending);
    Refresh();
}

// --- Clipboard -------------------------------------------------------------------------------

BOOL CSobrelGrid::AcceptEditedText(int nRow, int nCol, CString& text)
{
    CSobrelView* view = ParentView();
    return !view || view->AcceptEditedNumber(nRow, nCol, text);
}

CSobrelView* CSobrelGrid::ParentView() const
{
    return inView ? dynamic_cast<CSobrelView*>(GetParent()) : nullptr;
}

int CSobrelGrid::ProducerNumber() const
{
    CSobrelView* view = ParentView();
    CSobrelDoc* document = view ? view->Document() : nullptr;
    return document ? CGridClipboardInfo::ProducerNumber(document->GetPathName()) : 0;
}

void CSobrelGrid::ResetPasteState()
{
    pasteOptions = 2;
    pasteWholeRows = FALSE;
    pasteRowCount = 0;
    pasteColumnCount = 0;
    pasteNames.clear();
    pasteProducer = 0;
}

void CSobrelGrid::ExtendSelectionToRectangle()
{
    const CCellRange range = GetSelectedCellRange();
    if (!IsValid(range))
        return;
    std::vector<int> rows, cols;
    for (int row = range.GetMinRow(); row <= range.GetMaxRow(); ++row)
        for (int col = range.GetMinCol(); col <= range.GetMaxCol(); ++col)
            if (IsCellSelected(row, col))
            {
                rows.push_back(row);
                break;
            }
    for (int col = range.GetMinCol(); col <= range.GetMaxCol(); ++col)
        for (int row = range.GetMinRow(); row <= range.GetMaxRow(); ++row)
            if (IsCellSelected(row, col))
            {
                cols.push_back(col);
                break;
            }
    pasteWholeRows = TRUE;
    // Frozen columns cannot be selected: whole rows are the scrolling columns all selected, and
    // then take the frozen ones with them.
    for (int col = GetFixedColumnCount(); col < GetColumnCount(); ++col)
        if (GetColumnWidth(col) > 0 && std::find(cols.begin(), cols.end(), col) == cols.end())
            pasteWholeRows = FALSE;
    if (pasteWholeRows)
    {
        cols.clear();
        for (int col = FirstDataColumn(); col < GetColumnCount(); ++col)
            cols.push_back(col);
    }
    for (int row : rows)
        for (int col : cols)
            SetItemState(row, col, GetItemState(row, col) | GVIS_SELECTED);
    pasteRowCount = int(rows.size());
    pasteColumnCount = int(cols.size());
}

COleDataSource* CSobrelGrid::CopyTextFromGrid()
{
    ExtendSelectionToRectangle();
    COleDataSource* source = CGridCtrl::CopyTextFromGrid();
    const CCellRange range = GetSelectedCellRange();
    if (!source || !IsValid(range))
        return source;
    CGridClipboardInfo info;
    info.wholeRows = pasteWholeRows;
    info.rowCount = pasteRowCount;
    info.columnCount = pasteColumnCount;
    for (int col = range.GetMinCol(); col <= range.GetMaxCol(); ++col)
        if (IsCellSelected(range.GetMinRow(), col))
            info.names.push_back(GetItemText(0, col));
    info.producer = ProducerNumber();
    source->CacheText(RegisterClipboardFormat(CGridClipboardInfo::formatName), info.Text());
    return source;
}

BOOL CSobrelGrid::ReadClipboardInfo(COleDataObject* pDataObject)
{
    ResetPasteState();
    CString text;
    const CLIPFORMAT format = RegisterClipboardFormat(CGridClipboardInfo::formatName);
    if (!pDataObject || !pDataObject->IsDataAvailable(format) || !pDataObject->GetText(format, text))
        return FALSE;
    CGridClipboardInfo info;
    if (!info.Read(text))
        return FALSE;
    pasteWholeRows = info.wholeRows;
    pasteRowCount = info.rowCount;
    pasteColumnCount = info.columnCount;
    pasteNames = info.names;
    pasteProducer = info.producer;
    if (pasteColumnCount > 0)
        pasteOptions |= 1;
    return TRUE;
}

BOOL CSobrelGrid::PasteTextToGrid(CCellID cell, COleDataObject* pDataObject)
{
    CString text;
    if (!IsValid(cell) || !IsCellEditable(cell) || !pDataObject || !pDataObject->GetText(CF_TEXT, text))
        return FALSE;
    const bool byNames = pasteOptions > 0 && (pasteOptions & 1) && !pasteNames.empty();
    const std::string separator = byNames ? "\t\n" : "\n";
    std::vector<std::string> lines;
    const std::string& all = text.str();
    for (std::size_t start = 0;;)
    {
        const std::size_t end = all.find(separator, start);
        lines.push_back(all.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos)
            break;
        start = end + separator.size();
    }
    if (!lines.empty() && lines.back().empty())
        lines.pop_back();
    std::set<int> rows, cols;
    for (std::size_t k = 0; k < lines.size(); ++k)
    {
        std::vector<CString> fields;
        std::string_view rest(lines[k]);
        for (;;)
        {
            const std::size_t tab = rest.find('\t');
            fields.emplace_back(std::string(rest.substr(0, tab)));
            if (tab == std::string_view::npos)
                break;
            rest.remove_prefix(tab + 1);
        }
        while (!fields.empty() && fields.back().IsEmpty())
            fields.pop_back();
        const int row = cell.row + int(k);
        for (std::size_t i = 0; i < fields.size(); ++i)
        {
            int col = cell.col + int(i);
            CString field = fields[i];
            field.TrimRight("\r");
            field.Trim();
            if (byNames && i < pasteNames.size())
            {
                col = FindColumnByName(pasteNames[i]);
                if ((pasteOptions & 4) && pasteProducer != 0 && pasteNames[i] == indexColumnName)
                {
                    field = CGridClipboardInfo::ProducerIndex(pasteProducer, field, ThousandSeparator());
                }
            }
            if (!IsValid(row, col) || col < FirstDataColumn())
                continue;
            SendMessageToParent(row, col, GVN_BEGINLABELEDIT);
            SetItemTextTyped(row, col, field, FALSE);
            SetModified(TRUE, row, col);
            SendMessageToParent(row, col, GVN_ENDLABELEDIT);
            SetItemState(row, col, GetItemState(row, col) & ~GVIS_SELECTED);
            rows.insert(row);
            cols.insert(col);
        }
    }
    ResetSelectedRange();
    for (int row : rows)
        for (int col : cols)
            SetItemState(row, col, GetItemState(row, col) | GVIS_SELECTED);
    Refresh();
    return TRUE;
}

void CSobrelGrid::PasteFrom(COleDataObject* pDataObject)
{
    CCellID target = GetFocusCell();
    if (!IsValid(target))
        target = GetFirstScrolledCell();
    if (!IsValid(target))
        return;
    CWaitCursor wait;
    if (pasteOptions == -1)
        ReadClipboardInfo(pDataObject);
    CSobrelView* view = ParentView();
    CString name;
    if (view)
    {
        name.LoadString(dragKind ? IDS_UNDO_DROP : IDS_UNDO_PASTE);
        view->PushStep(new CUndoStep(CUndoStep::GroupBegin, view, target.row, target.col, name));
    }
    if (pasteWholeRows && (pasteOptions & 2))
    {
        for (int i = 0; i < pasteRowCount; ++i)
            if (view)
            {
                view->InsertRow(target.row);
                view->PushStep(new CUndoStep(CUndoStep::RowInserted, view, target.row, 0));
            }
            else
                InsertRow("", target.row);
        RenumberRows(target.row);
        target.col = FirstDataColumn();
    }
    const BOOL wasAllowed = redrawAllowed;
    redrawAllowed = FALSE;
    PasteTextToGrid(target, pDataObject);
    redrawAllowed = wasAllowed;
    ApplyRowFormats(FALSE, FALSE);
    int col = GetFixedColumnCount();
    while (col < GetColumnCount() && GetColumnWidth(col) == 0)
        ++col;
    SetFocusCell(target.row, col);
    if (view && !(m_bDragRunning && dragKind == 2))
        view->PushStep(new CUndoStep(CUndoStep::GroupEnd, view, target.row, target.col));
    pasteOptions = -1;
}

void CSobrelGrid::ClearSelectedCells()
{
    if (!IsEditable())
        return;
    CSobrelView* view = ParentView();
    const bool afterDrag = m_bDragRunning;
    if (view && afterDrag && dragKind == 0)
    {
        CString name;
        name.LoadString(IDS_UNDO_DROP);
        view->PushStep(new CUndoStep(CUndoStep::GroupBegin, view, -1, -1, name));
    }
    const CCellRange range = GetSelectedCellRange();
    if (pasteWholeRows && IsValid(range))
    {
        std::vector<int> rows;
        if (afterDrag && dragKind == 2 && !pendingCells.empty())
            for (const CCellID& pending : pendingCells)
                rows.push_back(pending.row);
        else
            for (int row = range.GetMinRow(); row <= range.GetMaxRow(); ++row)
                if (IsCellSelected(row, range.GetMinCol()))
                    rows.push_back(row);
        std::sort(rows.begin(), rows.end());
        rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
        for (auto row = rows.rbegin(); row != rows.rend(); ++row)
            if (view)
            {
                view->PushStep(new CUndoStep(CUndoStep::RowDeleted, view, *row, 0));
                view->DeleteRow(*row);
            }
            else
                DeleteRow(*row);
        RenumberRows(rows.empty() ? 0 : rows.front());
    }
    else if (afterDrag && dragKind == 2)
    {
        for (const CCellID& pending : pendingCells)
            if (IsValid(pending) && IsCellEditable(pending))
            {
                SendMessageToParent(pending.row, pending.col, GVN_BEGINLABELEDIT);
                SetItemText(pending.row, pending.col, "");
                SendMessageToParent(pending.row, pending.col, GVN_ENDLABELEDIT);
            }
        Refresh();
    }
    else
        CGridCtrl::ClearSelectedCells();
    pendingCells.clear();
    CCellID focus = GetFocusCell();
    if (IsValid(focus) || GetRowCount() > GetFixedRowCount())
    {
        focus.row = std::clamp(focus.row, GetFixedRowCount(), GetRowCount() - 1);
        focus.col = std::clamp(focus.col, GetFixedColumnCount(), GetColumnCount() - 1);
        if (IsValid(focus))
            SetFocusCell(focus);
    }
    if (afterDrag)
    {
        if (view)
            view->PushStep(new CUndoStep(CUndoStep::GroupEnd, view, -1, -1));
        dragKind = 0;
        if (IsValid(m_dragRange))
            SetSelectedRange(m_dragRange);
    }
}

void CSobrelGrid::OnEditCut()
{
    CWaitCursor wait;
    CSobrelView* view = ParentView();
    if (view)
    {
        CString name;
        name.LoadString(IDS_UNDO_CUT);
        view->PushStep(new CUndoStep(CUndoStep::GroupBegin, view, -1, -1, name));
    }
    const BOOL wasAllowed = redrawAllowed;
    redrawAllowed = FALSE;
    CGridCtrl::OnEditCut();
    redrawAllowed = wasAllowed;
    pasteWholeRows = FALSE;
    if (view)
        view->PushStep(new CUndoStep(CUndoStep::GroupEnd, view, -1, -1));
    RefreshLayout(TRUE, FALSE);
}

void CSobrelGrid::OnEditCopy()
{
    CWaitCursor wait;
    CGridCtrl::OnEditCopy();
}

void CSobrelGrid::OnEditPaste()
{
    if (!IsEditable())
        return;
    COleDataObject dataObject;
    if (!dataObject.AttachClipboard())
        return;
    PasteFrom(&dataObject);
    for (int row = 0; row < GetRowCount(); ++row)
        for (int col = 0; col < GetFixedColumnCount(); ++col)
            SetItemState(row, col, GetItemState(row, col) & ~GVIS_SELECTED);
}

void CSobrelGrid::OnBeginDrag()
{
    m_dragRange = GetSelectedCellRange();
    m_bDragRunning = true;
    CGridCtrl::OnBeginDrag();
    m_bDragRunning = false;
    dragKind = 0;
}

BOOL CSobrelGrid::OnDrop(COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point)
{
    OnDragLeave();
    const CCellRange source = GetSelectedCellRange();
    std::vector<CCellID> sourceCells;
    if (IsValid(source))
        for (int row = source.GetMinRow(); row <= source.GetMaxRow(); ++row)
            for (int col = source.GetMinCol(); col <= source.GetMaxCol(); ++col)
                if (IsCellSelected(row, col))
                    sourceCells.emplace_back(row, col);
    const CCellID drop = GetCellFromPt(point, FALSE);
    if (!IsValid(drop))
        return FALSE;
    SetFocusCell(drop);
    if (::GetKeyState(VK_SHIFT) < 0)
        if (CSobrelView* view = ParentView(); view && !view->AskPasteOptions(pDataObject))
            return FALSE;
    dragKind = (dropEffect & DROPEFFECT_MOVE) ? 2 : 1;
    const int rowsBefore = GetRowCount();
    PasteFrom(pDataObject);
    pendingCells.clear();
    if (m_bDragRunning && dragKind == 2)
    {
        const int inserted = GetRowCount() - rowsBefore;
        const CCellRange pasted = GetSelectedCellRange();
        for (CCellID cell : sourceCells)
        {
            if (inserted > 0 && cell.row >= drop.row)
                cell.row += inserted;
            if (inserted == 0 && IsValid(pasted) && pasted.InRange(cell))
                continue;
            pendingCells.push_back(cell);
        }
    }
    for (int row = 0; row < GetRowCount(); ++row)
        for (int col = 0; col < GetFixedColumnCount(); ++col)
            SetItemState(row, col, GetItemState(row, col) & ~GVIS_SELECTED);
    if (m_bDragRunning && dragKind == 1)
        dragKind = 0;
    return TRUE;
}
