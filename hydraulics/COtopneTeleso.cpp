#include "hydraulics/COtopneTeleso.h"

#include "common/AppSettings.h"
#include "datalib/CData.h"
#include "hydraulics/NumberReading.h"
#include "hydraulics/ResultSheetColumns.h"

IMPLEMENT_DYNCREATE(COtopneTeleso, CObject)

namespace
{
CString Cell(CData* data, const char* column, int row)
{
    CString text;
    data->GetStringValue(column, text, row, -1, 0);
    return text;
}

// The value of the cell, or the default when it is not above 0.
double PositiveOr(CData* data, const char* column, int row, double fallback)
{
    const double value = ReadNumber(Cell(data, column, row));
    return value > 0.0 ? value : fallback;
}

CString RadiatorRowFormat()
{
    const CString& format = AppSettings::Get().RowFormats[4];
    return format.IsEmpty() ? CString("000000|e6e6fa||1") : format;
}
} // namespace

void COtopneTeleso::ReadRow(CData* data, int row)
{
    m_pData = data;
    m_nRow = row;
    using namespace ResultSheet;
    m_strRoomNumber = Cell(data, Number, row);
    m_strCount = Cell(data, ItemCount, row);
    m_strCatalogueKey = Cell(data, ItemText, row);
    m_strFormat = Cell(data, Format, row);
    m_nSections = ReadInteger(Cell(data, Sections, row));
    m_dRoom = PositiveOr(data, RoomTemperature, row, 20.0);
    m_dRoomLoss = PositiveOr(data, RoomLoss, row, 0.0);
    m_dOutput = PositiveOr(data, Heating, row, 0.0);
    m_dCoveringFactor = PositiveOr(data, CoveringFactor, row, 1.0);
    m_dConnectionFactor = PositiveOr(data, ConnectionFactor, row, 1.0);
    m_dCoverFactor = PositiveOr(data, CoverFactor, row, 1.0);
    m_dPlacementFactor = PositiveOr(data, PlacementFactor, row, 1.0);
    m_dTemperatureFactor = PositiveOr(data, TemperatureFactor, row, 1.0);
}

void COtopneTeleso::WriteRow(CData* data, int row)
{
    m_pData = data;
    m_nRow = row;
    using namespace ResultSheet;
    data->AddRow();
    auto put = [data](const char* column, const CString& text) { data->SetStringValue(column, text, -1, 0); };
    put(Format, RadiatorRowFormat());
    put(RecordType, "3");
    put(Number, m_strRoomNumber);
    put(ItemText, m_strCatalogueKey);
    put(ItemCount, m_strCount);
    put(FloorHeating, "Ne");
    CString sections;
    sections.Format("%d", m_nSections);
    put(Sections, sections);
    put(RoomTemperature, WriteNumber("%.1f", m_dRoom));
    put(ConnectionFactor, WriteNumber("%.3f", m_dConnectionFactor));
    put(CoveringFactor, WriteNumber("%.3f", m_dCoveringFactor));
    put(TemperatureFactor, WriteNumber("%.3f", m_dTemperatureFactor));
    put(PlacementFactor, WriteNumber("%.3f", m_dPlacementFactor));
    put(CoverFactor, WriteNumber("%.3f", m_dCoverFactor));
    put(RoomLoss, WriteExactNumber("%.1f", m_dRoomLoss));
    put(Heating, WriteExactNumber("%.1f", m_dOutput));
    put(RadiatorOutput, WriteExactNumber("%.1f", m_dOutput));
}

COtopneTeleso& WorkingRadiator()
{
    static COtopneTeleso radiator;
    return radiator;
}
