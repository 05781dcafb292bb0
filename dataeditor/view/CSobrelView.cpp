#include "dataeditor/view/CSobrelView.h"

#include "dataeditor/grid/CSobrelGrid.h"
#include "dataeditor/app/CSobrelApp.h"
#include "dataeditor/document/CColumnInfo.h"
#include "dataeditor/document/CSobrelDoc.h"
#include "dataeditor/document/CUndoStep.h"
#include "dataeditor/document/CSeparatorDlg.h"
#include "dataeditor/document/CTableNameDlg.h"
#include "dataeditor/app/CVersionCheck.h"
#include "dataeditor/app/LanguageText.h"
#include "dataeditor/app/SobrelIds.h"
#include "dataeditor/view/CTableExport.h"
#include "dataeditor/view/ColumnTypeCodec.h"
#include "dataeditor/view/ViewIds.h"
#include "platform/core/MessageBox.h"
#include "platform/frame/FrameIds.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CommonDialogs.h"
#include "datalib/CData.h"
#include "platform/core/NumberText.h"
#include "platform/ui/WaitCursor.h"

#include <QFileInfo>
#include <QUrl>

#include <algorithm>
#include <numeric>
#include <cctype>
#include <cmath>
#include <limits>

IMPLEMENT_DYNCREATE(CSobrelView, CView)

BEGIN_MESSAGE_MAP(CSobrelView, CView)
    ON_WM_SIZE()
    ON_WM_DESTROY()
    ON_WM_CONTEXTMENU()
    ON_COMMAND(ID_SEARCH, OnSearch)
    ON_COMMAND(ID_SEARCH_CLEAR, OnClearSearchMarks)
    ON_UPDATE_COMMAND_UI(ID_SEARCH, OnUpdateSearch)
    ON_UPDATE_COMMAND_UI(ID_SEARCH_CLEAR, OnUpdateClearSearchMarks)
    ON_COMMAND(ID_EXPORT, OnExport)
    ON_UPDATE_COMMAND_UI(ID_EXPORT, OnUpdateExport)
    ON_COMMAND(ID_EDIT_UNDO, OnEditUndo)
    ON_COMMAND(ID_EDIT_REDO, OnEditRedo)
    ON_COMMAND(ID_JOURNAL, OnJournal)
    ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, OnUpdateEditUndo)
    ON_UPDATE_COMMAND_UI(ID_EDIT_REDO, OnUpdateEditRedo)
    ON_UPDATE_COMMAND_UI(ID_JOURNAL, OnUpdateJournal)
    ON_COMMAND(ID_COLUMN_INSERT, OnColumnInsert)
    ON_COMMAND(ID_COLUMN_DELETE, OnColumnDelete)
    ON_COMMAND(ID_ROW_INSERT, OnRowInsert)
    ON_COMMAND(ID_ROW_DELETE, OnRowDelete)
    ON_COMMAND(ID_ROW_UP, OnRowUp)
    ON_COMMAND(ID_ROW_DOWN, OnRowDown)
    ON_COMMAND(ID_ROW_TOP, OnRowTop)
    ON_COMMAND(ID_ROW_BOTTOM, OnRowBottom)
    ON_COMMAND(ID_FILL, OnFill)
    ON_COMMAND(ID_FREEZE_COLUMNS, OnFreezeColumns)
    ON_COMMAND(ID_MARK_SWITCHED_OFF_ROWS, OnMarkSwitchedOffRows)
    ON_COMMAND(ID_APPLY_ROW_FORMATS, OnApplyRowFormats)
    ON_UPDATE_COMMAND_UI(ID_COLUMN_INSERT, OnUpdateColumnInsert)
    ON_UPDATE_COMMAND_UI(ID_COLUMN_DELETE, OnUpdateColumnDelete)
    ON_UPDATE_COMMAND_UI(ID_ROW_INSERT, OnUpdateRowInsert)
    ON_UPDATE_COMMAND_UI(ID_ROW_DELETE, OnUpdateRowDelete)
    ON_UPDATE_COMMAND_UI(ID_ROW_UP, OnUpdateRowUp)
    ON_UPDATE_COMMAND_UI(ID_ROW_TOP, OnUpdateRowUp)
    ON_UPDATE_COMMAND_UI(ID_ROW_DOWN, OnUpdateRowDown)
    ON_UPDATE_COMMAND_UI(ID_ROW_BOTTOM, OnUpdateRowDown)
    ON_UPDATE_COMMAND_UI(ID_FILL, OnUpdateFill)
    ON_UPDATE_COMMAND_UI(ID_FREEZE_COLUMNS, OnUpdateFreezeColumns)
    ON_UPDATE_COMMAND_UI(ID_MARK_SWITCHED_OFF_ROWS, OnUpdateMarkSwitchedOffRows)
    ON_UPDATE_COMMAND_UI(ID_APPLY_ROW_FORMATS, OnUpdateApplyRowFormats)
    ON_COMMAND(ID_ROW_SELECT_MODE, OnRowSelectMode)
    ON_UPDATE_COMMAND_UI(ID_ROW_SELECT_MODE, OnUpdateRowSelectMode)
    ON_COMMAND(ID_COLUMN_EDIT, OnColumnEdit)
    ON_UPDATE_COMMAND_UI(ID_COLUMN_EDIT, OnUpdateColumnEdit)
    ON_COMMAND(ID_CALCULATOR, OnCalculator)
    ON_COMMAND(ID_SUMS, OnSums)
    ON_UPDATE_COMMAND_UI(ID_CALCULATOR, OnUpdateCalculator)
    ON_UPDATE_COMMAND_UI(ID_SUMS, OnUpdateSums)
    ON_COMMAND(ID_COLUMN_MOVE, OnColumnMove)
    ON_UPDATE_COMMAND_UI(ID_COLUMN_MOVE, OnUpdateColumnMove)
    ON_COMMAND(ID_EDIT_PASTE_SPECIAL, OnEditPasteSpecial)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE_SPECIAL, OnUpdateEditPasteSpecial)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_POSITION, OnUpdatePositionPane)
    ON_UPDATE_COMMAND_UI(ID_INDICATOR_LANGUAGE, OnUpdateLanguagePane)
    ON_COMMAND(ID_FORMAT_COLUMN_INSERT, OnFormatColumnInsert)
    ON_COMMAND(ID_FORMAT_SET, OnFormatSet)
    ON_COMMAND(ID_FORMAT_CLEAR, OnFormatClear)
    ON_COMMAND(ID_FORMAT_COPY, OnFormatCopy)
    ON_COMMAND(ID_FORMAT_PASTE, OnFormatPaste)
    ON_COMMAND(ID_FORMAT_REPLACE, OnFormatReplace)
    ON_COMMAND(ID_FORMAT_COLUMN_SHOW, OnFormatColumnShow)
    ON_UPDATE_COMMAND_UI(ID_FORMAT_COLUMN_INSERT, OnUpdateFormatColumnInsert)
    ON_UPDATE_COMMAND_UI(ID_FORMAT_SET, OnUpdateFormatSet)
    ON_UPDATE_COMMAND_UI(ID_FORMAT_CLEAR, OnUpdateFormatClear)
    ON_UPDATE_COMMAND_UI(ID_FORMAT_COPY, OnUpdateFormatCopy)
    ON_UPDATE_COMMAND_UI(ID_FORMAT_PASTE, OnUpdateFormatPaste)
    ON_UPDATE_COMMAND_UI(ID_FORMAT_REPLACE, OnUpdateFormatReplace)
    ON_UPDATE_COMMAND_UI(ID_FORMAT_COLUMN_SHOW, OnUpdateFormatColumnShow)
    ON_COMMAND(ID_OPTIONS, OnOptions)
    ON_COMMAND(ID_FILE_PRINT_SETUP, OnPrintSetup)
    ON_COMMAND(ID_FILE_PRINT, CView::OnFilePrint)
    ON_COMMAND(ID_FILE_PRINT_DIRECT, OnPrintDirect)
    ON_COMMAND(ID_FILE_PRINT_PREVIEW, OnPrintPreview)
    ON_UPDATE_COMMAND_UI(ID_FILE_PRINT, OnUpdatePrint)
    ON_UPDATE_COMMAND_UI(ID_FILE_PRINT_PREVIEW, OnUpdatePrint)
END_MESSAGE_MAP()

namespace
{
constexpr UINT kGridId = 1658;

// A number shown with thousands separators: each separator followed by three digits.
bool GroupedByThousands(const std::string& text, const std::string& separator)
{
    if (separator.empty() || text.find(separator) == std::string::npos)
        return false;
    for (std::size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, at + 1))
    {
        std::size_t digits = 0;
        for (std::size_t p = at + separator.size(); p < text.size() && std::isdigit(static_cast<unsigned char>(text[p])); ++p)
            ++digits;
        if (digits != 3)
            return false;
    }
    return true;
}

// A real number with every digit it holds (the fewest that read back as the same value), in
// the user's decimal separator.
template <class Real> CString FullDigits(Real value, char decimalPoint)
{
    for (int precision = std::numeric_limits<Real>::digits10; precision <= std::numeric_limits<Real>::max_digits10;
         ++precision)
    {
        NumberText::Conversion conversion;
        conversion.type = 'g';
        conversion.precision = precision;
        const std::string text = NumberText::FormatReal(double(value), conversion, '.');
        double back = 0;
        if (NumberText::Parse(text, back) && Real(back) == value)
            return CString(NumberText::WithDecimalSeparator(text, decimalPoint).c_str());
    }
    return CString(NumberText::WithDecimalSeparator(NumberText::FormatReal("%.17g", double(value)), decimalPoint).c_str());
}

bool IsNumberVariant(VARTYPE type)
{
    return type == VT_I2 || type == VT_I4 || type == VT_UI1 || type == VT_R4 || type == VT_R8 || type == VT_CY;
}

// A value read from the table as text: reals and money with every digit they hold.
CString ReadText(CData& data, COleVariant& value, int column, char decimalPoint)
{
    switch (value.vt)
    {
    case VT_R8: return FullDigits(value.dblVal, decimalPoint);
    case VT_R4: return FullDigits(value.fltVal, decimalPoint);
    case VT_CY: return FullDigits(double(value.cyVal.int64) / 10000.0, decimalPoint);
    default: return data.VariantToString(value, -3, column);
    }
}
} // namespace

CSobrelView::CSobrelView() = default;

CSobrelView::~CSobrelView() = default;

CSobrelDoc* CSobrelView::Document() const { return dynamic_cast<CSobrelDoc*>(GetDocument()); }

void CSobrelView::OnInitialUpdate()
{
    CView::OnInitialUpdate();
    if (m_grid)
        return;
    fixedRows = 1;
    fixedColumns = 1;
    rowCount = 0;
    columnCount = 0;
    m_grid = std::make_unique<CSobrelGrid>();
    CRect client;
    GetClientRect(&client);
    m_grid->Create(client, this, kGridId, WS_CHILD | WS_BORDER | WS_TABSTOP);
    CSobrelDoc* document = Document();
    m_grid->SetEditable(!(document && document->readOnly));
    // Blocks of cells are dragged within a table and between tables.
    m_grid->EnableDragAndDrop(TRUE);
    ApplyOptionsToGrid();
    // A heading click sorts the rows (in whole-row selection) of a table that may be changed.
    m_grid->SetHeaderSort(!(document && document->readOnly));
    if (dataSource)
        LoadTable();
    else
    {
        m_grid->SetRowCount(0);
        m_grid->SetColumnCount(0);
    }
}

void CSobrelView::ShowGrid(bool show)
{
    if (m_grid && m_grid->GetSafeHwnd())
        m_grid->ShowWindow(show ? SW_SHOW : SW_HIDE);
}

std::shared_ptr<CColumnInfo> CSobrelView::ColumnInfo(int gridColumn) const
{
    return gridColumn >= 0 && std::size_t(gridColumn) < m_columns.size() ? m_columns[std::size_t(gridColumn)]
                                                                          : nullptr;
}

void CSobrelView::SetColumnInfo(int gridColumn, std::shared_ptr<CColumnInfo> info)
{
    if (gridColumn < 0)
        return;
    if (std::size_t(gridColumn) >= m_columns.size())
        m_columns.resize(std::size_t(gridColumn) + 1);
    m_columns[std::size_t(gridColumn)] = std::move(info);
    if (m_grid)
        m_grid->SetColumnInfo(gridColumn, m_columns[std::size_t(gridColumn)].get());
}

void CSobrelView::LoadTable()
{
    CSobrelDoc* document = Document();
    if (!m_grid || !dataSource)
        return;
    CWaitCursor wait;
    CData& data = *dataSource;
    rowCount = data.m_nTable >= 0 || !data.m_strTable.IsEmpty() ? data.m_nRecordCount : 0;
    columnCount = data.m_nColCount;
    m_grid->SetFixedRowCount(0);
    m_grid->SetFixedColumnCount(0);
    m_grid->SetRowCount(rowCount + fixedRows);
    m_grid->SetColumnCount(columnCount + fixedColumns);
    m_grid->SetFixedRowCount(fixedRows);
    m_grid->SetFixedColumnCount(fixedColumns);
    m_grid->SetItemText(0, 0, "#");
    CSobrelApp* app = SobrelApp();
    if (app && document)
    {
        CString text;
        text.Format("%s - %s", LPCTSTR(document->tableName), LPCTSTR(document->filePath));
        app->ReportProgress(0, rowCount, text, true, false);
    }
    m_columns.assign(std::size_t(columnCount + fixedColumns), nullptr);
    for (int c = 0; c < columnCount; ++c)
    {
        auto info = std::make_shared<CColumnInfo>(data.m_aColTypes[c], data.m_aColSizes[c], data.m_aColDecimals[c]);
        info->nameAsRead = data.m_aColNames[c];
        info->headAsRead = data.GetColHead(c);
        SetColumnInfo(c + fixedColumns, info);
        m_grid->SetItemText(0, c + fixedColumns, data.m_aColNames[c]);
    }
    const CString table = data.m_strTable;
    ReadInformationTable(table);
    m_grid->ApplyValueLists();
    ApplyBreakWidth();
    const char decimalPoint = app ? app->decimalPoint : CData::GetDecimalPoint();
    for (int r = 0; r < rowCount; ++r)
    {
        m_grid->SetItemTextFmt(r + fixedRows, 0, "%d", r + 1);
        for (int c = 0; c < columnCount; ++c)
        {
            COleVariant value;
            if (!data.GetValue(c, value, r))
                continue;
            CString text = ReadText(data, value, c, decimalPoint);
            if (r == 0 && ColumnInfo(c + fixedColumns)->type == 12 && text.GetLength() > 255)
                text.TrimRight();
            SetReadCell(r + fixedRows, c + fixedColumns, text, IsNumberVariant(value.vt));
        }
        if (app)
            app->ReportProgress(r + 1, rowCount, "", true, false);
    }
    data.Close();
    dataSource = nullptr;
    if (document)
        document->LoadingEnded();
    // The rows take their formats (the format column hidden) before they are measured, so
    // that a bold or larger row gets the room its font needs.
    const BOOL redraw = m_grid->redrawAllowed;
    m_grid->redrawAllowed = FALSE;
    m_grid->ApplyRowFormats(FALSE, FALSE);
    m_grid->redrawAllowed = redraw;
    m_grid->AutoSize();
    if (rowCount > 0 && columnCount > 0)
        m_grid->SetFocusCell(fixedRows, fixedColumns);
    ShowGrid(columnCount > 0);
    if (app)
        app->ReportProgress(-1, 0, "", false, false);
    // The end of the progress gave the status bar its idle text.
    if (rowCount > 0 && columnCount > 0)
        ShowColumnDescription(fixedColumns);
}

void CSobrelView::SetReadCell(int row, int col, const CString& text, bool number)
{
    const std::shared_ptr<CColumnInfo> info = ColumnInfo(col);
    double value = 0;
    if (number && info && info->IsNumeric() && NumberText::Parse(text.str(), value))
    {
        m_grid->SetItemTextTyped(row, col, CSobrelGrid::FormatNumberValue(value, info->type, info->decimals), FALSE);
        // A whole-number column is written as it shows; a real that shows rounded keeps every
        // digit of its value.
        if (info->IsReal() && !m_grid->ShowsValue(row, col, value))
            m_grid->SetReadValue(row, col, text);
    }
    else
        m_grid->SetItemTextTyped(row, col, text, info && info->type == 1);
}

CString CSobrelView::InformationTableName(const CString& tableName) const
{
    CString infoName = tableName;
    if (infoName.Right(1) == "$")
        infoName = infoName.Left(infoName.GetLength() - 1);
    return infoName + infoSuffix;
}

void CSobrelView::ReadInformationTable(const CString& tableName)
{
    if (!dataSource)
        return;
    CData& data = *dataSource;
    const CString infoName = InformationTableName(tableName);
    if (!data.IsTable(infoName))
        return;
    CSobrelDoc* document = Document();
    const bool readOnly = document && document->readOnly;
    data.CloseTable();
    if (data.OpenTable(infoName, "", 0))
    {
        for (int r = 0; r < data.m_nRecordCount; ++r)
            for (int c = fixedColumns; c < fixedColumns + columnCount; ++c)
            {
                std::shared_ptr<CColumnInfo> info = ColumnInfo(c);
                CString text;
                if (!info || !data.GetStringValue(m_grid->GetItemText(0, c), text, r, -3, 0))
                    continue;
                if (r == 0)
                    info->description = text;
                else if (r == 1)
                {
                    int decimals = -2;
                    const int type = ColumnTypeCodec::Decode(text, decimals);
                    if (type != -1)
                        info->type = type;
                    if (info->decimals == -2)
                        info->decimals = decimals;
                }
                else if (r >= 3 && !readOnly && !text.IsEmpty())
                    info->values.push_back(text);
            }
        data.CloseTable();
    }
    data.OpenTable(tableName, "", 0);
}

CString CSobrelView::GetDataText(int row, int column) const
{
    if (!m_grid)
        return CString();
    // An unedited real with all its digits as read; a number the grid shows grouped in
    // thousands without the separators; other texts as they stand.
    CString text;
    std::shared_ptr<CColumnInfo> info = ColumnInfo(column);
    CSobrelApp* app = SobrelApp();
    if (!m_grid->GetReadValue(row, column, text))
    {
        text = m_grid->GetDataText(row, column, FALSE);
        if (info && info->IsNumeric() && row >= fixedRows && app &&
            GroupedByThousands(text.str(), app->thousandSeparator.str()))
            text = m_grid->GetDataText(row, column, TRUE);
    }
    if (info && info->type == 1 && row >= fixedRows)
    {
        if (text == m_grid->trueText || text == "1" || text.CompareNoCase("true") == 0)
            return "1";
        if (text == m_grid->falseText || text == "0" || text.CompareNoCase("false") == 0)
            return "0";
    }
    return text;
}

int CSobrelView::FormatColumn() const
{
    CSobrelApp* app = SobrelApp();
    if (!m_grid || !app || app->rowFormatColumnName.IsEmpty())
        return -1;
    for (int c = fixedColumns; c < m_grid->GetColumnCount(); ++c)
        if (m_grid->GetItemText(0, c) == app->rowFormatColumnName)
            return c;
    return -1;
}

void CSobrelView::ApplyRowFormats()
{
    if (!m_grid)
        return;
    m_grid->ApplyRowFormats(FALSE, FALSE);
    // The grid hides the format column; a column the user has shown stays in sight.
    const int format = FormatColumn();
    if (formatColumnShown && format >= 0 && m_grid->GetColumnWidth(format) == 0)
    {
        m_grid->SetColumnWidth(format, 1);
        m_grid->AutoSizeColumn(format);
    }
}

void CSobrelView::PushStep(CUndoStep* step)
{
    while (int(m_journal.size()) > m_position + 1)
        m_journal.pop_back();
    // The saved state went with the steps dropped: no position brings it back.
    if (m_savedPosition > m_position)
        m_savedPosition = kNoSavedPosition;
    m_journal.emplace_back(step);
    ++m_position;
    if (CSobrelDoc* document = Document())
        document->SetModifiedFlag(TRUE);
}

void CSobrelView::ShowModifiedState()
{
    if (CSobrelDoc* document = Document())
        document->SetModifiedFlag(m_position != m_savedPosition);
}

void CSobrelView::InsertColumn(int index, const CString& header, std::shared_ptr<CColumnInfo> info)
{
    if (columnCount == 0)
    {
        m_grid->SetRowCount(fixedRows);
        m_grid->SetFixedRowCount(fixedRows);
        m_grid->InsertRow("1");
        m_grid->SetColumnCount(fixedColumns);
        m_grid->SetFixedColumnCount(fixedColumns);
        m_grid->SetItemText(0, 0, "#");
        m_grid->AutoSizeColumn(0);
        m_columns.assign(std::size_t(fixedColumns), nullptr);
        rowCount = 1;
    }
    const bool append = index >= fixedColumns + columnCount;
    const int at = m_grid->InsertColumn(header, DT_SINGLELINE | DT_VCENTER, append ? -1 : index);
    if (at < 0)
        return;
    m_columns.insert(m_columns.begin() + std::min<std::ptrdiff_t>(at, std::ptrdiff_t(m_columns.size())),
                     std::move(info));
    m_grid->SetColumnInfo(at, ColumnInfo(at).get());
    m_grid->SetColumnBreakWidth(at, BreakWidth());
    m_grid->ApplyValueListToColumn(at);
    ++columnCount;
    ShowGrid(true);
    m_grid->Refresh();
}

void CSobrelView::DeleteColumn(int index)
{
    skipNextSelectionChange = true;
    if (!m_grid->DeleteColumn(index))
        return;
    if (std::size_t(index) < m_columns.size())
        m_columns.erase(m_columns.begin() + index);
    --columnCount;
    if (columnCount <= 0)
    {
        columnCount = 0;
        ShowGrid(false);
        m_grid->SetFixedRowCount(0);
        m_grid->SetFixedColumnCount(0);
        m_grid->SetRowCount(0);
        m_grid->SetColumnCount(0);
        m_columns.clear();
        rowCount = 0;
        return;
    }
    m_grid->Refresh();
}

void CSobrelView::InsertRow(int index)
{
    const int at = m_grid->InsertRow("", index >= m_grid->GetRowCount() ? -1 : index);
    BreakLinesOfRow(at);
    m_grid->ApplyValueListsToRow(at);
    ++rowCount;
    RenumberRows(index);
    m_grid->AutoSizeColumn(0);
    m_grid->Refresh();
}

void CSobrelView::DeleteRow(int index)
{
    if (!m_grid->DeleteRow(index))
        return;
    --rowCount;
    RenumberRows(index);
    m_grid->AutoSizeColumn(0);
    m_grid->Refresh();
}

void CSobrelView::RenumberRows(int from)
{
    for (int r = std::max(from, fixedRows); r < m_grid->GetRowCount(); ++r)
        m_grid->SetItemTextFmt(r, 0, "%d", r - fixedRows + 1);
}

void CSobrelView::MoveRow(int from, int to)
{
    if (!m_grid)
        return;
    // Cells move with their selection state, which the grid's selection would not follow.
    m_grid->SetSelectedRange(-1, -1, -1, -1);
    m_grid->MoveRow(from, to);
}

void CSobrelView::MoveColumn(int from, int to)
{
    if (from == to || from < fixedColumns || to < fixedColumns || from >= m_grid->GetColumnCount() ||
        to >= m_grid->GetColumnCount())
        return;
    // The grid takes the cells with their kinds, formats and the description of the heading.
    m_grid->MoveColumn(from, to);
    if (std::size_t(std::max(from, to)) < m_columns.size())
    {
        const auto first = m_columns.begin() + std::min(from, to);
        const auto last = m_columns.begin() + std::max(from, to) + 1;
        if (from < to)
            std::rotate(first, first + 1, last);
        else
            std::rotate(first, last - 1, last);
    }
    m_grid->Refresh();
}

void CSobrelView::SortRowsByNumber(int first, int count)
{
    count = std::min(count, m_grid->GetRowCount() - first);
    if (count < 2)
        return;
    // Whole rows move, with their formats and their cells' values as read.
    std::vector<double> numbers;
    for (int r = first; r < first + count; ++r)
        numbers.push_back(NumberText::ToDouble(std::string(m_grid->GetItemText(r, 0))));
    std::vector<int> order(static_cast<std::size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return numbers[std::size_t(a)] < numbers[std::size_t(b)]; });
    m_grid->ReorderRows(first, order);
    m_grid->Refresh();
}

void CSobrelView::OnSize(UINT, int cx, int cy)
{
    if (m_grid && m_grid->GetSafeHwnd())
        m_grid->MoveWindow(0, 0, cx, cy);
}

void CSobrelView::OnContextMenu(CWnd*, CPoint point)
{
    if (m_grid && m_grid->GetSafeHwnd())
    {
        const CCellRange selected = m_grid->GetSelectedCellRange();
        if (m_grid->IsValid(selected) && selected.GetMinRow() == selected.GetMaxRow() &&
            selected.GetMinCol() == selected.GetMaxCol())
        {
            CPoint client = point;
            m_grid->ScreenToClient(&client);
            const CCellID cell = m_grid->GetCellFromPt(client, FALSE);
            if (m_grid->IsValid(cell))
            {
                m_grid->SetFocusCell(cell);
                m_grid->SetSelectedRange(cell.row, cell.col, cell.row, cell.col);
            }
        }
    }
    if (CSobrelApp* app = SobrelApp())
        app->contextMenus.ShowPopupMenu(IDR_GRID_CONTEXT, point.x, point.y, this);
}

void CSobrelView::OnDestroy()
{
    m_journal.clear();
    m_position = -1;
    m_columns.clear();
    CView::OnDestroy();
}

CTableExport CSobrelView::Exporter() const
{
    CTableExport exporter(*m_grid, [this](int col) { return ColumnInfo(col); });
    if (CSobrelApp* app = SobrelApp())
    {
        exporter.decimals = app->options.decimals;
        exporter.moneyDecimals = app->options.moneyDecimals;
        exporter.thousandsSeparator = app->thousandSeparator;
        exporter.applicationName = app->m_pszAppName ? CString(app->m_pszAppName) : CString("Sobrel");
    }
    return exporter;
}

namespace
{
// The progress of a writer over the grid's rows, ended whatever way the writer leaves.
class ExportProgress
{
public:
    ExportProgress(UINT textId, const CString& first, const CString& second, int total)
    {
        if (CSobrelApp* app = SobrelApp())
        {
            CString text;
            text.Format(LanguageText(textId).GetString(), first.GetString(), second.GetString());
            app->ReportProgress(0, total, text, true, true);
        }
    }
    ~ExportProgress()
    {
        if (CSobrelApp* app = SobrelApp())
            app->ReportProgress(-1, 0, "", false, false);
    }
};

enum ExportType
{
    exportHtml = 1,
    exportWorkbook = 2,
    exportText = 3
};

// The type a path names by its extension (0: none of the three).
int TypeOfExtension(const CString& path)
{
    const QString suffix = QFileInfo(QString::fromUtf8(path.GetString())).suffix().toLower();
    if (suffix == "html" || suffix == "htm")
        return exportHtml;
    if (suffix == "xls")
        return exportWorkbook;
    if (suffix == "csv" || suffix == "txt")
        return exportText;
    return 0;
}
} // namespace

CString CSobrelView::WriteText(const CString& path, const CString& separator)
{
    CString used = separator;
    if (used.IsEmpty())
    {
        CSeparatorDlg dialog;
        dialog.exportMode = true;
        if (dialog.DoModal() != IDOK)
            return CString();
        used = dialog.separator;
        if (used == LanguageText(IDS_TAB_SEPARATOR) || used == "\\t")
            used = "\t";
        if (used.IsEmpty())
            used = ";";
    }
    CWaitCursor wait;
    const CSobrelDoc* document = Document();
    ExportProgress progress(IDS_EXPORT_TEXT_PROGRESS, document ? document->tableName : CString(), path,
                            m_grid->GetRowCount());
    if (!Exporter().WriteText(path, used))
        return CString();
    exportedFiles.push_back(path);
    return used;
}

bool CSobrelView::WriteHtml(const CString& path)
{
    CWaitCursor wait;
    const CSobrelDoc* document = Document();
    ExportProgress progress(IDS_EXPORT_HTML_PROGRESS, document ? document->tableName : CString(), path,
                            m_grid->GetRowCount());
    if (!Exporter().WriteHtml(path))
        return false;
    exportedFiles.push_back(path);
    return true;
}

bool CSobrelView::WriteWorkbook(const CString& path)
{
    CSobrelDoc* document = Document();
    CString sheet = document ? CSobrelDoc::WithoutSheetSuffix(document->tableName) : CString();
    if (sheet.IsEmpty())
    {
        CTableNameDlg naming("", true);
        if (naming.DoModal() != IDOK || naming.name.IsEmpty())
            return false;
        sheet = CSobrelDoc::WithoutSheetSuffix(naming.name);
    }
    const auto rename = [](CString& name) {
        CTableNameDlg naming(name, false);
        if (naming.DoModal() != IDOK)
            return false;
        name = CSobrelDoc::WithoutSheetSuffix(naming.name);
        return !name.IsEmpty();
    };
    CWaitCursor wait;
    ExportProgress progress(IDS_EXPORT_SHEET_PROGRESS, sheet, path, m_grid->GetRowCount());
    if (Exporter().WriteWorkbook(path, sheet, rename) != CTableExport::written)
        return false;
    exportedFiles.push_back(path);
    return true;
}

void CSobrelView::OnExport()
{
    exportedFiles.clear();
    CSobrelDoc* document = Document();
    if (!m_grid || !document)
        return;
    CString proposed = document->GetPathName();
    if (!document->filePath.IsEmpty())
        proposed = QFileInfo(QString::fromUtf8(document->filePath.GetString())).completeBaseName().toUtf8().constData();
    const CString filter = LanguageText(IDS_EXPORT_FILTER);
    const CString title = LanguageText(IDS_EXPORT_TITLE);
    // The overwrite question is asked below for the page and the text only: a workbook that
    // exists gains a sheet.
    CFileDialog dialog(FALSE, "", proposed, OFN_HIDEREADONLY, filter);
    dialog.m_ofn.lpstrTitle = title;
    if (dialog.DoModal() != IDOK)
        return;
    CString path = dialog.GetPathName();
    int type = TypeOfExtension(path);
    if (type == 0)
    {
        type = int(dialog.m_ofn.nFilterIndex);
        if (QFileInfo(QString::fromUtf8(path.GetString())).suffix().isEmpty())
            path += type == exportHtml ? ".html" : type == exportWorkbook ? ".xls" : ".csv";
    }
    if (type != exportWorkbook && QFileInfo::exists(QString::fromUtf8(path.GetString())))
    {
        CString question;
        question.Format(LanguageText(IDS_EXPORT_REPLACE).GetString(), path.GetString());
        if (AfxMessageBox(question, MB_YESNO | MB_ICONQUESTION) != IDYES)
            return;
    }
    switch (type)
    {
    case exportHtml: WriteHtml(path); break;
    case exportWorkbook: WriteWorkbook(path); break;
    case exportText: WriteText(path, ""); break;
    default: return;
    }
    CSobrelApp* app = SobrelApp();
    if (!app || !app->options.openExportedFile)
        return;
    for (auto file = exportedFiles.rbegin(); file != exportedFiles.rend(); ++file)
        CVersionCheck::OpenUrl(QUrl::fromLocalFile(QString::fromUtf8(file->GetString())).toString().toUtf8().constData());
}

void CSobrelView::OnUpdateExport(CCmdUI* pCmdUI) { pCmdUI->Enable(!editing && columnCount > 0); }

bool CSobrelView::Writable() const
{
    const CSobrelDoc* document = Document();
    return !(document && document->readOnly);
}

void CSobrelView::ClearFoundMarks()
{
    found = false;
    if (!m_grid)
        return;
    for (int r = fixedRows; r < m_grid->GetRowCount(); ++r)
        for (int c = fixedColumns; c < m_grid->GetColumnCount(); ++c)
            m_grid->SetItemBkColour(r, c, CLR_DEFAULT);
    const int height = m_grid->GetDefaultCell(FALSE, FALSE)->GetHeight();
    for (int r = fixedRows; r < m_grid->GetRowCount(); ++r)
        if (m_grid->GetRowHeight(r) == 0)
            m_grid->SetRowHeight(r, height);
    ApplyRowFormats();
    m_grid->Invalidate();
}
