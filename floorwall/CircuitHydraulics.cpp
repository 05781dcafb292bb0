#include "floorwall/CircuitHydraulics.h"

#include "common/AppSettings.h"
#include "floorwall/CCSN_EN_1264.h"
#include "floorwall/CMistPodlahVytap.h"
#include "hydraulics/CTopnyOkruh.h"
#include "hydraulics/PressureDrop.h"

namespace
{
constexpr double kFittingsFactor = 1.07;
constexpr double kSecondsPerHour = 3600.0;
} // namespace

CircuitHydraulicsResult ComputeCircuitHydraulics(CMistPodlahVytap& room, const CCSN_EN_1264& calculation)
{
    CircuitHydraulicsResult result;
    CTopnyOkruh* circuit = room.CurrentCircuit();
    if (!circuit)
        return result;
    circuit->ComputePipeLength();
    result.massFlow = calculation.CircuitMassFlow(room);
    result.totalLength = circuit->m_dLoopLength + circuit->m_dOwnSupplyLength;
    const int pipe = PipeIndexFromCode(circuit->m_pPipe->m_strCode);
    if (const std::optional<double> perMetre = PressureDropCharacteristic(result.massFlow * kSecondsPerHour, pipe))
    {
        circuit->m_dPressureLoss = result.totalLength * *perMetre * kFittingsFactor;
        result.pressureLoss = circuit->m_dPressureLoss;
    }
    const AppSettings& settings = AppSettings::Get();
    result.withinLimits = result.totalLength <= settings.MaxDelkaOkruhu
                          && (!result.pressureLoss || *result.pressureLoss <= settings.EffectiveMaxTlakZtrata());
    return result;
}
