#include "controls/resizable/CResizablePage.h"

IMPLEMENT_DYNCREATE(CResizablePage, CPropertyPage)

BEGIN_MESSAGE_MAP(CResizablePage, CPropertyPage)
ON_WM_SIZE()
ON_WM_ERASEBKGND()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CResizablePage::CResizablePage() = default;

CResizablePage::CResizablePage(UINT nIDTemplate, UINT nIDCaption) : CPropertyPage(nIDTemplate, nIDCaption) {}

BOOL CResizablePage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_bInitDone = TRUE;
    return TRUE;
}

void CResizablePage::OnSize(UINT nType, int cx, int cy)
{
    CPropertyPage::OnSize(nType, cx, cy);
    if (m_bInitDone)
        ArrangeLayout();
}

BOOL CResizablePage::OnEraseBkgnd(CDC* pDC)
{
    ClipAnchoredChildren(pDC);
    return CPropertyPage::OnEraseBkgnd(pDC);
}

// A page made again (the sheet shown a second time) anchors its new controls afresh.
void CResizablePage::OnDestroy()
{
    RemoveAllAnchors();
    m_bInitDone = FALSE;
    CPropertyPage::OnDestroy();
}
