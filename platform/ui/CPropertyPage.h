#pragma once
// A page of a property sheet: a child dialog from its template, made when the page is first
// shown. The sheet asks it to activate (OnSetActive), to let itself be left (OnKillActive: FALSE
// keeps it) and to take the values over on OK (OnOK) or drop them (OnCancel).

#include "platform/ui/CDialog.h"

class CPropertySheet;

struct PROPSHEETPAGE
{
    DWORD dwSize = sizeof(PROPSHEETPAGE);
    DWORD dwFlags = 0;
    LPCTSTR pszTitle = nullptr;
    LPCTSTR pszHeaderTitle = nullptr;
    LPCTSTR pszHeaderSubTitle = nullptr;
};

constexpr DWORD PSP_USETITLE = 0x0008;
constexpr DWORD PSP_HIDEHEADER = 0x0800;
constexpr DWORD PSP_USEHEADERTITLE = 0x1000;
constexpr DWORD PSP_USEHEADERSUBTITLE = 0x2000;

// The page-activation notification, also sent to the sheet once a page has been activated.
constexpr UINT PSN_SETACTIVE = UINT(-200);
constexpr DWORD PSP_HASHELP = 0x0020;

class CPropertyPage : public CDialog
{
    DECLARE_DYNAMIC(CPropertyPage)
public:
    CPropertyPage() = default;
    explicit CPropertyPage(UINT nIDTemplate, UINT nIDCaption = 0);

    virtual BOOL OnSetActive();
    virtual BOOL OnKillActive();
    void OnOK() override;
    void OnCancel() override;
    virtual BOOL OnApply();
    virtual void OnReset();
    virtual BOOL OnQueryCancel() { return TRUE; }
    void SetModified(BOOL bChanged = TRUE);
    BOOL IsModified() const { return m_bModified; }
    void CancelToClose() {}
    CPropertySheet* GetSheet() const { return m_pSheet; }
    // The tab's text: the caption string, else the template's caption.
    CString GetTitle() const;

    PROPSHEETPAGE m_psp;

protected:
    // The texts a wizard-97 sheet shows in its header above the page (0: none).
    void SetHeaderTexts(UINT nIDHeaderTitle, UINT nIDHeaderSubTitle);

    BOOL OnInitDialog() override;
    // The page's own OK and Cancel buttons close the sheet.
    afx_msg void OnOkButton();
    afx_msg void OnCancelButton();
    DECLARE_MESSAGE_MAP()

private:
    friend class CPropertySheet;
    CPropertySheet* m_pSheet = nullptr;
    UINT m_nIDCaption = 0;
    CString m_strCaption;
    CString m_strHeaderTitle;
    CString m_strHeaderSubTitle;
    BOOL m_bModified = FALSE;
    BOOL m_bFirstSetActive = TRUE;
};
