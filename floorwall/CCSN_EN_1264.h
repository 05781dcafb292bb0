#pragma once
// The underfloor heating calculation by EN 1264: the characteristic tables read by cubic
// interpolation with clamping, the factor formulas, the mass flow of a circuit and the two
// circuit design passes. No window: an out-of-range look-up hands its text to the reporter
// while the range-message switch of the settings is on; the passes write into the circuit.
//
// Where this calculation departs from the standard on purpose:
// - tables are read by four-point Lagrange polynomials, not linearly;
// - BG and nG of types A and C are indexed by su alone, not by su/λE;
// - the aWL table keeps its stored 0.855 (KWL 0.2, T 0.075, da 0.018);
// - θF,max is θi + 15 with an edge zone, else θi + 9, never above 35 °C;
// - qG is capped at the limit heat flux (100 or 175 W/m²); code 4 only in the second pass;
// - types A and C take σ = 2d in the second pass, also above the ratio 0.5;
// - the design flow excess temperature is ΔθV,des = ΔθH + σ/2;
// - the fallback at the largest spacing uses the type A characteristic for every system;
// - the mass flow counts the supply pipe as 0.135 m² per metre.

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include <functional>
#include <optional>
#include <utility>
#include <vector>

class CMistPodlahVytap;
class CTopnaTrubka;
class CTopnyOkruh;

class CCSN_EN_1264 : public CObject
{
    DECLARE_SERIAL(CCSN_EN_1264)

public:
    // Why a design pass left a circuit undesigned or unfinished.
    enum class DesignFault
    {
        None,
        TemperaturesNotAboveRoom,    // flow or return temperature not above the room's
        ScreedConductivity,          // λE not above 0
        DownwardResistance,          // the resistances below the pipes not above 0
        MaxSurfaceTemperature,       // θF,max not above the room temperature
        NoCandidate,                 // no spacing gives a usable characteristic
        FlowExcessTooSmall,          // the design flow cannot carry the circuit's spread
        NotConverged                 // a lowering loop reached its bound
    };

    // The limit curve of one candidate spacing.
    struct Characteristic
    {
        double limitHeatFlux = 0.0;        // qG, W/m²
        double limitTemperatureDiff = 0.0; // Δθ_H,G, K
        bool valid = false;                // finite and positive
    };

    CCSN_EN_1264();
    ~CCSN_EN_1264() override = default;

    void Serialize(CArchive&) override {}

    void CollectPipeSpacings();

    static double InterpolateCubic(double x, const double* xs, const double* ys);
    static int SelectWindow(double x, const double* axis, unsigned count);
    double ClampToTable(double x, const double* axis, unsigned count, const char* axisName) const;
    // The same with the axis name as a string id, loaded only when a message is made.
    double ClampToTable(double x, const double* axis, unsigned count, UINT axisNameId) const;

    static double CoveringFactor(double coveringResistance, double screedConductivity);
    static double ScreedFactor(double screedConductivity);
    static double LimitHeatFlux(double roomTemperature, double maxSurfaceTemperature);
    static double CylinderResistance(double conductivity, double outerDiameter, double innerDiameter);
    static double PipeCorrectedCoefficient(double b0, double product, const CTopnaTrubka& pipe);
    double CircuitMassFlow(CMistPodlahVytap& room) const;
    static BOOL IsSpreadOutOfRange(double spread, double flowTemperature, double roomTemperature);

    double SpacingFactor(double coveringResistance) const;
    double CoverFactor(double coveringResistance, double spacing) const;
    double DiameterFactor(double coveringResistance, double spacing) const;
    double LimitCurveCoefficient(double layerThickness, double spacing) const;
    double LimitCurveExponent(double layerThickness, double spacing) const;
    double TypeBCoverFactor(double thicknessOverConductivity) const;
    double TypeBSpacingFactor(double spacing) const;
    double ConductingDeviceFactor(double spacing, double kwl, double outerDiameter) const;
    double ContactFactor(double spacing) const;
    double TypeBLimitCurveCoefficient(double spacing, double kwl) const;
    double TypeBLimitCurveExponent(double spacing, double kwl) const;

    // The limit curve of the room's floor at one spacing. systemCode 2 is type B, 4 the
    // code 4 floor, anything else types A and C; capCode4 caps code 4 at qlim.
    Characteristic CandidateCharacteristic(const CMistPodlahVytap& room, const CTopnaTrubka& pipe,
                                           int systemCode, double spacing, double phi,
                                           double limitFlux, bool capCode4) const;

    double DesignCircuitBySpacing(CMistPodlahVytap& room, int choose, std::vector<double>& limitFluxes,
                                  std::vector<double>& limitDifferences, std::vector<double>& spacings,
                                  double& flowExcess, int mode, int update, int hydraulicCheck);
    double DesignCircuitForFlowTemperature(CMistPodlahVytap& room, double designFlowExcess,
                                           std::vector<double>& limitFluxes,
                                           std::vector<double>& limitDifferences,
                                           std::vector<double>& spacings, std::vector<double>& spreads,
                                           int mode);
    double DesignCircuitAtLargestSpacing(CMistPodlahVytap& room, double designFlowExcess);

    // Receives each out-of-range text while the range-message switch is on.
    std::function<void(const CString&)> m_rangeReporter;
    // What the last design pass could not do; None when it designed the circuit.
    DesignFault m_lastFault = DesignFault::None;

    double m_dReferenceConductivity = 1.0; // λu,0, W/(m·K)
    double m_dReferenceThickness = 0.045;  // su,0, m
    std::vector<double> m_spacings;        // m, ascending

private:
    double TypeACharacteristicProduct(const CMistPodlahVytap& room, const CTopnaTrubka& pipe,
                                      double tableSpacing) const;
    double ChooseByHeatBalance(CMistPodlahVytap& room, CTopnyOkruh& circuit, int choose,
                               const std::vector<double>& limitFluxes, const std::vector<double>& limitDifferences,
                               const std::vector<double>& spacings, double meanDifference, double sigma,
                               double& flowExcess, int update, int hydraulicCheck);
    double ChooseByHeatFlux(CMistPodlahVytap& room, CTopnyOkruh& circuit, int choose,
                            const std::vector<double>& limitFluxes, const std::vector<double>& limitDifferences,
                            const std::vector<double>& spacings, double sigma, double& flowExcess, int update);
    enum class LoweringOutcome { Returned, Covered, NotCovered };
    // Lowers the surface temperature in steps of 0.1 K at one spacing of the second pass.
    LoweringOutcome LowerAtSpacing(CMistPodlahVytap& room, CTopnyOkruh& circuit, double designFlowExcess,
                                   double limitFlux, double limitDifference, double spacing);
    void ApplyNoLoad(CTopnyOkruh& circuit) const;
    void MarkUndesigned(CMistPodlahVytap& room, CTopnyOkruh& circuit, DesignFault fault);
    DesignFault UndefinedInputFault(const CMistPodlahVytap& room, const CTopnyOkruh& circuit) const;
    // One step of 0.1 K lower surface temperature: q into the circuit and its θF,m; the
    // step's Δθ_H and spread.
    std::pair<double, double> LoweringStep(const CMistPodlahVytap& room, CTopnyOkruh& circuit, int step,
                                           double designFlowExcess, double limitFlux, double limitDifference) const;
    // Clears the circuit's design; the result when the pass ends here (no load, bad input).
    std::optional<double> BeginSecondPass(CMistPodlahVytap& room, CTopnyOkruh& circuit);
};
