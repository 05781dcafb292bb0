#include "hydraulics/HeatingMediumFields.h"

#include "hydraulics/NumberReading.h"

#include <cmath>

CString HeatingMediumFields::Text(Field field) const
{
    const double values[] = {m_dDeltaT, m_dMean, m_dInlet, m_dOutlet, m_dRoom};
    return WriteNumber("%.1f", values[field]);
}

void HeatingMediumFields::Leave(Field field, const CString& text)
{
    // A field left as it shows (a read-only one always is) keeps its value: its one-decimal
    // text must not round the value typed before.
    if (!Editable(field) || text == Text(field))
        return;
    const double value = ReadNumber(text);
    switch (field)
    {
    case Difference:
    case Mean:
        (field == Difference ? m_dDeltaT : m_dMean) = value;
        m_dInlet = m_dMean + m_dDeltaT / 2;
        m_dOutlet = m_dMean - m_dDeltaT / 2;
        break;
    case Inlet:
    case Outlet:
        (field == Inlet ? m_dInlet : m_dOutlet) = value;
        if (m_dInlet > m_dOutlet)
        {
            m_dMean = (m_dInlet + m_dOutlet) / 2;
            m_dDeltaT = m_dInlet - m_dOutlet;
        }
        break;
    case Room:
        m_dRoom = value;
        break;
    }
}

bool HeatingMediumFields::OkEnabled() const
{
    return std::isfinite(m_dInlet) && std::isfinite(m_dOutlet) && std::isfinite(m_dRoom) && m_dInlet > m_dOutlet &&
           m_dOutlet > m_dRoom;
}

bool HeatingMediumFields::Editable(Field field) const
{
    switch (field)
    {
    case Difference:
    case Mean: return m_nEntryMode == 1;
    case Inlet:
    case Outlet: return m_nEntryMode == 0;
    case Room: return !m_bRoomLocked;
    }
    return false;
}
