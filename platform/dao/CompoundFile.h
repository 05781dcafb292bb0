#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace workbook
{

// The OLE2 compound document around a BIFF8 workbook stream (through libgsf).
class CompoundFile
{
public:
    // The bytes of the workbook stream ("Workbook", or "Book" of older writers).
    // Throws WorkbookError when the data are not a compound document or hold no workbook.
    static std::vector<std::uint8_t> ReadWorkbookStream(const std::uint8_t* data, std::size_t size);
    // The workbook stream where it lies in one piece inside the data (as writers usually lay it
    // out): read in place, without a copy. Empty when it does not, or when the document holds
    // anything unusual; ReadWorkbookStream then reads it.
    static std::span<const std::uint8_t> WholeWorkbookStream(const std::uint8_t* data, std::size_t size);
    // A compound document holding the stream "Workbook".
    static std::vector<std::uint8_t> WrapWorkbookStream(const std::vector<std::uint8_t>& stream);
};

} // namespace workbook
