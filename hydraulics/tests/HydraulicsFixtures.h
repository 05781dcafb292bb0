#pragma once
// Locales and workbooks the hydraulics tests start from.

#include "platform/core/CString.h"

#include <QTemporaryDir>

#include <initializer_list>
#include <map>
#include <utility>
#include <vector>

// The user's number notation for one test: '.' or ',' as decimal separator, in reading and
// in writing; the previous one comes back with the object.
class ScopedDecimalSeparator
{
public:
    explicit ScopedDecimalSeparator(char separator);
    ~ScopedDecimalSeparator();

private:
    char m_oldFormat;
};

// The text with its '.' replaced by the separator, as a user of that locale types it.
CString Typed(const char* text, char separator);

// A temporary folder with a copy of a workbook the build generated.
class WorkbookCopy
{
public:
    explicit WorkbookCopy(const char* generatedName, const char* copyName = nullptr);
    CString Path() const { return m_path; }
    CString Folder() const { return CString(m_folder.path().toStdString()); }

private:
    QTemporaryDir m_folder;
    CString m_path;
};

using RowCells = std::vector<std::pair<const char*, const char*>>;

// Building; room A ("1.01", 1000 W: floor 600, wall 0, uncovered 400) with two radiators, two
// floor circuits and a wall circuit; room B with a floor circuit; room C bare; a row without
// kind. The building row is the template's own.
std::vector<RowCells> ProjectRows();
inline constexpr const char* floorCode = "9001-0014";
inline constexpr const char* wallCode = "9001-9999";

// Appends rows of (column, text) cells to a sheet of a workbook.
void AppendRows(const CString& workbook, const char* sheet, const std::vector<RowCells>& rows);

// Every row of a sheet, each as its texts by column name.
std::vector<std::vector<std::pair<CString, CString>>> ReadSheet(const CString& workbook, const char* sheet);

// The rows of "SeznamM$", each as its non-empty texts by column name; a row of cells likewise.
using SheetRow = std::map<CString, CString>;
std::vector<SheetRow> ResultRows(const CString& workbook);
SheetRow Cells(const RowCells& cells);
// The text of the named column in a row that ReadSheet gave; empty when the cell is empty.
CString CellText(const std::vector<std::pair<CString, CString>>& row, const char* column);

// One cell of the project header "DataAkce$" written, and read (empty when the sheet has no row).
void WriteHeaderCell(const CString& workbook, const char* column, const char* value);
CString HeaderCell(const CString& workbook, const char* column);

// Empties a sheet of a workbook and keeps its columns, as the project's sheet rewrite does.
int EmptySheet(const CString& workbook, const CString& sheet);
