#pragma once
// A room's heat loss split between floor heating, wall heating and the uncovered rest, in W
// and in per cent of the total, as its dialog keeps it: opened with the stored parts, driven
// by the two check boxes, by leaving a field and by OK.

#include "platform/core/CString.h"

#include <array>

class LossSplit
{
public:
    enum Field
    {
        Total,
        FloorW,
        WallW,
        UncoveredW,
        FloorPercent,
        WallPercent,
        UncoveredPercent,
        FieldCount,
        NoField = -1
    };

    // The stored parts, kept as they are when they add up to the total within 0.5 W; the
    // check boxes follow the floor and wall parts. Parts that do not add up are settled by
    // the check-box rules. Gives the field that takes the focus (NoField: the default).
    Field Open(const CString& roomName, const CString& totalText, double floor, double wall, double uncovered);

    void SetFloorHeating(bool on);
    void SetWallHeating(bool on);
    // Takes the typed text of a field. False when the value is refused or breaks a limit:
    // the caller selects the field's whole text. A value refused as it stands changes nothing
    // and its field keeps the typed text; one whose parts break a limit has already been
    // taken and written.
    bool Leave(Field field, const CString& text);
    // True when the dialog may close; otherwise the field that takes the focus.
    bool Ok(Field& focus) const;

    const CString& Text(Field field) const { return m_texts[field]; }
    bool ReadOnly(Field field) const;
    const CString& RoomName() const { return m_roomName; }

    double m_dTotal = 0.0;
    double m_dFloor = 0.0;
    double m_dWall = 0.0;
    double m_dUncovered = 0.0;
    double m_dFloorPercent = 0.0;
    double m_dWallPercent = 0.0;
    double m_dUncoveredPercent = 0.0;
    bool m_bFloor = false;
    bool m_bWall = false;

private:
    void SetHeating(bool on, double& part, double other);
    void Write(Field field, double& value);
    void WriteParts();
    void WritePercents();
    void PercentsFromParts();
    void PartsFromPercents();
    bool PartsWithinLimit() const;
    static bool PercentsWithinLimit(double floor, double wall, double uncovered);

    CString m_roomName;
    std::array<CString, FieldCount> m_texts;
};
