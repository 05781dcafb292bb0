#pragma once
// What one print run knows: preview or printer, the page range, the page being printed,
// whether to go on, and the drawing rectangle of the page in logical units.

#include "platform/core/CString.h"
#include "platform/core/Geometry.h"

class CPrintInfo
{
public:
    BOOL m_bPreview = FALSE;
    BOOL m_bDirect = FALSE;
    BOOL m_bContinuePrinting = TRUE;
    UINT m_nCurPage = 1;
    UINT m_nNumPreviewPages = 1;
    CRect m_rectDraw;
    CString m_strPageDesc;
    void* m_lpUserData = nullptr;

    void SetMinPage(UINT page) { m_nMinPage = page; }
    void SetMaxPage(UINT page) { m_nMaxPage = page; }
    UINT GetMinPage() const { return m_nMinPage; }
    UINT GetMaxPage() const { return m_nMaxPage; }
    // The pages the user chose; the whole range (as it stands when printing starts) otherwise.
    UINT GetFromPage() const { return m_nFromPage ? m_nFromPage : m_nMinPage; }
    UINT GetToPage() const { return m_nToPage ? m_nToPage : m_nMaxPage; }
    void SetChosenPages(UINT from, UINT to) { m_nFromPage = from, m_nToPage = to; }

private:
    UINT m_nMinPage = 1;
    UINT m_nMaxPage = 0xFFFF;
    UINT m_nFromPage = 0;
    UINT m_nToPage = 0;
};
