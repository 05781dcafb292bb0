#include "hydraulics/RadiatorConditions.h"

#include "hydraulics/COtopneTeleso.h"
#include "hydraulics/ChangedConditionsCorrection.h"
#include "hydraulics/NumberReading.h"

namespace
{
// The values that go from the radiator to the conditions and back under other names.
template <class T> struct Pair
{
    T COtopneTeleso::*radiator;
    T ChangedConditionsCorrection::*conditions;
};

constexpr Pair<double> doubles[] = {
    {&COtopneTeleso::m_dMediumFactor, &ChangedConditionsCorrection::m_dMediumFactor},
    {&COtopneTeleso::m_dSectionsFactor, &ChangedConditionsCorrection::m_dSectionsFactor},
    {&COtopneTeleso::m_dConnectionFactor, &ChangedConditionsCorrection::m_dConnectionFactor},
    {&COtopneTeleso::m_dMassFlowFactor, &ChangedConditionsCorrection::m_dMassFlowFactor},
    {&COtopneTeleso::m_dTemperatureFactor, &ChangedConditionsCorrection::m_dTemperatureFactor},
    {&COtopneTeleso::m_dPlacementFactor, &ChangedConditionsCorrection::m_dPlacementFactor},
    {&COtopneTeleso::m_dCoverFactor, &ChangedConditionsCorrection::m_dCoverFactor},
    {&COtopneTeleso::m_dSupply, &ChangedConditionsCorrection::m_dInlet},
    {&COtopneTeleso::m_dReturn, &ChangedConditionsCorrection::m_dOutlet},
    {&COtopneTeleso::m_dRoom, &ChangedConditionsCorrection::m_dRoom},
    {&COtopneTeleso::m_dExponent, &ChangedConditionsCorrection::m_dExponent}};

constexpr Pair<int> ints[] = {{&COtopneTeleso::m_nKind, &ChangedConditionsCorrection::m_nKind},
                              {&COtopneTeleso::m_nSections, &ChangedConditionsCorrection::m_nSections},
                              {&COtopneTeleso::m_nConnectionChoice, &ChangedConditionsCorrection::m_nConnectionChoice},
                              {&COtopneTeleso::m_nPlacementChoice, &ChangedConditionsCorrection::m_nPlacementChoice},
                              {&COtopneTeleso::m_nCoverChoice, &ChangedConditionsCorrection::m_nCoverChoice},
                              {&COtopneTeleso::m_nCarried, &ChangedConditionsCorrection::m_nPassThrough}};
} // namespace

void CopyRadiatorToConditions(const COtopneTeleso& radiator, ChangedConditionsCorrection& conditions)
{
    for (const auto& pair : doubles)
        conditions.*pair.conditions = radiator.*pair.radiator;
    for (const auto& pair : ints)
        conditions.*pair.conditions = radiator.*pair.radiator;
    conditions.m_dPresetExponent = radiator.m_dExponent;
    conditions.SetMeanAndDifferenceFromLimits();
    conditions.m_nEntryMode = 0;
}

void CopyConditionsToRadiator(const ChangedConditionsCorrection& conditions, COtopneTeleso& radiator)
{
    for (const auto& pair : doubles)
        radiator.*pair.radiator = conditions.*pair.conditions;
    for (const auto& pair : ints)
        radiator.*pair.radiator = conditions.*pair.conditions;
}

bool RecomputeRadiatorFactors(COtopneTeleso& radiator)
{
    ChangedConditionsCorrection conditions;
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
