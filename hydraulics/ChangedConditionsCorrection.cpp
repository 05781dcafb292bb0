#include "hydraulics/ChangedConditionsCorrection.h"

#include <cmath>

void ChangedConditionsCorrection::UrciExponent()
{
    if (m_dPresetExponent > 0.0)
        m_dExponent = m_dPresetExponent;
    else
        m_dExponent = m_nKind == 0 ? 1.33 : 1.25;
}

bool ChangedConditionsCorrection::TemperaturesValid() const
{
    const double values[] = {m_dInlet, m_dOutlet, m_dRoom, m_dMean, m_dDeltaT};
    for (double value : values)
        if (!std::isfinite(value))
            return false;
    return m_dInlet > m_dOutlet && m_dOutlet > m_dRoom && m_dMean > m_dRoom && m_dDeltaT > 0.0;
}

double ChangedConditionsCorrection::SpoctiTeplotniFaktor()
{
    UrciExponent();
    if (!TemperaturesValid())
        return m_dTemperatureFactor;
    const double factor = std::pow((m_dMean - m_dRoom) / m_dNominalDifference, m_dExponent);
    if (std::isfinite(factor))
        m_dTemperatureFactor = factor;
    return m_dTemperatureFactor;
}

double ChangedConditionsCorrection::SpoctiPrutokovyFaktor()
{
    UrciExponent();
    if (!TemperaturesValid())
        return m_dMassFlowFactor;
    const double logMean = m_dDeltaT / std::log((m_dInlet - m_dRoom) / (m_dOutlet - m_dRoom));
    const double factor = std::pow(logMean / (m_dMean - m_dRoom) * 1.01, m_dExponent);
    if (std::isfinite(factor))
        m_dMassFlowFactor = factor;
    return m_dMassFlowFactor;
}

void ChangedConditionsCorrection::SetMeanAndDifferenceFromLimits()
{
    m_dDeltaT = m_dInlet - m_dOutlet;
    m_dMean = (m_dInlet + m_dOutlet) * 0.5;
}
