#include "app/CPageSetupDlg.h"

#include "app/MekrIds.h"
#include "app/PrintIds.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Resources.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/WinApi.h"

#include <cstdlib>

namespace
{
constexpr int MarginControls[] = {IDC_MARGIN_TOP, IDC_MARGIN_LEFT, IDC_MARGIN_RIGHT, IDC_MARGIN_BOTTOM};
constexpr int LargestMargin = 100;

CString MarginText(int millimetres)
{
    CString text;
    text.Format("%d", millimetres);
    return text;
}

// A margin as it is stored: a text that is not a number gives 0.
int MarginOf(const CString& text)
{
    return atoi(text.GetString());
}
} // namespace

CPageSetupDlg::CPageSetupDlg(CWnd* pParent) : CDialog(IDD_PAGE_SETUP, pParent) {}

void CPageSetupDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_CBString(pDX, IDC_MARGIN_TOP, m_strTop);
    DDV_MaxChars(pDX, m_strTop, 3);
    DDX_CBString(pDX, IDC_MARGIN_RIGHT, m_strRight);
    DDV_MaxChars(pDX, m_strRight, 3);
    DDX_CBString(pDX, IDC_MARGIN_LEFT, m_strLeft);
    DDV_MaxChars(pDX, m_strLeft, 3);
    DDX_CBString(pDX, IDC_MARGIN_BOTTOM, m_strBottom);
    DDV_MaxChars(pDX, m_strBottom, 3);
}

BOOL CPageSetupDlg::OnInitDialog()
{
    for (const int id : MarginControls)
        if (auto* combo = static_cast<CComboBox*>(GetDlgItem(id)))
            for (const char* choice : {"5", "10", "15", "20", "25", "30", "40", "50"})
                combo->AddString(choice);
    CDialog::OnInitDialog();
    SetIcon(LoadIcon(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_MAINFRAME)), FALSE);
    return TRUE;
}

void CPageSetupDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    for (const CString* text : {&m_strTop, &m_strRight, &m_strLeft, &m_strBottom})
    {
        const int margin = MarginOf(*text);
        if (margin < 0 || margin > LargestMargin)
        {
            CString message;
            message.LoadString(IDS_MARGIN_TOO_LARGE);
            AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
            return;
        }
    }
    if (MarginOf(m_strTop) + MarginOf(m_strBottom) > m_nLargestVertical)
    {
        CString format;
        format.LoadString(IDS_MARGINS_TOO_HIGH);
        CString message;
        message.Format(format, m_nLargestVertical);
        AfxMessageBox(message, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    EndDialog(IDOK);
}

INT_PTR CPageSetupDlg::DoModal()
{
    m_strTop = MarginText(m_nTop);
    m_strRight = MarginText(m_nRight);
    m_strLeft = MarginText(m_nLeft);
    m_strBottom = MarginText(m_nBottom);
    const INT_PTR result = CDialog::DoModal();
    if (result == IDOK)
    {
        m_nTop = MarginOf(m_strTop);
        m_nRight = MarginOf(m_strRight);
        m_nLeft = MarginOf(m_strLeft);
        m_nBottom = MarginOf(m_strBottom);
    }
    return result;
}
