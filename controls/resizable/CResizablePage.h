#pragma once
// A property page whose controls follow their anchors when the sheet resizes it.

#include "controls/resizable/CResizableLayout.h"
#include "platform/ui/CPropertyPage.h"

class CResizablePage : public CPropertyPage, public CResizableLayout
{
    DECLARE_DYNCREATE(CResizablePage)
public:
    CResizablePage();
    explicit CResizablePage(UINT nIDTemplate, UINT nIDCaption = 0);

protected:
    BOOL OnInitDialog() override;
    CWnd* GetLayoutWindow() override { return this; }

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    BOOL m_bInitDone = FALSE;
};
