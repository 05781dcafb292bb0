#include "platform/ui/CPropertySheet.h"

#include "platform/core/Resources.h"
#include "platform/ui/CButton.h"
#include "platform/ui/CPropertyPage.h"
#include "platform/ui/CStatic.h"
#include "platform/ui/CTabCtrl.h"
#include "platform/ui/DialogBuilder.h"
#include "platform/ui/DialogManager.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/UiResources.h"
#include "platform/ui/WinApi.h"

#include <QWidget>

#include <algorithm>
#include <cmath>

IMPLEMENT_DYNAMIC(CPropertySheet, CDialog)

BEGIN_MESSAGE_MAP(CPropertySheet, CDialog)
ON_COMMAND(ID_APPLY_NOW, OnApplyNow)
ON_NOTIFY(TCN_SELCHANGING, AFX_IDC_TAB_CONTROL, OnTabChanging)
ON_NOTIFY(TCN_SELCHANGE, AFX_IDC_TAB_CONTROL, OnTabChanged)
ON_COMMAND(ID_WIZBACK, OnWizardBack)
ON_COMMAND(ID_WIZNEXT, OnWizardNext)
ON_COMMAND(ID_WIZFINISH, OnWizardFinish)
END_MESSAGE_MAP()

namespace
{
constexpr int kMargin = 7; // dialog units around the tabs and between them and the buttons
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
constexpr int kButtonGap = 4;
constexpr int kHeaderHeight = 32; // the wizard-97 header above the pages
constexpr int kHeaderTextHeight = 10;

// Makes a static control that the sheet owns.
CStatic* CreateStatic(CWnd* parent, int id, DWORD style, const CRect& rect, HFONT font)
{
    auto* control = new CStatic;
    control->DeleteWithWindow();
    control->Create("", WS_CHILD | WS_VISIBLE | style, rect, parent, UINT(id));
    control->SetFontHandle(font, FALSE);
    return control;
}
} // namespace

CPropertySheet::CPropertySheet() = default;

CPropertySheet::CPropertySheet(UINT nIDCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CDialog(nIDCaption, pParentWnd), m_nStartPage(iSelectPage)
{
    m_strCaption.LoadString(nIDCaption);
}

CPropertySheet::CPropertySheet(LPCTSTR pszCaption, CWnd* pParentWnd, UINT iSelectPage)
    : CDialog(0, pParentWnd), m_strCaption(pszCaption), m_nStartPage(iSelectPage)
{
}

CPropertySheet::~CPropertySheet()
{
    if (m_hWnd)
        DestroyWindow();
}

void CPropertySheet::AddPage(CPropertyPage* pPage)
{
    if (!pPage)
        return;
    pPage->m_pSheet = this;
    m_pages.push_back(pPage);
    if (m_tab)
        m_tab->InsertItem(int(m_pages.size()) - 1, pPage->GetTitle());
}

void CPropertySheet::RemovePage(CPropertyPage* pPage)
{
    RemovePage(GetPageIndex(pPage));
}

void CPropertySheet::RemovePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount())
        return;
    CPropertyPage* page = m_pages[std::size_t(nPage)];
    if (page->m_hWnd)
        page->DestroyWindow();
    m_pages.erase(m_pages.begin() + nPage);
    if (m_tab)
        m_tab->DeleteItem(nPage);
    if (m_active == nPage)
    {
        m_active = -1;
        ShowPage(std::min(nPage, GetPageCount() - 1));
    }
    else if (m_active > nPage)
    {
        --m_active;
    }
}

CPropertyPage* CPropertySheet::GetPage(int nPage) const
{
    return nPage >= 0 && nPage < GetPageCount() ? m_pages[std::size_t(nPage)] : nullptr;
}

CPropertyPage* CPropertySheet::GetActivePage() const
{
    return m_hWnd ? GetPage(m_active) : GetPage(int(m_nStartPage));
}

int CPropertySheet::GetPageIndex(CPropertyPage* pPage) const
{
    const auto it = std::find(m_pages.begin(), m_pages.end(), pPage);
    return it == m_pages.end() ? -1 : int(it - m_pages.begin());
}

BOOL CPropertySheet::SetActivePage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount())
        return FALSE;
    if (!m_hWnd)
    {
        m_nStartPage = UINT(nPage);
        return TRUE;
    }
    if (nPage == m_active)
        return TRUE;
    if (CPropertyPage* current = GetPage(m_active); current && !current->OnKillActive())
        return FALSE;
    return ShowPage(nPage);
}

void CPropertySheet::SetTitle(LPCTSTR lpszText, UINT nStyle)
{
    m_strCaption = lpszText;
    m_psh.dwFlags = (m_psh.dwFlags & ~PSH_PROPTITLE) | (nStyle & PSH_PROPTITLE);
    if (m_hWnd)
        SetWindowText(m_strCaption);
}

BOOL CPropertySheet::PressButton(int nButton)
{
    const int id = nButton == PSBTN_OK         ? IDOK
                   : nButton == PSBTN_CANCEL   ? IDCANCEL
                   : nButton == PSBTN_APPLYNOW ? ID_APPLY_NOW
                   : nButton == PSBTN_HELP     ? IDHELP
                   : nButton == PSBTN_BACK     ? ID_WIZBACK
                   : nButton == PSBTN_NEXT     ? ID_WIZNEXT
                   : nButton == PSBTN_FINISH   ? ID_WIZFINISH
                                               : 0;
    if (!id || !m_hWnd)
        return FALSE;
    CWnd* button = GetDlgItem(id);
    if (button && !button->IsWindowEnabled())
        return FALSE;
    SendMessage(WM_COMMAND, MakeCommandParam(UINT(id), BN_CLICKED),
                reinterpret_cast<LPARAM>(button ? button->m_hWnd : nullptr));
    return TRUE;
}

INT_PTR CPropertySheet::DoModal()
{
    return CDialog::DoModal();
}

BOOL CPropertySheet::Create(CWnd* pParentWnd, DWORD dwStyle, DWORD dwExStyle)
{
    m_pParentWnd = pParentWnd;
    m_psh.dwFlags |= PSH_MODELESS;
    if (dwStyle != DWORD(-1))
        m_style = dwStyle;
    m_exStyle = dwExStyle;
    if (!CreateDialogWindow(pParentWnd, false))
        return FALSE;
    ShowWindow(SW_SHOW);
    return TRUE;
}

BOOL CPropertySheet::CreateDialogWindow(CWnd* pParentWnd, bool modal)
{
    if (m_hWnd || m_pages.empty())
        return FALSE;
    // Size from the largest page, in the first page's dialog units.
    double bx = 6, by = 13;
    HFONT font = nullptr;
    int pageWidth = 0, pageHeight = 0;
    for (CPropertyPage* page : m_pages)
    {
        const DialogTemplate* t = UiResources::FindDialog(page->m_nIDTemplate);
        if (!t)
            return FALSE;
        double px = 6, py = 13;
        HFONT f = DialogBuilder::FontOf(*t, px, py);
        if (!font)
        {
            font = f;
            bx = px;
            by = py;
        }
        pageWidth = std::max(pageWidth, int(std::lround(t->cx * px / 4)));
        pageHeight = std::max(pageHeight, int(std::lround(t->cy * py / 8)));
    }
    m_baseUnitX = bx;
    m_baseUnitY = by;
    const int margin = int(std::lround(kMargin * bx / 4));
    const int buttonWidth = int(std::lround(kButtonWidth * bx / 4));
    const int buttonHeight = int(std::lround(kButtonHeight * by / 8));
    const int gap = int(std::lround(kButtonGap * bx / 4));

    CWnd* parent = pParentWnd ? pParentWnd : CWnd::GetActiveWindow();
    m_ended = false;
    m_nModalResult = -1;
    const DWORD style = (m_psh.dwFlags & PSH_MODELESS) && (m_style & WS_CHILD)
                            ? (m_style & ~WS_VISIBLE)
                            : (WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT);
    m_style = 0;
    // The tabs' height is known once the tab control exists: the window is sized after.
    if (!CreateEx(WS_EX_CONTROLPARENT | WS_EX_DLGMODALFRAME, "#32770", m_strCaption, style,
                  CRect(0, 0, 100, 100), parent, 0))
        return FALSE;
    SetFontHandle(font, FALSE);
    m_tab = new CTabCtrl;
    m_tab->DeleteWithWindow();
    m_tab->Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(margin, margin, margin + pageWidth, margin + 20),
                  this, AFX_IDC_TAB_CONTROL);
    m_tab->SetFontHandle(font, FALSE);
    for (std::size_t i = 0; i < m_pages.size(); ++i)
        m_tab->InsertItem(int(i), m_pages[i]->GetTitle());
    CRect tabRect(margin, margin, margin + pageWidth, margin);
    m_tab->AdjustRect(TRUE, &tabRect);
    const int tabHeight = -tabRect.top + margin;
    m_tab->MoveWindow(margin, margin, pageWidth, tabHeight);

    const int width = margin + pageWidth + margin;
    int pagesTop = margin + tabHeight;
    if (IsWizard())
    {
        m_tab->ShowWindow(SW_HIDE);
        pagesTop = IsWizard97() ? CreateWizardHeader(width, int(std::lround(by)), font) : margin;
    }
    const int pagesBottom = pagesTop + pageHeight;
    const int buttonsTop = pagesBottom + margin;
    m_wizardMargin = margin;
    m_wizardBottomGap = margin / 2 - 1;
    if (IsWizard())
        CreateStatic(this, ID_WIZLINE, SS_ETCHEDHORZ,
                     CRect(0, pagesBottom + margin / 2 - 1, width, pagesBottom + margin / 2 + 1), font);
    const std::vector<ButtonSpec> buttons = ButtonsToCreate();
    const int visible = int(std::count_if(buttons.begin(), buttons.end(),
                                          [](const ButtonSpec& spec) { return spec.id != ID_WIZFINISH; }));
    int x = margin + pageWidth - visible * buttonWidth - (visible - 1) * gap;
    for (const ButtonSpec& spec : buttons)
    {
        // Finish takes the place of Next on the last page of a wizard.
        if (spec.id == ID_WIZFINISH)
            x -= buttonWidth + gap;
        auto* button = new CButton;
        button->DeleteWithWindow();
        button->Create(spec.text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | spec.style,
                       CRect(x, buttonsTop, x + buttonWidth, buttonsTop + buttonHeight), this, UINT(spec.id));
        button->SetFontHandle(font, FALSE);
        x += buttonWidth + gap;
    }
    const int height = buttonsTop + buttonHeight + margin;
    // A sheet that turned its frame into a sizing one (WM_CREATE) stays resizable.
    if (GetStyle() & WS_THICKFRAME)
        GetWidget()->resize(width, height);
    else
        GetWidget()->setFixedSize(width, height);
    if ((m_psh.dwFlags & PSH_USEHICON) && m_psh.hIcon)
        SetIcon(m_psh.hIcon, FALSE);
    else if ((m_psh.dwFlags & PSH_USEICONID) && m_psh.pszIcon)
        SetIcon(LoadIcon(AfxGetResourceHandle(), m_psh.pszIcon), FALSE);
    if (!(m_style & WS_CHILD))
    {
        if (modal)
            GetWidget()->setWindowModality(Qt::ApplicationModal);
        CenterWindow(parent);
    }
    m_active = -1;
    SendMessage(WM_INITDIALOG, 0, 0);
    return m_hWnd != nullptr;
}

std::vector<CPropertySheet::ButtonSpec> CPropertySheet::ButtonsToCreate() const
{
    std::vector<ButtonSpec> buttons;
    if (IsWizard())
        buttons = {{ID_WIZBACK, "< &Zpět", BS_PUSHBUTTON},
                   {ID_WIZNEXT, "&Další >", BS_DEFPUSHBUTTON},
                   {ID_WIZFINISH, "Dokončit", BS_PUSHBUTTON},
                   {IDCANCEL, "Storno", BS_PUSHBUTTON}};
    else
        buttons = {{IDOK, "OK", BS_DEFPUSHBUTTON}, {IDCANCEL, "Storno", BS_PUSHBUTTON}};
    if (!IsWizard() && !(m_psh.dwFlags & PSH_NOAPPLYNOW))
        buttons.push_back({ID_APPLY_NOW, "&Použít", BS_PUSHBUTTON | WS_DISABLED});
    if (m_psh.dwFlags & PSH_HASHELP)
        buttons.push_back({IDHELP, "Nápověda", BS_PUSHBUTTON});
    return buttons;
}

// The header of a wizard-97 sheet: the page's title and subtitle over a line across the sheet.
// Returns where the pages that show the header begin.
int CPropertySheet::CreateWizardHeader(int width, int unitY, HFONT font)
{
    const int height = kHeaderHeight * unitY / 8;
    const int text = kHeaderTextHeight * unitY / 8;
    const int indent = 2 * text;
    CreateStatic(this, ID_WIZHEADERTITLE, SS_LEFT | SS_NOPREFIX,
                 CRect(indent, text / 2, width - indent, text / 2 + text), font);
    CreateStatic(this, ID_WIZHEADERSUBTITLE, SS_LEFT | SS_NOPREFIX,
                 CRect(2 * indent, 3 * text / 2, width - indent, 3 * text / 2 + text), font);
    CreateStatic(this, ID_WIZHEADERLINE, SS_ETCHEDHORZ, CRect(0, height, width, height + 2), font);
    return height + 2;
}

BOOL CPropertySheet::OnInitDialog()
{
    const int start = int(m_nStartPage) < GetPageCount() ? int(m_nStartPage) : 0;
    ShowPage(start);
    // The focus goes to the page's first field rather than to the tabs.
    if (CPropertyPage* page = GetActivePage())
    {
        const std::vector<CWnd*> stops = DialogManager::TabStops(page);
        DialogManager::GotoControl(stops.empty() ? static_cast<CWnd*>(m_tab) : stops.front());
    }
    return FALSE;
}

bool CPropertySheet::ShowPage(int index)
{
    CPropertyPage* page = GetPage(index);
    if (!page || !m_tab)
        return false;
    if (!page->m_hWnd)
    {
        page->m_pSheet = this;
        if (!page->CreateAsChild(this))
            return false;
    }
    if (IsWizard())
    {
        const CRect rect = WizardPageRect(page);
        page->SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                           SWP_NOZORDER | SWP_NOACTIVATE);
    }
    else
    {
        CRect area;
        m_tab->GetWindowRect(&area);
        ScreenToClient(&area);
        page->SetWindowPos(nullptr, area.left, area.bottom, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    page->OnSetActive();
    if (CPropertyPage* old = GetPage(m_active); old && old != page && old->m_hWnd)
        old->ShowWindow(SW_HIDE);
    page->ShowWindow(SW_SHOWNA);
    m_active = index;
    m_tab->SetCurSel(index);
    if (IsWizard())
        ShowWizardState(page, index);
    NMHDR activated{page->m_hWnd, UINT_PTR(page->GetDlgCtrlID()), PSN_SETACTIVE};
    SendMessage(WM_NOTIFY, activated.idFrom, reinterpret_cast<LPARAM>(&activated));
    return true;
}

// A wizard's page spans the sheet above the separator line, below the header when it shows it.
CRect CPropertySheet::WizardPageRect(const CPropertyPage* page) const
{
    CRect client, line;
    GetClientRect(&client);
    CRect rect(client.left + m_wizardMargin, client.top + m_wizardMargin, client.right - m_wizardMargin,
               client.bottom);
    if (CWnd* separator = GetDlgItem(ID_WIZLINE))
    {
        separator->GetWindowRect(&line);
        ScreenToClient(&line);
        rect.bottom = line.top - m_wizardBottomGap;
    }
    CWnd* headerLine = GetDlgItem(ID_WIZHEADERLINE);
    if (headerLine && !(page->m_psp.dwFlags & PSP_HIDEHEADER))
    {
        headerLine->GetWindowRect(&line);
        ScreenToClient(&line);
        rect.top = line.bottom;
    }
    return rect;
}

void CPropertySheet::ShowWizardState(const CPropertyPage* page, int index)
{
    const bool header = !(page->m_psp.dwFlags & PSP_HIDEHEADER);
    const struct
    {
        int id;
        LPCTSTR text;
    } headerTexts[] = {{ID_WIZHEADERTITLE,
                        (page->m_psp.dwFlags & PSP_USEHEADERTITLE) ? page->m_psp.pszHeaderTitle : nullptr},
                       {ID_WIZHEADERSUBTITLE, (page->m_psp.dwFlags & PSP_USEHEADERSUBTITLE)
                                                  ? page->m_psp.pszHeaderSubTitle
                                                  : nullptr}};
    for (const auto& item : headerTexts)
        if (CWnd* control = GetDlgItem(item.id))
        {
            control->SetWindowText(item.text ? item.text : "");
            control->ShowWindow(header ? SW_SHOWNA : SW_HIDE);
        }
    if (CWnd* line = GetDlgItem(ID_WIZHEADERLINE))
        line->ShowWindow(header ? SW_SHOWNA : SW_HIDE);
    const bool last = index == GetPageCount() - 1;
    if (CWnd* back = GetDlgItem(ID_WIZBACK))
        back->EnableWindow(index > 0);
    if (CWnd* next = GetDlgItem(ID_WIZNEXT))
        next->ShowWindow(last ? SW_HIDE : SW_SHOWNA);
    if (CWnd* finish = GetDlgItem(ID_WIZFINISH))
        finish->ShowWindow(last ? SW_SHOWNA : SW_HIDE);
}

void CPropertySheet::OnWizardBack()
{
    SetActivePage(m_active - 1);
}

void CPropertySheet::OnWizardNext()
{
    SetActivePage(m_active + 1);
}

void CPropertySheet::OnWizardFinish()
{
    if (ApplyAll())
        EndDialog(ID_WIZFINISH);
}

void CPropertySheet::OnTabChanging(NMHDR*, LRESULT* pResult)
{
    CPropertyPage* current = GetPage(m_active);
    *pResult = (current && !current->OnKillActive()) ? TRUE : FALSE;
}

void CPropertySheet::OnTabChanged(NMHDR*, LRESULT* pResult)
{
    ShowPage(m_tab->GetCurSel());
    *pResult = 0;
}

bool CPropertySheet::ApplyAll()
{
    if (CPropertyPage* current = GetPage(m_active); current && !current->OnKillActive())
        return false;
    for (CPropertyPage* page : m_pages)
        if (page->m_hWnd && !page->OnApply())
            return false;
    return true;
}

void CPropertySheet::OnOK()
{
    if (!ApplyAll())
        return;
    EndDialog(IDOK);
}

void CPropertySheet::OnCancel()
{
    for (CPropertyPage* page : m_pages)
        if (page->m_hWnd && !page->OnQueryCancel())
            return;
    for (CPropertyPage* page : m_pages)
        if (page->m_hWnd)
            page->OnReset();
    EndDialog(IDCANCEL);
}

void CPropertySheet::OnApplyNow()
{
    if (ApplyAll())
        if (CWnd* apply = GetDlgItem(ID_APPLY_NOW))
            apply->EnableWindow(FALSE);
}
