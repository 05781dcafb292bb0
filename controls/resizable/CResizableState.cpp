#include "controls/resizable/CResizableState.h"

#include "controls/resizable/CPlacementText.h"
#include "platform/core/Profile.h"
#include "platform/ui/CWnd.h"

namespace
{
const char* const PlacementEntry = "WindowPlacement";
}

BOOL CResizableState::SavePlacement(LPCTSTR pszSection, BOOL bRectOnly)
{
    CWnd* pWnd = GetLayoutWindow();
    WINDOWPLACEMENT wp;
    if (!pWnd->GetWindowPlacement(&wp))
        return FALSE;

    CPlacementText text;
    if (bRectOnly)
        pWnd->GetWindowRect(&text.rect);
    else
    {
        text.rect = wp.rcNormalPosition;
        text.nShowCmd = int(wp.showCmd);
        text.nFlags = int(wp.flags);
    }
    return Profile::WriteString(pszSection, PlacementEntry, text.Format());
}

BOOL CResizableState::LoadPlacement(LPCTSTR pszSection, BOOL bRectOnly)
{
    const CString value = Profile::GetString(pszSection, PlacementEntry, "");
    if (value.IsEmpty())
        return FALSE;
    CWnd* pWnd = GetLayoutWindow();
    WINDOWPLACEMENT wp;
    if (!pWnd->GetWindowPlacement(&wp))
        return FALSE;
    CPlacementText text;
    if (!text.Parse(value))
        return FALSE;

    if (bRectOnly)
        return pWnd->SetWindowPos(nullptr, text.rect.left, text.rect.top, text.rect.Width(),
                                  text.rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    wp.rcNormalPosition = text.rect;
    wp.showCmd = UINT(text.nShowCmd);
    wp.flags = UINT(text.nFlags);
    return pWnd->SetWindowPlacement(&wp);
}
