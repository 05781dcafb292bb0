#include "floorwall/WallDesignStore.h"

#include "common/AppSettings.h"
#include "common/OpenWorkbookTable.h"
#include "common/ProjectSheetStore.h"
#include "datalib/CData.h"
#include "floorwall/CMistPodlahVytap.h"
#include "floorwall/DesignRoomsReader.h"
#include "floorwall/FloorWallIds.h"
#include "hydraulics/COtopneTeleso.h"
#include "hydraulics/CTopnyOkruh.h"
#include "hydraulics/NumberReading.h"
#include "hydraulics/RadiatorConditions.h"
#include "hydraulics/ResultSheetColumns.h"

namespace WallDesignStore
{
namespace
{
constexpr int kBuildingRow = 1;
constexpr int kFloorCircuitRow = 4;
constexpr int kWallCircuitRow = 5;
constexpr double kDefaultSupply = 50.0; // °C
constexpr double kDefaultReturn = 42.0; // °C

CString ProjectPath()
{
    return AppSettings::Get().CurrentProjectPath();
}

void CloseTable(CData& table)
{
    table.CloseTable();
    table.Close();
}

// One element's rows appended; false when the database met an error or no row was added.
template <class Write> bool Appended(CData& table, Write&& write)
{
    const int before = table.m_nRecordCount;
    table.ClearError();
    write();
    return table.GetErrorCode() == 0 && table.m_nRecordCount > before;
}

bool WriteRows(CData& table, const std::vector<CMistPodlahVytap*>& rooms)
{
    const bool first = Appended(table, [&] {
        table.AddRow();
        table.SetStringValue(ResultSheet::Name, "objekt", -1, 0);
        table.SetStringValue(ResultSheet::RecordType, WriteInteger(kBuildingRow), -1, 0);
        table.SetStringValue(ResultSheet::Format, AppSettings::Get().RowFormats[0], -1, 0);
    });
    if (!first)
        return false;
    for (CMistPodlahVytap* room : rooms)
    {
        if (!room)
            continue;
        if (!Appended(table, [&] { room->WriteRow(&table, table.m_nRecordCount); }))
            return false;
        for (COtopneTeleso* radiator : room->m_radiators)
            if (radiator && !Appended(table, [&] { radiator->WriteRow(&table, table.m_nRecordCount); }))
                return false;
        const std::pair<int, const std::vector<CTopnyOkruh*>*> lists[] = {
            {room->m_nFloorHeating ? kFloorCircuitRow : 0, &room->m_floorCircuits},
            {room->m_nWallHeating ? kWallCircuitRow : 0, &room->m_wallCircuits}};
        for (const auto& [kind, circuits] : lists)
        {
            if (!kind)
                continue;
            for (CTopnyOkruh* circuit : *circuits)
                if (circuit && !Appended(table, [&] { circuit->SaveToTable(&table, table.m_nRecordCount, kind); }))
                    return false;
        }
    }
    return true;
}
} // namespace

int LoadRooms(CData& table, std::vector<CMistPodlahVytap*>& rooms, CString& message)
{
    message.Empty();
    if (OpenWorkbookTable(table, ProjectPath(), kRoomSheet, "") != 0)
        return 1;
    const bool read = ReadDesignRooms(table, rooms, message);
    CloseTable(table);
    return read ? 0 : 1;
}

void ParseTemperatures(const CString& text, WallDesign::Temperatures& t)
{
    t.supply = ReadNumber(text);
    const int hash = text.Find('#');
    if (hash < 0)
        t.ret = t.supply;
    else if (hash < text.GetLength() - 1)
        t.ret = ReadNumber(text.Mid(hash + 1));
    if (text.IsEmpty())
        t.ret = 0.0;
    if (t.supply <= 0.0)
        t.supply = kDefaultSupply;
    if (t.ret <= 0.0)
        t.ret = kDefaultReturn;
    t.drop = t.supply - t.ret;
}

int LoadTemperatures(CData& table, WallDesign::Temperatures& t)
{
    if (OpenWorkbookTable(table, ProjectPath(), kHeaderSheet, "") != 0)
        return 1;
    CString text;
    table.GetStringValue(kTemperatureColumn, text, 0, -1, 0);
    CloseTable(table);
    ParseTemperatures(text, t);
    return 0;
}

int Store(const std::vector<CMistPodlahVytap*>& rooms, const WallDesign::Temperatures& t, const CString& columnsFrom)
{
    ProjectSheetStore store(kRoomSheet, columnsFrom);
    if (!store.Begin())
        return 1;
    if (!WriteRows(store.Table(), rooms))
        store.Refuse();
    store.SetFirstRowValue(kHeaderSheet, kTemperatureColumn, TemperatureGradientText(t.supply, t.ret));
    return store.Put() ? 0 : 1;
}
} // namespace WallDesignStore
