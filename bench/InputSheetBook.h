#pragma once
// The input sheet "SeznamV" of a project of 98 rooms, each with walls (outer and inner in turn)
// and openings, written as a workbook by the benchmarks of the heat losses and of the wall
// heating design.

#include "heatloss/InputSheet.h"
#include "heatloss/ModelCapacity.h"
#include "platform/dao/Workbook.h"

#include <initializer_list>
#include <string>
#include <utility>

// Writes one row's cells (by sheet column) as texts.
inline void PutRow(workbook::Worksheet& sheet, int row, std::initializer_list<std::pair<InputSheet::Column, std::string>> cells)
{
    for (const auto& [column, text] : cells)
        sheet.SetText(row, column, text);
}

inline workbook::Workbook ProjectBook(int walls = MAX_WALLS - 1, int openings = MAX_OPENINGS - 1)
{
    workbook::Workbook book;
    book.AddSheet("DataAkce").SetText(0, 0, "PROG_VER");
    workbook::Worksheet& sheet = book.AddSheet("SeznamV");
    for (int column = 0; column < InputSheet::ColumnCount; ++column)
        sheet.SetText(0, column, InputSheet::ColumnName(InputSheet::Column(column)).str());
    int row = 1;
    PutRow(sheet, row++, {{InputSheet::Name, "objekt"}, {InputSheet::Format, "000000|d2b48c|T|1"}});
    const char* orientations[] = {"J", "JZ", "Z", "SZ", "S", "SV", "V", "JV"};
    for (int r = 1; r < MAX_ROOMS; ++r)
    {
        PutRow(sheet, row++,
               {{InputSheet::Number, "1." + std::to_string(r)},
                {InputSheet::Name, "Místnost " + std::to_string(r)},
                {InputSheet::Ti, std::to_string(18 + r % 6)},
                {InputSheet::Length, std::to_string(3000 + 10 * r)},
                {InputSheet::Width, "4000"},
                {InputSheet::Height, "2600"},
                {InputSheet::Count, "2"},
                {InputSheet::AirExchange, "20"},
                {InputSheet::Orientation, orientations[r % 8]},
                {InputSheet::Format, "000000|f0d800|T|1"}});
        for (int w = 1; w <= walls; ++w)
        {
            PutRow(sheet, row++,
                   {{InputSheet::Name, w % 2 ? "SO " : "SN "},
                    {InputSheet::Width, std::to_string(2000 + 100 * w)},
                    {InputSheet::Height, "2600"},
                    {InputSheet::TemperatureDifference, w % 2 ? "35" : "5"},
                    {InputSheet::U, "0,35"},
                    {InputSheet::JointLength, std::to_string(w)},
                    {InputSheet::Format, "000000|ffffe0||1"}});
            for (int o = 1; o <= openings; ++o)
                PutRow(sheet, row++,
                       {{InputSheet::Name, "OJ "},
                        {InputSheet::Width, "100"},
                        {InputSheet::Height, "120"},
                        {InputSheet::Count, "1"},
                        {InputSheet::U, "1,2"},
                        {InputSheet::I, "1,4"},
                        {InputSheet::JointLength, "440"},
                        {InputSheet::Format, "000000|dfffff||1"}});
        }
    }
    return book;
}
