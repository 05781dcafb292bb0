#include "heatloss/InputSheet.h"

#include "datalib/CData.h"
#include "heatloss/HeatLossIds.h"
#include "platform/core/MessageBox.h"
#include "platform/core/NumberText.h"

#include <algorithm>

CString InputSheet::TableName()
{
    CString name;
    name.LoadString(IDS_HL_INPUT_SHEET);
    return name;
}

CString InputSheet::ColumnName(Column column)
{
    if (column == Format)
        return CString("Format");
    CString name;
    name.LoadString(IDS_HL_COLUMN_FIRST + column);
    return name;
}

void InputSheet::Read(CData& data)
{
    std::array<int, Format> indices;
    for (int column = 0; column < Format; ++column)
    {
        indices[column] = data.GetColIndex(ColumnName(Column(column)), 0);
        present[column] = indices[column] >= 0;
    }
    const int rowCount = std::max(data.m_nRecordCount, 0);
    rows.assign(rowCount, Row());
    for (int row = 0; row < rowCount; ++row)
        for (int column = 0; column < Format; ++column)
            if (indices[column] >= 0)
                data.GetStringValue(indices[column], rows[row][column], row, -1);
}

int InputSheet::LevelOf(int row) const
{
    if (row <= 0)
        return BuildingLevel;
    const Row& cells = rows[row];
    if (IsFilled(cells[I]))
        return OpeningLevel;
    if (IsFilled(cells[TemperatureDifference]))
        return WallLevel;
    if (IsFilled(cells[Length]))
        return RoomLevel;
    return BuildingLevel;
}

InputSheet::Column InputSheet::FirstMissingColumn() const
{
    // The room's number and name and the row format are texts that the calculation does not
    // need; every other column carries a number or the orientation it computes with.
    for (int column = Ti; column < Format; ++column)
        if (!present[column])
            return Column(column);
    return ColumnCount;
}

bool InputSheet::IsFilled(const CString& cell)
{
    return cell.str().find_first_not_of(" \t\n\r\v\f") != std::string::npos;
}

int InputSheet::IntegerOf(const CString& cell)
{
    return NumberText::ToInt(cell.str());
}

HeatLossMessage InputSheet::ReadWorkbook(const CString& path)
{
    CData data;
    data.m_bShowErrors = 0;
    HeatLossMessage message;
    message.icon = MB_ICONSTOP;
    if (!data.Open(path, "Excel 8.0", 0, 0))
    {
        message.id = IDS_HL_FILE_PROBLEM;
        message.argument = path;
        return message;
    }
    if (!data.OpenTable(TableName(), "", 0))
    {
        data.Close();
        message.id = IDS_HL_TABLE_PROBLEM;
        message.argument = TableName();
        return message;
    }
    Read(data);
    data.CloseTable();
    data.Close();
    return HeatLossMessage();
}

double InputSheet::DecimalOf(const CString& cell)
{
    return NumberText::ToDouble(cell.str());
}
