#pragma once
// A resizable demo dialog as the design dialogs use the base: a grid placeholder that stretches,
// buttons that keep their distance from the bottom-right corner, a title line that widens and a
// note that stays in the middle.

#include "controls/resizable/CResizableDialog.h"
#include "controls/resizable/CResizablePage.h"

constexpr UINT IDD_RESIZABLE_DEMO = 9101;
constexpr UINT IDD_RESIZABLE_FORM = 9102;
constexpr UINT IDD_DEMO_PAGE_A = 9103;
constexpr UINT IDD_DEMO_PAGE_B = 9104;

constexpr int IDC_DEMO_TITLE = 1300;
constexpr int IDC_DEMO_GRID = 1305;
constexpr int IDC_DEMO_NOTE = 1306;
constexpr int IDC_DEMO_MANIFOLDS = 1331;
constexpr int IDC_DEMO_SAVE = 1350;
constexpr int IDC_PAGE_LIST = 1400;
constexpr int IDC_PAGE_BUTTON = 1401;

void RegisterDemoDialogs();

class CDemoDialog : public CResizableDialog
{
public:
    explicit CDemoDialog(CWnd* pParent = nullptr) : CResizableDialog(IDD_RESIZABLE_DEMO, pParent) {}

    // Turns placement memory on in OnInitDialog, as a dialog of the program would.
    CString m_placementSection;
    BOOL m_bRectOnly = FALSE;

protected:
    BOOL OnInitDialog() override;
};

// A demo page whose list stretches and whose button keeps to the bottom-right corner.
template <class TPage> class CAnchoredDemoPage : public TPage
{
public:
    using TPage::TPage;

protected:
    BOOL OnInitDialog() override
    {
        TPage::OnInitDialog();
        this->AddAnchor(this->GetDlgItem(IDC_PAGE_LIST)->GetSafeHwnd(), TOP_LEFT, BOTTOM_RIGHT);
        this->AddAnchor(this->GetDlgItem(IDC_PAGE_BUTTON)->GetSafeHwnd(), BOTTOM_RIGHT, NOANCHOR);
        return TRUE;
    }
};

// A child's window rectangle in its parent's client coordinates.
CRect RectInParent(CWnd& parent, CWnd* child);
