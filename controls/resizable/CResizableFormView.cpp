#include "controls/resizable/CResizableFormView.h"

#include "platform/gdi/GdiTypes.h"

IMPLEMENT_DYNAMIC(CResizableFormView, CFormView)

BEGIN_MESSAGE_MAP(CResizableFormView, CFormView)
ON_WM_SIZE()
ON_WM_ERASEBKGND()
ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace
{
// The map mode that scales the whole form to the window.
constexpr int ScaleToFitMode = -1;
} // namespace

CResizableFormView::CResizableFormView(UINT nIDTemplate) : CFormView(nIDTemplate) {}

CResizableFormView::CResizableFormView(LPCTSTR lpszTemplateName) : CFormView(lpszTemplateName) {}

void CResizableFormView::OnInitialUpdate()
{
    CFormView::OnInitialUpdate();
    m_bInitDone = TRUE;
    ArrangeLayout();
}

void CResizableFormView::GetLayoutClientRect(LPRECT lpRect)
{
    CRect rect;
    GetClientRect(&rect);
    const CSize total = GetTotalSize();
    if (!m_bInitDone)
        rect.right = rect.left + total.cx, rect.bottom = rect.top + total.cy;
    else
    {
        int mapMode = MM_TEXT;
        CSize sizeTotal, sizePage, sizeLine;
        GetDeviceScrollSizes(mapMode, sizeTotal, sizePage, sizeLine);
        if (mapMode != ScaleToFitMode)
        {
            if (rect.Width() < total.cx)
                rect.right = rect.left + total.cx;
            if (rect.Height() < total.cy)
                rect.bottom = rect.top + total.cy;
        }
    }
    *lpRect = rect;
}

void CResizableFormView::OnSize(UINT nType, int cx, int cy)
{
    CFormView::OnSize(nType, cx, cy);
    if (m_bInitDone)
        ArrangeLayout();
}

BOOL CResizableFormView::OnEraseBkgnd(CDC* pDC)
{
    ClipAnchoredChildren(pDC);
    return CFormView::OnEraseBkgnd(pDC);
}

void CResizableFormView::OnDestroy()
{
    RemoveAllAnchors();
    m_bInitDone = FALSE;
    CFormView::OnDestroy();
}
