#pragma once
// One heating circuit of a room (a floor circuit, row kind 4, or a wall circuit, row kind 5):
// areas, output and flux, spacing and lengths, temperatures, mass flow and pressure loss, and
// the pipe it is laid with. Kept as a circuit row of "SeznamM$".

#include "common/CloningPtr.h"
#include "hydraulics/CTopnaTrubka.h"
#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include <memory>
#include <optional>

class CData;

class CTopnyOkruh : public CObject
{
    DECLARE_DYNCREATE(CTopnyOkruh)

public:
    CTopnyOkruh();
    ~CTopnyOkruh() override;
    // A copy holds a copy of the pipe.
    CTopnyOkruh(const CTopnyOkruh&) = default;
    CTopnyOkruh& operator=(const CTopnyOkruh&) = default;

    void SetMaxSurfaceTemperature(double roomTemperature);
    void SetMeanSurfaceTemperature(double roomTemperature);
    void ComputePipeLength();
    // Return and flow temperature from the room temperature, the spread and the mean
    // temperature difference; with the flag also the project's design temperatures.
    // false, and nothing changed, when the spread or the mean difference is not above 0.
    bool ComputeSupplyTemperatures(double roomTemperature, int setProjectTemperatures);
    void SetTemperatureSpread(double spread);
    // A sibling of the source circuit (or an empty circuit) with the letter (1 = "A").
    void BuildLabel(const CTopnyOkruh* source, int letterNumber);
    // Water content in m³; empty when the pipe code names no known pipe.
    [[nodiscard]] std::optional<double> WaterVolume() const;
    [[nodiscard]] std::optional<double> WaterVolumeWithSupplyPipe() const;
    // Spread, mass flow, pressure loss and delivered output of a wall circuit. false, and
    // nothing changed, for a spread not above 0, an element count below 1 or an unknown
    // characteristic.
    bool ComputeFlowAndPressureDrop();
    void ReadFromTable(CData* data, int row, int kind);
    void SaveToTable(CData* data, int row, int kind);
    int HasData() const;
    void DistributeHeatFlux();
    // The length of this circuit's segment in a supply chain, the segment into the out text.
    double ParseDescription(const CString& chain, CString& segment) const;
    // 0 when the areas fit (fitted when needed); 1 when the external area exceeds the total,
    // with the message text to show.
    int CheckAreaSplit(CString* message = nullptr);
    void BuildDescription();
    double WeightedArea() const;
    // The output difference; without a heat flux it is the room's floor share ("ZTRATA_PODL")
    // less the covered heat, and without that share it stays as it is.
    void ComputeUncoveredLoad(std::optional<double> roomFloorShare);
    int IsHeatingCircuit() const;

    CloningPtr<CTopnaTrubka> m_pPipe;
    CString m_strHeatingMark;
    CString m_strLabel;
    double m_dSpacing = 0.0;             // m
    double m_dLoopLength = 0.0;          // m
    double m_dOwnSupplyLength = 0.0;     // m
    double m_dRequiredOutput = 0.0;      // W
    double m_dSurchargeFactor = 1.04;
    double m_dHeatFlux = 0.0;            // W/m²
    double m_dWorkingFlux = 0.0;         // W/m²
    double m_dEdgeFlux = 0.0;            // W/m²
    double m_dOccupiedFlux = 0.0;        // W/m²
    double m_dDeliveredOutput = 0.0;     // W
    double m_dOutputDifference = 0.0;    // W
    double m_dTotalArea = 0.0;           // m²
    double m_dEdgeArea = 0.0;            // m², AR
    double m_dOccupiedArea = 0.0;        // m², AA
    double m_dMaxSurfaceTemperature = 0.0;  // °C
    double m_dMeanSurfaceTemperature = 0.0; // °C
    double m_dCoveredHeat = 0.0;         // W
    double m_dSpare = 0.0;
    double m_dForeignLength = 0.0;       // m
    double m_dExternalArea = 0.0;        // m²
    double m_dEquivalentArea = 0.0;      // m²
    double m_dInsulationOnlyArea = 0.0;  // m²
    double m_dEdgeAreaRead = 0.0;        // m², as last read
    double m_dOccupiedAreaRead = 0.0;    // m², as last read
    double m_dExternalAreaRead = 0.0;    // m², as last read
    double m_dFlowTemperature = 50.0;    // °C
    double m_dReturnTemperature = 45.0;  // °C
    double m_dMeanTemperatureDifference = -1.0; // K
    double m_dSpread = 5.0;              // K
    double m_dFloorTemperatureValue = 0.0; // °C
    double m_dMassFlowKgPerS = 0.0;      // kg/s
    CString m_strSupplyChain;
    CString m_strSupplyChainRead;
    CString m_strSupplyValues;
    CString m_strPipeCount;
    CString m_strFormat;
    double m_dPressureLoss = 0.0;        // Pa
    double m_dPressureReserve = 0.0;     // Pa
    int m_nThrottling = 0;
    int m_nManifold = 0;
    int m_nSeparateEdgeZone = 0;
    int m_nAreasAdjusted = 0;
    int m_nElementCount = 0;
    int m_nDone = 0;                     // designed in the current run of the floor design
    CData* m_pData = nullptr;            // not owned
    int m_nRow = -1;

private:
    double ReadColumnNumber(const char* column) const;
    double ReadPositiveColumnNumber(const char* column, double fallback) const;
    void WriteColumnNumber(const char* column, const char* format, double value) const;
    void WriteColumnText(const char* column, const CString& text) const;
    CString ReadColumnText(const char* column) const;
};
