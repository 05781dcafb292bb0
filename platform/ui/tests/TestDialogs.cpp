#include "TestDialogs.h"

#include "platform/ui/CComboBox.h"
#include "platform/ui/CDataExchange.h"

namespace
{
constexpr UINT WM_POSTED_COMMAND = WM_APP + 7;
} // namespace

BEGIN_MESSAGE_MAP(CDataDialog, CDialog)
ON_BN_CLICKED(IDC_CLOSE_OK, OnCloseOk)
ON_BN_CLICKED(IDC_HEATED, OnHeatedClicked)
ON_BN_CLICKED(IDC_OPEN, OnOpen)
ON_CBN_SELCHANGE(IDC_PLACE, OnPlaceChanged)
ON_EN_KILLFOCUS(IDC_COUNT, OnKillFocusCount)
ON_MESSAGE(WM_POSTED_COMMAND, OnPostedCommand)
END_MESSAGE_MAP()

void CDataDialog::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_NAME, m_name);
    DDV_MaxChars(pDX, m_name, 49);
    DDX_Text(pDX, IDC_COUNT, m_count);
    DDV_MinMaxInt(pDX, m_count, 0, 99);
    DDX_Text(pDX, IDC_LENGTH, m_length);
    DDX_Check(pDX, IDC_HEATED, m_heated);
    DDX_Radio(pDX, IDC_KIND_A, m_kind);
}

BOOL CDataDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    auto* place = static_cast<CComboBox*>(GetDlgItem(IDC_PLACE));
    for (const char* name : {"Praha", "Brno", "Ostrava", "České Budějovice"})
        place->AddString(name);
    return TRUE;
}

void CDataDialog::OnPlaceChanged()
{
    const CWnd* sender = CWnd::FromHandle(HWND(GetCurrentMessage()->lParam));
    log.push_back("selchange " + std::to_string(sender ? sender->GetDlgCtrlID() : 0));
    PostMessage(WM_POSTED_COMMAND, 1);
}

void CDataDialog::OnHeatedClicked()
{
    log.push_back("clicked " + std::to_string(LOWORD(GetCurrentMessage()->wParam)));
}

void CDataDialog::OnOpen()
{
    CNestedDialog nested(this);
    nested.m_note = "první";
    m_nestedResult = int(nested.DoModal());
    log.push_back("nested " + std::to_string(m_nestedResult) + " " + nested.m_note.str());
}

void CDataDialog::OnKillFocusCount()
{
    log.push_back("killfocus count");
    if (!m_validateCount)
        return;
    CString text;
    GetDlgItemText(IDC_COUNT, text);
    if (text.IsEmpty())
        GotoDlgCtrl(GetDlgItem(IDC_COUNT));
}

LRESULT CDataDialog::OnPostedCommand(WPARAM w, LPARAM)
{
    log.push_back("posted " + std::to_string(w));
    return 0;
}

void CNestedDialog::DoDataExchange(CDataExchange* pDX)
{
    DDX_Text(pDX, IDC_NOTE, m_note);
}
