#include "floorwall/CMistPodlahVytap.h"

#include "app/common/AppSettings.h"
#include "hydraulics/COtopneTeleso.h"
#include "hydraulics/CTopnyOkruh.h"

IMPLEMENT_SERIAL(CMistPodlahVytap, CObject, 1)

CMistPodlahVytap::CMistPodlahVytap()
{
    const CString& style = AppSettings::Get().RowFormats[1];
    m_strFormat = style.IsEmpty() ? CString("000000|f0d800|T|1") : style;
}

CMistPodlahVytap::~CMistPodlahVytap()
{
    for (CTopnyOkruh* circuit : m_floorCircuits)
        delete circuit;
    m_floorCircuits.clear();
    for (CTopnyOkruh* circuit : m_wallCircuits)
        delete circuit;
    m_wallCircuits.clear();
    for (COtopneTeleso* radiator : m_radiators)
        delete radiator;
    m_radiators.clear();
}

CTopnyOkruh* CMistPodlahVytap::CurrentCircuit() const
{
    if (m_nCurrentCircuit < 0 || m_nCurrentCircuit >= int(m_floorCircuits.size()))
        return nullptr;
    return m_floorCircuits[size_t(m_nCurrentCircuit)];
}

double CMistPodlahVytap::DownwardResistance() const
{
    return m_dInsulationResistance + m_dCeilingResistance + m_dPlasterResistance + m_dPlasterTransfer;
}
