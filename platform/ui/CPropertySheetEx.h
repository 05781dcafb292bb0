#pragma once
// A property sheet that can be a wizard-97: with PSH_WIZARD97 it shows a header with the page's
// title and subtitle above the pages; the watermark and header bitmaps are kept in the header.

#include "platform/ui/CPropertySheet.h"

class CPropertySheetEx : public CPropertySheet
{
    DECLARE_DYNAMIC(CPropertySheetEx)
public:
    CPropertySheetEx();
    explicit CPropertySheetEx(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0,
                              HBITMAP hbmWatermark = nullptr, HPALETTE hpalWatermark = nullptr,
                              HBITMAP hbmHeader = nullptr);
    explicit CPropertySheetEx(LPCTSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0,
                              HBITMAP hbmWatermark = nullptr, HPALETTE hpalWatermark = nullptr,
                              HBITMAP hbmHeader = nullptr);
};

// Puts the wizard-97 bitmaps into a sheet's header, with the flags that say they are there.
void SetWizardBitmaps(PROPSHEETHEADER& header, HBITMAP hbmWatermark, HPALETTE hpalWatermark,
                      HBITMAP hbmHeader);
