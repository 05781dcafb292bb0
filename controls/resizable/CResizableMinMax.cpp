#include "controls/resizable/CResizableMinMax.h"

void CResizableMinMax::SetMaximumTrackSize(const CSize& size)
{
    m_maxTrackSize = size;
    m_bMaxTrackSet = TRUE;
}

void CResizableMinMax::SetMinimumTrackSize(const CSize& size)
{
    m_minTrackSize = size;
    m_bMinTrackSet = TRUE;
}

void CResizableMinMax::SetMaximizedPlacement(const CRect& rect)
{
    m_maxPosition = rect.TopLeft();
    m_maxSize = rect.Size();
    m_bMaxPlacementSet = TRUE;
}

void CResizableMinMax::ApplyMinMaxInfo(MINMAXINFO* info) const
{
    if (m_bMinTrackSet)
        info->ptMinTrackSize = CPoint(m_minTrackSize);
    if (m_bMaxTrackSet)
        info->ptMaxTrackSize = CPoint(m_maxTrackSize);
    if (m_bMaxPlacementSet)
    {
        info->ptMaxPosition = m_maxPosition;
        info->ptMaxSize = CPoint(m_maxSize);
    }
}
