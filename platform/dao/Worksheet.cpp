#include "platform/dao/Worksheet.h"

#include "platform/dao/WorkbookError.h"

#include <algorithm>

namespace workbook
{

namespace
{
const Cell kEmptyCell;
const std::vector<Cell> kEmptyRow;
} // namespace

Worksheet::Worksheet(std::string name) : name_(std::move(name)) {}

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
    const std::vector<Cell>& cells = rows_[row];
    return col < static_cast<int>(cells.size()) ? cells[col] : kEmptyCell;
}

std::string_view Worksheet::TextOf(const Cell& cell) const
{
    if (cell.kind != CellKind::Text || cell.text >= strings_.size())
        return {};
    return strings_[cell.text];
}

const std::vector<Cell>& Worksheet::RowCells(int row) const
{
    return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[row] : kEmptyRow;
}

Cell& Worksheet::Slot(int row, int col)
{
    if (row < 0 || col < 0 || row >= kMaxRows || col >= kMaxColumns)
        throw WorkbookError("Buňka leží mimo rozsah listu (nejvýše 65536 řádků a 256 sloupců).");
    if (row >= static_cast<int>(rows_.size()))
        rows_.resize(row + 1);
    std::vector<Cell>& cells = rows_[row];
    if (col >= static_cast<int>(cells.size()))
    {
        // A row usually grows to the sheet's width: one allocation instead of one per cell.
        if (cells.capacity() < static_cast<std::size_t>(col + 1))
            cells.reserve(std::max(col + 1, colEnd_));
        cells.resize(col + 1);
    }
    firstRow_ = std::min(firstRow_, row);
    firstCol_ = std::min(firstCol_, col);
    ExtendUsedRange(row + 1, col + 1);
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

void Worksheet::SetCell(int row, int col, const Cell& cell)
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
