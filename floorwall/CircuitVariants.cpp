#include "floorwall/CircuitVariants.h"

#include "common/AppSettings.h"
#include "floorwall/CCSN_EN_1264.h"
#include "floorwall/CMistPodlahVytap.h"
#include "floorwall/CircuitHydraulics.h"
#include "hydraulics/CTopnyOkruh.h"

#include <cmath>
#include <utility>

namespace
{
// Puts the work circuit in the place of the room's current circuit for as long as it lives.
class CircuitStandIn
{
public:
    CircuitStandIn(CMistPodlahVytap& room, CTopnyOkruh& work) : m_room(room)
    {
        const int index = room.m_nCurrentCircuit;
        if (index >= 0 && index < int(room.m_floorCircuits.size()))
        {
            m_slot = &room.m_floorCircuits[std::size_t(index)];
            m_original = std::exchange(*m_slot, &work);
        }
    }
    ~CircuitStandIn()
    {
        if (m_slot)
            *m_slot = m_original;
    }
    CircuitStandIn(const CircuitStandIn&) = delete;
    CircuitStandIn& operator=(const CircuitStandIn&) = delete;
    bool Active() const { return m_slot != nullptr; }

private:
    CMistPodlahVytap& m_room;
    CTopnyOkruh** m_slot = nullptr;
    CTopnyOkruh* m_original = nullptr;
};
} // namespace

std::vector<CircuitVariant> ComputeCircuitVariants(CMistPodlahVytap& room, CTopnyOkruh& work,
                                                   const CCSN_EN_1264& calculation, double referenceValue)
{
    std::vector<CircuitVariant> variants;
    CircuitStandIn standIn(room, work);
    if (!standIn.Active())
        return variants;
    const AppSettings& settings = AppSettings::Get();
    const double ti = room.m_dRoomTemperature;
    work.m_dReturnTemperature = work.m_dFlowTemperature - work.m_dSpread;
    const double sigma = work.m_dFlowTemperature - work.m_dReturnTemperature;
    work.SetMaxSurfaceTemperature(ti);
    const double phi = std::pow((work.m_dMaxSurfaceTemperature - ti) / 9.0, 1.1);
    const double limitFlux = CCSN_EN_1264::LimitHeatFlux(ti, work.m_dMaxSurfaceTemperature);
    const double surfaceLimit = work.m_dOccupiedArea > 0.0 ? ti + 9.0 : work.m_dMaxSurfaceTemperature;
    for (double spacing : calculation.m_spacings)
    {
        CircuitVariant v;
        v.spacing = spacing;
        v.requiredOutput = work.m_dRequiredOutput;
        v.flowTemperature = work.m_dFlowTemperature;
        v.returnTemperature = work.m_dReturnTemperature;
        const CCSN_EN_1264::Characteristic c = calculation.CandidateCharacteristic(
            room, *work.m_pPipe, room.m_nSystemType, spacing, phi, limitFlux, false);
        const double q = c.valid ? (referenceValue - 0.5 * sigma) * c.limitHeatFlux / c.limitTemperatureDiff : -1.0;
        if (!(q >= 0.0) || !std::isfinite(q))
        {
            variants.push_back(v);
            continue;
        }
        v.computed = true;
        v.heatFlux = q;
        work.m_dSpacing = spacing;
        work.m_dHeatFlux = q;
        const CircuitHydraulicsResult hydraulics = ComputeCircuitHydraulics(room, calculation);
        v.loopLength = work.m_dLoopLength;
        v.massFlow = hydraulics.massFlow;
        v.pressureLoss = hydraulics.pressureLoss;
        work.SetMeanSurfaceTemperature(ti);
        v.meanSurfaceTemperature = work.m_dMeanSurfaceTemperature;
        v.uncovered = work.m_dRequiredOutput - work.WeightedArea() * q;
        v.lossTooHigh = v.pressureLoss && *v.pressureLoss > settings.EffectiveMaxTlakZtrata();
        v.surfaceTooHot = v.meanSurfaceTemperature > surfaceLimit;
        v.notCovered = v.uncovered > 0.0;
        v.tooLong = work.m_dOwnSupplyLength + v.loopLength > settings.MaxDelkaOkruhu;
        variants.push_back(v);
    }
    return variants;
}
