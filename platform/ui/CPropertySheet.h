#pragma once
// A property sheet: a modal or modeless dialog of tabs, one page under each, with OK, Cancel,
// Apply (unless PSH_NOAPPLYNOW) and Help (with PSH_HASHELP) buttons below. A wizard (PSH_WIZARD
// or PSH_WIZARD97) shows no tabs but Back, Next (Finish on the last page) and Cancel under a
// separator line; a wizard-97 sheet also a header with the page's title and subtitle.
//
// Modal sheets run through the dialog machinery: tests script them as the next dialog of the
// caption's string id (0 when the sheet was given its caption as text).

#include "platform/ui/CDialog.h"

#include <vector>

class CPropertyPage;
class CTabCtrl;

KALVENROD_DECLARE_HANDLE(HPALETTE);

struct PROPSHEETHEADER
{
    DWORD dwSize = sizeof(PROPSHEETHEADER);
    DWORD dwFlags = 0;
    HWND hwndParent = nullptr;
    HINSTANCE hInstance = nullptr;
    HICON hIcon = nullptr;
    LPCTSTR pszIcon = nullptr;
    LPCTSTR pszCaption = nullptr;
    UINT nPages = 0;
    UINT nStartPage = 0;
    // Wizard-97 pictures: the watermark of the outer pages and the header's bitmap.
    HBITMAP hbmWatermark = nullptr;
    HPALETTE hplWatermark = nullptr;
    HBITMAP hbmHeader = nullptr;
};

constexpr DWORD PSH_DEFAULT = 0x0000;
constexpr DWORD PSH_PROPTITLE = 0x0001;
constexpr DWORD PSH_USEHICON = 0x0002;
constexpr DWORD PSH_USEICONID = 0x0004;
constexpr DWORD PSH_PROPSHEETPAGE = 0x0008;
constexpr DWORD PSH_NOAPPLYNOW = 0x0080;
constexpr DWORD PSH_HASHELP = 0x0200;
constexpr DWORD PSH_MODELESS = 0x0400;
constexpr DWORD PSH_WIZARD = 0x0020;
constexpr DWORD PSH_WIZARD97 = 0x2000;
constexpr DWORD PSH_WATERMARK = 0x8000;
constexpr DWORD PSH_HEADER = 0x80000;

constexpr int PSBTN_BACK = 0;
constexpr int PSBTN_NEXT = 1;
constexpr int PSBTN_FINISH = 2;
constexpr int PSBTN_OK = 3;
constexpr int PSBTN_APPLYNOW = 4;
constexpr int PSBTN_CANCEL = 5;
constexpr int PSBTN_HELP = 6;

constexpr int ID_APPLY_NOW = 0x3021;
constexpr int AFX_IDC_TAB_CONTROL = 0x3020;
constexpr int ID_WIZBACK = 0x3023;
constexpr int ID_WIZNEXT = 0x3024;
constexpr int ID_WIZFINISH = 0x3025;
constexpr int ID_WIZLINE = 0x3026;
// The line under a wizard-97 header and the header's two texts.
constexpr int ID_WIZHEADERLINE = 0x3027;
constexpr int ID_WIZHEADERTITLE = 0x3028;
constexpr int ID_WIZHEADERSUBTITLE = 0x3029;

class CPropertySheet : public CDialog
{
    DECLARE_DYNAMIC(CPropertySheet)
public:
    CPropertySheet();
    explicit CPropertySheet(UINT nIDCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    explicit CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~CPropertySheet() override;

    void AddPage(CPropertyPage* pPage);
    void RemovePage(CPropertyPage* pPage);
    void RemovePage(int nPage);
    int GetPageCount() const { return int(m_pages.size()); }
    CPropertyPage* GetPage(int nPage) const;
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const { return m_active; }
    int GetPageIndex(CPropertyPage* pPage) const;
    BOOL SetActivePage(int nPage);
    BOOL SetActivePage(CPropertyPage* pPage) { return SetActivePage(GetPageIndex(pPage)); }
    void SetTitle(LPCTSTR lpszText, UINT nStyle = 0);
    CTabCtrl* GetTabControl() const { return m_tab; }
    BOOL PressButton(int nButton);

    INT_PTR DoModal() override;
    BOOL Create(CWnd* pParentWnd = nullptr, DWORD dwStyle = DWORD(-1), DWORD dwExStyle = 0);

    PROPSHEETHEADER m_psh;

protected:
    BOOL CreateDialogWindow(CWnd* pParentWnd, bool modal) override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    afx_msg void OnApplyNow();
    afx_msg void OnTabChanging(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnTabChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnWizardBack();
    afx_msg void OnWizardNext();
    afx_msg void OnWizardFinish();
    DECLARE_MESSAGE_MAP()

    BOOL IsWizard() const { return (m_psh.dwFlags & (PSH_WIZARD | PSH_WIZARD97)) != 0; }
    BOOL IsWizard97() const { return (m_psh.dwFlags & PSH_WIZARD97) != 0; }
    // Where a wizard's page goes in the sheet as it stands: between the side margins, above the
    // separator line and below the header unless the page hides it.
    CRect WizardPageRect(const CPropertyPage* page) const;

private:
    struct ButtonSpec
    {
        int id;
        const char* text;
        DWORD style;
    };
    std::vector<ButtonSpec> ButtonsToCreate() const;
    int CreateWizardHeader(int width, int unitY, HFONT font);
    void ShowWizardState(const CPropertyPage* page, int index);
    bool ShowPage(int index);
    bool ApplyAll();
    CString m_strCaption;
    std::vector<CPropertyPage*> m_pages;
    CTabCtrl* m_tab = nullptr;
    int m_active = -1;
    UINT m_nStartPage = 0;
    // A wizard's pages fill the sheet but this margin at the sides and the gap above the separator line.
    int m_wizardMargin = 0;
    int m_wizardBottomGap = 0;
};
