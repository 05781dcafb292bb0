#include "controls/grid/CGridDefaultCell.h"

#include "platform/gdi/SystemMetrics.h"

IMPLEMENT_DYNCREATE(CGridDefaultCell, CGridCell)

CGridDefaultCell::CGridDefaultCell()
{
    m_nFormat = DT_NOPREFIX | DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER;
    m_crFgClr = CLR_DEFAULT;
    m_crBkClr = CLR_DEFAULT;
    NONCLIENTMETRICS ncm{};
    ncm.cbSize = sizeof(NONCLIENTMETRICS);
    SystemParametersInfo(SPI_GETNONCLIENTMETRICS, sizeof(NONCLIENTMETRICS), &ncm, 0);
    SetFont(&ncm.lfMessageFont);
}

void CGridDefaultCell::SetFont(const LOGFONT* plf)
{
    if (!plf)
        return;
    m_Font.DeleteObject();
    m_Font.CreateFontIndirect(plf);
    CGridCell::SetFont(plf);

    CDC dc;
    if (!dc.Attach(Gdi::CreateScreenDC()))
    {
        m_nMargin = 3;
        m_Size = CSize(40, 16);
        return;
    }
    CFont* pOld = dc.SelectObject(&m_Font);
    m_nMargin = UINT(dc.GetTextExtent(_T(" "), 1).cx);
    const CSize sample = dc.GetTextExtent(_T(" XXXXXXXXXXXX "), 14);
    m_Size = CSize(sample.cx, sample.cy * 3 / 2);
    dc.SelectObject(pOld);
    ::DeleteDC(dc.Detach());
}

CFont* CGridDefaultCell::GetFontObject() const
{
    return const_cast<CFont*>(&m_Font);
}
