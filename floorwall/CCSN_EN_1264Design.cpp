// The circuit design passes: by pipe spacing, and for the common flow temperature.
#include "floorwall/CCSN_EN_1264.h"

#include "common/AppSettings.h"
#include "floorwall/CircuitHydraulics.h"
#include "floorwall/CMistPodlahVytap.h"
#include "hydraulics/CTopnaTrubka.h"
#include "hydraulics/CTopnyOkruh.h"
#include "hydraulics/NumberReading.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace
{
constexpr int kLoweringStepLimit = 1000;
constexpr double kRemainderTolerance = 10.0; // W

bool FiniteAndPositive(double value)
{
    return std::isfinite(value) && value > 0.0;
}

double MinimumSpacing()
{
    return ReadNumber(AppSettings::Get().MinimRoztec);
}

double Phi(const CTopnyOkruh& circuit, double roomTemperature)
{
    return std::pow((circuit.m_dMaxSurfaceTemperature - roomTemperature) / 9.0, 1.1);
}

// Spread of a candidate for the design flow excess temperature.
double CandidateSpread(double designFlowExcess, double meanDifference, bool quadratic)
{
    if (meanDifference == 0.0)
        return 0.0;
    const double d = designFlowExcess - meanDifference;
    if (quadratic && 2.0 * d / meanDifference > 0.5)
        return 3.0 * meanDifference * (std::sqrt(1.0 + 4.0 * d / (3.0 * meanDifference)) - 1.0);
    return 2.0 * d;
}

// Writes one step of the design into the circuit: Δθ_H, spacing and spread with the
// project's flow temperature, then the remainder.
void ApplyStep(CMistPodlahVytap& room, CTopnyOkruh& circuit, double meanDifference, double spacing, double spread)
{
    circuit.m_dMeanTemperatureDifference = meanDifference;
    circuit.m_dSpacing = spacing;
    circuit.SetTemperatureSpread(spread);
    circuit.ComputeUncoveredLoad(room.m_dFloorLoad);
}
} // namespace

double CCSN_EN_1264::TypeACharacteristicProduct(const CMistPodlahVytap& room, const CTopnaTrubka& pipe,
                                                double tableSpacing) const
{
    const double r = room.m_dCoveringResistance;
    const double su = room.m_dScreedThickness / 1000.0;
    const double aB = CoveringFactor(r, room.m_dScreedConductivity);
    const double aT = SpacingFactor(r);
    const double au = CoverFactor(r, tableSpacing);
    const double aD = DiameterFactor(r, tableSpacing);
    const double mT = 1.0 - tableSpacing / 0.075;
    const double mu = 100.0 * (0.045 - su);
    const double mD = 250.0 * (pipe.m_dOuterDiameter - 0.02);
    return aB * std::pow(aT, mT) * std::pow(au, mu) * std::pow(aD, mD) * room.m_dCharacteristicFactor;
}

CCSN_EN_1264::Characteristic CCSN_EN_1264::CandidateCharacteristic(const CMistPodlahVytap& room,
                                                                    const CTopnaTrubka& pipe, int systemCode,
                                                                    double spacing, double phi, double limitFlux,
                                                                    bool capCode4) const
{
    Characteristic result;
    const double su = room.m_dScreedThickness / 1000.0;
    const double lambdaE = room.m_dScreedConductivity;
    const double r = room.m_dCoveringResistance;
    double kh = 0.0;
    double bg = 0.0;
    double ng = 0.0;
    if (systemCode == 4)
    {
        const double a = 1.06 * ScreedFactor(lambdaE);
        const double p = room.m_dCharacteristicFactor * a / (1.0 + 6.5 * a * r);
        kh = PipeCorrectedCoefficient(6.5, spacing * p, pipe) * p;
        result.limitTemperatureDiff = phi * 100.0 / kh;
        result.limitHeatFlux = 100.0 * phi;
        if (capCode4)
            result.limitHeatFlux = std::min(result.limitHeatFlux, limitFlux);
    }
    else
    {
        if (systemCode == 2)
        {
            const double bu = TypeBSpacingFactor(spacing);
            const double kwl = 8.0 * 0.001 * (bu * room.m_dScreedThickness * lambdaE
                                              + room.m_dLamellaThickness * room.m_dLamellaConductivity);
            const double kwl0 = 8.0 * 0.001 * bu * room.m_dScreedThickness * lambdaE;
            bg = TypeBLimitCurveCoefficient(spacing, kwl);
            ng = TypeBLimitCurveExponent(spacing, kwl);
            const double aWL = ConductingDeviceFactor(spacing, kwl, pipe.m_dOuterDiameter);
            const double aWL0 = ConductingDeviceFactor(spacing, kwl0, pipe.m_dOuterDiameter);
            const double c = std::pow(TypeBCoverFactor(su / lambdaE), 1.0 - spacing / 0.075);
            const double w = room.m_dLamellaRatio;
            const double pw = 1.0 - 3.2 * w + 3.4 * w * w - 1.2 * w * w * w;
            const double p1 = c * (aWL - (aWL - aWL0) * pw);
            const double p2 = ContactFactor(spacing) * ScreedFactor(lambdaE) * p1;
            const double p = room.m_dCharacteristicFactor * p2 / (1.0 + 6.5 * r * (1.0 + 0.44 * std::sqrt(spacing)) * p2);
            kh = PipeCorrectedCoefficient(6.5, spacing * p, pipe) * p;
        }
        else
        {
            const double te = spacing > 0.375 ? 0.375 : spacing;
            bg = LimitCurveCoefficient(su, te);
            ng = LimitCurveExponent(su, te);
            const double p = TypeACharacteristicProduct(room, pipe, te);
            kh = PipeCorrectedCoefficient(6.7, spacing * p, pipe) * p;
        }
        result.limitTemperatureDiff = phi * std::pow(bg / kh, 1.0 / (1.0 - ng));
        result.limitHeatFlux = phi * bg * std::pow(result.limitTemperatureDiff / phi, ng);
        if (systemCode != 2 && spacing > 0.375)
            result.limitHeatFlux *= 0.375 / spacing;
        result.limitHeatFlux = std::min(result.limitHeatFlux, limitFlux);
    }
    result.valid = FiniteAndPositive(kh) && FiniteAndPositive(result.limitTemperatureDiff)
                   && FiniteAndPositive(result.limitHeatFlux);
    return result;
}

void CCSN_EN_1264::ApplyNoLoad(CTopnyOkruh& circuit) const
{
    circuit.m_dLoopLength = 0.0;
    circuit.m_dMassFlowKgPerS = 0.0;
    circuit.m_dMeanTemperatureDifference = 0.0;
    circuit.m_dSpread = 0.0;
    circuit.m_dPressureLoss = 0.0;
    circuit.m_dSpacing = MinimumSpacing();
}

void CCSN_EN_1264::MarkUndesigned(CMistPodlahVytap& room, CTopnyOkruh& circuit, DesignFault fault)
{
    circuit.m_dSpacing = 0.0;
    circuit.m_dHeatFlux = 0.0;
    // Nothing of an earlier design stays with it: no loop, flow or pressure loss to lay or bill.
    circuit.m_dLoopLength = 0.0;
    circuit.m_dMassFlowKgPerS = 0.0;
    circuit.m_dPressureLoss = 0.0;
    circuit.m_dMeanTemperatureDifference = -1.0;
    circuit.m_dSpread = -1.0;
    circuit.SetMeanSurfaceTemperature(room.m_dRoomTemperature);
    circuit.ComputeUncoveredLoad(room.m_dFloorLoad);
    m_lastFault = fault;
}

CCSN_EN_1264::DesignFault CCSN_EN_1264::UndefinedInputFault(const CMistPodlahVytap& room,
                                                            const CTopnyOkruh& circuit) const
{
    if (!(room.m_dScreedConductivity > 0.0))
        return DesignFault::ScreedConductivity;
    if (!(room.DownwardResistance() > 0.0))
        return DesignFault::DownwardResistance;
    if (!(circuit.m_dMaxSurfaceTemperature > room.m_dRoomTemperature))
        return DesignFault::MaxSurfaceTemperature;
    return DesignFault::None;
}

std::pair<double, double> CCSN_EN_1264::LoweringStep(const CMistPodlahVytap& room, CTopnyOkruh& circuit, int step,
                                                     double designFlowExcess, double limitFlux,
                                                     double limitDifference) const
{
    const double ti = room.m_dRoomTemperature;
    circuit.m_dHeatFlux = 8.92 * std::pow(circuit.m_dMaxSurfaceTemperature - ti - 0.1 * step, 1.1);
    const double meanDifference = circuit.m_dHeatFlux * limitDifference / limitFlux;
    circuit.SetMeanSurfaceTemperature(ti);
    const double spread = meanDifference == 0.0 ? 0.0 : 2.0 * (designFlowExcess - meanDifference);
    return {meanDifference, spread};
}

std::optional<double> CCSN_EN_1264::BeginSecondPass(CMistPodlahVytap& room, CTopnyOkruh& circuit)
{
    circuit.m_dMeanTemperatureDifference = 0.0;
    circuit.m_dSpacing = 0.0;
    circuit.m_dSpread = 0.0;
    circuit.SetMaxSurfaceTemperature(room.m_dRoomTemperature);
    if (circuit.m_dHeatFlux <= 0.0)
    {
        ApplyNoLoad(circuit);
        return circuit.m_dSpacing;
    }
    if (const DesignFault fault = UndefinedInputFault(room, circuit); fault != DesignFault::None)
    {
        MarkUndesigned(room, circuit, fault);
        return 0.0;
    }
    return std::nullopt;
}

double CCSN_EN_1264::DesignCircuitBySpacing(CMistPodlahVytap& room, int choose, std::vector<double>& limitFluxes,
                                            std::vector<double>& limitDifferences, std::vector<double>& spacings,
                                            double& flowExcess, int mode, int update, int hydraulicCheck)
{
    m_lastFault = DesignFault::None;
    limitFluxes.clear();
    limitDifferences.clear();
    spacings.clear();
    CTopnyOkruh* circuit = room.CurrentCircuit();
    if (!circuit)
        return 0.0;
    const double ti = room.m_dRoomTemperature;
    const double flow = circuit->m_dFlowTemperature;
    const double back = circuit->m_dReturnTemperature;
    const double sigma = flow - back;
    // Equal flow and return temperatures give the limit of the logarithmic mean.
    const double meanDifference = sigma == 0.0 ? flow - ti : sigma / std::log((flow - ti) / (back - ti));
    circuit->SetMaxSurfaceTemperature(ti);
    if (circuit->m_dHeatFlux <= 0.0)
    {
        ApplyNoLoad(*circuit);
        return circuit->m_dSpacing;
    }
    DesignFault fault = UndefinedInputFault(room, *circuit);
    if (fault == DesignFault::None && !(flow > ti && back > ti))
        fault = DesignFault::TemperaturesNotAboveRoom;
    if (fault != DesignFault::None)
    {
        MarkUndesigned(room, *circuit, fault);
        return 0.0;
    }
    const double phi = Phi(*circuit, ti);
    const double limitFlux = LimitHeatFlux(ti, circuit->m_dMaxSurfaceTemperature);
    for (double spacing : m_spacings)
    {
        const Characteristic c = CandidateCharacteristic(room, *circuit->m_pPipe, room.m_nSystemType, spacing, phi,
                                                         limitFlux, false);
        if (!c.valid)
            continue;
        limitFluxes.push_back(c.limitHeatFlux);
        limitDifferences.push_back(c.limitTemperatureDiff);
        spacings.push_back(spacing);
    }
    if (spacings.empty())
    {
        m_lastFault = DesignFault::NoCandidate;
        return 0.0;
    }
    if (mode)
        return ChooseByHeatBalance(room, *circuit, choose, limitFluxes, limitDifferences, spacings, meanDifference,
                                   sigma, flowExcess, update, hydraulicCheck);
    return ChooseByHeatFlux(room, *circuit, choose, limitFluxes, limitDifferences, spacings, sigma, flowExcess,
                            update);
}

double CCSN_EN_1264::ChooseByHeatBalance(CMistPodlahVytap& room, CTopnyOkruh& circuit, int choose,
                                         const std::vector<double>& limitFluxes,
                                         const std::vector<double>& limitDifferences,
                                         const std::vector<double>& spacings, double meanDifference, double sigma,
                                         double& flowExcess, int update, int hydraulicCheck)
{
    if (!choose)
        return 0.0;
    const double ti = room.m_dRoomTemperature;
    auto fluxAt = [&](size_t i) {
        return limitDifferences[i] <= 0.0 ? 0.0 : limitFluxes[i] * meanDifference / limitDifferences[i];
    };
    const double surfaceLimit = std::min(ti + (circuit.m_dOccupiedArea > 0.0 ? 9.0 : 15.0), 35.0);
    size_t nearest = 0;
    double nearestRemainder = 0.0;
    int kept = -1;
    double keptRemainder = 0.0;
    for (size_t i = 0; i < spacings.size(); ++i)
    {
        circuit.m_dHeatFlux = fluxAt(i);
        circuit.ComputeUncoveredLoad(room.m_dFloorLoad);
        const double remainder = circuit.m_dOutputDifference;
        if (i == 0 || std::fabs(remainder) < std::fabs(nearestRemainder))
        {
            nearest = i;
            nearestRemainder = remainder;
        }
        bool accepted = true;
        if (hydraulicCheck)
        {
            const double storedSpacing = circuit.m_dSpacing;
            circuit.m_dSpacing = spacings[i];
            accepted = ComputeCircuitHydraulics(room, *this).withinLimits;
            circuit.m_dSpacing = storedSpacing;
        }
        circuit.SetMeanSurfaceTemperature(ti);
        if (circuit.m_dMeanSurfaceTemperature > surfaceLimit || std::fabs(remainder) >= kRemainderTolerance)
            accepted = false;
        if (accepted && (kept < 0 || remainder > keptRemainder))
        {
            kept = int(i);
            keptRemainder = remainder;
        }
    }
    const size_t c = kept >= 0 ? size_t(kept) : nearest;
    circuit.m_dHeatFlux = fluxAt(c);
    if (update)
        flowExcess = meanDifference + sigma / 2.0;
    circuit.m_dMeanTemperatureDifference = meanDifference;
    circuit.m_dSpread = sigma;
    circuit.SetMeanSurfaceTemperature(ti);
    circuit.ComputeUncoveredLoad(room.m_dFloorLoad);
    return spacings[c];
}

double CCSN_EN_1264::ChooseByHeatFlux(CMistPodlahVytap& room, CTopnyOkruh& circuit, int choose,
                                      const std::vector<double>& limitFluxes,
                                      const std::vector<double>& limitDifferences,
                                      const std::vector<double>& spacings, double sigma, double& flowExcess,
                                      int update)
{
    if (!choose)
        return -limitFluxes[0];
    const double q = circuit.m_dHeatFlux;
    for (size_t i = spacings.size(); i-- > 0;)
    {
        if (!(limitFluxes[i] >= q))
            continue;
        const double meanDifference = limitDifferences[i] * q / limitFluxes[i];
        if (update)
            flowExcess = meanDifference + sigma / 2.0;
        circuit.m_dMeanTemperatureDifference = meanDifference;
        circuit.m_dSpread = sigma;
        if (update)
            circuit.ComputeSupplyTemperatures(room.m_dRoomTemperature, 1);
        circuit.SetMeanSurfaceTemperature(room.m_dRoomTemperature);
        return spacings[i];
    }
    return -limitFluxes[0];
}

double CCSN_EN_1264::DesignCircuitForFlowTemperature(CMistPodlahVytap& room, double designFlowExcess,
                                                     std::vector<double>& limitFluxes,
                                                     std::vector<double>& limitDifferences,
                                                     std::vector<double>& spacings, std::vector<double>& spreads,
                                                     int mode)
{
    m_lastFault = DesignFault::None;
    limitFluxes.clear();
    limitDifferences.clear();
    spacings.clear();
    spreads.clear();
    CTopnyOkruh* circuit = room.CurrentCircuit();
    if (!circuit)
        return 0.0;
    const double ti = room.m_dRoomTemperature;
    const double entrySpread = circuit->m_dFlowTemperature - circuit->m_dReturnTemperature;
    if (const std::optional<double> early = BeginSecondPass(room, *circuit))
        return *early;
    const double phi = Phi(*circuit, ti);
    const double limitFlux = LimitHeatFlux(ti, circuit->m_dMaxSurfaceTemperature);
    const int code = room.m_nSystemType;
    const bool typeAOrC = code != 2 && code != 4;
    std::vector<double> meanDifferences;
    double provisional = 0.0;
    for (double spacing : m_spacings)
    {
        const Characteristic c = CandidateCharacteristic(room, *circuit->m_pPipe, code, spacing, phi, limitFlux, true);
        if (!c.valid)
            continue;
        if (circuit->m_nSeparateEdgeZone)
        {
            const double weighted = 175.0 * circuit->m_dEdgeArea + std::fabs(100.0 * circuit->m_dOccupiedArea);
            if (!typeAOrC && !(weighted >= circuit->m_dRequiredOutput))
                continue;
            if (weighted > 0.0)
                circuit->m_dHeatFlux = 100.0 * circuit->m_dRequiredOutput / weighted;
        }
        const double meanDifference = c.limitTemperatureDiff * circuit->m_dHeatFlux / c.limitHeatFlux;
        const double spread = CandidateSpread(designFlowExcess, meanDifference, !typeAOrC);
        if (spacings.empty())
            provisional = -c.limitHeatFlux;
        limitFluxes.push_back(c.limitHeatFlux);
        limitDifferences.push_back(c.limitTemperatureDiff);
        spacings.push_back(spacing);
        spreads.push_back(spread);
        meanDifferences.push_back(meanDifference);
        if (!IsSpreadOutOfRange(spread, circuit->m_dFlowTemperature, ti))
        {
            ApplyStep(room, *circuit, meanDifference, spacing, spread);
            provisional = spacing;
        }
    }
    if (!mode)
    {
        if (spacings.empty())
            m_lastFault = DesignFault::NoCandidate;
        return provisional;
    }
    if (spacings.empty())
    {
        MarkUndesigned(room, *circuit, DesignFault::NoCandidate);
        return 0.0;
    }

    const double designFlow = AppSettings::Get().DesignFlowTemperature;
    for (size_t c = spacings.size(); c-- > 0;)
    {
        if (spreads[c] > AppSettings::Get().MinDifSigma && designFlow - spreads[c] >= ti)
        {
            ApplyStep(room, *circuit, meanDifferences[c], spacings[c], spreads[c]);
            return spacings[c];
        }
    }

    int recorded = -1;
    for (size_t c = spacings.size(); c-- > 0;)
    {
        const LoweringOutcome outcome = LowerAtSpacing(room, *circuit, designFlowExcess, limitFluxes[c],
                                                       limitDifferences[c], spacings[c]);
        if (outcome == LoweringOutcome::Returned)
            return spacings[c];
        if (outcome == LoweringOutcome::Covered)
            recorded = int(c);
    }

    const double excess = designFlowExcess - entrySpread / 2.0;
    if (excess < 0.0)
    {
        MarkUndesigned(room, *circuit, DesignFault::FlowExcessTooSmall);
        return 0.0;
    }
    const size_t r = recorded >= 0 ? size_t(recorded) : 0;
    circuit->m_dSpacing = recorded >= 0 ? spacings[r] : MinimumSpacing();
    circuit->m_dHeatFlux = excess * limitFluxes[r] / limitDifferences[r];
    circuit->SetMeanSurfaceTemperature(ti);
    circuit->m_dMeanTemperatureDifference = excess;
    circuit->m_dSpread = entrySpread;
    circuit->SetTemperatureSpread(entrySpread);
    circuit->ComputeUncoveredLoad(room.m_dFloorLoad);
    return circuit->m_dSpacing;
}

CCSN_EN_1264::LoweringOutcome CCSN_EN_1264::LowerAtSpacing(CMistPodlahVytap& room, CTopnyOkruh& circuit,
                                                           double designFlowExcess, double limitFlux,
                                                           double limitDifference, double spacing)
{
    const double ti = room.m_dRoomTemperature;
    const double surfaceExcess = circuit.m_dMaxSurfaceTemperature - ti;
    bool backStep = false;
    int k = -1;
    for (int iteration = 0; iteration < kLoweringStepLimit; ++iteration)
    {
        ++k;
        if (0.1 * k >= surfaceExcess)
            break;
        const auto [meanDifference, spread] = LoweringStep(room, circuit, k, designFlowExcess, limitFlux,
                                                           limitDifference);
        ApplyStep(room, circuit, meanDifference, spacing, spread);
        if (backStep && k > 0)
            return LoweringOutcome::Returned;
        if (circuit.m_dOutputDifference >= 0.0)
            return LoweringOutcome::Covered;
        if (AppSettings::Get().DesignFlowTemperature - spread - ti >= AppSettings::Get().MinDifVratOdTi)
            continue;
        if (k <= 1)
            return LoweringOutcome::NotCovered;
        k -= 2;
        backStep = true;
    }
    m_lastFault = DesignFault::NotConverged;
    return LoweringOutcome::NotCovered;
}

double CCSN_EN_1264::DesignCircuitAtLargestSpacing(CMistPodlahVytap& room, double designFlowExcess)
{
    m_lastFault = DesignFault::None;
    CTopnyOkruh* circuit = room.CurrentCircuit();
    if (!circuit)
        return 0.0;
    const double ti = room.m_dRoomTemperature;
    if (const std::optional<double> early = BeginSecondPass(room, *circuit))
        return *early;
    const double phi = Phi(*circuit, ti);
    const double limitFlux = LimitHeatFlux(ti, circuit->m_dMaxSurfaceTemperature);
    if (m_spacings.empty())
        return 0.0;
    const double spacing = m_spacings.back();
    const Characteristic c = CandidateCharacteristic(room, *circuit->m_pPipe, 1, spacing, phi, limitFlux, false);
    if (!c.valid)
    {
        MarkUndesigned(room, *circuit, DesignFault::NoCandidate);
        return 0.0;
    }
    const double surfaceExcess = circuit->m_dMaxSurfaceTemperature - ti;
    bool backStep = false;
    bool applied = false;
    double appliedFlux = 0.0;
    double appliedMeanDifference = 0.0;
    double appliedSpread = 0.0;
    int k = -1;
    int m = -1;
    for (int iteration = 0; iteration < kLoweringStepLimit; ++iteration)
    {
        ++k;
        if (0.1 * k >= surfaceExcess)
            break;
        const auto [meanDifference, spread] = LoweringStep(room, *circuit, k, designFlowExcess, c.limitHeatFlux,
                                                           c.limitTemperatureDiff);
        if (IsSpreadOutOfRange(spread, circuit->m_dFlowTemperature, ti))
        {
            if (m > 0)
            {
                k = m - 1;
                backStep = true;
            }
            continue;
        }
        ApplyStep(room, *circuit, meanDifference, spacing, spread);
        applied = true;
        appliedFlux = circuit->m_dHeatFlux;
        appliedMeanDifference = meanDifference;
        appliedSpread = spread;
        if ((backStep && k > 0) || circuit->m_dOutputDifference >= 0.0)
            return spacing;
        m = k;
        if (AppSettings::Get().DesignFlowTemperature - spread - ti >= AppSettings::Get().MinDifVratOdTi)
            continue;
        if (k <= 1)
            return spacing;
        k -= 2;
        backStep = true;
    }
    m_lastFault = DesignFault::NotConverged;
    if (!applied)
    {
        MarkUndesigned(room, *circuit, DesignFault::NotConverged);
        return 0.0;
    }
    // The circuit keeps the last step that was applied.
    circuit->m_dHeatFlux = appliedFlux;
    circuit->SetMeanSurfaceTemperature(ti);
    ApplyStep(room, *circuit, appliedMeanDifference, spacing, appliedSpread);
    return spacing;
}
