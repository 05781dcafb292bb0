#include "TestProjects.h"

#include "platform/core/NumberText.h"
#include "platform/dao/Workbook.h"
#include "platform/dao/WorkbookFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

std::unique_ptr<ProjectModel> TwoRoomProject()
{
    auto model = std::make_unique<ProjectModel>();
    model->Reset("Projektant");
    model->Header.Te = -15;
    model->Header.B = 6;
    model->Header.p2 = 0.1;
    for (int r = 1; r <= 2; ++r)
    {
        EXPECT_EQ(r, model->AddRoom());
        RoomTable::Entry& room = model->Rooms[r];
        room.number = r == 1 ? "1.01" : "1.02";
        room.name = r == 1 ? "Obývací pokoj" : "Ložnice";
        room.Ti = 20;
        room.length = 5000;
        room.width = 4000;
        room.height = 2500;
        room.doors = 1;
        room.airExchange = 10;
        room.orientation = "S";

        const int outer = model->AddWall(r);
        model->Walls.At(r, outer) = {"SO ", 5000, 2500, 35, 0.3, 1};
        const int window = model->AddOpening(r, outer);
        model->Openings.At(r, outer, window) = {"OJ ", 1500, 1500, 2, 6000, 1.2, 1.4};

        const int inner = model->AddWall(r);
        model->Walls.At(r, inner) = {"SN ", 4000, 2500, 5, 1.5, 1};
        if (r == 2)
        {
            const int door = model->AddOpening(r, inner);
            model->Openings.At(r, inner, door) = {"DN ", 800, 2000, 1, 0, 2.0, 0.0};
        }
    }
    return model;
}

SheetRows::SheetRows()
{
    Building();
}

SheetRows& SheetRows::Building()
{
    return Row({{InputSheet::Name, "objekt"}, {InputSheet::Format, "000000|d2b48c|T|1"}});
}

SheetRows& SheetRows::Room(const char* number, const char* name, int length, const char* orientation)
{
    const std::string lengthText = std::to_string(length);
    return Row({{InputSheet::Number, number},
                {InputSheet::Name, name},
                {InputSheet::Ti, "20"},
                {InputSheet::Length, lengthText.c_str()},
                {InputSheet::Width, "4000"},
                {InputSheet::Height, "2500"},
                {InputSheet::Count, "1"},
                {InputSheet::AirExchange, "10"},
                {InputSheet::Orientation, orientation}});
}

SheetRows& SheetRows::Wall(const char* code, int length, int height, const char* difference, const char* U,
                           int slot)
{
    const std::string texts[] = {std::to_string(length), std::to_string(height), std::to_string(slot)};
    return Row({{InputSheet::Name, code},
                {InputSheet::Width, texts[0].c_str()},
                {InputSheet::Height, texts[1].c_str()},
                {InputSheet::TemperatureDifference, difference},
                {InputSheet::U, U},
                {InputSheet::JointLength, texts[2].c_str()}});
}

SheetRows& SheetRows::Opening(const char* code, int length, int height, int count, const char* U, const char* i,
                              int joint)
{
    const std::string texts[] = {std::to_string(length), std::to_string(height), std::to_string(count),
                                 std::to_string(joint)};
    return Row({{InputSheet::Name, code},
                {InputSheet::Width, texts[0].c_str()},
                {InputSheet::Height, texts[1].c_str()},
                {InputSheet::Count, texts[2].c_str()},
                {InputSheet::U, U},
                {InputSheet::I, i},
                {InputSheet::JointLength, texts[3].c_str()}});
}

SheetRows& SheetRows::Row(std::initializer_list<std::pair<InputSheet::Column, const char*>> cells)
{
    InputSheet::Row row;
    for (const auto& [column, text] : cells)
        row[column] = text;
    m_sheet.rows.push_back(row);
    return *this;
}

SheetRows& SheetRows::Repeat(int times, SheetRows& (SheetRows::*add)())
{
    for (int k = 0; k < times; ++k)
        (this->*add)();
    return *this;
}

void SheetRows::WriteWorkbook(const std::string& path, bool numericU) const
{
    workbook::Workbook book;
    workbook::Worksheet& sheet = book.AddSheet("SeznamV");
    for (int column = 0; column < InputSheet::ColumnCount; ++column)
        sheet.SetText(0, column, InputSheet::ColumnName(InputSheet::Column(column)).str());
    for (int row = 0; row < int(m_sheet.rows.size()); ++row)
        for (int column = 0; column < InputSheet::ColumnCount; ++column)
        {
            const CString& text = m_sheet.rows[row][column];
            if (text.IsEmpty())
                continue;
            double number = 0.0;
            if (numericU && column == InputSheet::U && NumberText::Parse(text.str(), number))
                sheet.SetNumber(row + 1, column, number);
            else
                sheet.SetText(row + 1, column, text.str());
        }
    workbook::WriteWorkbook(book, path);
}

TempFolder::TempFolder()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "heatloss-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        ADD_FAILURE() << "no temporary folder";
    m_folder = pattern;
}

TempFolder::~TempFolder()
{
    std::error_code error;
    std::filesystem::remove_all(m_folder, error);
}

std::string TempFolder::Path(const char* name) const
{
    return (std::filesystem::path(m_folder) / name).string();
}
