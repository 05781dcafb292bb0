#pragma once
// A form view whose controls follow their anchors when the view is resized. The controls are laid
// out over the whole form: a view smaller than the form does not squeeze them.

#include "controls/resizable/CResizableLayout.h"
#include "platform/frame/CFormView.h"

class CResizableFormView : public CFormView, public CResizableLayout
{
    DECLARE_DYNAMIC(CResizableFormView)
public:
    explicit CResizableFormView(UINT nIDTemplate);
    explicit CResizableFormView(LPCTSTR lpszTemplateName);

    void OnInitialUpdate() override;

protected:
    CWnd* GetLayoutWindow() override { return this; }
    void GetLayoutClientRect(LPRECT lpRect) override;

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    BOOL m_bInitDone = FALSE;
};
