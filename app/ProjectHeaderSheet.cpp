#include "app/ProjectHeaderSheet.h"

#include "app/DocumentIds.h"
#include "common/AppSettings.h"
#include "common/CommonRoutines.h"
#include "datalib/CData.h"
#include "heatloss/BuildingTypeText.h"
#include "heatloss/ModelCapacity.h"
#include "heatloss/ProjectHeader.h"
#include "heatloss/ProjectModel.h"
#include "hydraulics/COtopneTeleso.h"
#include "platform/core/NumberText.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace
{
constexpr double kDefaultSupplyTemperature = 50.0; // °C
constexpr double kDefaultReturnTemperature = 45.0; // °C

CString ColumnName(UINT id)
{
    CString name;
    name.LoadString(id);
    return name;
}

CString IntText(long value)
{
    CString text;
    text.Format("%ld", value);
    return text;
}

// The long texts of the header, in the order they are written.
std::vector<std::pair<UINT, CString*>> LongTexts(ProjectHeader& h)
{
    return {{IDS_COL_JOB, &h.investor1},         {IDS_COL_JOB2, &h.investor2},
            {IDS_COL_PROJECT, &h.building1},     {IDS_COL_PROJECT2, &h.building2},
            {IDS_COL_AUTHOR, &h.author},         {IDS_COL_DATE, &h.date},
            {IDS_COL_JOB_NUMBER, &h.orderNumber}, {IDS_COL_ARCHIVE_NUMBER, &h.archiveNumber},
            {IDS_COL_NOTE, &h.note}};
}
} // namespace

CString ProjectHeaderSheet::UnknownColumns(CData& data)
{
    std::vector<CString> known = {ColumnName(IDS_COL_PROG_VER), ColumnName(IDS_COL_ALTITUDE),
                                  ColumnName(IDS_COL_TEMPERATURE_REGION), ColumnName(IDS_COL_WIND),
                                  ColumnName(IDS_COL_BUILDING_NUMBER), ColumnName(IDS_COL_ALLOWANCE),
                                  ColumnName(IDS_COL_OUTDOOR_TEMPERATURE), ColumnName(IDS_COL_BUILDING_TYPE),
                                  ColumnName(IDS_COL_TEMPERATURE_DROP), ColumnName(IDS_COL_PRICE_LIST),
                                  ColumnName(IDS_COL_CONDITION), ColumnName(IDS_COL_LENGTH_CHOICE),
                                  ColumnName(IDS_COL_WIDTH_CHOICE), ColumnName(IDS_COL_HEIGHT_CHOICE),
                                  ColumnName(IDS_COL_MIN_SPACING), ColumnName(IDS_COL_MAX_PRESSURE),
                                  ColumnName(IDS_COL_MAX_CIRCUIT), ColumnName(IDS_COL_BASE_SIGMA),
                                  // written by the floor and wall heating design
                                  "dThetaVDes", "SIGMA_STENOVKY"};
    ProjectHeader header;
    for (const auto& [column, field] : LongTexts(header))
        known.push_back(ColumnName(column));
    CString unknown;
    for (int i = 0; i < data.m_aColNames.GetSize(); ++i)
    {
        const CString& name = data.m_aColNames[i];
        if (std::find(known.begin(), known.end(), name) == known.end())
            unknown += (unknown.IsEmpty() ? "" : ", ") + name;
    }
    return unknown;
}

ProjectHeaderSheet::ProjectHeaderSheet(ProjectHeader& header, AppSettings& settings,
                                       RadiatorCatalogueChoice& radiators, CString& version)
    : m_header(header), m_settings(settings), m_radiators(radiators), m_version(version)
{
}

bool ProjectHeaderSheet::Has(CData& data, UINT column)
{
    return data.GetColIndex(ColumnName(column), 0) >= 0;
}

CString ProjectHeaderSheet::Value(CData& data, UINT column, int row)
{
    CString text;
    if (row >= data.m_nRecordCount || !Has(data, column) ||
        !data.GetStringValue(ColumnName(column), text, row, -1, 0))
        return CString();
    return text;
}

CString ProjectHeaderSheet::WithoutTrailingZeros(const CString& number)
{
    CString text = number;
    if (text.FindOneOf(".,") < 0)
        return text;
    text.TrimRight("0");
    text.TrimRight(".,");
    return text;
}

void ProjectHeaderSheet::ReadPositive(CData& data, UINT column, double& setting, int row)
{
    const double value = NumberText::ToDouble(Value(data, column, row).str());
    if (value > 0)
        setting = value;
}

// "supply#return"; without "#" both are the one number; a "#" at the end keeps the return.
void ProjectHeaderSheet::ReadTemperatureDrop(const CString& text)
{
    m_settings.TemperaturePair = text;
    const double supply = NumberText::ToDouble(text.str());
    const int hash = text.Find('#');
    if (hash < 0 || hash < text.GetLength() - 1)
    {
        const double returnTemperature = NumberText::ToDouble((hash < 0 ? text : text.Mid(hash + 1)).str());
        m_settings.DesignReturnTemperature = returnTemperature > 0 ? returnTemperature : kDefaultReturnTemperature;
    }
    m_settings.DesignFlowTemperature = supply > 0 ? supply : kDefaultSupplyTemperature;
    WorkingRadiator().m_dSupply = m_settings.DesignFlowTemperature;
    WorkingRadiator().m_dReturn = m_settings.DesignReturnTemperature;
}

void ProjectHeaderSheet::Read(CData& data)
{
    if (Has(data, IDS_COL_PROG_VER))
        m_version = Value(data, IDS_COL_PROG_VER);
    const auto readText = [&](UINT column, CString& field, int maxChars) {
        if (Has(data, column))
            field = ModelText(Value(data, column), maxChars);
    };
    for (auto& [column, field] : LongTexts(m_header))
        readText(column, *field, HEADER_TEXT_CHARS);
    readText(IDS_COL_TEMPERATURE_REGION, m_header.temperatureRegion, HEADER_TEXT_CHARS);
    if (Has(data, IDS_COL_ALTITUDE))
        m_header.altitude = ModelText(WithoutTrailingZeros(Value(data, IDS_COL_ALTITUDE)), HEADER_SHORT_TEXT_CHARS);
    readText(IDS_COL_WIND, m_header.windyLandscape, HEADER_SHORT_TEXT_CHARS);

    m_header.B = NumberText::ToInt(Value(data, IDS_COL_BUILDING_NUMBER).str());
    m_header.p2 = NumberText::ToDouble(Value(data, IDS_COL_ALLOWANCE).str());
    m_header.Te = NumberText::ToInt(Value(data, IDS_COL_OUTDOOR_TEMPERATURE).str());
    m_header.buildingType = NumberText::ToInt(Value(data, IDS_COL_BUILDING_TYPE).str());
    m_header.buildingTypeText = BuildingTypeText(m_header.buildingType);
    if (Has(data, IDS_COL_TEMPERATURE_DROP))
        ReadTemperatureDrop(Value(data, IDS_COL_TEMPERATURE_DROP));

    m_radiators.priceList = NumberText::ToInt(Value(data, IDS_COL_PRICE_LIST).str());
    m_radiators.condition = Value(data, IDS_COL_CONDITION);
    m_radiators.lengthChoice = Value(data, IDS_COL_LENGTH_CHOICE);
    m_radiators.widthChoice = Value(data, IDS_COL_WIDTH_CHOICE);
    m_radiators.heightChoice = Value(data, IDS_COL_HEIGHT_CHOICE);

    const CString spacing = Value(data, IDS_COL_MIN_SPACING);
    if (NumberText::ToDouble(spacing.str()) > 0)
        m_settings.MinimRoztec = WithoutTrailingZeros(spacing);
    ReadPositive(data, IDS_COL_MAX_PRESSURE, m_settings.MaxTlakZtrata);
    ReadPositive(data, IDS_COL_MAX_CIRCUIT, m_settings.MaxDelkaOkruhu);
    ReadPositive(data, IDS_COL_BASE_SIGMA, m_settings.ZakladSigma);
    ReadPositive(data, IDS_COL_BASE_SIGMA, m_settings.MinDifSigma, 1);
}

int ProjectHeaderSheet::Write(CData& data)
{
    std::vector<std::pair<UINT, CString>> row0 = {{IDS_COL_PROG_VER, m_version}};
    for (auto& [column, field] : LongTexts(m_header))
        row0.emplace_back(column, *field);
    row0.insert(row0.end(), {{IDS_COL_ALTITUDE, m_header.altitude},
                             {IDS_COL_TEMPERATURE_REGION, m_header.temperatureRegion},
                             {IDS_COL_WIND, m_header.windyLandscape},
                             {IDS_COL_BUILDING_NUMBER, IntText(m_header.B)},
                             {IDS_COL_ALLOWANCE, SettingNumberText(m_header.p2)},
                             {IDS_COL_OUTDOOR_TEMPERATURE, IntText(m_header.Te)},
                             {IDS_COL_BUILDING_TYPE, IntText(m_header.buildingType)},
                             {IDS_COL_TEMPERATURE_DROP, m_settings.TemperaturePair}});
    if (m_radiators.chosen)
        row0.insert(row0.end(), {{IDS_COL_PRICE_LIST, IntText(m_radiators.priceList)},
                                 {IDS_COL_CONDITION, m_radiators.condition},
                                 {IDS_COL_LENGTH_CHOICE, m_radiators.lengthChoice},
                                 {IDS_COL_WIDTH_CHOICE, m_radiators.widthChoice},
                                 {IDS_COL_HEIGHT_CHOICE, m_radiators.heightChoice}});
    row0.insert(row0.end(), {{IDS_COL_MIN_SPACING, m_settings.MinimRoztec},
                             {IDS_COL_MAX_PRESSURE, SettingNumberText(m_settings.MaxTlakZtrata)},
                             {IDS_COL_MAX_CIRCUIT, SettingNumberText(m_settings.MaxDelkaOkruhu)},
                             {IDS_COL_BASE_SIGMA, SettingNumberText(m_settings.ZakladSigma)}});
    while (data.m_nRecordCount < 2)
        if (!data.AddRow())
            return 0;
    int written = 1;
    for (const auto& [column, text] : row0)
        if (Has(data, column))
            written = data.SetStringValue(ColumnName(column), text, 0, 0) && written;
    if (Has(data, IDS_COL_BASE_SIGMA))
        written = data.SetStringValue(ColumnName(IDS_COL_BASE_SIGMA), SettingNumberText(m_settings.MinDifSigma), 1, 0) &&
                  written;
    return written;
}
