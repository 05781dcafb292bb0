#include "TestDialogs.h"

#include "platform/ui/CComboBox.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/UiResources.h"

namespace
{
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

const DialogItemTemplate kDataItems[] = {
    {"STATIC", "&Název místnosti:", IDC_STATIC, 7, 9, 60, 8, kChild | SS_LEFT, 0},
    {"EDIT", "", IDC_NAME, 70, 7, 120, 14, kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 0},
    {"STATIC", "Počet:", IDC_STATIC, 7, 27, 60, 8, kChild | SS_LEFT, 0},
    {"EDIT", "", IDC_COUNT, 70, 25, 40, 14, kChild | WS_BORDER | WS_TABSTOP | ES_RIGHT, 0},
    {"STATIC", "Délka [m]:", IDC_STATIC, 7, 45, 60, 8, kChild | SS_LEFT, 0},
    {"EDIT", "", IDC_LENGTH, 70, 43, 40, 14, kChild | WS_BORDER | WS_TABSTOP | ES_RIGHT, 0},
    {"BUTTON", "&Vytápěná", IDC_HEATED, 120, 27, 70, 10, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 0},
    {"BUTTON", "Druh", IDC_STATIC, 7, 62, 183, 26, kChild | BS_GROUPBOX, 0},
    {"BUTTON", "Podlaha", IDC_KIND_A, 14, 73, 50, 10, kChild | WS_GROUP | WS_TABSTOP | BS_AUTORADIOBUTTON, 0},
    {"BUTTON", "Stěna", IDC_KIND_B, 70, 73, 50, 10, kChild | BS_AUTORADIOBUTTON, 0},
    {"BUTTON", "Strop", IDC_KIND_C, 126, 73, 50, 10, kChild | BS_AUTORADIOBUTTON, 0},
    {"COMBOBOX", "", IDC_PLACE, 7, 94, 120, 80,
     kChild | WS_GROUP | WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL, 0},
    {"BUTTON", "Otevřít…", IDC_OPEN, 134, 93, 56, 14, kChild | WS_TABSTOP | BS_PUSHBUTTON, 0},
    {"BUTTON", "&OK", IDC_CLOSE_OK, 78, 114, 54, 14, kChild | WS_TABSTOP | BS_PUSHBUTTON, 0},
    {"BUTTON", "Zrušit", IDCANCEL, 136, 114, 54, 14, kChild | WS_TABSTOP | BS_PUSHBUTTON, 0},
};

const DialogItemTemplate kNestedItems[] = {
    {"STATIC", "Poznámka:", IDC_STATIC, 7, 9, 40, 8, kChild | SS_LEFT, 0},
    {"EDIT", "", IDC_NOTE, 50, 7, 100, 14, kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 0},
    {"BUTTON", "OK", IDOK, 42, 28, 50, 14, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 0},
    {"BUTTON", "Storno", IDCANCEL, 100, 28, 50, 14, kChild | WS_TABSTOP | BS_PUSHBUTTON, 0},
};

constexpr DWORD kDialogStyle = DS_MODALFRAME | DS_SETFONT | WS_POPUP | WS_CAPTION | WS_SYSMENU;

const DialogTemplate kTemplates[] = {
    {IDD_DATA, 0, 0, 197, 135, kDialogStyle, 0, "kalvenrod - místnost", "MS Sans Serif", 8, 400, 0, nullptr,
     kDataItems, int(std::size(kDataItems))},
    {IDD_NESTED, 0, 0, 157, 49, kDialogStyle, 0, "Poznámka", "MS Sans Serif", 8, 400, 0, nullptr,
     kNestedItems, int(std::size(kNestedItems))},
};

const UiResourceTable kTable{kTemplates, int(std::size(kTemplates))};

constexpr UINT WM_POSTED_COMMAND = WM_APP + 7;
} // namespace

void RegisterTestDialogs()
{
    static bool registered = false;
    if (!registered)
        UiResources::RegisterBuiltIn(&kTable);
    registered = true;
}

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
