#pragma once
// The rows of the input sheet "SeznamV$" as texts: the building, its rooms, the cooled walls
// of each room and the openings of each wall, one row an element in tree order. A row's kind
// is not stored; it follows from which of "Délka", "Rozdíl teplot" and "souč_I" are filled.

#include "heatloss/HeatLossMessage.h"
#include "platform/core/CString.h"

#include <array>
#include <vector>

class CData;

class InputSheet
{
public:
    // The sheet's columns in their order (sheet column index).
    enum Column
    {
        Number,                // "Číslo                Místnosti"
        Name,                  // "NázevM": room name, wall or opening kind code
        Ti,                    // "TeplotaM"
        Length,                // "Délka": a room's length
        Width,                 // "Šířka": a room's width, a wall's or opening's length
        Height,                // "Výška"
        Count,                 // "Počet Otvorů": a room's doors, an opening's count
        AirExchange,           // "Výměna vzduchu"
        Orientation,           // "Světová strana"
        TemperatureDifference, // "Rozdíl teplot"
        U,                     // "souč_K"
        I,                     // "souč_I"
        JointLength,           // "délka spáry": a wall's slot, an opening's joint length
        Format,                // "Format"
        ColumnCount
    };

    // Levels of the input tree.
    enum Level
    {
        BuildingLevel = 1,
        RoomLevel = 2,
        WallLevel = 3,
        OpeningLevel = 4
    };

    using Row = std::array<CString, ColumnCount>;

    std::vector<Row> rows;
    // Which columns the sheet has; a sheet made in memory has them all.
    std::array<bool, ColumnCount> present = MakePresent();

    static CString TableName();
    static CString ColumnName(Column column);

    // Reads every row of the table open in data, the cells of each column as texts; a column
    // the table lacks reads as empty. The format column is not read.
    void Read(CData& data);

    // Opens the sheet of the workbook, reads it and closes it again, showing nothing; the
    // message 61471 or 61472 when the workbook or the sheet does not open.
    HeatLossMessage ReadWorkbook(const CString& path);

    // The level of a row: the first row is the building; otherwise "souč_I" filled makes an
    // opening, else "Rozdíl teplot" a wall, else "Délka" a room, else a building row.
    int LevelOf(int row) const;

    // The first column that the calculation reads and the sheet lacks; ColumnCount when none.
    Column FirstMissingColumn() const;

    // Non-empty once leading blanks are removed.
    static bool IsFilled(const CString& cell);
    // The leading whole number of a cell (0 when it starts with none).
    static int IntegerOf(const CString& cell);
    // The leading decimal number of a cell, with either decimal separator.
    static double DecimalOf(const CString& cell);

private:
    static std::array<bool, ColumnCount> MakePresent()
    {
        std::array<bool, ColumnCount> all;
        all.fill(true);
        return all;
    }
};
