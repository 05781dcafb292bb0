#include "floorwall/CMistPodlahVytap.h"

#include "floorwall/SupplyRouteIndex.h"

#include "common/AppSettings.h"
#include "datalib/CData.h"
#include "hydraulics/NumberReading.h"
#include "hydraulics/ProjectVersion.h"
#include "hydraulics/COtopneTeleso.h"
#include "hydraulics/CTopnyOkruh.h"
#include "hydraulics/CircuitLabel.h"

#include <cmath>

IMPLEMENT_SERIAL(CMistPodlahVytap, CObject, 1)

CMistPodlahVytap::CMistPodlahVytap()
{
    const CString& style = AppSettings::Get().RowFormats[1];
    m_strFormat = style.IsEmpty() ? CString("000000|f0d800|T|1") : style;
}

CMistPodlahVytap::~CMistPodlahVytap()
{
    for (CTopnyOkruh* circuit : m_floorCircuits)
        delete circuit;
    m_floorCircuits.clear();
    for (CTopnyOkruh* circuit : m_wallCircuits)
        delete circuit;
    m_wallCircuits.clear();
    for (COtopneTeleso* radiator : m_radiators)
        delete radiator;
    m_radiators.clear();
}

namespace
{
template <class T> void AppendCopies(const std::vector<T*>& from, std::vector<T*>& to)
{
    for (const T* element : from)
    {
        std::unique_ptr<T> copy(element ? new T(*element) : nullptr);
        to.push_back(copy.get());
        copy.release();
    }
}
} // namespace

std::unique_ptr<CMistPodlahVytap> CMistPodlahVytap::Clone() const
{
    std::unique_ptr<CMistPodlahVytap> copy(new CMistPodlahVytap(*this));
    // The copy never owns this room's elements, not even for a moment.
    copy->m_radiators.clear();
    copy->m_floorCircuits.clear();
    copy->m_wallCircuits.clear();
    AppendCopies(m_radiators, copy->m_radiators);
    AppendCopies(m_floorCircuits, copy->m_floorCircuits);
    AppendCopies(m_wallCircuits, copy->m_wallCircuits);
    return copy;
}

CTopnyOkruh* CMistPodlahVytap::CurrentCircuit() const
{
    if (m_nCurrentCircuit < 0 || m_nCurrentCircuit >= int(m_floorCircuits.size()))
        return nullptr;
    return m_floorCircuits[size_t(m_nCurrentCircuit)];
}

double CMistPodlahVytap::DownwardResistance() const
{
    return m_dInsulationResistance + m_dCeilingResistance + m_dPlasterResistance + m_dPlasterTransfer;
}

namespace
{
// Column names of the room row of "SeznamM$".
namespace Col
{
constexpr const char* Format = "Format";
constexpr const char* Kind = "TYP_ZAZNAMU";
constexpr const char* Number = "Číslo                Místnosti";
constexpr const char* Name = "NázevM";
constexpr const char* FloorCode = "Podlahové     Vytápění";
constexpr const char* WallCode = "Stěnové Vytápění";
constexpr const char* Count = "PočetČl";
constexpr const char* System = "Soustava";
constexpr const char* BuildUp = "Skladba";
constexpr const char* SupplyValues = "HODNOTY_PRI";
} // namespace Col

constexpr double kEdgeWeight = 175.0;
constexpr double kOccupiedWeight = 100.0;
constexpr double kSupplyPipeGain = 0.135; // W per metre of supply pipe and W/m² of flux

CString Text(CData* table, const char* column, int row)
{
    CString text;
    if (table)
        table->GetStringValue(column, text, row, -1, 0);
    return text;
}

// The layer values of the row in their written order, with their read defaults.
struct LayerColumn
{
    const char* column;
    double CMistPodlahVytap::*member;
};
} // namespace

double CMistPodlahVytap::ReadRawNumber(const char* column) const
{
    return ::ReadNumber(Text(m_pTable, column, m_nRow));
}

double CMistPodlahVytap::ReadNumber(const char* column, double fallback) const
{
    const double value = ReadRawNumber(column);
    return value > 0.0 ? value : fallback;
}

BOOL CMistPodlahVytap::WriteNumber(const char* column, const char* format, double value) const
{
    return m_pTable && m_pTable->SetStringValue(column, WriteExactNumber(format, value), -1, 0) ? TRUE : FALSE;
}

void CMistPodlahVytap::ReadRow(CData* table, int row)
{
    m_pTable = table;
    m_nRow = row;
    AppSettings& settings = AppSettings::Get();
    m_strNumber = Text(table, Col::Number, row);
    m_strName = Text(table, Col::Name, row);
    m_strFormat = Text(table, Col::Format, row);

    m_dHeatLoss = ReadNumber("ZtrátaM", 0.0);
    m_dLaterCircuitsOutput = ReadNumber("Q_CIZICH_PRI", 0.0);
    m_dForeignPipeGain = ReadNumber("Vytápění", 0.0);
    m_dRoomTemperature = ReadNumber("TeplotaM", 20.0);
    m_dWallLoad = ReadNumber("ZTRATA_STEN", 0.0);
    m_dRadiatorLoad = ReadNumber("ZTRATA_TELE", 0.0);
    m_dFloorLoad = ReadNumber("ZTRATA_PODL", 0.0);
    m_nFloorHeating = m_dFloorLoad > 0.0 ? 1 : 0;
    m_nWallHeating = m_dWallLoad > 0.0 ? 1 : 0;

    m_dFloorOutput = ReadNumber("Q_PODL_SKUT", 0.0);
    m_dWallOutput = ReadNumber("Q_STEN_SKUT", 0.0);
    m_dRadiatorOutput = ReadNumber("Q_TELE_SKUT", 0.0);
    if (ProjectProgramVersion() != "1.0")
    {
        m_dFloorDifference = ReadRawNumber("Q_PODL_DIFF");
        m_dWallDifference = ReadRawNumber("Q_STEN_DIFF");
        m_dRadiatorDifference = ReadRawNumber("Q_TELE_DIFF");
    }
    m_dAvailableArea = ReadNumber("Pl_Dispon", 0.0);
    m_dRealisedArea = ReadNumber("Pl_Realiz", 0.0);
    m_nCircuitCount = ReadInteger(Text(table, Col::Count, row));
    m_nSystemType = ReadInteger(Text(table, Col::System, row));

    m_strFloorSystemCode = Text(table, Col::FloorCode, row);
    if (!m_strFloorSystemCode.IsEmpty() && (m_nFloorHeating || m_strFloorSystemCode.Find("9001") >= 0))
        settings.KodSysPodl = m_strFloorSystemCode;
    m_strBuildUpName = Text(table, Col::BuildUp, row);
    m_dForeignLength = ReadNumber("Délka cizí", 0.0);
    m_dOwnLength = ReadNumber("Délka vlastní", 5.0);

    m_dCoveringResistance = ReadNumber("R krytiny", 0.011);
    m_dLoadLayerResistance = ReadNumber("R RoznášVrstvy", 0.033);
    m_dInsulationResistance = ReadNumber("R izolace", 0.55);
    m_dCeilingResistance = ReadNumber("R stropu", 0.25);
    m_dPlasterResistance = ReadNumber("R omítky", 0.01);
    m_dPlasterTransfer = ReadNumber("PRESTUP_OM", 0.17);
    m_dCharacteristicFactor = ReadNumber("KOEF_AZ", 1.0);
    m_dScreedConductivity = m_dScreedConductivityCopy = ReadNumber("VODIV_ROZN", 1.2);
    m_dScreedThickness = ReadNumber("TLOUST_ROZ", 45.0);
    m_dInsulationThickness = ReadNumber("TLOUST_IZO", 32.0);
    m_dMaxInsulationThickness = ReadNumber("TL_IZ_MAX", m_dInsulationThickness);
    m_dMinInsulationThickness = ReadNumber("TL_IZ_MIN", m_dInsulationThickness);
    m_dInsulationConductivity = ReadNumber("VODIV_IZOL", 0.04);
    m_dReinforcementConductivity = ReadNumber("VODIV_VYZT", 50.0);
    m_dReinforcementShare = ReadNumber("PODIL_VYZT", 0.0);
    m_bReinforced = m_dReinforcementShare > 0.0;
    m_dLamellaRatio = ReadNumber("SIRKA_V_EL", 0.8);
    m_dLamellaThickness = ReadNumber("TLOUST_VOD", 1.0);
    m_dLamellaConductivity = ReadNumber("VODIV_VODI", 372.0);

    m_nCurrentCircuit = 0;
    m_dFloorArea = ReadNumber("Plocha", 0.0);
    m_dEdgeArea = ReadNumber("Pl_Okrajová", 0.0);
    m_dOccupiedArea = ReadNumber("Pl_Využitá", 0.0);
    m_dHeatFluxDensity = ReadNumber("HustotaTepToku", 0.0);
    m_dFlowTemperature = ReadNumber("Přívodní teplota", settings.DesignFlowTemperature);
    m_dReturnTemperature = ReadNumber("Vratná teplota", settings.DesignReturnTemperature);
    m_strSupplyValues = Text(table, Col::SupplyValues, row);
}

BOOL CMistPodlahVytap::WriteRow(CData* table, int row)
{
    TakeRadiatorOutput();
    m_pTable = table;
    m_nRow = row;
    if (!table || !table->AddRow())
        return FALSE;
    const AppSettings& settings = AppSettings::Get();
    const CString no = "Ne";
    auto text = [table](const char* column, const CString& value) {
        return table->SetStringValue(column, value, -1, 0) != 0;
    };
    auto number = [this](const char* column, const char* format, double value) {
        return WriteNumber(column, format, value) != 0;
    };
    const CString& roomStyle = settings.RowFormats[1];
    bool ok = text(Col::Format, roomStyle.IsEmpty() ? CString("000000|f0d800|T|1") : roomStyle)
              && text(Col::Kind, "2") && text(Col::Number, m_strNumber) && text(Col::Name, m_strName)
              && number("Plocha", "%.1f", m_dFloorArea) && number("Pl_Okrajová", "%.1f", m_dEdgeArea)
              && number("Pl_Využitá", "%.1f", m_dOccupiedArea) && text(Col::System, WriteInteger(m_nSystemType))
              && text(Col::BuildUp, m_strBuildUpName)
              && text(Col::Count, WriteInteger(int(m_floorCircuits.size())))
              && text(Col::SupplyValues, m_strSupplyValues) && number("ZtrátaM", "%.1f", m_dHeatLoss)
              && number("Délka cizí", "%.1f", m_dForeignLength) && number("TeplotaM", "%.1f", m_dRoomTemperature)
              && number("Q_CIZICH_PRI", "%.1f", m_dLaterCircuitsOutput)
              && number("Vytápění", "%.1f", m_dForeignPipeGain)
              && number("Q_TELE_DIFF", "%.1f", m_dRadiatorDifference);
    // The columns of one heating kind: its code and values, or "Ne" and zeros without it.
    auto heating = [&](int present, CString& code, const CString& fallbackCode, const char* load, const char* output,
                       const char* difference, const char* codeColumn, double loadValue, double outputValue,
                       double differenceValue) {
        if (present && code.IsEmpty())
            code = fallbackCode;
        return text(codeColumn, present ? code : no) && number(load, "%.1f", present ? loadValue : 0.0)
               && number(output, "%.1f", present ? outputValue : 0.0)
               && number(difference, "%.1f", present ? differenceValue : 0.0);
    };
    ok = ok
         && heating(m_nFloorHeating, m_strFloorSystemCode, settings.KodSysPodl, "ZTRATA_PODL", "Q_PODL_SKUT",
                    "Q_PODL_DIFF", Col::FloorCode, m_dFloorLoad, m_dFloorOutput, m_dFloorDifference)
         && heating(m_nWallHeating, m_strWallSystemCode, settings.ThirdCode, "ZTRATA_STEN", "Q_STEN_SKUT",
                    "Q_STEN_DIFF", Col::WallCode, m_dWallLoad, m_dWallOutput, m_dWallDifference);
    ok = ok && number("ZTRATA_TELE", "%.1f", m_dRadiatorLoad) && number("Q_TELE_SKUT", "%.1f", m_dRadiatorOutput)
         && number("Pl_Dispon", "%.1f", m_dAvailableArea) && number("Pl_Realiz", "%.1f", m_dRealisedArea)
         && number("Délka vlastní", "%.1f", m_dOwnLength)
         && number("Přívodní teplota", "%.1f", m_dFlowTemperature)
         && number("Vratná teplota", "%.1f", m_dReturnTemperature)
         && number("HustotaTepToku", "%.1f", m_dHeatFluxDensity);
    static const LayerColumn layers[] = {
        {"R krytiny", &CMistPodlahVytap::m_dCoveringResistance},
        {"R RoznášVrstvy", &CMistPodlahVytap::m_dLoadLayerResistance},
        {"R izolace", &CMistPodlahVytap::m_dInsulationResistance},
        {"R stropu", &CMistPodlahVytap::m_dCeilingResistance},
        {"R omítky", &CMistPodlahVytap::m_dPlasterResistance},
        {"PRESTUP_OM", &CMistPodlahVytap::m_dPlasterTransfer},
        {"VODIV_ROZN", &CMistPodlahVytap::m_dScreedConductivity},
        {"TLOUST_ROZ", &CMistPodlahVytap::m_dScreedThickness},
        {"TLOUST_IZO", &CMistPodlahVytap::m_dInsulationThickness},
        {"TL_IZ_MAX", &CMistPodlahVytap::m_dMaxInsulationThickness},
        {"TL_IZ_MIN", &CMistPodlahVytap::m_dMinInsulationThickness},
        {"VODIV_IZOL", &CMistPodlahVytap::m_dInsulationConductivity},
        {"VODIV_VYZT", &CMistPodlahVytap::m_dReinforcementConductivity},
        {"PODIL_VYZT", &CMistPodlahVytap::m_dReinforcementShare},
        {"SIRKA_V_EL", &CMistPodlahVytap::m_dLamellaRatio},
        {"TLOUST_VOD", &CMistPodlahVytap::m_dLamellaThickness},
        {"VODIV_VODI", &CMistPodlahVytap::m_dLamellaConductivity},
        {"KOEF_AZ", &CMistPodlahVytap::m_dCharacteristicFactor},
    };
    for (const LayerColumn& layer : layers)
        ok = ok && number(layer.column, "%.4f", this->*layer.member);
    return ok ? TRUE : FALSE;
}

void CMistPodlahVytap::TakeRadiatorOutput()
{
    m_dRadiatorOutput = 0.0;
    for (const COtopneTeleso* radiator : m_radiators)
        if (radiator)
            m_dRadiatorOutput += radiator->m_dOutput;
    m_dRadiatorLoad = m_dRadiatorOutput;
}

void CMistPodlahVytap::ResetSums()
{
    m_dEdgeArea = m_dOccupiedArea = m_dForeignLength = 0.0;
    if (!m_nFloorHeating)
        return;
    m_nCircuitCount = int(m_floorCircuits.size());
    for (const CTopnyOkruh* circuit : m_floorCircuits)
        if (circuit)
        {
            m_dEdgeArea += circuit->m_dEdgeArea;
            m_dOccupiedArea += circuit->m_dOccupiedArea;
            m_dForeignLength += circuit->m_dForeignLength;
        }
}

void CMistPodlahVytap::DistributeLoad(int recalculate)
{
    double load = m_dFloorLoad - m_dForeignPipeGain;
    if (load <= 0.0)
        load = 0.0;
    ResetSums();
    const double weighted = kEdgeWeight * m_dEdgeArea + kOccupiedWeight * m_dOccupiedArea;
    const double unit = weighted == 0.0 ? 0.0 : load / weighted;
    m_dLaterCircuitsOutput = 0.0;
    const size_t n = m_floorCircuits.size();
    for (size_t i = 0; i < n; ++i)
    {
        CTopnyOkruh* c = m_floorCircuits[i];
        if (!c)
            continue;
        if (unit <= 0.0 && c->m_dRequiredOutput > 0.0 && n == 1)
            c->m_dOutputDifference = c->m_dRequiredOutput - m_dForeignPipeGain;
        c->m_dRequiredOutput = (kEdgeWeight * c->m_dEdgeArea + kOccupiedWeight * c->m_dOccupiedArea) * unit;
        if (recalculate && !c->m_nDone)
        {
            c->DistributeHeatFlux();
            if (c->m_dHeatFlux > 0.0)
                c->SetMeanSurfaceTemperature(m_dRoomTemperature);
            else if (m_dForeignPipeGain > 0.0 && n == 1 && c->m_dTotalArea > 0.0)
                c->m_dMeanSurfaceTemperature
                    = m_dRoomTemperature
                      + std::pow(m_dForeignPipeGain / c->m_dTotalArea * 0.11210762331838565, 0.9090909090909091);
        }
        if (i > 0)
            m_dLaterCircuitsOutput += c->m_dRequiredOutput;
    }
}

void CMistPodlahVytap::CollectForeignPipeGains(const std::vector<CMistPodlahVytap*>& rooms)
{
    CollectForeignPipeGains(SupplyRouteIndex(rooms));
}

void CMistPodlahVytap::CollectForeignPipeGains(const SupplyRouteIndex& routes)
{
    m_dForeignPipeGain = 0.0;
    if (!m_nFloorHeating)
        return;
    for (CTopnyOkruh* c : m_floorCircuits)
    {
        if (!c)
            continue;
        c->m_dCoveredHeat = 0.0;
        for (const SupplyRouteIndex::Passage& passage : routes.Through(c->m_strLabel))
        {
            const CTopnyOkruh& d = *passage.supplier;
            if (d.m_dLoopLength > 0.0)
            {
                const double gain = passage.length * d.m_dHeatFlux * kSupplyPipeGain;
                m_dForeignPipeGain += gain;
                c->m_dCoveredHeat += gain;
            }
        }
    }
}

void CMistPodlahVytap::MarkForIteration()
{
    m_nIterationMark = 0;
    if (!m_nFloorHeating)
        return;
    for (const CTopnyOkruh* c : m_floorCircuits)
        if (c && RouteCrossesRoom(c->m_strSupplyChain, m_strNumber))
        {
            m_nIterationMark = 1;
            return;
        }
}

double CMistPodlahVytap::UncoveredLoadSum() const
{
    if (!m_nFloorHeating || !m_nIterationMark)
        return 0.0;
    double sum = 0.0;
    for (const CTopnyOkruh* c : m_floorCircuits)
        if (c)
            sum += std::fabs(c->m_dOutputDifference);
    return sum;
}
