#pragma once
// The temperatures of the heating medium as its dialog keeps them: inlet and outlet, or mean
// and difference, and the room temperature; the rules applied when a field is left.

#include "platform/core/CString.h"

class HeatingMediumFields
{
public:
    enum Field
    {
        Difference,
        Mean,
        Inlet,
        Outlet,
        Room
    };

    int m_nEntryMode = 0;   // 1 mean and difference are entered, 0 inlet and outlet
    double m_dDeltaT = 20.0; // K, inlet minus outlet
    double m_dMean = 80.0;   // °C
    double m_dInlet = 90.0;  // °C
    double m_dOutlet = 70.0; // °C
    double m_dRoom = 20.0;   // °C
    bool m_bRoomLocked = false;

    // The text a field shows, "%.1f".
    CString Text(Field field) const;
    // Takes the text typed into a field (either decimal separator; not a number reads 0). A
    // field that is not editable, or whose text is the one it shows, changes nothing.
    void Leave(Field field, const CString& text);
    // OK is offered only while inlet > outlet > room.
    bool OkEnabled() const;
    // Whether the pair of the entry mode is editable.
    bool Editable(Field field) const;
};
