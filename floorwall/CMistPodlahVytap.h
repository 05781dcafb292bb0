#pragma once
// One room as the floor and wall heating designs see it: identity, the heat loss split over
// floor heating, wall heating and radiators, the outputs reached, the floor build-up values of
// the EN 1264 calculation, and the room's radiators and heating circuits, which it owns.
// Kept as its room row of "SeznamM$" followed by the rows of its radiators and circuits.

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

#include "platform/core/WinTypes.h"

#include <memory>
#include <vector>

class CData;
class CFmtGridCtrl;
class COtopneTeleso;
class CTopnyOkruh;
class SupplyRouteIndex;

class CMistPodlahVytap : public CObject
{
    DECLARE_SERIAL(CMistPodlahVytap)

public:
    CMistPodlahVytap();
    ~CMistPodlahVytap() override;
    CMistPodlahVytap& operator=(const CMistPodlahVytap&) = delete;

    void Serialize(CArchive&) override {}

    // A copy of the room with copies of its radiators and circuits.
    std::unique_ptr<CMistPodlahVytap> Clone() const;

    // The floor circuit at the current-circuit index; null when there is none.
    CTopnyOkruh* CurrentCircuit() const;
    // The four resistances below the pipes, m²K/W.
    double DownwardResistance() const;

    // Its row of the floor design grid: the room's columns, and those of its current circuit
    // with the warning marks; a row at or past the end is appended (dialog library).
    void FillFloorGridRow(int row, CFmtGridCtrl* grid);
    // Its row of the wall design grid; the wall difference (load less output) is kept in
    // m_dWallDifference. A row below 0 or past the end is appended (dialog library).
    void FillWallGridRow(int row, CFmtGridCtrl* grid);

    // The room row of the open "SeznamM$" at that 0-based row; missing or unreadable cells
    // take the column defaults.
    void ReadRow(CData* table, int row);
    // Appends the room row to the open "SeznamM$". FALSE at the first row or value the table
    // refused (the rest of the row is not written).
    BOOL WriteRow(CData* table, int row);
    // The number of the column in the remembered row; the default when it is not above 0.
    double ReadNumber(const char* column, double fallback) const;
    // The same number without the default: 0 and negative values stay.
    double ReadRawNumber(const char* column) const;
    // The value formatted into the column of the current row; FALSE when refused.
    BOOL WriteNumber(const char* column, const char* format, double value) const;

    // Radiator output = the sum of the radiators' outputs; radiator load = radiator output.
    void TakeRadiatorOutput();
    // Areas and foreign pipe length summed over the floor circuits, the circuit count.
    void ResetSums();
    // The floor heating load less the foreign pipe gain spread over the circuits by their
    // zone weights (edge 175, occupied 100).
    void DistributeLoad(int recalculate);
    // The heat that the supply pipes of the listed rooms' circuits give off in this room.
    void CollectForeignPipeGains(const std::vector<CMistPodlahVytap*>& rooms);
    // The same from the routes of the rooms read once.
    void CollectForeignPipeGains(const SupplyRouteIndex& routes);
    // Marked when a circuit's supply route crosses a circuit of this room.
    void MarkForIteration();
    // The sum of the absolute uncovered loads of a marked floor heating room, else 0.
    double UncoveredLoadSum() const;

    int m_nFloorHeating = 0;
    int m_nWallHeating = 0;
    CString m_strNumber;
    CString m_strName;
    double m_dFloorArea = 0.0;          // m²
    double m_dEdgeArea = 0.0;           // m²
    double m_dOccupiedArea = 0.0;       // m²
    int m_nSystemType = 1;
    double m_dHeatLoss = 0.0;           // W
    double m_dLaterCircuitsOutput = 0.0; // W
    double m_dRadiatorOutput = 0.0;     // W
    double m_dFloorDifference = 0.0;    // W
    double m_dForeignLength = 0.0;      // m
    double m_dRoomTemperature = 0.0;    // °C
    int m_nCircuitCount = 0;
    int m_nCurrentCircuit = 0;
    int m_nRouteRoomIndex = -1;
    double m_dWallLoad = 0.0;           // W
    double m_dWallOutput = 0.0;         // W
    double m_dAvailableArea = 0.0;      // m²
    double m_dRequiredWallArea = 0.0;   // m²
    double m_dRealisedArea = 0.0;       // m²
    double m_dOwnLength = 0.0;          // m
    double m_dFlowTemperature = 0.0;    // °C
    double m_dReturnTemperature = 0.0;  // °C
    double m_dWallExcessTemperature = 0.0; // K
    double m_dHeatFluxDensity = 0.0;    // W/m²
    double m_dCoveringResistance = 0.011;     // m²K/W, "R krytiny"
    double m_dLoadLayerResistance = 0.033;    // m²K/W
    double m_dInsulationResistance = 0.55;    // m²K/W
    double m_dCeilingResistance = 0.25;       // m²K/W
    double m_dPlasterResistance = 0.01;       // m²K/W
    double m_dPlasterTransfer = 0.17;         // m²K/W
    double m_dScreedConductivity = 1.2;       // W/(m·K), "VODIV_ROZN"
    double m_dScreedConductivityCopy = 1.2;   // W/(m·K)
    double m_dScreedThickness = 45.0;         // mm, above the pipes
    double m_dInsulationThickness = 32.0;     // mm
    double m_dMaxInsulationThickness = 32.0;  // mm
    double m_dMinInsulationThickness = 32.0;  // mm
    double m_dInsulationConductivity = 0.04;  // W/(m·K)
    bool m_bReinforced = false;
    double m_dReinforcementConductivity = 50.0; // W/(m·K)
    double m_dReinforcementShare = 0.0;
    double m_dLamellaRatio = 0.8;             // L/T, type B
    double m_dLamellaThickness = 1.0;         // mm, type B
    double m_dLamellaConductivity = 372.0;    // W/(m·K), type B
    double m_dCharacteristicFactor = 1.0;     // "KOEF_AZ"
    double m_dForeignPipeGain = 0.0;          // W
    CString m_strSupplyValues;
    CString m_strBuildUpName;
    CString m_strFormat;
    CString m_strFloorSystemCode;
    CString m_strWallSystemCode;
    double m_dRadiatorLoad = 0.0;       // W
    double m_dFloorLoad = 0.0;          // W, "ZTRATA_PODL"
    double m_dFloorOutput = 0.0;        // W
    double m_dWallDifference = 0.0;     // W
    double m_dRadiatorDifference = 0.0; // W
    int m_nIterationMark = 0;
    std::vector<COtopneTeleso*> m_radiators;    // owned
    std::vector<CTopnyOkruh*> m_floorCircuits;  // owned
    std::vector<CTopnyOkruh*> m_wallCircuits;   // owned
    CData* m_pTable = nullptr;          // not owned
    int m_nRow = -1;

private:
    // Copies the values and the element pointers; only Clone uses it, and copies the elements.
    CMistPodlahVytap(const CMistPodlahVytap&) = default;
};
