#include "controls/grid/CBtnDataBase.h"

#include "controls/grid/CGridCtrl.h"

CBtnDataBase::~CBtnDataBase() = default;

void CBtnDataBase::SetText(int, int, LPCTSTR szText) { m_strText = szText ? szText : ""; }
void CBtnDataBase::SetImage(int, int, int nImage) { m_nImage = nImage; }
void CBtnDataBase::SetData(int, int, LPARAM lParam) { m_lParam = lParam; }
void CBtnDataBase::SetFormat(int, int, DWORD nFormat) { m_nFormat = nFormat; }
void CBtnDataBase::SetTextClr(int, int, COLORREF clr) { m_crFgClr = clr; }
void CBtnDataBase::SetBackClr(int, int, COLORREF clr) { m_crBkClr = clr; }
void CBtnDataBase::SetMargin(int, int, UINT nMargin) { m_nMargin = nMargin; }
void CBtnDataBase::SetGrid(CGridCtrl* pGrid) { m_pGrid = pGrid; }
void CBtnDataBase::SetEditWnd(CWnd* pWnd) { m_pEditWnd = pWnd; }

void CBtnDataBase::SetFont(int, int, const LOGFONT* plf)
{
    m_pFont.reset();
    if (!plf)
    {
        m_plfFont.reset();
        return;
    }
    m_plfFont = std::make_unique<LOGFONT>(*plf);
}

LPCTSTR CBtnDataBase::GetText(int, int) const { return m_strText.GetString(); }
int CBtnDataBase::GetImage(int, int) const { return m_nImage; }
LPARAM CBtnDataBase::GetData(int, int) const { return m_lParam; }
DWORD CBtnDataBase::GetFormat(int, int) const { return m_nFormat; }
COLORREF CBtnDataBase::GetTextClr(int, int) const { return m_crFgClr; }
COLORREF CBtnDataBase::GetBackClr(int, int) const { return m_crBkClr; }
UINT CBtnDataBase::GetMargin(int, int) const { return m_nMargin; }
CGridCtrl* CBtnDataBase::GetGrid() const { return m_pGrid; }
CWnd* CBtnDataBase::GetEditWnd() const { return m_pEditWnd; }
BOOL CBtnDataBase::IsDefaultFont() const { return m_plfFont == nullptr; }

const LOGFONT* CBtnDataBase::GetFont(int, int) const
{
    if (m_plfFont)
        return m_plfFont.get();
    return m_pGrid ? m_pGrid->GetDefaultCell(FALSE, FALSE)->GetFont() : nullptr;
}

CFont* CBtnDataBase::GetFontObject(int, int) const
{
    if (!m_plfFont)
        return m_pGrid ? m_pGrid->GetDefaultCell(FALSE, FALSE)->GetFontObject() : nullptr;
    if (!m_pFont)
    {
        auto* self = const_cast<CBtnDataBase*>(this);
        self->m_pFont = std::make_unique<CFont>();
        self->m_pFont->CreateFontIndirect(m_plfFont.get());
    }
    return m_pFont.get();
}
