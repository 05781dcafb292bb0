#include "floorwall/CCSN_EN_1264.h"

#include "common/AppSettings.h"
#include "floorwall/CMistPodlahVytap.h"
#include "floorwall/CRoztece.h"
#include "floorwall/FloorWallIds.h"
#include "floorwall/SpacingSeriesList.h"
#include "hydraulics/CTopnaTrubka.h"
#include "hydraulics/CTopnyOkruh.h"

#include <algorithm>
#include <cmath>

IMPLEMENT_SERIAL(CCSN_EN_1264, CObject, 1)

namespace
{
constexpr double kSurfaceResistance = 0.09259259259259259; // 1/α, m²K/W
constexpr double kReferencePipeConductivity = 0.35;       // W/(m·K)
constexpr double kReferencePipeWalls = 0.004;             // m
constexpr double kPipeFactor = 0.35014087480216977;       // 1.1/π
constexpr double kMinimumSheath = 0.0006;                 // m
constexpr double kPerSpecificHeat = 0.00023884589662749592; // 1/4186.8 kg·K/J
constexpr double kSupplyPipeArea = 0.135;                 // m² per metre of supply pipe
} // namespace

CCSN_EN_1264::CCSN_EN_1264()
{
    CollectPipeSpacings();
}

void CCSN_EN_1264::CollectPipeSpacings()
{
    const std::vector<CRoztece*>& list = SpacingSeriesList();
    if (list.empty())
        return;
    m_spacings.clear();
    for (const CRoztece* series : list)
    {
        if (!series || !series->m_nUse)
            continue;
        for (double spacing : series->m_spacings)
            if (std::find(m_spacings.begin(), m_spacings.end(), spacing) == m_spacings.end())
                m_spacings.push_back(spacing);
    }
    std::sort(m_spacings.begin(), m_spacings.end());
}

double CCSN_EN_1264::InterpolateCubic(double x, const double* xs, const double* ys)
{
    double sum = 0.0;
    for (int j = 0; j < 4; ++j)
    {
        double term = ys[j];
        for (int k = 0; k < 4; ++k)
            if (k != j)
                term *= (x - xs[k]) / (xs[j] - xs[k]);
        sum += term;
    }
    return sum;
}

int CCSN_EN_1264::SelectWindow(double x, const double* axis, unsigned count)
{
    if (count <= 4)
        return 0;
    const int last = int(count) - 1;
    for (int i = 0; i <= last; ++i)
        if (x <= axis[i])
            return std::max(0, i < last ? i - 2 : i - 3);
    return int(count) - 4;
}

double CCSN_EN_1264::ClampToTable(double x, const double* axis, unsigned count, const char* axisName) const
{
    if (axis[0] <= x && x <= axis[count - 1])
        return x;
    const double end = x < axis[0] ? axis[0] : axis[count - 1];
    if (AppSettings::Get().RangeMessages && m_rangeReporter)
    {
        CString format;
        if (!format.LoadString(IDS_OUT_OF_TABLE))
            format = "%s = %.3f je mimo tabelované hodnoty <%.3f;%.3f> !";
        CString text;
        text.Format(format, axisName, x, axis[0], axis[count - 1]);
        m_rangeReporter(text);
    }
    return end;
}

double CCSN_EN_1264::ClampToTable(double x, const double* axis, unsigned count, UINT axisNameId) const
{
    if (axis[0] <= x && x <= axis[count - 1])
        return x;
    CString name;
    if (AppSettings::Get().RangeMessages && m_rangeReporter)
        name.LoadString(axisNameId);
    return ClampToTable(x, axis, count, name.GetString());
}

double CCSN_EN_1264::CoveringFactor(double coveringResistance, double screedConductivity)
{
    const double r = std::clamp(coveringResistance, 0.0, 0.15);
    const double lambda = std::clamp(screedConductivity, 0.6, 2.0);
    return (kSurfaceResistance + 0.045 / 1.0) / (kSurfaceResistance + 0.045 / lambda + r);
}

double CCSN_EN_1264::ScreedFactor(double screedConductivity)
{
    return (kSurfaceResistance + 0.045 / 1.0) / (kSurfaceResistance + 0.045 / screedConductivity);
}

double CCSN_EN_1264::LimitHeatFlux(double roomTemperature, double maxSurfaceTemperature)
{
    return maxSurfaceTemperature - roomTemperature <= 9.0 ? 100.0 : 175.0;
}

double CCSN_EN_1264::CylinderResistance(double conductivity, double outerDiameter, double innerDiameter)
{
    return std::log(outerDiameter / innerDiameter) / (2.0 * conductivity);
}

double CCSN_EN_1264::PipeCorrectedCoefficient(double b0, double product, const CTopnaTrubka& pipe)
{
    const double da = pipe.m_dOuterDiameter;
    const double d = pipe.m_dCoatingDiameter - da >= kMinimumSheath ? pipe.m_dCoatingDiameter : da;
    const double pipeWall = CylinderResistance(pipe.m_dPipeConductivity, da, da - 2.0 * pipe.m_dWallThickness);
    const double sheath = d == da ? 0.0 : CylinderResistance(pipe.m_dCoatingConductivity, d, da);
    const double reference = CylinderResistance(kReferencePipeConductivity, d, d - kReferencePipeWalls);
    return 1.0 / ((pipeWall + sheath - reference) * product * kPipeFactor + 1.0 / b0);
}

double CCSN_EN_1264::CircuitMassFlow(CMistPodlahVytap& room) const
{
    const double ro = room.m_dScreedThickness / 1000.0 / room.m_dScreedConductivity
                      + room.m_dCoveringResistance + kSurfaceResistance;
    const double ru = room.DownwardResistance();
    CTopnyOkruh* circuit = room.CurrentCircuit();
    if (!circuit)
        return 0.0;
    double massFlow = 0.0;
    // Without a spread, a resistance below or a finite resistance above there is no flow.
    if (circuit->m_dSpread > 0.0 && ru > 0.0 && std::isfinite(ro))
    {
        const double q = circuit->m_dHeatFlux;
        const double d = room.m_dRoomTemperature - circuit->m_dFloorTemperatureValue;
        const double term = ru * q == 0.0 ? 0.0 : d / (ru * q);
        const double heat = q * (circuit->WeightedArea() + kSupplyPipeArea * circuit->m_dOwnSupplyLength)
                            * (1.0 + ro / ru + term);
        massFlow = heat / circuit->m_dSpread * kPerSpecificHeat;
    }
    circuit->m_dMassFlowKgPerS = massFlow;
    return massFlow;
}

BOOL CCSN_EN_1264::IsSpreadOutOfRange(double spread, double flowTemperature, double roomTemperature)
{
    return (spread < 0.0 || spread < AppSettings::Get().MinDifSigma || spread >= flowTemperature - roomTemperature)
               ? TRUE
               : FALSE;
}
