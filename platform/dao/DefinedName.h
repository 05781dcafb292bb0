#pragma once

#include <string>

namespace workbook
{

// A workbook-level name that refers to one rectangular range of one sheet.
// A name that follows its sheet covers the sheet's whole used range when written
// (names made for new tables grow with their rows).
struct DefinedName
{
    std::string name;
    int sheet = 0;
    int firstRow = 0;
    int lastRow = 0;
    int firstCol = 0;
    int lastCol = 0;
    bool followsSheet = false;
};

} // namespace workbook
