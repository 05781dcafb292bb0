#pragma once
// One radiator of a room: product code, counts, design temperatures, the correction factors
// of its output and the room loss it covers. Kept as a radiator row of "SeznamM$".

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

class CData;

class COtopneTeleso : public CObject
{
    DECLARE_DYNCREATE(COtopneTeleso)

public:
    COtopneTeleso() = default;
    ~COtopneTeleso() override = default;

    // Fills the record from a row of the open "SeznamM$"; values of 0 or less, empty or not
    // numbers take their defaults.
    void ReadRow(CData* data, int row);
    // Appends a radiator row to the open "SeznamM$".
    void WriteRow(CData* data, int row);

    CString m_strRoomNumber;
    CString m_strCatalogueKey;   // product code "%04d-%04d"
    int m_nCarried = 1;          // handed to the changed-conditions dialog and back
    int m_nKind = 0;             // 0 panel, 1 sectional, 2 tubular
    int m_nConnectionChoice = 1;
    int m_nPlacementChoice = 1;
    int m_nCoverChoice = 2;
    int m_nSections = 1;
    double m_dSupply = 90.0;     // °C
    double m_dReturn = 70.0;     // °C
    double m_dRoom = 20.0;       // °C
    double m_dExponent = 0.0;    // 0: the kind gives it
    double m_dMediumFactor = 1.0;
    double m_dSectionsFactor = 1.0;
    double m_dConnectionFactor = 1.0;
    double m_dMassFlowFactor = 1.0;
    double m_dTemperatureFactor = 1.0;
    double m_dPlacementFactor = 1.0;
    double m_dCoverFactor = 1.0;
    CString m_strCount;          // number of radiators, as text
    double m_dRoomLoss = 0.0;    // W
    double m_dOutput = 0.0;      // W
    double m_dCoveringFactor = 0.0;
    CString m_strFormat;
    CData* m_pData = nullptr;    // not owned
    int m_nRow = -1;
};

// The process-wide working radiator: the project's design temperatures and the factors of the
// changed-conditions correction.
COtopneTeleso& WorkingRadiator();
