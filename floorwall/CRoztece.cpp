#include "floorwall/CRoztece.h"

#include "common/CommonIds.h"
#include "hydraulics/NumberReading.h"
#include "platform/core/NumberText.h"

#include <cmath>

IMPLEMENT_SERIAL(CRoztece, CObject, 1)

namespace
{
CString Fixed3(double value)
{
    CString text;
    text.Format("%.3f", value);
    return text;
}
} // namespace

CRoztece::CRoztece()
{
    BuildSpacings();
}

void CRoztece::BuildSpacings()
{
    m_spacings.clear();
    // A series whose "from" lies above its "to" still holds the value of "from"; a step that
    // does not advance gives that one value too.
    double x = m_dFrom;
    do
    {
        m_spacings.push_back(x);
        x += m_dStep;
    } while (m_dStep > 0.0 && !(x > m_dTo));
}

CRoztece* CRoztece::CreateFineSeries()
{
    auto* series = new CRoztece;
    series->m_dStep = 0.05;
    series->m_dFrom = 0.05;
    series->m_dTo = 0.3;
    series->m_nUse = 0;
    series->BuildRoundedSpacings();
    return series;
}

void CRoztece::BuildRoundedSpacings()
{
    m_spacings.clear();
    // A step that cannot advance the three-decimal text would never reach "to".
    if (!(m_dStep >= 0.0005))
    {
        if (!(m_dFrom > m_dTo))
            m_spacings.push_back(m_dFrom);
        return;
    }
    for (double x = m_dFrom; !(x > m_dTo); x = ReadNumber(Fixed3(x + m_dStep)))
        m_spacings.push_back(x);
}

void CRoztece::UpdateFlags(const CString& systemCode, double minimumSpacing)
{
    CString maker;
    if (!maker.LoadString(IDS_MAKER_NUMBER))
        maker = "9001";
    const CString code = "[" + systemCode + "]";
    m_nSystem0072 = code.Find("[" + maker + "-0072]") >= 0 ? 1 : 0;
    m_nUse = std::fabs(minimumSpacing - m_dFrom) < 0.0001 ? 1 : 0;
}

int CRoztece::GetImageIndex() const
{
    if (m_nSystem0072)
        return m_nUse ? 0 : 1;
    return m_nUse ? 2 : 3;
}

CString CRoztece::ColumnText(int column) const
{
    switch (column)
    {
    case 1:
        return Fixed3(m_dStep);
    case 2:
        return Fixed3(m_dFrom);
    case 3:
        return Fixed3(m_dTo);
    case 4:
    {
        // "0,075; 0,150" where the decimal separator is a comma.
        const CString separator = NumberText::ListSeparator();
        CString text;
        for (double spacing : m_spacings)
            text += (text.IsEmpty() ? CString() : separator) + Fixed3(spacing);
        return text;
    }
    default:
        return CString();
    }
}
