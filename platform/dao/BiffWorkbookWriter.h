#pragma once

#include "platform/dao/Workbook.h"

#include <cstdint>
#include <vector>

namespace workbook
{

// Writes a Workbook as a BIFF8 workbook stream: values, the header row, date and currency
// formats, the names of tables and each sheet's formatting (cell styles, column widths, row
// heights, hidden columns and rows), readable by Excel, LibreOffice and python3-xlrd.
class BiffWorkbookWriter
{
public:
    static std::vector<std::uint8_t> Write(const Workbook& book);
};

} // namespace workbook
