#pragma once

#include <cstdint>

namespace workbook
{

// What a cell holds. Formula cells are stored as their cached result.
enum class CellKind : std::uint8_t
{
    Empty,
    Text,
    Number,
    Boolean,
    Error
};

// How a number cell is shown: the engine needs to tell dates and money from plain numbers.
enum class NumberFormatKind : std::uint8_t
{
    General,
    Date,
    Currency
};

// One cell, kept small: a sheet of 100,000 rows holds a million of them.
// Text lives in the sheet's string pool; the cell keeps its index.
struct Cell
{
    CellKind kind = CellKind::Empty;
    NumberFormatKind format = NumberFormatKind::General;
    union
    {
        double number;
        std::uint32_t text;
        bool boolean;
        std::uint8_t error;
    };

    Cell() : number(0) {}
    static Cell MakeNumber(double value, NumberFormatKind fmt = NumberFormatKind::General)
    {
        Cell cell;
        cell.kind = CellKind::Number;
        cell.format = fmt;
        cell.number = value;
        return cell;
    }
    static Cell MakeText(std::uint32_t poolIndex)
    {
        Cell cell;
        cell.kind = CellKind::Text;
        cell.text = poolIndex;
        return cell;
    }
    static Cell MakeBoolean(bool value)
    {
        Cell cell;
        cell.kind = CellKind::Boolean;
        cell.boolean = value;
        return cell;
    }
    static Cell MakeError(std::uint8_t code)
    {
        Cell cell;
        cell.kind = CellKind::Error;
        cell.error = code;
        return cell;
    }
    bool IsEmpty() const { return kind == CellKind::Empty; }
};

} // namespace workbook
