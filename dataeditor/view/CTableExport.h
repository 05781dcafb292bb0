#pragma once
// Writes what the view's grid shows to an HTML page, a delimited text or a sheet of an Excel 8.0
// workbook:
// the header row and every data row, the row-number column left out; columns of width 0 are
// left out of the page and the text and hidden in the workbook.

#include "dataeditor/grid/CCellHtmlStyle.h"
#include "platform/core/CString.h"

#include <functional>
#include <memory>

class CColumnInfo;
class CGridCtrl;

namespace workbook
{
class Worksheet;
}

class CTableExport
{
public:
    using ColumnInfoOf = std::function<std::shared_ptr<CColumnInfo>(int gridColumn)>;

    CTableExport(CGridCtrl& grid, ColumnInfoOf columnInfo);

    // False when the file cannot be written (nothing is then left behind).
    bool WriteHtml(const CString& path) const;

    enum WorkbookResult
    {
        written,
        cancelled,
        failed
    };
    // Adds the sheet to the workbook at path (made when missing). A sheet of that name is asked
    // about (Yes replaces it, No asks rename for another name, Cancel writes nothing); the
    // other sheets stay. The target is replaced only once the whole workbook is written; a
    // failure is told to the user and leaves the target as it was.
    WorkbookResult WriteWorkbook(const CString& path, CString sheetName,
                                 const std::function<bool(CString& name)>& rename) const;
    // The grid into an empty sheet: values, cell styles, column widths, hidden columns and rows.
    void FillSheet(workbook::Worksheet& sheet) const;

    // The header row (each column's name, "@" and its type text) and the data rows, fields
    // joined by the separator; a field holding the separator, a quote or a line break is quoted
    // with its quotes doubled, so the import reads the same grid back. Code page 1250, or UTF-8
    // with a byte-order mark when a text holds a character that code page lacks. False when
    // the file cannot be written.
    bool WriteText(const CString& path, const CString& separator) const;
    static CString TextField(const CString& text, const CString& separator);

    // A cell text as HTML: markup characters escaped, line feeds as <br>, characters outside
    // code page 1250 as character references; the result is UTF-8.
    static CString HtmlText(const CString& text);
    // "@" for text columns, "#,##0" with the decimals for numeric ones, empty for others.
    CString NumberFormat(const CColumnInfo& info) const;
    CCellHtmlStyle StyleOf(int row, int col) const;

    int decimals = 2;
    int moneyDecimals = 2;
    int pixelsPerInch = 96;
    CString applicationName = "Sobrel";
    CString thousandsSeparator = " ";

private:
    bool Visible(int col) const;
    int FirstDataColumn() const;
    // A data cell of a numeric column that shows a number as read gives that value with every
    // digit; any other cell its text.
    CString ValueText(int row, int col) const;

    CGridCtrl& m_grid;
    ColumnInfoOf m_columnInfo;
};
