#pragma once
// Locales and workbooks the hydraulics tests start from.

#include "platform/core/CString.h"

#include <QTemporaryDir>

#include <initializer_list>
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

// Appends rows of (column, text) cells to a sheet of a workbook.
void AppendRows(const CString& workbook, const char* sheet, const std::vector<RowCells>& rows);

// Every row of a sheet, each as its texts by column name.
std::vector<std::vector<std::pair<CString, CString>>> ReadSheet(const CString& workbook, const char* sheet);

// Empties a sheet of a workbook and keeps its columns, as the project's sheet rewrite does.
int EmptySheet(const CString& workbook, const CString& sheet);
