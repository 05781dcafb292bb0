#pragma once
// A resizable page of a wizard-97 sheet, with the title and subtitle the sheet's header shows.
// A page without the header (PSP_HIDEHEADER) repaints every control it moves.

#include "controls/resizable/CResizablePage.h"

class CResizablePageEx : public CResizablePage
{
    DECLARE_DYNCREATE(CResizablePageEx)
public:
    CResizablePageEx();
    explicit CResizablePageEx(UINT nIDTemplate, UINT nIDCaption = 0, UINT nIDHeaderTitle = 0,
                              UINT nIDHeaderSubTitle = 0);

protected:
    BOOL NeedsRefresh(HWND hWnd) override;
};
