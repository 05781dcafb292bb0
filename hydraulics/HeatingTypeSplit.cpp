#include "hydraulics/HeatingTypeSplit.h"

#include "common/AppSettings.h"
#include "common/OpenWorkbookTable.h"
#include "common/ProjectSheetStore.h"
#include "datalib/CData.h"
#include "hydraulics/NumberReading.h"
#include "hydraulics/ResultSheetColumns.h"

#include <algorithm>

namespace
{
using namespace ResultSheet;

const char* const HeaderSheet = "DataAkce$";
const char* const Gradient = "Teplotní spád";

const char* const requiredColumns[] = {Number,    Name,       RoomLoss,       ItemCount,    ItemText,
                                       FloorShare, WallShare, UncoveredShare, System,       FloorHeating,
                                       WallHeating};
} // namespace

int HeatingTypeSplit::Classify(const CString& recordType, const CString& number, const CString& name,
                               const CString& floorText, const CString& system)
{
    CString kind = recordType;
    if (!kind.Trim().IsEmpty())
    {
        const int value = ReadInteger(kind);
        return value >= Building && value <= WallCircuit ? value : Other;
    }
    CString trimmedNumber = number, trimmedName = name;
    const bool hasNumber = !trimmedNumber.Trim().IsEmpty();
    const bool hasName = !trimmedName.Trim().IsEmpty();
    if (hasName)
        return hasNumber ? Room : Building;
    if (hasNumber)
        return ReadInteger(system) == 10 ? WallCircuit : FloorCircuit;
    CString floor = floorText;
    return floor.MakeUpper().Find("NE") >= 0 ? Radiator : Other;
}

bool HeatingTypeSplit::Load(CData& data, const CString& wallCode)
{
    m_loaded = false;
    m_columns.clear();
    m_rows.clear();
    m_missing.Empty();
    for (int c = 0; c < data.m_nColCount; ++c)
        m_columns.push_back(data.m_aColNames[c]);
    for (const char* column : requiredColumns)
        if (ColumnIndex(column) < 0)
        {
            m_missing = column;
            m_columns.clear();
            return false;
        }
    for (int r = 0; r < data.m_nRecordCount; ++r)
    {
        Row row;
        for (int c = 0; c < int(m_columns.size()); ++c)
        {
            CString text;
            data.GetStringValue(c, text, r, -1);
            row.cells.push_back(text);
        }
        m_rows.push_back(row);
        const int index = int(m_rows.size()) - 1;
        m_rows[index].level = Classify(Text(index, RecordType), Text(index, Number), Text(index, Name),
                                       Text(index, FloorHeating), Text(index, System));
        m_rows[index].wall = ReadInteger(Text(index, System)) >= 10 ? wallCode : CString("Ne");
    }
    m_loaded = true;
    return true;
}

int HeatingTypeSplit::ColumnIndex(const char* name) const
{
    for (int c = 0; c < int(m_columns.size()); ++c)
        if (m_columns[c] == name)
            return c;
    return -1;
}

CString HeatingTypeSplit::Text(int row, const char* column) const
{
    const int c = ColumnIndex(column);
    return c < 0 ? CString() : m_rows[row].cells[c];
}

void HeatingTypeSplit::SetText(int row, const char* column, const CString& text)
{
    const int c = ColumnIndex(column);
    if (c >= 0)
        m_rows[row].cells[c] = text;
}

double HeatingTypeSplit::NumberIn(int row, const char* column) const
{
    return ReadNumber(Text(row, column));
}

void HeatingTypeSplit::ApplySplit(int row, bool floorOn, bool wallOn, double floor, double wall, double uncovered,
                                  const CString& totalText, const CString& floorCode, const CString& wallCode)
{
    if (m_rows[row].level != Room)
        return;
    SetText(row, FloorHeating, floorOn ? floorCode : CString("Ne"));
    m_rows[row].wall = wallOn ? wallCode : CString("Ne");
    SetText(row, FloorShare, WriteNumber("%.1f", floor));
    SetText(row, WallShare, WriteNumber("%.1f", wall));
    SetText(row, UncoveredShare, WriteNumber("%.1f", uncovered));
    SetText(row, RoomLoss, totalText);
}

HeatingTypeSplit::DeleteCheck HeatingTypeSplit::CheckDelete(int row) const
{
    const int level = m_rows[row].level;
    if (level == Building)
        return DeleteNever;
    if (level == Room && row + 1 < int(m_rows.size()))
    {
        const int next = m_rows[row + 1].level;
        if (next == Radiator || next == FloorCircuit || next == WallCircuit)
            return DeleteHasItems;
    }
    return DeleteAsk;
}

CString HeatingTypeSplit::DeleteText(int row) const
{
    return Text(row, Number) + Text(row, ItemText);
}

bool HeatingTypeSplit::Delete(int row)
{
    if (CheckDelete(row) != DeleteAsk)
        return false;
    if (m_rows[row].level == Radiator)
    {
        const int room = RoomAbove(row);
        if (room < 0)
            return false;
        CString count;
        count.Format("%d", std::max(ReadInteger(Text(room, ItemCount)) - 1, 0));
        SetText(room, ItemCount, count);
    }
    m_rows.erase(m_rows.begin() + row);
    return true;
}

int HeatingTypeSplit::RoomAbove(int row) const
{
    for (int r = row - 1; r >= 0; --r)
        if (m_rows[r].level == Room)
            return r;
    return -1;
}

std::vector<HeatingTypeSplit::Cells> HeatingTypeSplit::WritePlan() const
{
    std::vector<Cells> plan;
    bool floorOn = false, wallOn = false;
    for (int r = 0; r < int(m_rows.size()); ++r)
    {
        const Row& row = m_rows[r];
        if (row.level == Room)
        {
            floorOn = NumberIn(r, FloorShare) > 0.0;
            wallOn = NumberIn(r, WallShare) > 0.0;
        }
        else if ((row.level == FloorCircuit && !floorOn) || (row.level == WallCircuit && !wallOn))
            continue;
        Cells cells;
        for (int c = 0; c < int(m_columns.size()); ++c)
        {
            CString text = row.cells[c];
            if (row.level == Room && m_columns[c] == WallHeating)
                text = row.wall;
            else if (row.level == Room && m_columns[c] == System)
            {
                const int value = ReadInteger(text);
                if (wallOn && value < 10)
                    text.Format("%d", value + 10);
                else if (!wallOn && value >= 10)
                    text.Format("%d", value - 10);
            }
            if (!text.IsEmpty())
                cells.emplace_back(m_columns[c], text);
        }
        plan.push_back(cells);
    }
    return plan;
}

void HeatingTypeSplit::Write(CData& data) const
{
    for (const Cells& cells : WritePlan())
    {
        data.AddRow();
        for (const auto& [column, text] : cells)
            data.SetStringValue(column, text, -1, 0);
    }
}

bool HeatingTypeSplit::Save(const CString& gradient) const
{
    if (!m_loaded)
        return ProjectSheetStore::StoreFirstRowValue(HeaderSheet, Gradient, gradient);
    const CString workbook = AppSettings::Get().CurrentProjectPath();
    {
        CData input;
        if (OpenWorkbookTable(input, workbook, InputSheet, "") != 0)
            return false;
        input.CloseTable();
        input.Close();
    }
    ProjectSheetStore store(Sheet);
    if (!store.Begin())
        return false;
    Write(store.Table());
    store.SetFirstRowValue(HeaderSheet, Gradient, gradient);
    return store.Put();
}
