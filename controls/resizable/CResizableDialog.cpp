#include "controls/resizable/CResizableDialog.h"

#include "controls/resizable/CResizableFrame.h"

IMPLEMENT_DYNAMIC(CResizableDialog, CDialog)

BEGIN_MESSAGE_MAP(CResizableDialog, CDialog)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_GETMINMAXINFO()
ON_WM_ERASEBKGND()
ON_WM_DESTROY()
END_MESSAGE_MAP()

CResizableDialog::CResizableDialog() = default;

CResizableDialog::CResizableDialog(UINT nIDTemplate, CWnd* pParentWnd) : CDialog(nIDTemplate, pParentWnd) {}

int CResizableDialog::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CDialog::OnCreate(lpCreateStruct) == -1)
        return -1;
    CResizableFrame::MakeSizingFrame(this);
    return CreateGripWindow() ? 0 : -1;
}

BOOL CResizableDialog::OnInitDialog()
{
    const BOOL result = CDialog::OnInitDialog();
    CRect rect;
    GetWindowRect(&rect);
    SetMinimumTrackSize(rect.Size());
    PlaceGrip();
    m_bInitDone = TRUE;
    return result;
}

void CResizableDialog::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    if (!CResizableFrame::ArrangesOn(nType) || !m_bInitDone)
        return;
    PlaceGrip();
    ArrangeLayout();
}

void CResizableDialog::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    if (m_bInitDone)
        ApplyMinMaxInfo(lpMMI);
}

BOOL CResizableDialog::OnEraseBkgnd(CDC* pDC)
{
    ClipAnchoredChildren(pDC);
    return CDialog::OnEraseBkgnd(pDC);
}

void CResizableDialog::OnDestroy()
{
    if (m_bEnablePlacement)
        SavePlacement(m_sSection, m_bRectOnly);
    RemoveAllAnchors();
    CDialog::OnDestroy();
}

void CResizableDialog::EnablePlacementMemory(LPCTSTR pszSection, BOOL bRectOnly)
{
    m_sSection = pszSection;
    m_bRectOnly = bRectOnly;
    m_bEnablePlacement = TRUE;
    LoadPlacement(m_sSection, m_bRectOnly);
}
