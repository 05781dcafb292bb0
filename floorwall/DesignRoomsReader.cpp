#include "floorwall/DesignRoomsReader.h"

#include "common/AppSettings.h"
#include "datalib/CData.h"
#include "floorwall/CMistPodlahVytap.h"
#include "floorwall/FloorWallIds.h"
#include "floorwall/RowBeforeRoom.h"
#include "hydraulics/COtopneTeleso.h"
#include "hydraulics/CTopnyOkruh.h"
#include "hydraulics/CircuitLabel.h"
#include "hydraulics/NumberReading.h"
#include "hydraulics/ResultSheetColumns.h"

#include <cmath>
#include <memory>
#include <new>

namespace
{
constexpr int kRoomRow = 2;
constexpr int kRadiatorRow = 3;
constexpr int kFloorCircuitRow = 4;
constexpr int kWallCircuitRow = 5;
constexpr int kFloorCircuitStyle = 6;            // among the application's row styles
constexpr double kDefaultTemperatureBelow = 5.0; // °C, for a stored value below 0.5 in magnitude

std::unique_ptr<CTopnyOkruh> ReadFloorCircuit(CData& table, int row, const CMistPodlahVytap& room)
{
    auto circuit = std::make_unique<CTopnyOkruh>();
    circuit->ReadFromTable(&table, row, kFloorCircuitRow);
    circuit->SetMaxSurfaceTemperature(room.m_dRoomTemperature);
    circuit->SetMeanSurfaceTemperature(room.m_dRoomTemperature);
    return circuit;
}

// The circuit that a floor-heated room row without circuit rows describes; then the room
// takes its radiators' output.
void FinishRoom(CData& table, CMistPodlahVytap* room)
{
    if (!room)
        return;
    if (room->m_nFloorHeating && room->m_floorCircuits.empty() && room->m_nRow >= 0)
    {
        std::unique_ptr<CTopnyOkruh> circuit = ReadFloorCircuit(table, room->m_nRow, *room);
        circuit->m_dOwnSupplyLength = 0.0;
        if (std::fabs(circuit->m_dFloorTemperatureValue) < 0.5)
            circuit->m_dFloorTemperatureValue = kDefaultTemperatureBelow;
        const CString& style = AppSettings::Get().RowFormats[kFloorCircuitStyle];
        circuit->m_strFormat = style.IsEmpty() ? CString("000000|f9f0b0||1") : style;
        circuit->m_strLabel = CircuitLabel(room->m_strNumber, 1);
        room->m_floorCircuits.push_back(circuit.release());
        room->m_nCircuitCount = int(room->m_floorCircuits.size());
    }
    room->TakeRadiatorOutput();
}

// An element row of the room above: a radiator, a floor circuit or a wall circuit.
void ReadElement(CData& table, int row, int kind, CMistPodlahVytap& room)
{
    if (kind == kRadiatorRow)
    {
        auto radiator = std::make_unique<COtopneTeleso>();
        radiator->ReadRow(&table, row);
        room.m_radiators.push_back(radiator.release());
    }
    else if (kind == kFloorCircuitRow)
    {
        room.m_floorCircuits.push_back(ReadFloorCircuit(table, row, room).release());
        room.m_nCircuitCount = int(room.m_floorCircuits.size());
        room.m_nFloorHeating = 1;
    }
    else
    {
        auto circuit = std::make_unique<CTopnyOkruh>();
        circuit->ReadFromTable(&table, row, kWallCircuitRow);
        room.m_wallCircuits.push_back(circuit.release());
        room.m_nWallHeating = 1;
    }
}
} // namespace

bool ReadDesignRooms(CData& table, std::vector<CMistPodlahVytap*>& rooms, CString& message)
{
    CMistPodlahVytap* current = nullptr;
    try
    {
        for (int row = 0; row < table.m_nRecordCount; ++row)
        {
            CString kindText;
            table.GetStringValue(ResultSheet::RecordType, kindText, row, -1, 0);
            const int kind = ReadInteger(kindText);
            if (kind == kRoomRow)
            {
                FinishRoom(table, current);
                auto room = std::make_unique<CMistPodlahVytap>();
                room->ReadRow(&table, row);
                rooms.push_back(room.get());
                current = room.release();
            }
            else if (kind == kRadiatorRow || kind == kFloorCircuitRow || kind == kWallCircuitRow)
            {
                if (!current)
                {
                    message = RowBeforeRoomMessage(table, row, kind);
                    return false;
                }
                ReadElement(table, row, kind, *current);
            }
        }
    }
    catch (const std::bad_alloc&)
    {
        message.LoadString(IDS_LOW_MEMORY);
        return false;
    }
    FinishRoom(table, current);
    return true;
}
