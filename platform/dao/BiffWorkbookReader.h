#pragma once

#include "platform/dao/Workbook.h"

#include <cstddef>
#include <cstdint>

namespace workbook
{

// Turns a BIFF8 workbook stream into a Workbook: worksheets with their cells and used
// ranges, the date system and the names that refer to one range of one sheet.
// Charts, macros and formatting other than date and currency formats are left out.
// A damaged stream throws WorkbookError; nothing it holds can make the reader loop or overrun.
class BiffWorkbookReader
{
public:
    static Workbook Read(const std::uint8_t* stream, std::size_t size);
};

} // namespace workbook
