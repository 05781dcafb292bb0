#pragma once
// The base of the resizable dialogs: a sizing frame with a size grip, controls that follow their
// anchors, a minimum size equal to the size the template gives, and optionally the placement
// remembered in the profile. A derived dialog anchors its controls in its own OnInitDialog after
// calling this one's; the first size change arranges them.

#include "controls/resizable/CResizableGrip.h"
#include "controls/resizable/CResizableLayout.h"
#include "controls/resizable/CResizableMinMax.h"
#include "controls/resizable/CResizableState.h"
#include "platform/ui/CDialog.h"

class CResizableDialog : public CDialog,
                         public CResizableLayout,
                         public CResizableGrip,
                         public CResizableMinMax,
                         public CResizableState
{
    DECLARE_DYNAMIC(CResizableDialog)
public:
    CResizableDialog();
    explicit CResizableDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Restores the placement saved in the profile section now and saves it when the window closes.
    void EnablePlacementMemory(LPCTSTR pszSection, BOOL bRectOnly = FALSE);

protected:
    BOOL OnInitDialog() override;
    CWnd* GetLayoutWindow() override { return this; }

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    BOOL m_bEnablePlacement = FALSE;
    BOOL m_bRectOnly = FALSE;
    CString m_sSection;
    BOOL m_bInitDone = FALSE;
};
