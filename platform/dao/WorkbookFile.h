#pragma once

#include "platform/dao/Workbook.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace workbook
{

// Reads an Excel 8.0 (BIFF8) workbook file. Throws WorkbookError (Czech text) when the file
// is missing, unreadable, damaged or not an Excel 8.0 workbook.
Workbook ReadWorkbook(const std::string& path);
// The same from the bytes of a file.
Workbook ReadWorkbookFromBytes(const std::uint8_t* data, std::size_t size);

// Writes the workbook as an Excel 8.0 file. The file is replaced atomically: the data go to a
// temporary file in the same folder, which is flushed and renamed over the old file, which
// keeps its mode and owner; the folder is flushed after. A read-only file is not replaced.
// Throws WorkbookError when it cannot be written (the old file is then left as it was).
void WriteWorkbook(const Workbook& book, const std::string& path);
// The bytes of a file; throws WorkbookError when it cannot be read.
std::vector<std::uint8_t> ReadFileBytes(const std::string& path);
// Replaces a file by these bytes atomically, as WriteWorkbook does; the error names the cause.
void WriteFileBytes(const std::vector<std::uint8_t>& bytes, const std::string& path);
// The bytes of the file WriteWorkbook would write.
std::vector<std::uint8_t> WorkbookToBytes(const Workbook& book);

} // namespace workbook
