#include "controls/grid/CGridBtnCell.h"

IMPLEMENT_DYNCREATE(CGridBtnCell, CGridBtnCellBase)

void CGridBtnCell::SetBtnDrawType(int i, BYTE nType)
{
    if (Valid(i))
        m_Btns[i].nDrawType = nType;
}

void CGridBtnCell::SetBtnDrawState(int i, UINT nState)
{
    if (Valid(i))
        m_Btns[i].nDrawState = std::int16_t(std::uint16_t(nState));
}

void CGridBtnCell::SetBtnValue32(int i, int nWidth)
{
    if (Valid(i))
        m_Btns[i].nWidth = nWidth;
}

void CGridBtnCell::SetBtnSelector(int i, BYTE nPlacement)
{
    if (Valid(i))
        m_Btns[i].nFlags = BYTE((m_Btns[i].nFlags & 1) | (nPlacement << 1));
}

LPCTSTR CGridBtnCell::GetBtnText(int i) const
{
    if (!Valid(i) || m_Btns[i].strCaption.IsEmpty())
        return nullptr;
    return m_Btns[i].strCaption.GetString();
}

void CGridBtnCell::SetBtnText(int i, LPCTSTR szText)
{
    if (Valid(i))
        m_Btns[i].strCaption = szText ? szText : "";
}

void CGridBtnCell::SetBtnFlag(int i, BOOL bGroup)
{
    if (Valid(i))
        m_Btns[i].nFlags = BYTE((m_Btns[i].nFlags & ~1) | (bGroup ? 1 : 0));
}

void CGridBtnCell::Reset()
{
    CGridBtnCellBase::Reset();
    m_Btns = {};
    m_strText.Empty();
    m_nFormat = DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER | DT_RIGHT;
}
