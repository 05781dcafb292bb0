#include "hydraulics/CTopnyOkruh.h"

#include "common/AppSettings.h"
#include "datalib/CData.h"
#include "hydraulics/CircuitLabel.h"
#include "hydraulics/NumberReading.h"
#include "hydraulics/PressureDrop.h"
#include "hydraulics/ProjectVersion.h"
#include "hydraulics/ResultSheetColumns.h"

#include <cmath>

IMPLEMENT_DYNCREATE(CTopnyOkruh, CObject)

namespace
{
constexpr double kSpecificHeat = 4186.8;      // J/(kg·K)
constexpr double kQuarterPi = 0.7853981633974483;
constexpr double kPresent = 0.0;              // a value counts as present above this

CString RowFormat(int index, const char* fallback)
{
    const CString& format = AppSettings::Get().RowFormats[index];
    return format.IsEmpty() ? CString(fallback) : format;
}

CString FloorRowFormat()
{
    return RowFormat(6, "000000|f9f0b0||1");
}

CString WallRowFormat()
{
    return RowFormat(2, "000000|ffffe0||1");
}

// Removes from the position up to and including the next "]" (to the end when there is none).
void RemoveSegment(CString& text, int position)
{
    const int end = text.Find("]", position);
    text.Delete(position, end < 0 ? text.GetLength() - position : end - position + 1);
}
} // namespace

CTopnyOkruh::CTopnyOkruh() : m_pPipe(std::make_unique<CTopnaTrubka>())
{
    const AppSettings& settings = AppSettings::Get();
    m_dFlowTemperature = settings.DesignFlowTemperature;
    m_dReturnTemperature = settings.DesignReturnTemperature;
    m_dMeanTemperatureDifference = settings.DefaultMeanTemperatureDifference;
    m_dSpread = settings.ZakladSigma;
}

CTopnyOkruh::~CTopnyOkruh() = default;

void CTopnyOkruh::SetMaxSurfaceTemperature(double roomTemperature)
{
    m_dMaxSurfaceTemperature = roomTemperature + (std::fabs(m_dEdgeArea) != 0.0 ? 15.0 : 9.0);
    if (m_dMaxSurfaceTemperature > 35.0)
        m_dMaxSurfaceTemperature = 35.0;
}

void CTopnyOkruh::SetMeanSurfaceTemperature(double roomTemperature)
{
    m_dMeanSurfaceTemperature = roomTemperature;
    if (m_dHeatFlux != 0.0)
        m_dMeanSurfaceTemperature += std::pow(m_dHeatFlux * 0.11210762331838565, 0.9090909090909091);
}

void CTopnyOkruh::ComputePipeLength()
{
    if (!(m_dSpacing > kPresent) || !(m_dHeatFlux > kPresent))
    {
        m_dLoopLength = 0.0;
        return;
    }
    double length = 0.0;
    if (m_nSeparateEdgeZone)
    {
        const double edgeSpacing = ReadNumber(AppSettings::Get().MinimRoztec);
        const double edgePart = edgeSpacing != 0.0 ? m_dEdgeArea / edgeSpacing : 0.0;
        length = m_dOccupiedArea / m_dSpacing + edgePart;
    }
    else
    {
        length = (m_dOccupiedArea + m_dEdgeArea) / m_dSpacing;
    }
    const double whole = std::floor(length);
    m_dLoopLength = whole + 0.5 * std::floor(2.0 * (length - whole + 0.49999999));
}

bool CTopnyOkruh::ComputeSupplyTemperatures(double roomTemperature, int setProjectTemperatures)
{
    if (!(m_dSpread > 0.0) || !(m_dMeanTemperatureDifference > 0.0))
        return false;
    m_dReturnTemperature = roomTemperature + m_dSpread / (std::exp(m_dSpread / m_dMeanTemperatureDifference) - 1.0);
    m_dFlowTemperature = m_dReturnTemperature + m_dSpread;
    if (setProjectTemperatures)
    {
        AppSettings::Get().DesignFlowTemperature = m_dFlowTemperature;
        AppSettings::Get().DesignReturnTemperature = m_dReturnTemperature;
    }
    return true;
}

void CTopnyOkruh::SetTemperatureSpread(double spread)
{
    m_dSpread = spread;
    m_dFlowTemperature = AppSettings::Get().DesignFlowTemperature;
    m_dReturnTemperature = m_dFlowTemperature - spread;
}

void CTopnyOkruh::BuildLabel(const CTopnyOkruh* source, int letterNumber)
{
    const char32_t letter = char32_t(letterNumber + 64);
    if (!source)
    {
        m_strLabel = "/" + CString::FromCodePoint(letter);
        m_dMaxSurfaceTemperature = m_dOccupiedArea = m_dEdgeArea = 0.0;
        m_dEdgeAreaRead = m_dOccupiedAreaRead = m_dExternalAreaRead = 0.0;
        m_dForeignLength = m_dTotalArea = m_dFloorTemperatureValue = m_dRequiredOutput = 0.0;
        m_dInsulationOnlyArea = m_dEquivalentArea = m_dExternalArea = 0.0;
        m_dWorkingFlux = m_dEdgeFlux = m_dOccupiedFlux = m_dSpare = m_dCoveredHeat = 0.0;
        const AppSettings& settings = AppSettings::Get();
        m_dFlowTemperature = settings.DesignFlowTemperature;
        m_dReturnTemperature = settings.DesignReturnTemperature;
        m_dMeanTemperatureDifference = settings.DefaultMeanTemperatureDifference;
        m_dSpread = settings.ZakladSigma;
        m_strSupplyChain.Empty();
        m_strSupplyChainRead.Empty();
        m_strSupplyValues.Empty();
    }
    else
    {
        m_strLabel = CircuitLabel(RoomPartOfLabel(source->m_strLabel), letterNumber);
        m_pPipe->CopyFrom(source->m_pPipe.get());
        m_dExternalAreaRead = source->m_dExternalAreaRead;
        m_dExternalArea = source->m_dExternalArea;
        m_dEquivalentArea = source->m_dEquivalentArea;
        m_dForeignLength = source->m_dForeignLength;
        m_dSpare = source->m_dSpare;
        m_dRequiredOutput = source->m_dRequiredOutput;
        m_dFloorTemperatureValue = source->m_dFloorTemperatureValue;
        m_dEdgeArea = source->m_dEdgeArea;
        m_dOccupiedArea = source->m_dOccupiedArea;
        m_dEdgeAreaRead = source->m_dEdgeAreaRead;
        m_dOccupiedAreaRead = source->m_dOccupiedAreaRead;
        m_dTotalArea = source->m_dTotalArea;
        m_dMaxSurfaceTemperature = source->m_dMaxSurfaceTemperature;
        m_dMeanTemperatureDifference = source->m_dMeanTemperatureDifference;
        m_dFlowTemperature = source->m_dFlowTemperature;
        m_dReturnTemperature = source->m_dReturnTemperature;
        m_dSpread = source->m_dSpread;
        m_dSurchargeFactor = source->m_dSurchargeFactor;
        m_dEdgeFlux = source->m_dEdgeFlux;
        m_dOccupiedFlux = source->m_dOccupiedFlux;
        m_dWorkingFlux = source->m_dWorkingFlux;
        m_dOwnSupplyLength = source->m_dOwnSupplyLength;
        m_strSupplyChain = source->m_strSupplyChain;
        m_strSupplyChainRead = source->m_strSupplyChainRead;
        m_strSupplyValues = source->m_strSupplyValues;
    }
    m_strPipeCount.Empty();
    m_strFormat = FloorRowFormat();
    m_dMeanSurfaceTemperature = m_dPressureReserve = m_dPressureLoss = m_dInsulationOnlyArea = 0.0;
    m_dMassFlowKgPerS = m_dOutputDifference = m_dDeliveredOutput = m_dHeatFlux = 0.0;
    m_dCoveredHeat = m_dLoopLength = m_dSpacing = 0.0;
    m_nElementCount = m_nManifold = m_nThrottling = m_nAreasAdjusted = 0;
    m_nSeparateEdgeZone = (m_dEdgeArea > kPresent && std::fabs(m_dOccupiedArea) > kPresent) ? 1 : 0;
}

std::optional<double> CTopnyOkruh::WaterVolume() const
{
    const std::optional<double> d = PipeInnerDiameter(PipeIndexFromCode(m_pPipe->m_strCode));
    if (!d)
        return std::nullopt;
    return *d * *d * kQuarterPi * (m_dOwnSupplyLength + m_dLoopLength);
}

std::optional<double> CTopnyOkruh::WaterVolumeWithSupplyPipe() const
{
    const std::optional<double> d = PipeInnerDiameter(PipeIndexFromCode(m_pPipe->m_strCode));
    const std::optional<double> supply = PipeInnerDiameter(35);
    if (!d || !supply)
        return std::nullopt;
    return *d * *d * kQuarterPi * m_dLoopLength + *supply * *supply * kQuarterPi * m_dOwnSupplyLength;
}

bool CTopnyOkruh::ComputeFlowAndPressureDrop()
{
    const double spread = m_dFlowTemperature - m_dReturnTemperature;
    if (!(spread > 0.0) || m_nElementCount < 1)
        return false;
    const double loopFlow = m_dHeatFlux * m_dOccupiedArea / (kSpecificHeat * spread);
    const double supplyFlow = m_dHeatFlux * m_dEdgeArea / (kSpecificHeat * spread);
    const std::optional<double> loopDrop = PressureDropCharacteristic(3600.0 * loopFlow, 32);
    const std::optional<double> supplyDrop = PressureDropCharacteristic(3600.0 * supplyFlow, 35);
    if (!loopDrop || !supplyDrop)
        return false;
    m_dSpread = spread;
    m_dMassFlowKgPerS = supplyFlow;
    m_dPressureLoss = *loopDrop * m_dLoopLength / m_nElementCount * 1.1 + *supplyDrop * m_dOwnSupplyLength;
    m_dDeliveredOutput = m_dHeatFlux * m_dEdgeArea;
    return true;
}

CString CTopnyOkruh::ReadColumnText(const char* column) const
{
    CString text;
    m_pData->GetStringValue(column, text, m_nRow, -1, 0);
    return text;
}

double CTopnyOkruh::ReadColumnNumber(const char* column) const
{
    return ReadNumber(ReadColumnText(column));
}

double CTopnyOkruh::ReadPositiveColumnNumber(const char* column, double fallback) const
{
    const double value = ReadColumnNumber(column);
    return value > 0.0 ? value : fallback;
}

void CTopnyOkruh::WriteColumnText(const char* column, const CString& text) const
{
    m_pData->SetStringValue(column, text, -1, 0);
}

void CTopnyOkruh::WriteColumnNumber(const char* column, const char* format, double value) const
{
    WriteColumnText(column, WriteExactNumber(format, value));
}

void CTopnyOkruh::ReadFromTable(CData* data, int row, int kind)
{
    using namespace ResultSheet;
    m_pData = data;
    m_nRow = row;
    const AppSettings& settings = AppSettings::Get();
    m_strLabel = ReadColumnText(Number);
    m_dEdgeArea = m_dEdgeAreaRead = ReadPositiveColumnNumber("Pl_Okrajová", 0.0);
    m_dOccupiedArea = m_dOccupiedAreaRead = ReadPositiveColumnNumber("Pl_Využitá", 0.0);
    m_dEquivalentArea = ReadPositiveColumnNumber("Pl_Equival", 0.0);
    m_dExternalArea = m_dExternalAreaRead = ReadPositiveColumnNumber("Pl_Extern", 0.0);
    m_dInsulationOnlyArea = ReadPositiveColumnNumber("Pl_Jen_Izolace", 0.0);
    m_nSeparateEdgeZone = (m_dEdgeArea > kPresent && m_dOccupiedArea > kPresent) ? 1 : 0;
    m_dTotalArea = m_dOccupiedArea + m_dExternalArea + m_dEdgeArea;

    m_dFlowTemperature = ReadPositiveColumnNumber("Přívodní teplota", settings.DesignFlowTemperature);
    m_dReturnTemperature = ReadPositiveColumnNumber("Vratná teplota", settings.DesignReturnTemperature);
    m_dSpread = ReadPositiveColumnNumber("SIGMA_OKR", m_dFlowTemperature - m_dReturnTemperature);
    m_dMeanTemperatureDifference = ReadPositiveColumnNumber("deltaHGj", -1.0);

    m_dSpacing = ReadPositiveColumnNumber("Rozteč Trubek", 0.0);
    m_dMassFlowKgPerS = ReadPositiveColumnNumber("Hmot_Průtok", 0.0);
    m_dDeliveredOutput = ReadPositiveColumnNumber(kind == 5 ? "Q_STEN_SKUT" : "Q_PODL_SKUT", 0.0);
    m_dPressureLoss = ReadPositiveColumnNumber("TlakZtráta", 0.0);
    m_dPressureReserve = ReadPositiveColumnNumber("TlakRezerva", 0.0);
    m_nThrottling = int(ReadPositiveColumnNumber("Škrcení", 0.0));
    m_nManifold = int(ReadPositiveColumnNumber("Rozdělovač", 0.0));
    m_dMeanSurfaceTemperature = ReadPositiveColumnNumber("TEPL_PODL", 0.0);
    m_dLoopLength = ReadPositiveColumnNumber("Délka Topení", 0.0);
    m_dOwnSupplyLength = ReadPositiveColumnNumber("Délka vlastní", 0.0);
    m_dForeignLength = ReadPositiveColumnNumber("Délka cizí", 0.0);

    const CString code = ReadColumnText(ItemText);
    if (code.IsEmpty())
        m_pPipe->m_strCode = settings.KodTopTrub;
    else
    {
        m_pPipe->m_strCode = code;
        if (kind == 4)
            AppSettings::Get().KodTopTrub = code;
    }

    m_strPipeCount = ReadColumnText(ItemCount);
    m_strSupplyChain = m_strSupplyChainRead = ReadColumnText("RETEZ_PRIVODU");
    m_strSupplyValues = ReadColumnText("HODNOTY_PRI");
    m_nElementCount = int(ReadPositiveColumnNumber(Sections, 4.0));
    m_dHeatFlux = ReadPositiveColumnNumber("HustotaTepToku", 0.0);
    m_nAreasAdjusted = 0;
    m_dSpare = ReadColumnNumber("DUMMY_1");

    const bool firstVersion = ProjectProgramVersion() == "1.0";
    if (kind == 5)
    {
        m_strHeatingMark = ReadColumnText(WallHeating);
        m_dFloorTemperatureValue = ReadColumnNumber("Tepl_Podlahy");
        m_dRequiredOutput = ReadPositiveColumnNumber(WallShare, 0.0);
        if (!firstVersion)
            m_dOutputDifference = ReadColumnNumber("Q_STEN_DIFF");
    }
    else if (kind == 4)
    {
        m_strHeatingMark = ReadColumnText(FloorHeating);
        m_dFloorTemperatureValue = ReadColumnNumber("Tepl_Podlahy");
        m_dRequiredOutput = ReadPositiveColumnNumber(FloorShare, 0.0);
        m_dCoveredHeat = ReadPositiveColumnNumber(Heating, 0.0);
        if (!firstVersion)
            m_dOutputDifference = ReadColumnNumber("Q_PODL_DIFF");
        if (!(m_dHeatFlux > kPresent) && m_dTotalArea > kPresent)
            DistributeHeatFlux();
    }
    m_strFormat = ReadColumnText(Format);
}

void CTopnyOkruh::SaveToTable(CData* data, int row, int kind)
{
    using namespace ResultSheet;
    m_pData = data;
    m_nRow = row;
    data->AddRow();
    if (kind == 5)
    {
        WriteColumnText(Format, WallRowFormat());
        WriteColumnText(RecordType, "5");
        WriteColumnText(Sections, WriteInteger(m_nElementCount));
        WriteColumnText(FloorHeating, "Ne");
        WriteColumnText(WallHeating, m_strHeatingMark);
        WriteColumnNumber("Q_STEN_SKUT", "%.1f", m_dDeliveredOutput);
        WriteColumnNumber(WallShare, "%.1f", m_dRequiredOutput);
        WriteColumnNumber("Q_STEN_DIFF", "%.1f", m_dOutputDifference);
    }
    else if (kind == 4)
    {
        WriteColumnText(Format, FloorRowFormat());
        WriteColumnText(RecordType, "4");
        WriteColumnText(FloorHeating, m_strHeatingMark);
        WriteColumnText(WallHeating, "Ne");
        WriteColumnNumber("Q_PODL_SKUT", "%.1f", m_dDeliveredOutput);
        WriteColumnNumber(FloorShare, "%.1f", m_dRequiredOutput);
        WriteColumnNumber(Heating, "%.1f", m_dCoveredHeat);
        WriteColumnNumber("Q_PODL_DIFF", "%.1f", m_dOutputDifference);
    }
    WriteColumnText(Number, m_strLabel);
    if (m_pPipe)
        WriteColumnText(ItemText, m_pPipe->m_strCode);
    WriteColumnText(ItemCount, m_strPipeCount);
    WriteColumnNumber("Pl_Okrajová", "%.1f", m_dEdgeArea);
    WriteColumnNumber("Pl_Využitá", "%.1f", std::fabs(m_dOccupiedArea));
    WriteColumnNumber("Přívodní teplota", "%.1f", m_dFlowTemperature);
    WriteColumnNumber("Vratná teplota", "%.1f", m_dReturnTemperature);
    WriteColumnNumber("SIGMA_OKR", "%.1f", m_dSpread);
    WriteColumnNumber("deltaHGj", "%.4f", m_dMeanTemperatureDifference);
    WriteColumnNumber("Rozteč Trubek", "%.4f", m_dSpacing);
    WriteColumnNumber("Tepl_Podlahy", "%.1f", m_dFloorTemperatureValue);
    WriteColumnNumber("Hmot_Průtok", "%.4f", m_dMassFlowKgPerS);
    WriteColumnNumber("TlakRezerva", "%.1f", m_dPressureReserve);
    WriteColumnNumber("HustotaTepToku", "%.1f", m_dHeatFlux);
    WriteColumnText("Škrcení", WriteInteger(m_nThrottling));
    WriteColumnNumber(RoomLoss, "%.1f", m_dRequiredOutput);
    WriteColumnNumber("TlakZtráta", "%.1f", m_dPressureLoss);
    WriteColumnText("Rozdělovač", WriteInteger(m_nManifold));
    WriteColumnNumber("Pl_Extern", "%.1f", m_dExternalArea);
    WriteColumnNumber("Pl_Jen_Izolace", "%.1f", m_dInsulationOnlyArea);
    WriteColumnNumber("TEPL_PODL", "%.1f", m_dMeanSurfaceTemperature);
    WriteColumnNumber("Délka vlastní", "%.1f", m_dOwnSupplyLength);
    WriteColumnNumber("Délka Topení", "%.1f", m_dLoopLength);
    WriteColumnNumber("Délka cizí", "%.1f", m_dForeignLength);
    WriteColumnText("RETEZ_PRIVODU", m_strSupplyChain);
    WriteColumnText("HODNOTY_PRI", m_strSupplyValues);
    WriteColumnNumber("DUMMY_1", "%.1f", m_dSpare);
    WriteColumnNumber("Pl_Equival", "%.1f", m_dEquivalentArea);
}

int CTopnyOkruh::IsHeatingCircuit() const
{
    return (m_dHeatFlux > 0.0 || m_dLoopLength > 0.0 || m_dOwnSupplyLength > 0.0 || !(m_dExternalArea > 0.0)) ? 1 : 0;
}

int CTopnyOkruh::HasData() const
{
    if (!IsHeatingCircuit())
        return 1;
    return m_nManifold > 0 ? 1 : 0;
}

void CTopnyOkruh::DistributeHeatFlux()
{
    const double q = m_dRequiredOutput;
    const bool edge = m_dEdgeArea > kPresent;
    const bool occupied = m_dOccupiedArea > kPresent;
    if (edge && occupied)
    {
        const double x = q / (175.0 * m_dEdgeArea + 100.0 * m_dOccupiedArea);
        m_dEdgeFlux = 175.0 * x;
        m_dHeatFlux = m_dWorkingFlux = m_dOccupiedFlux = 100.0 * x;
    }
    else if (occupied)
    {
        m_dEdgeFlux = 0.0;
        m_dHeatFlux = m_dWorkingFlux = m_dOccupiedFlux = q / m_dOccupiedArea;
    }
    else if (edge)
    {
        m_dOccupiedFlux = 0.0;
        m_dHeatFlux = m_dWorkingFlux = m_dEdgeFlux = q / m_dEdgeArea;
    }
    else
    {
        m_dHeatFlux = m_dWorkingFlux = m_dEdgeFlux = m_dOccupiedFlux = 0.0;
    }
}

double CTopnyOkruh::WeightedArea() const
{
    double area = m_dEdgeArea + m_dOccupiedArea;
    if (m_dEdgeArea > kPresent && m_dOccupiedArea > kPresent)
        area += 0.75 * m_dEdgeArea;
    return area;
}

void CTopnyOkruh::ComputeUncoveredLoad(std::optional<double> roomFloorShare)
{
    if (m_dHeatFlux > kPresent)
        m_dOutputDifference = m_dRequiredOutput - WeightedArea() * m_dHeatFlux;
    else if (roomFloorShare)
        m_dOutputDifference = *roomFloorShare - m_dCoveredHeat;
}

double CTopnyOkruh::ParseDescription(const CString& chain, CString& segment) const
{
    segment.Empty();
    const int start = chain.Find(("[" + m_strLabel).GetString());
    if (start < 0)
        return 0.0;
    const int open = chain.Find(char32_t('{'), start);
    if (open < 0)
        return 0.0;
    const int close = chain.Find(char32_t(']'), open);
    segment = close < 0 ? chain.Mid(open) : chain.Mid(open, close - open + 1);
    const int length = segment.Find("L=");
    return length > 0 ? ReadNumber(segment.Mid(length + 2)) : 0.0;
}

int CTopnyOkruh::CheckAreaSplit(CString* message)
{
    if (std::fabs(m_dTotalArea - (m_dOccupiedArea + m_dExternalArea + m_dEdgeArea)) < 0.0001)
        return 0;
    if (m_dTotalArea < m_dExternalArea)
    {
        if (message)
        {
            CString detail;
            detail.Format("(Plocha přípojek přes okruh '%s' je větší než jeho plocha pro vytápění!)",
                          m_strLabel.GetString());
            *message = CString("Pro zadané rozdělení ploch nejsem schopen provést výpočet,\n"
                               "rozdělení ploch je nyní na uživateli!\n") + detail;
        }
        return 1;
    }
    m_dOccupiedArea = m_dTotalArea - (m_dExternalArea + m_dEdgeArea);
    if (m_dOccupiedArea < 0.0)
    {
        if (std::fabs(m_dOccupiedArea) >= 0.0001)
            m_dEdgeArea -= std::fabs(m_dOccupiedArea);
        m_dOccupiedArea = 0.0;
    }
    m_nAreasAdjusted = 1;
    return 0;
}

void CTopnyOkruh::BuildDescription()
{
    const int slash = m_strLabel.ReverseFind(char32_t('/'));
    if (m_strSupplyChain.IsEmpty() || slash < 1)
        return;
    // Entries through the circuits of the room itself go (one at the very start stays).
    CString work = m_strSupplyChain;
    const CString room = RoomPartOfLabel(m_strLabel);
    for (int at = FindRouteEntryOfRoom(work, room); at > 0; at = FindRouteEntryOfRoom(work, room))
        RemoveSegment(work, at);
    for (int brace = work.Find(char32_t('{'), 1); brace > 0; brace = work.Find(char32_t('{'), brace + 1))
        work.SetAt(brace - 1, char32_t('A'));

    m_strSupplyChain.Empty();
    for (int mark = work.Find("L=", 1); mark > 0; mark = work.Find("L=", 1))
    {
        const CString head = work.Left(mark + 2);
        work.Delete(0, head.GetLength());
        double length = ReadNumber(work);
        RemoveSegment(work, 0);
        for (int again = work.Find(head.GetString()); again >= 0; again = work.Find(head.GetString()))
        {
            length += ReadNumber(work.Mid(again + head.GetLength()));
            RemoveSegment(work, again);
        }
        m_strSupplyChain += head + WriteStoredNumber("%.1f", length) + "}" + "]";
    }
}
