#include "platform/dao/Worksheet.h"

#include "platform/dao/LargeBlockResource.h"
#include "platform/dao/WorkbookError.h"

#include <algorithm>

namespace workbook
{

namespace
{
const Cell kEmptyCell;
const Worksheet::Row kEmptyRow;
} // namespace

Worksheet::Worksheet(std::string name) : name_(std::move(name)) {}

Worksheet::Worksheet(const Worksheet& other)
    : name_(other.name_), strings_(other.strings_), firstRow_(other.firstRow_), firstCol_(other.firstCol_),
      rowEnd_(other.rowEnd_), colEnd_(other.colEnd_), formatting_(other.formatting_)
{
    rows_.reserve(other.rows_.size());
    for (const Row& row : other.rows_)
        rows_.emplace_back(row.begin(), row.end(), Arena());
}

Worksheet& Worksheet::operator=(const Worksheet& other)
{
    if (this != &other)
        *this = Worksheet(other);
    return *this;
}

Worksheet::Worksheet(Worksheet&& other) noexcept = default;

Worksheet& Worksheet::operator=(Worksheet&& other) noexcept
{
    if (this == &other)
        return *this;
    // The old rows give their cells back to the old arena before it goes.
    rows_ = std::move(other.rows_);
    arena_ = std::move(other.arena_);
    name_ = std::move(other.name_);
    strings_ = std::move(other.strings_);
    firstRow_ = other.firstRow_;
    firstCol_ = other.firstCol_;
    rowEnd_ = other.rowEnd_;
    colEnd_ = other.colEnd_;
    formatting_ = std::move(other.formatting_);
    return *this;
}

Worksheet::~Worksheet() = default;

std::pmr::memory_resource* Worksheet::Arena()
{
    if (!arena_)
        arena_ = std::make_unique<std::pmr::monotonic_buffer_resource>(LargeBlockResource::Instance());
    return arena_.get();
}

void Worksheet::ReserveRows(int rows)
{
    rows_.reserve(static_cast<std::size_t>(std::clamp(rows, 0, kMaxRows)));
}

void Worksheet::SetUsedRange(int firstRow, int rowEnd, int firstCol, int colEnd)
{
    firstRow_ = std::clamp(firstRow, 0, kMaxRows);
    firstCol_ = std::clamp(firstCol, 0, kMaxColumns);
    rowEnd_ = std::clamp(rowEnd, firstRow_, kMaxRows);
    colEnd_ = std::clamp(colEnd, firstCol_, kMaxColumns);
}

void Worksheet::ExtendUsedRange(int rowEnd, int colEnd)
{
    rowEnd_ = std::clamp(std::max(rowEnd_, rowEnd), firstRow_, kMaxRows);
    colEnd_ = std::clamp(std::max(colEnd_, colEnd), firstCol_, kMaxColumns);
}

const Cell& Worksheet::At(int row, int col) const
{
    if (row < 0 || col < 0 || row >= static_cast<int>(rows_.size()))
        return kEmptyCell;
    const Row& cells = rows_[row];
    return col < static_cast<int>(cells.size()) ? cells[col] : kEmptyCell;
}

std::string_view Worksheet::TextOf(const Cell& cell) const
{
    if (cell.kind != CellKind::Text || cell.text >= strings_.size())
        return {};
    return strings_[cell.text];
}

const Worksheet::Row& Worksheet::RowCells(int row) const
{
    return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[row] : kEmptyRow;
}

Cell& Worksheet::Slot(int row, int col)
{
    if (row < 0 || col < 0 || row >= kMaxRows || col >= kMaxColumns)
        throw WorkbookError("Buňka leží mimo rozsah listu (nejvýše 65536 řádků a 256 sloupců).");
    while (row >= static_cast<int>(rows_.size()))
        rows_.emplace_back(Arena());
    Row& cells = rows_[row];
    if (col >= static_cast<int>(cells.size()))
    {
        // A row usually grows to the sheet's width: one allocation instead of one per cell.
        if (cells.capacity() < static_cast<std::size_t>(col + 1))
            cells.reserve(std::max(col + 1, colEnd_));
        // Cells mostly come in column order: the next one is appended.
        if (col == static_cast<int>(cells.size()))
            cells.emplace_back();
        else
            cells.resize(col + 1);
    }
    // The cell lies inside the sheet's limits, so the range only needs to reach it.
    firstRow_ = std::min(firstRow_, row);
    firstCol_ = std::min(firstCol_, col);
    rowEnd_ = std::max(rowEnd_, row + 1);
    colEnd_ = std::max(colEnd_, col + 1);
    return cells[col];
}

void Worksheet::SetText(int row, int col, std::string_view text)
{
    Slot(row, col) = Cell::MakeText(AddString(std::string(text)));
}

void Worksheet::SetNumber(int row, int col, double value, NumberFormatKind format)
{
    Slot(row, col) = Cell::MakeNumber(value, format);
}

void Worksheet::SetBoolean(int row, int col, bool value)
{
    Slot(row, col) = Cell::MakeBoolean(value);
}

void Worksheet::SetError(int row, int col, std::uint8_t code)
{
    Slot(row, col) = Cell::MakeError(code);
}

void Worksheet::SetEmpty(int row, int col)
{
    if (row >= 0 && row < static_cast<int>(rows_.size()) && col >= 0 &&
        col < static_cast<int>(rows_[row].size()))
        rows_[row][col] = Cell();
}

void Worksheet::PlaceCell(int row, int col, const Cell& cell)
{
    if (cell.IsEmpty())
    {
        SetEmpty(row, col);
        return;
    }
    Slot(row, col) = cell;
}

std::uint32_t Worksheet::AddString(std::string text)
{
    strings_.push_back(std::move(text));
    return static_cast<std::uint32_t>(strings_.size() - 1);
}

} // namespace workbook
