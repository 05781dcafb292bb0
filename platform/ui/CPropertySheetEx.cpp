#include "platform/ui/CPropertySheetEx.h"

IMPLEMENT_DYNAMIC(CPropertySheetEx, CPropertySheet)

void SetWizardBitmaps(PROPSHEETHEADER& header, HBITMAP hbmWatermark, HPALETTE hpalWatermark,
                      HBITMAP hbmHeader)
{
    header.hbmWatermark = hbmWatermark;
    header.hplWatermark = hpalWatermark;
    header.hbmHeader = hbmHeader;
    if (hbmWatermark)
        header.dwFlags |= PSH_WATERMARK;
    if (hbmHeader)
        header.dwFlags |= PSH_HEADER;
}

CPropertySheetEx::CPropertySheetEx() = default;

CPropertySheetEx::CPropertySheetEx(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage, HBITMAP hbmWatermark,
                                   HPALETTE hpalWatermark, HBITMAP hbmHeader)
    : CPropertySheet(nIDCaption, pParentWnd, iSelectPage)
{
    SetWizardBitmaps(m_psh, hbmWatermark, hpalWatermark, hbmHeader);
}

CPropertySheetEx::CPropertySheetEx(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage,
                                   HBITMAP hbmWatermark, HPALETTE hpalWatermark, HBITMAP hbmHeader)
    : CPropertySheet(pszCaption, pParentWnd, iSelectPage)
{
    SetWizardBitmaps(m_psh, hbmWatermark, hpalWatermark, hbmHeader);
}
