#include "hydraulics/RadiatorConditions.h"

#include "hydraulics/COtopneTeleso.h"
#include "hydraulics/ChangedConditions.h"
#include "hydraulics/NumberReading.h"

namespace
{
// The values that go from the radiator to the conditions and back under other names.
template <class T> struct Pair
{
    T COtopneTeleso::*radiator;
    T ChangedConditions::*conditions;
};

constexpr Pair<double> doubles[] = {
    {&COtopneTeleso::m_dMediumFactor, &ChangedConditions::m_dMediumFactor},
    {&COtopneTeleso::m_dSectionsFactor, &ChangedConditions::m_dSectionsFactor},
    {&COtopneTeleso::m_dConnectionFactor, &ChangedConditions::m_dConnectionFactor},
    {&COtopneTeleso::m_dMassFlowFactor, &ChangedConditions::m_dMassFlowFactor},
    {&COtopneTeleso::m_dTemperatureFactor, &ChangedConditions::m_dTemperatureFactor},
    {&COtopneTeleso::m_dPlacementFactor, &ChangedConditions::m_dPlacementFactor},
    {&COtopneTeleso::m_dCoverFactor, &ChangedConditions::m_dCoverFactor},
    {&COtopneTeleso::m_dSupply, &ChangedConditions::m_dInlet},
    {&COtopneTeleso::m_dReturn, &ChangedConditions::m_dOutlet},
    {&COtopneTeleso::m_dRoom, &ChangedConditions::m_dRoom},
    {&COtopneTeleso::m_dExponent, &ChangedConditions::m_dExponent}};

constexpr Pair<int> ints[] = {{&COtopneTeleso::m_nKind, &ChangedConditions::m_nKind},
                              {&COtopneTeleso::m_nSections, &ChangedConditions::m_nSections},
                              {&COtopneTeleso::m_nConnectionChoice, &ChangedConditions::m_nConnectionChoice},
                              {&COtopneTeleso::m_nPlacementChoice, &ChangedConditions::m_nPlacementChoice},
                              {&COtopneTeleso::m_nCoverChoice, &ChangedConditions::m_nCoverChoice},
                              {&COtopneTeleso::m_nCarried, &ChangedConditions::m_nPassThrough}};
} // namespace

void CopyRadiatorToConditions(const COtopneTeleso& radiator, ChangedConditions& conditions)
{
    for (const auto& pair : doubles)
        conditions.*pair.conditions = radiator.*pair.radiator;
    for (const auto& pair : ints)
        conditions.*pair.conditions = radiator.*pair.radiator;
    conditions.m_dPresetExponent = radiator.m_dExponent;
    conditions.SetMeanAndDifferenceFromLimits();
    conditions.m_nEntryMode = 0;
}

void CopyConditionsToRadiator(const ChangedConditions& conditions, COtopneTeleso& radiator)
{
    for (const auto& pair : doubles)
        radiator.*pair.radiator = conditions.*pair.conditions;
    for (const auto& pair : ints)
        radiator.*pair.radiator = conditions.*pair.conditions;
}

bool RecomputeRadiatorFactors(COtopneTeleso& radiator)
{
    ChangedConditions conditions;
    CopyRadiatorToConditions(radiator, conditions);
    if (!conditions.TemperaturesValid())
        return false;
    radiator.m_dMassFlowFactor = conditions.SpoctiPrutokovyFaktor();
    radiator.m_dTemperatureFactor = conditions.SpoctiTeplotniFaktor();
    return true;
}

CString TemperatureGradientText(double supply, double returnTemperature)
{
    return WriteNumber("%.1f", supply) + "#" + WriteNumber("%.1f", returnTemperature);
}
