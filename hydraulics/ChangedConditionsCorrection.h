#pragma once
// The correction of a radiator's output for changed conditions: the temperature and
// mass-flow factors from the design temperatures, and the connection, cover, placement,
// section and medium factors beside them. The dialog of the same name builds on it; the
// main frame's silent mode uses it alone.

class ChangedConditionsCorrection
{
public:
    int m_nKind = 0;             // 0 panel, 1 sectional, 2 tube
    int m_nEntryMode = 0;        // 1 mean and difference, 0 inlet and outlet
    double m_dTemperatureFactor = 1.0;
    double m_dDeltaT = 20.0;     // K, inlet minus outlet
    double m_dMean = 80.0;       // °C
    double m_dInlet = 90.0;      // °C
    double m_dOutlet = 70.0;     // °C
    int m_nPassThrough = 1;
    double m_dMediumFactor = 1.0;
    double m_dRoom = 20.0;       // °C
    double m_dConnectionFactor = 1.0;
    int m_nConnectionChoice = 1;
    double m_dPlacementFactor = 1.0;
    int m_nPlacementChoice = 1;
    double m_dCoverFactor = 1.0;
    int m_nCoverChoice = 2;
    int m_nSections = 1;
    double m_dMassFlowFactor = 1.0;
    double m_dSectionsFactor = 1.0;
    double m_dPresetExponent = 0.0; // 0: none, the kind gives the exponent
    double m_dExponent = 0.0;       // the exponent used
    double m_dNominalDifference = 60.0; // K

    // n: the preset exponent when above 0, else 1.33 for panels and 1.25 for the others.
    void UrciExponent();
    // True when inlet > outlet > room and the mean and difference agree with them enough
    // for the formulas (mean above room, difference above 0), all finite.
    bool TemperaturesValid() const;
    // ((tm - ti) / Δtn)^n. Computed and stored only while the temperatures are valid;
    // otherwise the stored factor stays and is returned (TemperaturesValid tells which).
    double SpoctiTeplotniFaktor();
    // (Δt / ln((t1 - ti) / (t2 - ti)) / (tm - ti) × 1.01)^n, under the same rule.
    double SpoctiPrutokovyFaktor();
    // Δt and tm from the inlet and outlet.
    void SetMeanAndDifferenceFromLimits();
};
