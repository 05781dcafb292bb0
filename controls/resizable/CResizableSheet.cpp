#include "controls/resizable/CResizableSheet.h"

#include "controls/resizable/CResizableFrame.h"
#include "platform/core/Profile.h"
#include "platform/ui/CPropertyPage.h"
#include "platform/ui/CTabCtrl.h"

IMPLEMENT_DYNAMIC(CResizableSheet, CPropertySheet)

BEGIN_MESSAGE_MAP(CResizableSheet, CPropertySheet)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_GETMINMAXINFO()
ON_WM_ERASEBKGND()
ON_WM_DESTROY()
ON_NOTIFY_RANGE(PSN_SETACTIVE, 0, 0xFFFF, OnPageActivated)
END_MESSAGE_MAP()

namespace
{
const char* const ActivePageEntry = "ActivePage";
} // namespace

CResizableSheet::CResizableSheet() = default;

CResizableSheet::CResizableSheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(nIDCaption, pParentWnd, iSelectPage)
{
}

CResizableSheet::CResizableSheet(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CPropertySheet(pszCaption, pParentWnd, iSelectPage)
{
}

int CResizableSheet::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CPropertySheet::OnCreate(lpCreateStruct) == -1)
        return -1;
    CResizableFrame::MakeSizingFrame(this);
    return CreateGripWindow() ? 0 : -1;
}

BOOL CResizableSheet::OnInitDialog()
{
    const BOOL result = CPropertySheet::OnInitDialog();
    CRect rect;
    GetWindowRect(&rect);
    SetMinimumTrackSize(rect.Size());
    PlaceGrip();
    AnchorSheetControls();
    if (CWnd* pTab = GetTabControl())
        pTab->ModifyStyle(0, WS_CLIPSIBLINGS);
    m_bInitDone = TRUE;
    return result;
}

void CResizableSheet::AnchorSheetControls()
{
    CTabCtrl* pTab = GetTabControl();
    if (IsWizard())
    {
        if (pTab)
            pTab->ShowWindow(SW_HIDE);
        if (CWnd* pLine = GetDlgItem(ID_WIZLINE))
            AddAnchor(pLine->GetSafeHwnd(), AnchorBottomLeft, AnchorBottomRight);
        if (CWnd* pHeaderLine = GetDlgItem(ID_WIZHEADERLINE))
            AddAnchor(pHeaderLine->GetSafeHwnd(), AnchorTopLeft, AnchorTopRight);
    }
    else if (pTab)
    {
        // Tabs that hold their pages stretch both ways; a bar of tabs above the pages only widens.
        CRect display;
        pTab->GetClientRect(&display);
        pTab->AdjustRect(FALSE, &display);
        AddAnchor(pTab->GetSafeHwnd(), AnchorTopLeft,
                  display.IsRectEmpty() ? AnchorTopRight : AnchorBottomRight);
    }

    AddCallbackEntry(LayoutCallbackActivePage);

    CRect area;
    GetLayoutClientRect(&area);
    m_pageMargins.SetRectEmpty();
    if (CPropertyPage* pPage = GetActivePage(); pPage && pPage->GetSafeHwnd())
    {
        CRect page;
        pPage->GetWindowRect(&page);
        ScreenToClient(&page);
        m_pageMargins.SetRect(page.left - area.left, page.top - area.top, page.right - area.right,
                              page.bottom - area.bottom);
    }

    for (int id : {IDOK, IDCANCEL, ID_APPLY_NOW, IDHELP, ID_WIZBACK, ID_WIZNEXT, ID_WIZFINISH})
        if (CWnd* pButton = GetDlgItem(id))
            AddAnchor(pButton->GetSafeHwnd(), AnchorBottomRight, AnchorNone);
}

CRect CResizableSheet::PageArea(CTabCtrl* pTab) const
{
    CRect tab;
    pTab->GetWindowRect(&tab);
    ScreenToClient(&tab);
    CRect display = tab;
    pTab->AdjustRect(FALSE, &display);
    if (!display.IsRectEmpty())
        return display;
    CRect area;
    GetClientRect(&area);
    return CRect(tab.left, tab.bottom, tab.right, area.bottom + m_pageMargins.bottom);
}

BOOL CResizableSheet::GetCallbackRect(LayoutInfo& info)
{
    if (info.nCallbackId != LayoutCallbackActivePage)
        return CResizableLayout::GetCallbackRect(info);

    CPropertyPage* pPage = GetActivePage();
    info.hWnd = pPage ? pPage->GetSafeHwnd() : nullptr;
    info.anchorTopLeft = AnchorTopLeft;
    info.anchorBottomRight = AnchorBottomRight;

    // The page's place as the tab control or the wizard's lines stand after the plain entries moved.
    CRect margins = m_pageMargins;
    CTabCtrl* pTab = GetTabControl();
    if (IsWizard() ? pPage != nullptr : pTab != nullptr)
    {
        const CRect page = IsWizard() ? WizardPageRect(pPage) : PageArea(pTab);
        CRect area;
        GetLayoutClientRect(&area);
        margins.SetRect(page.left - area.left, page.top - area.top, page.right - area.right,
                        page.bottom - area.bottom);
    }
    info.marginTopLeft = CSize(margins.left, margins.top);
    info.marginBottomRight = CSize(margins.right, margins.bottom);
    return TRUE;
}

void CResizableSheet::OnSize(UINT nType, int cx, int cy)
{
    CPropertySheet::OnSize(nType, cx, cy);
    if (!CResizableFrame::ArrangesOn(nType) || !m_bInitDone)
        return;
    PlaceGrip();
    ArrangeLayout();
}

void CResizableSheet::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    if (m_bInitDone)
        ApplyMinMaxInfo(lpMMI);
}

BOOL CResizableSheet::OnEraseBkgnd(CDC* pDC)
{
    ClipAnchoredChildren(pDC);
    return CPropertySheet::OnEraseBkgnd(pDC);
}

void CResizableSheet::OnDestroy()
{
    if (m_bEnablePlacement)
    {
        SavePlacement(m_sSection, m_bRectOnly);
        SaveActivePage();
    }
    RemoveAllAnchors();
    CPropertySheet::OnDestroy();
}

// The layout is arranged again, with the new page, once the activation has finished.
void CResizableSheet::OnPageActivated(UINT, NMHDR*, LRESULT* pResult)
{
    PostMessage(WM_SIZE);
    *pResult = 0;
}

void CResizableSheet::EnablePlacementMemory(LPCTSTR pszSection, BOOL bRectOnly, BOOL bRememberPage)
{
    m_sSection = pszSection;
    m_bRectOnly = bRectOnly;
    m_bRememberPage = bRememberPage;
    m_bEnablePlacement = TRUE;
    LoadPlacement(m_sSection, m_bRectOnly);
    LoadActivePage();
}

void CResizableSheet::LoadActivePage()
{
    const int page = int(Profile::GetInt(m_sSection, ActivePageEntry, 0));
    if (!m_bRememberPage)
        return;
    // A page that no longer exists leaves the sheet on the page it shows.
    if (page >= 0 && page < GetPageCount())
        SetActivePage(page);
    ArrangeLayout();
}

void CResizableSheet::SaveActivePage()
{
    if (!m_bRememberPage)
        return;
    CTabCtrl* pTab = GetTabControl();
    const int selection = pTab ? pTab->GetCurSel() : 0;
    Profile::WriteInt(m_sSection, ActivePageEntry, selection < 0 ? 0 : selection);
}
