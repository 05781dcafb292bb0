#include "controls/resizable/CResizablePageEx.h"

IMPLEMENT_DYNCREATE(CResizablePageEx, CResizablePage)

CResizablePageEx::CResizablePageEx() = default;

CResizablePageEx::CResizablePageEx(UINT nIDTemplate, UINT nIDCaption, UINT nIDHeaderTitle,
                                   UINT nIDHeaderSubTitle)
    : CResizablePage(nIDTemplate, nIDCaption)
{
    SetHeaderTexts(nIDHeaderTitle, nIDHeaderSubTitle);
}

BOOL CResizablePageEx::NeedsRefresh(HWND hWnd)
{
    if (m_psp.dwFlags & PSP_HIDEHEADER)
        return TRUE;
    return CResizablePage::NeedsRefresh(hWnd);
}
