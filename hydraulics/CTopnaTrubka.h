#pragma once
// The pipe a heating circuit is laid with: its product code and the dimensions and
// conductivities the floor calculation needs, loaded from the maker's product catalogue.

#include "platform/core/CObject.h"
#include "platform/core/CString.h"

class CTopnaTrubka : public CObject
{
    DECLARE_DYNCREATE(CTopnaTrubka)

public:
    CTopnaTrubka() = default;
    ~CTopnaTrubka() override = default;

    // Sets the code and reads the pipe's row from "ZVK-%04d.XLS" in the price-list folder.
    // 1 when the catalogue sheet opened (row found or not), 0 when it did not (message shown).
    int LoadFromDatabase(CString code);
    // Copies the code and the five values; null changes nothing.
    void CopyFrom(const CTopnaTrubka* other);

    CString m_strCode = "9001-0004";
    double m_dOuterDiameter = 0.015;        // m
    double m_dCoatingDiameter = 0.01501;    // m
    double m_dWallThickness = 0.0015;       // m
    double m_dPipeConductivity = 0.22;      // W/(m·K)
    double m_dCoatingConductivity = 0.22;   // W/(m·K)

private:
    void ResetValues();
};
