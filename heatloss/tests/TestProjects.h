#pragma once
// Projects and input sheets the tests start from.

#include "heatloss/InputSheet.h"
#include "heatloss/ProjectModel.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

// Header Te −15 °C, B 6, p2 0.1; two like rooms (Ti 20 °C, 5000 × 4000 × 2500 mm, one door,
// air exchange 10 m³/h, orientation "S"): wall 1 outer (5000 × 2500 mm, difference 35 K, U 0.3) with
// two windows 1500 × 1500 mm (U 1.2, i 1.4, joint 6000 mm); wall 2 inner (4000 × 2500 mm,
// difference 5 K, U 1.5). Room 2's wall 2 also has a door 800 × 2000 mm (U 2.0, no joint).
std::unique_ptr<ProjectModel> TwoRoomProject();

// Builds input sheet rows: the building row first, then rooms, walls and openings as the
// input dialog writes them.
class SheetRows
{
public:
    SheetRows();
    SheetRows& Building();
    SheetRows& Room(const char* number, const char* name, int length = 5000, const char* orientation = "S");
    SheetRows& Wall(const char* code, int length = 4000, int height = 2500, const char* difference = "35",
                    const char* U = "0.3", int slot = 1);
    SheetRows& Opening(const char* code, int length = 1500, int height = 1500, int count = 1,
                       const char* U = "1.2", const char* i = "1.4", int joint = 6000);
    // Any cells, by column.
    SheetRows& Row(std::initializer_list<std::pair<InputSheet::Column, const char*>> cells);
    SheetRows& Repeat(int times, SheetRows& (SheetRows::*add)());

    const InputSheet& Sheet() const { return m_sheet; }
    // Writes the rows as the sheet "SeznamV" of a new workbook at path, every cell a text
    // but the U of walls, written as a number when numericU is set.
    void WriteWorkbook(const std::string& path, bool numericU = false) const;

private:
    InputSheet m_sheet;
};

// A temporary folder that is removed with the object.
class TempFolder
{
public:
    TempFolder();
    ~TempFolder();
    std::string Path(const char* name) const;

private:
    std::string m_folder;
};
