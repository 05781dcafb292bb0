#pragma once
// A resizable wizard-97 sheet: besides what the resizable sheet does, the header line widens and a
// page that shows the header keeps below it; the pages are laid out as soon as the sheet starts.

#include "controls/resizable/CResizableSheet.h"
#include "platform/ui/CPropertySheetEx.h"

class CResizableSheetEx : public CResizableSheet
{
    DECLARE_DYNAMIC(CResizableSheetEx)
public:
    CResizableSheetEx();
    explicit CResizableSheetEx(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0,
                               HBITMAP hbmWatermark = nullptr, HPALETTE hpalWatermark = nullptr,
                               HBITMAP hbmHeader = nullptr);
    explicit CResizableSheetEx(LPCTSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0,
                               HBITMAP hbmWatermark = nullptr, HPALETTE hpalWatermark = nullptr,
                               HBITMAP hbmHeader = nullptr);

protected:
    BOOL OnInitDialog() override;
};
