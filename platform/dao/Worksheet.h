#pragma once

#include "platform/dao/Cell.h"
#include "platform/dao/SheetFormatting.h"

#include <cstdint>
#include <memory>
#include <memory_resource>
#include <string>
#include <string_view>
#include <vector>

namespace workbook
{

// One sheet: cells by zero-based row and column, and its used range.
// The used range may hold empty rows (a table row added and left empty), so it is
// kept apart from the cells themselves. The rows' cells come from an arena of the sheet:
// a sheet of 100,000 rows costs a few allocations, not one a row.
class Worksheet
{
public:
    static constexpr int kMaxRows = 65536;
    static constexpr int kMaxColumns = 256;
    using Row = std::pmr::vector<Cell>;

    explicit Worksheet(std::string name = {});
    Worksheet(const Worksheet& other);
    Worksheet& operator=(const Worksheet& other);
    Worksheet(Worksheet&& other) noexcept;
    Worksheet& operator=(Worksheet&& other) noexcept;
    ~Worksheet();

    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }

    // Used range: rows FirstRow()..RowEnd()-1, columns FirstColumn()..ColumnEnd()-1.
    int FirstRow() const { return firstRow_; }
    int FirstColumn() const { return firstCol_; }
    int RowEnd() const { return rowEnd_; }
    int ColumnEnd() const { return colEnd_; }
    bool IsEmptyRange() const { return rowEnd_ <= firstRow_ || colEnd_ <= firstCol_; }
    void SetUsedRange(int firstRow, int rowEnd, int firstCol, int colEnd);
    // Grows the used range so that it covers rows up to rowEnd-1 and columns up to colEnd-1.
    void ExtendUsedRange(int rowEnd, int colEnd);

    const Cell& At(int row, int col) const;
    std::string_view TextOf(const Cell& cell) const;
    // The text of a text cell, empty otherwise.
    std::string_view TextAt(int row, int col) const { return TextOf(At(row, col)); }

    void SetText(int row, int col, std::string_view text);
    void SetNumber(int row, int col, double value, NumberFormatKind format = NumberFormatKind::General);
    void SetBoolean(int row, int col, bool value);
    void SetError(int row, int col, std::uint8_t code);
    void SetEmpty(int row, int col);
    // Stores a cell as it is; a text cell must index this sheet's string pool.
    void SetCell(int row, int col, const Cell& cell)
    {
        // Reading a sheet mostly adds the next cell of a stored row inside the used range.
        if (row >= firstRow_ && row < rowEnd_ && row < static_cast<int>(rows_.size()) && col >= firstCol_ &&
            col < colEnd_ && !cell.IsEmpty())
        {
            Row& cells = rows_[row];
            if (static_cast<std::size_t>(col) == cells.size() && cells.size() < cells.capacity())
            {
                cells.push_back(cell);
                return;
            }
        }
        PlaceCell(row, col, cell);
    }

    // The string pool that text cells index.
    std::uint32_t AddString(std::string text);
    const std::vector<std::string>& Strings() const { return strings_; }

    // Stored cells of one row (may be shorter than the used range; empty at the end).
    const Row& RowCells(int row) const;
    int StoredRowCount() const { return static_cast<int>(rows_.size()); }
    // Room for this many rows, so that filling them moves nothing.
    void ReserveRows(int rows);

    // Fonts, colours, borders, number formats and sizes for the writer.
    SheetFormatting& Formatting() { return formatting_; }
    const SheetFormatting& Formatting() const { return formatting_; }

private:
    Cell& Slot(int row, int col);
    void PlaceCell(int row, int col, const Cell& cell);
    std::pmr::memory_resource* Arena();

    std::string name_;
    // Declared before the rows, so that the rows go first.
    std::unique_ptr<std::pmr::monotonic_buffer_resource> arena_;
    std::vector<Row> rows_;
    std::vector<std::string> strings_;
    int firstRow_ = 0;
    int firstCol_ = 0;
    int rowEnd_ = 0;
    int colEnd_ = 0;
    SheetFormatting formatting_;
};

} // namespace workbook
