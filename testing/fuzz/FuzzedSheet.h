#pragma once
// Fuzz targets of the program's sheet loaders: a project workbook of one sheet made from the
// fuzzer's input, written in the form of the data folder's sheet files (line 1 the column
// names, line 2 the column types, then the rows, fields parted by tabs; a "number" column holds
// numbers, any other texts), so that the fuzzer changes cells rather than workbook records.

#include <string>
#include <string_view>

namespace FuzzedSheet
{
// A workbook path in a folder of this process's own in memory, removed as the process exits.
std::string WorkbookPath();
// Writes the workbook with the sheet (its name without "$"); false when the input has no
// line of types. A "number" cell that is no number is written as a text.
bool Write(const std::string& path, const char* sheet, std::string_view input);
} // namespace FuzzedSheet
