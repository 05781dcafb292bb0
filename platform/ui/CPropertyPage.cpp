#include "platform/ui/CPropertyPage.h"

#include "platform/core/CString.h"
#include "platform/ui/CPropertySheet.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/UiResources.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

BEGIN_MESSAGE_MAP(CPropertyPage, CDialog)
ON_COMMAND(IDOK, OnOkButton)
ON_COMMAND(IDCANCEL, OnCancelButton)
END_MESSAGE_MAP()

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption)
    : CDialog(nIDTemplate), m_nIDCaption(nIDCaption)
{
    if (nIDCaption)
    {
        m_strCaption.LoadString(nIDCaption);
        m_psp.dwFlags |= PSP_USETITLE;
    }
}

void CPropertyPage::SetHeaderTexts(UINT nIDHeaderTitle, UINT nIDHeaderSubTitle)
{
    if (nIDHeaderTitle && m_strHeaderTitle.LoadString(nIDHeaderTitle))
    {
        m_psp.pszHeaderTitle = m_strHeaderTitle;
        m_psp.dwFlags |= PSP_USEHEADERTITLE;
    }
    if (nIDHeaderSubTitle && m_strHeaderSubTitle.LoadString(nIDHeaderSubTitle))
    {
        m_psp.pszHeaderSubTitle = m_strHeaderSubTitle;
        m_psp.dwFlags |= PSP_USEHEADERSUBTITLE;
    }
}

CString CPropertyPage::GetTitle() const
{
    if ((m_psp.dwFlags & PSP_USETITLE) && m_psp.pszTitle)
        return m_psp.pszTitle;
    if (!m_strCaption.IsEmpty())
        return m_strCaption;
    const DialogTemplate* t = UiResources::FindDialog(m_nIDTemplate);
    return t && t->caption ? CString(t->caption) : CString();
}

BOOL CPropertyPage::OnInitDialog()
{
    UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnSetActive()
{
    // The first activation comes right after OnInitDialog filled the controls.
    if (m_bFirstSetActive)
        m_bFirstSetActive = FALSE;
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive()
{
    return UpdateData(TRUE);
}

void CPropertyPage::OnOK()
{
    m_bModified = FALSE;
}

void CPropertyPage::OnCancel() {}

BOOL CPropertyPage::OnApply()
{
    OnOK();
    return TRUE;
}

void CPropertyPage::OnReset()
{
    OnCancel();
}

void CPropertyPage::SetModified(BOOL bChanged)
{
    m_bModified = bChanged;
    if (m_pSheet && m_pSheet->m_hWnd)
        if (CWnd* apply = m_pSheet->GetDlgItem(ID_APPLY_NOW))
            apply->EnableWindow(bChanged || apply->IsWindowEnabled());
}

void CPropertyPage::OnOkButton()
{
    if (m_pSheet)
        m_pSheet->PressButton(PSBTN_OK);
}

void CPropertyPage::OnCancelButton()
{
    if (m_pSheet)
        m_pSheet->PressButton(PSBTN_CANCEL);
}
