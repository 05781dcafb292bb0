#include "hydraulics/LossSplit.h"

#include "hydraulics/NumberReading.h"

#include <cmath>

namespace
{
constexpr double tolerance = 0.5;
}

LossSplit::Field LossSplit::Open(const CString& roomName, const CString& totalText, double floor, double wall,
                                 double uncovered)
{
    m_roomName = roomName;
    // The total shows as it was handed in; it is rewritten only when the user changes it.
    m_dTotal = ReadNumber(totalText);
    m_texts[Total] = totalText;
    m_dFloor = std::isfinite(floor) ? floor : 0.0;
    m_dWall = std::isfinite(wall) ? wall : 0.0;
    m_dUncovered = std::isfinite(uncovered) ? uncovered : 0.0;
    WriteParts();
    PercentsFromParts();
    m_bFloor = m_dFloor > 0.0;
    m_bWall = m_dWall > 0.0;
    if (std::fabs(m_dTotal - (m_dFloor + m_dWall + m_dUncovered)) > tolerance)
    {
        SetFloorHeating(m_bFloor);
        SetWallHeating(m_bWall);
    }
    if (m_bFloor)
        return FloorW;
    return m_bWall ? WallW : NoField;
}

void LossSplit::SetFloorHeating(bool on)
{
    m_bFloor = on;
    SetHeating(on, m_dFloor, m_dWall);
}

void LossSplit::SetWallHeating(bool on)
{
    m_bWall = on;
    SetHeating(on, m_dWall, m_dFloor);
}

// The part of a heating kind takes what the other kind leaves, or gives it to the rest.
void LossSplit::SetHeating(bool on, double& part, double other)
{
    const double rest = m_dTotal - other;
    part = on ? rest : 0.0;
    m_dUncovered = on ? 0.0 : rest;
    WriteParts();
    PercentsFromParts();
}

bool LossSplit::Leave(Field field, const CString& text)
{
    const double value = ReadNumber(text);
    // A value refused as it stands changes nothing: its field keeps the text typed.
    auto refuse = [&]
    {
        m_texts[field] = text;
        return false;
    };
    switch (field)
    {
    case Total:
        if (value < 0.0)
            return refuse();
        m_dTotal = value;
        Write(Total, m_dTotal);
        if (m_bFloor)
            m_dFloor = m_dTotal - m_dUncovered - m_dWall;
        else if (m_bWall)
            m_dWall = m_dTotal - m_dUncovered - m_dFloor;
        else
            m_dUncovered = m_dTotal - m_dWall - m_dFloor;
        WriteParts();
        PercentsFromParts();
        return true;
    case FloorW:
    case WallW:
    case UncoveredW:
    {
        if (value > m_dTotal || (field == FloorW && !m_bFloor) || (field == WallW && !m_bWall))
            return refuse();
        if (field == FloorW)
        {
            m_dFloor = value;
            if (m_bWall)
                m_dWall = m_dTotal - m_dFloor;
            else
                m_dUncovered = m_dTotal - m_dWall - m_dFloor;
        }
        else if (field == WallW)
        {
            m_dWall = value;
            if (m_bFloor)
                m_dFloor = m_dTotal - m_dWall;
            else
                m_dUncovered = m_dTotal - m_dWall - m_dFloor;
        }
        else
        {
            m_dUncovered = value;
            if (m_bFloor)
                m_dFloor = m_dTotal - m_dUncovered - m_dWall;
            else if (m_bWall)
                m_dWall = m_dTotal - m_dUncovered - m_dFloor;
        }
        WriteParts();
        if (!PartsWithinLimit())
            return false;
        PercentsFromParts();
        return true;
    }
    case FloorPercent:
    case WallPercent:
    case UncoveredPercent:
    {
        if ((field == FloorPercent && !m_bFloor) || (field == WallPercent && !m_bWall))
            return refuse();
        if (field == FloorPercent)
        {
            m_dFloorPercent = value;
            if (m_bWall)
                m_dWallPercent = 100.0 - m_dFloorPercent;
            else
                m_dUncoveredPercent = 100.0 - m_dWallPercent - m_dFloorPercent;
        }
        else if (field == WallPercent)
        {
            m_dWallPercent = value;
            if (m_bFloor)
                m_dFloorPercent = 100.0 - m_dWallPercent;
            else
                m_dUncoveredPercent = 100.0 - m_dWallPercent - m_dFloorPercent;
        }
        else
        {
            // Taken only when the per cents it leads to keep their limit.
            double floor = m_dFloorPercent;
            double wall = m_dWallPercent;
            if (m_bFloor)
                floor = 100.0 - value - wall;
            else if (m_bWall)
                wall = 100.0 - value - floor;
            if (!PercentsWithinLimit(floor, wall, value))
                return refuse();
            m_dUncoveredPercent = value;
            m_dFloorPercent = floor;
            m_dWallPercent = wall;
            WritePercents();
            PartsFromPercents();
            return true;
        }
        WritePercents();
        if (!PercentsWithinLimit(m_dFloorPercent, m_dWallPercent, m_dUncoveredPercent))
            return false;
        PartsFromPercents();
        return true;
    }
    default: return false;
    }
}

bool LossSplit::Ok(Field& focus) const
{
    focus = NoField;
    if (m_dTotal <= tolerance)
        return true;
    if (PartsWithinLimit() && std::fabs(m_dTotal - (m_dFloor + m_dWall + m_dUncovered)) <= tolerance)
        return true;
    focus = m_bFloor ? FloorW : (!m_bWall ? Total : WallW);
    return false;
}

bool LossSplit::ReadOnly(Field field) const
{
    if (field == FloorW || field == FloorPercent)
        return !m_bFloor;
    if (field == WallW || field == WallPercent)
        return !m_bWall;
    return false;
}

// Writes the value into its field and keeps the value as written.
void LossSplit::Write(Field field, double& value)
{
    const bool percent = field >= FloorPercent;
    m_texts[field] = WriteNumber(percent ? "%.3f" : "%.1f", value);
    value = ReadNumber(m_texts[field]);
}

void LossSplit::WriteParts()
{
    Write(FloorW, m_dFloor);
    Write(WallW, m_dWall);
    Write(UncoveredW, m_dUncovered);
}

void LossSplit::WritePercents()
{
    Write(FloorPercent, m_dFloorPercent);
    Write(WallPercent, m_dWallPercent);
    Write(UncoveredPercent, m_dUncoveredPercent);
}

void LossSplit::PercentsFromParts()
{
    const double scale = m_dTotal > 0.0 ? 100.0 / m_dTotal : 0.0;
    m_dFloorPercent = scale * m_dFloor;
    m_dWallPercent = scale * m_dWall;
    m_dUncoveredPercent = scale * m_dUncovered;
    WritePercents();
}

void LossSplit::PartsFromPercents()
{
    m_dFloor = m_dFloorPercent * m_dTotal * 0.01;
    m_dWall = m_dWallPercent * m_dTotal * 0.01;
    m_dUncovered = m_dUncoveredPercent * m_dTotal * 0.01;
    WriteParts();
}

bool LossSplit::PartsWithinLimit() const
{
    return m_dFloor >= -tolerance && m_dWall >= -tolerance && m_dUncovered >= -tolerance;
}

bool LossSplit::PercentsWithinLimit(double floor, double wall, double uncovered)
{
    for (double percent : {floor, wall, uncovered})
        if (percent < -tolerance || percent > 100.0 + tolerance)
            return false;
    return true;
}
