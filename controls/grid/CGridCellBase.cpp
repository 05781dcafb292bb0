#include "controls/grid/CGridCellBase.h"

#include <cstring>

#include "controls/grid/CGridCtrl.h"
#include "controls/grid/CGridDefaultCell.h"
#include "platform/ui/WinApi.h"

#include <algorithm>
#include <string_view>

IMPLEMENT_DYNCREATE(CGridCellBase, CObject)

CGridCellBase* CGridCellBase::GetDefaultCell() const
{
    CGridCtrl* pGrid = GetGrid();
    if (!pGrid)
        return nullptr;
    return pGrid->GetDefaultCell(IsFixedRow(), IsFixedCol());
}

LPCTSTR CGridCellBase::GetValueText() const
{
    const LPCTSTR szValue = GetKeptValue();
    const LPCTSTR szText = GetText();
    return szValue && std::strcmp(GetKeptValueText(), szText ? szText : "") == 0 ? szValue : nullptr;
}

void CGridCellBase::CopyFrom(const CGridCellBase& cell)
{
    SetGrid(cell.GetGrid());
    SetText(cell.GetText());
    KeepValue(cell.GetKeptValue(), cell.GetKeptValueText());
    SetImage(cell.GetImage());
    SetData(cell.GetData());
    SetState(cell.GetState());
    SetFormat(cell.GetFormat());
    SetTextClr(cell.GetTextClr());
    SetBackClr(cell.GetBackClr());
    SetFont(cell.IsDefaultFont() ? nullptr : cell.GetFont());
    SetMargin(cell.GetMargin());
}

LRESULT CGridCellBase::SendMessageToParent(int nRow, int nCol, int nMessage) const
{
    CGridCtrl* pGrid = GetGrid();
    return pGrid ? pGrid->SendMessageToParent(nRow, nCol, nMessage) : 0;
}

BOOL CGridCellBase::OnSetCursor()
{
    ::SetCursor(::LoadCursor(nullptr, IDC_ARROW));
    return TRUE;
}

bool CGridCellBase::GetImageSize(CSize& size) const
{
    CGridCtrl* pGrid = GetGrid();
    if (!pGrid || !pGrid->GetImageList() || GetImage() < 0)
        return false;
    IMAGEINFO info;
    if (!pGrid->GetImageList()->GetImageInfo(GetImage(), &info))
        return false;
    size.cx = info.rcImage.right - info.rcImage.left + 1;
    size.cy = info.rcImage.bottom - info.rcImage.top + 1;
    return true;
}

namespace
{
struct Triangle
{
    CPoint a, b, c;
};

void DrawOutline(CDC* pDC, COLORREF colour, const Triangle& t)
{
    CPen pen(PS_SOLID, 1, colour);
    CPen* pOld = pDC->SelectObject(&pen);
    pDC->MoveTo(t.a);
    pDC->LineTo(t.b);
    pDC->LineTo(t.c);
    pDC->LineTo(t.a);
    pDC->SelectObject(pOld);
}
} // namespace

void CGridCellBase::DrawSortMark(CDC* pDC, CRect& rect, int nMargin, bool bVerticalText)
{
    CGridCtrl* pGrid = GetGrid();
    int size = pDC->GetTextExtent(_T("M")).cy - 4;
    if (size >= rect.Height())
        size = rect.Height() - 4;
    if (!(rect.left + size < rect.right + 2 * nMargin))
        return;
    const int y = rect.bottom - size - 2;
    const int x = bVerticalText ? (rect.right - size + rect.left) / 2 : rect.right - size;
    const int s = size;
    if (pGrid->GetSortAscending())
    {
        DrawOutline(pDC, GetSysColor(COLOR_BTNHIGHLIGHT),
                    {{x + 1, y + s + 1}, {x + s / 2 + 1, y + 1}, {x + s + 1, y + s + 1}});
        DrawOutline(pDC, GetSysColor(COLOR_BTNSHADOW), {{x, y + s}, {x + s / 2, y}, {x + s, y + s}});
    }
    else
    {
        DrawOutline(pDC, GetSysColor(COLOR_BTNHIGHLIGHT),
                    {{x + 1, y + 1}, {x + s / 2 + 1, y + s + 1}, {x + s + 1, y + 1}});
        DrawOutline(pDC, GetSysColor(COLOR_BTNSHADOW), {{x, y}, {x + s / 2, y + s}, {x + s, y}});
    }
    if (!bVerticalText)
        rect.right -= size;
}

BOOL CGridCellBase::Draw(CDC* pDC, int nRow, int nCol, CRect rect, BOOL bEraseBkgnd)
{
    CGridCtrl* pGrid = GetGrid();
    if (!pGrid || !pDC || rect.Width() <= 0 || rect.Height() <= 0)
        return FALSE;

    const int nSavedDC = pDC->SaveDC();
    pDC->SetBkMode(TRANSPARENT);
    CGridCellBase* pDefault = GetDefaultCell();
    if (!pDefault)
    {
        pDC->RestoreDC(nSavedDC);
        return FALSE;
    }

    COLORREF textClr = GetTextClr() == CLR_DEFAULT ? pDefault->GetTextClr() : GetTextClr();
    COLORREF backClr = pDefault->GetBackClr();
    if (GetBackClr() != CLR_DEFAULT)
    {
        backClr = GetBackClr();
        bEraseBkgnd = TRUE;
    }

    if (!IsFocused() && !IsDropHighlighted())
    {
        CRect fill(rect.left, rect.top, rect.right + 1, rect.bottom + 1);
        if (IsSelected())
        {
            pDC->FillSolidRect(fill, GetSysColor(COLOR_HIGHLIGHT));
            textClr = GetSysColor(COLOR_HIGHLIGHTTEXT);
        }
        else if (bEraseBkgnd)
        {
            pDC->FillSolidRect(fill, backClr);
        }
        pDC->SetTextColor(textClr);
    }
    else
    {
        if (IsSelected())
        {
            backClr = GetSysColor(COLOR_HIGHLIGHT);
            textClr = GetSysColor(COLOR_HIGHLIGHTTEXT);
            bEraseBkgnd = TRUE;
        }
        rect.right++, rect.bottom++;
        if (bEraseBkgnd)
            pDC->FillSolidRect(rect, backClr);
        const bool bLines = pGrid->GetGridLines() != GVL_NONE;
        if (bLines)
            rect.right--, rect.bottom--;
        if (pGrid->GetFrameFocusCell())
        {
            CBrush brush(textClr);
            pDC->FrameRect(rect, &brush);
        }
        pDC->SetTextColor(textClr);
        if (!bLines)
            rect.right--, rect.bottom--;
        rect.DeflateRect(1, 1);
    }

    if (IsFixed() && pGrid->GetGridLines() != GVL_NONE)
    {
        const CCellID focus = pGrid->GetFocusCell();
        if (pGrid->GetTrackFocusCell() && pGrid->IsValid(focus) && (focus.row == nRow || focus.col == nCol))
        {
            rect.right++, rect.bottom++;
            pDC->DrawEdge(rect, BDR_SUNKENINNER, BF_RECT);
            rect.DeflateRect(1, 1);
        }
        else
        {
            CPen light(PS_SOLID, 1, GetSysColor(COLOR_3DHIGHLIGHT));
            CPen dark(PS_SOLID, 1, GetSysColor(COLOR_3DDKSHADOW));
            CPen* pOld = pDC->SelectObject(&light);
            pDC->MoveTo(rect.right, rect.top);
            pDC->LineTo(rect.left, rect.top);
            pDC->LineTo(rect.left, rect.bottom);
            pDC->SelectObject(&dark);
            pDC->MoveTo(rect.right, rect.top);
            pDC->LineTo(rect.right, rect.bottom);
            pDC->LineTo(rect.left, rect.bottom);
            pDC->SelectObject(pOld);
            rect.DeflateRect(1, 1);
        }
    }

    if (!pDC->IsPrinting())
    {
        if (CFont* pFont = GetFontObject())
            pDC->SelectObject(pFont);
    }

    const int nMargin = int(GetMargin());
    rect.DeflateRect(nMargin, 0);

    CSize image;
    if (GetImageSize(image) && rect.left + image.cx <= rect.right + 2 * nMargin &&
        rect.top + image.cy <= rect.bottom + 2 * nMargin)
        pGrid->GetImageList()->Draw(pDC, GetImage(), rect.TopLeft(), ILD_NORMAL);

    if (nRow == 0 && nCol == pGrid->GetSortColumn())
    {
        const LOGFONT* plf = GetFont();
        DrawSortMark(pDC, rect, nMargin, plf && plf->lfEscapement == 900);
    }

    GetTextRect(rect);
    const UINT format = GetFormat() | DT_NOPREFIX;
    // A text that may break its lines stands in the middle of its row as a single line does, so
    // that the texts and the numbers of a row share one baseline.
    if ((format & DT_WORDBREAK) && !(format & DT_SINGLELINE) && (format & DT_VCENTER))
    {
        CRect measured(rect.left, rect.top, rect.right, rect.top);
        pDC->DrawText(GetText(), -1, measured, format | DT_CALCRECT);
        const int spare = rect.Height() - measured.Height();
        if (spare > 0)
            rect.top += spare / 2;
    }
    pDC->DrawText(GetText(), -1, rect, format);

    pDC->RestoreDC(nSavedDC);
    return TRUE;
}

BOOL CGridCellBase::GetTextRect(LPRECT pRect)
{
    CSize image;
    if (GetImageSize(image))
        pRect->left += image.cx + 1 + int(GetMargin());
    return TRUE;
}

CSize CGridCellBase::GetTextExtent(LPCTSTR szText, CDC* pDC)
{
    CGridCtrl* pGrid = GetGrid();
    auto* pDefault = static_cast<CGridDefaultCell*>(GetDefaultCell());
    const CSize defaultSize = pDefault ? CSize(pDefault->GetWidth(), pDefault->GetHeight()) : CSize(0, 0);

    CDC* pOwnDC = nullptr;
    if (!pDC && szText && pGrid)
        pDC = pOwnDC = pGrid->GetDC();
    if (!pDC || !szText)
        return defaultSize;

    CFont* pOldFont = nullptr;
    if (CFont* pFont = GetFontObject())
        pOldFont = pDC->SelectObject(pFont);

    const DWORD nFormat = GetFormat();
    CSize size;
    if ((nFormat & DT_WORDBREAK) && !(nFormat & DT_SINGLELINE))
    {
        const std::string_view text(szText);
        int nWidest = 0;
        std::size_t start = 0;
        while (start <= text.size())
        {
            const std::size_t end = std::min(text.find('\n', start), text.size());
            const CString line(std::string(text.substr(start, end - start)));
            nWidest = std::max(nWidest, int(pDC->GetTextExtent(line).cx));
            start = end + 1;
        }
        int nWidth = nWidest + 1;
        if (m_nMaxTextWidth > 0)
            nWidth = std::max(1, std::min(nWidth, m_nMaxTextWidth - 4 * int(GetMargin())));
        CRect rect(0, 0, nWidth, 0);
        pDC->DrawText(szText, -1, rect, nFormat | DT_CALCRECT);
        size = rect.Size();
    }
    else
    {
        size = pDC->GetTextExtent(szText);
    }

    TEXTMETRIC tm;
    pDC->GetTextMetrics(&tm);
    if (pOldFont)
        pDC->SelectObject(pOldFont);
    if (pOwnDC)
        pGrid->ReleaseDC(pOwnDC);

    const int nMargin = int(GetMargin());
    const LOGFONT* plf = GetFont();
    if (plf && (plf->lfEscapement == 900 || plf->lfEscapement == -900))
        return CSize(size.cy + 2 * nMargin, size.cx + tm.tmOverhang + 8 * nMargin);
    return CSize(size.cx + tm.tmOverhang + 4 * nMargin, size.cy + 2 * nMargin);
}

CSize CGridCellBase::GetCellExtent(CDC* pDC)
{
    CSize size = GetTextExtent(GetText(), pDC);
    CSize image;
    if (GetImageSize(image))
    {
        size.cx += image.cx;
        size.cy = std::max(size.cy, image.cy);
    }
    return size;
}

BOOL CGridCellBase::PrintCell(CDC* pDC, int nRow, int nCol, CRect rect)
{
    // Printing draws like the screen, on the printer's DC.
    return Draw(pDC, nRow, nCol, rect, FALSE);
}
