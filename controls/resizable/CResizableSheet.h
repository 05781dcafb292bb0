#pragma once
// A property sheet that can be resized: the tab control and the active page stretch, the buttons
// keep their distance from the bottom-right corner (a wizard's separator line and header line
// widen), with a size grip, a minimum size equal to
// the sheet's first size and optionally the placement and the active page remembered.

#include "controls/resizable/CResizableGrip.h"
#include "controls/resizable/CResizableLayout.h"
#include "controls/resizable/CResizableMinMax.h"
#include "controls/resizable/CResizableState.h"
#include "platform/ui/CPropertySheet.h"

class CTabCtrl;

class CResizableSheet : public CPropertySheet,
                        public CResizableLayout,
                        public CResizableGrip,
                        public CResizableMinMax,
                        public CResizableState
{
    DECLARE_DYNAMIC(CResizableSheet)
public:
    // The callback entry that places the active page.
    static constexpr UINT LayoutCallbackActivePage = 1;

    CResizableSheet();
    explicit CResizableSheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    explicit CResizableSheet(LPCTSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);

    // Restores the placement (and with bRememberPage the active page) saved in the profile
    // section now, and saves them when the sheet closes.
    void EnablePlacementMemory(LPCTSTR pszSection, BOOL bRectOnly = FALSE, BOOL bRememberPage = FALSE);

protected:
    BOOL OnInitDialog() override;
    CWnd* GetLayoutWindow() override { return this; }
    BOOL GetCallbackRect(LayoutInfo& info) override;

    void LoadActivePage();
    void SaveActivePage();

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnDestroy();
    afx_msg void OnPageActivated(UINT nPageId, NMHDR* pNotify, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    void AnchorSheetControls();
    // Where the pages go for the tab control as it stands: its display area, or (for tabs that
    // are a bar above the pages) the stretch below the bar.
    CRect PageArea(CTabCtrl* pTab) const;

    BOOL m_bEnablePlacement = FALSE;
    BOOL m_bRectOnly = FALSE;
    BOOL m_bRememberPage = FALSE;
    CRect m_pageMargins;
    CString m_sSection;
    BOOL m_bInitDone = FALSE;
};
