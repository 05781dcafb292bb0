#include "controls/grid/CGridCell.h"

#include "controls/grid/CGridCtrl.h"
#include "controls/grid/CInPlaceEdit.h"

#include <cstring>
#include <map>
#include <string>

IMPLEMENT_DYNCREATE(CGridCell, CGridCellBase)

namespace
{
// One font object per distinct LOGFONT, kept for the program's life, so that a caller may keep
// the font it was given while other cells ask for theirs.
CFont* CachedFont(const LOGFONT& lf)
{
    static std::map<std::string, std::unique_ptr<CFont>> cache;
    std::string key(reinterpret_cast<const char*>(&lf), sizeof(LOGFONT));
    auto& slot = cache[key];
    if (!slot)
    {
        slot = std::make_unique<CFont>();
        slot->CreateFontIndirect(&lf);
    }
    return slot.get();
}
} // namespace

CGridCell::CGridCell() = default;

CGridCell::~CGridCell() = default;

void CGridCell::KeepValue(LPCTSTR szValue, LPCTSTR szForText)
{
    if (szValue)
        m_pKeptValue = std::make_unique<std::pair<CString, CString>>(szValue, szForText ? CString(szForText) : m_strText);
    else
        m_pKeptValue.reset();
}

LPCTSTR CGridCell::GetKeptValue() const
{
    return m_pKeptValue ? m_pKeptValue->first.GetString() : nullptr;
}

LPCTSTR CGridCell::GetKeptValueText() const
{
    return m_pKeptValue ? m_pKeptValue->second.GetString() : nullptr;
}

void CGridCell::SetFont(const LOGFONT* plf)
{
    if (!plf)
    {
        m_plfFont.reset();
        return;
    }
    if (!m_plfFont)
        m_plfFont = std::make_unique<LOGFONT>();
    *m_plfFont = *plf;
}

DWORD CGridCell::GetFormat() const
{
    if (m_nFormat != 0xFFFFFFFF)
        return m_nFormat;
    CGridCellBase* pDefault = GetDefaultCell();
    return pDefault ? pDefault->GetFormat() : 0;
}

UINT CGridCell::GetMargin() const
{
    if (m_nMargin != 0xFFFFFFFF)
        return m_nMargin;
    CGridCellBase* pDefault = GetDefaultCell();
    return pDefault ? pDefault->GetMargin() : 0;
}

const LOGFONT* CGridCell::GetFont() const
{
    if (m_plfFont)
        return m_plfFont.get();
    CGridCellBase* pDefault = GetDefaultCell();
    return pDefault ? pDefault->GetFont() : nullptr;
}

CFont* CGridCell::GetFontObject() const
{
    if (m_plfFont)
        return CachedFont(*m_plfFont);
    CGridCellBase* pDefault = GetDefaultCell();
    return pDefault ? pDefault->GetFontObject() : nullptr;
}

void CGridCell::Reset()
{
    CGridCellBase::Reset();
    m_strText.Empty();
    m_pKeptValue.reset();
    m_nImage = -1;
    m_nFormat = 0xFFFFFFFF;
    m_crFgClr = CLR_DEFAULT;
    m_crBkClr = CLR_DEFAULT;
    m_plfFont.reset();
    m_nMargin = 0xFFFFFFFF;
    m_bEditing = FALSE;
    m_pGrid = nullptr;
    m_pEditWnd = nullptr;
}

BOOL CGridCell::Edit(int nRow, int nCol, CRect rect, CPoint /*point*/, UINT nID, UINT nChar)
{
    if (m_bEditing && m_pEditWnd)
    {
        // Typing into a cell that is being edited goes on in its edit.
        static_cast<CInPlaceEdit*>(m_pEditWnd)->TypeCharacter(nChar);
        return TRUE;
    }
    const DWORD dwStyle = CInPlaceEdit::StyleForFormat(GetFormat());
    m_bEditing = TRUE;
    m_pEditWnd = new CInPlaceEdit(GetGrid(), rect, dwStyle, nID, nRow, nCol, GetText(), nChar);
    return TRUE;
}

void CGridCell::EndEdit()
{
    if (m_pEditWnd)
        static_cast<CInPlaceEdit*>(m_pEditWnd)->EndEdit();
}

void CGridCell::OnEndEdit()
{
    m_bEditing = FALSE;
    m_pEditWnd = nullptr;
}
