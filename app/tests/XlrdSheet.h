#pragma once
// A sheet of a workbook as an independent reader sees it: python3-xlrd of Debian's python3.

#include <map>
#include <string>
#include <vector>

namespace XlrdSheet
{
// Per row below the heading row: the cells that are not empty, by the heading's column name.
// A text cell gives its text, a number cell the number as Python writes it (repr).
using Row = std::map<std::string, std::string>;
std::vector<Row> Rows(const std::string& workbook, const std::string& sheetName);

// The cell of the column, empty when the row has none.
std::string Cell(const Row& row, const std::string& column);
} // namespace XlrdSheet
