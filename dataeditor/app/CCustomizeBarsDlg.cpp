#include "dataeditor/app/CCustomizeBarsDlg.h"

#include "dataeditor/app/SobrelIds.h"
#include "dataeditor/app/UserToolBars.h"
#include "platform/frame/FrameIds.h"
#include "platform/ui/CListBox.h"
#include "platform/ui/CMenu.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CCustomizeBarsDlg, CDialog)
    ON_LBN_SELCHANGE(IDC_BAR_LIST, OnBarChanged)
    ON_BN_CLICKED(IDC_BAR_NEW, OnNewBar)
    ON_BN_CLICKED(IDC_BAR_RENAME, OnRenameBar)
    ON_BN_CLICKED(IDC_BAR_DELETE, OnDeleteBar)
    ON_BN_CLICKED(IDC_BUTTON_ADD, OnAddButton)
    ON_BN_CLICKED(IDC_BUTTON_REMOVE, OnRemoveButton)
    ON_BN_CLICKED(IDC_BUTTON_UP, OnButtonUp)
    ON_BN_CLICKED(IDC_BUTTON_DOWN, OnButtonDown)
    ON_BN_CLICKED(IDC_TEXT_LABELS, OnTextLabels)
END_MESSAGE_MAP()

namespace
{
void CollectCommands(const CMenu& menu, std::vector<UINT>& commands)
{
    for (int i = 0; i < menu.GetMenuItemCount(); ++i)
    {
        if (CMenu* sub = menu.GetSubMenu(i))
        {
            CollectCommands(*sub, commands);
            continue;
        }
        const UINT id = menu.GetMenuItemID(i);
        const bool recentFile = id >= ID_FILE_MRU_FILE1 && id <= ID_FILE_MRU_FILE1 + 15;
        if (id != 0 && id != UINT(-1) && !recentFile && !CommandShortText(id).IsEmpty() &&
            std::find(commands.begin(), commands.end(), id) == commands.end())
            commands.push_back(id);
    }
}
} // namespace

CCustomizeBarsDlg::CCustomizeBarsDlg(UserToolBars& bars, CWnd* pParent)
    : CDialog(IDD_CUSTOMIZE_BARS, pParent), m_bars(bars)
{
}

BOOL CCustomizeBarsDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    CMenu menu;
    if (menu.LoadMenu(IDR_MAINFRAME))
        CollectCommands(menu, offered);
    if (auto* list = static_cast<CListBox*>(GetDlgItem(IDC_COMMAND_LIST)))
        for (UINT id : offered)
            list->AddString(CommandShortText(id));
    FillBars(0);
    return TRUE;
}

int CCustomizeBarsDlg::SelectedBar() const
{
    auto* list = static_cast<CListBox*>(GetDlgItem(IDC_BAR_LIST));
    const int index = list ? list->GetCurSel() : -1;
    return index >= 0 && std::size_t(index) < m_slots.size() ? m_slots[std::size_t(index)] : -1;
}

void CCustomizeBarsDlg::FillBars(int select)
{
    auto* list = static_cast<CListBox*>(GetDlgItem(IDC_BAR_LIST));
    list->ResetContent();
    m_slots.clear();
    for (int i = 0; i < UserToolBars::kCount; ++i)
        if (m_bars.Exists(i))
        {
            list->AddString(m_bars.Name(i));
            m_slots.push_back(i);
        }
    if (!m_slots.empty())
        list->SetCurSel(std::clamp(select, 0, int(m_slots.size()) - 1));
    OnBarChanged();
}

void CCustomizeBarsDlg::OnBarChanged()
{
    const int bar = SelectedBar();
    const UserToolBarDefinition* definition = m_bars.Definition(bar);
    SetDlgItemText(IDC_BAR_NAME, definition ? LPCTSTR(definition->name) : "");
    CheckDlgButton(IDC_TEXT_LABELS, definition && definition->textLabels ? BST_CHECKED : BST_UNCHECKED);
    for (int id : {IDC_BAR_RENAME, IDC_BAR_DELETE, IDC_BUTTON_ADD, IDC_BUTTON_REMOVE, IDC_BUTTON_UP, IDC_BUTTON_DOWN,
                   IDC_TEXT_LABELS})
        if (CWnd* control = GetDlgItem(id))
            control->EnableWindow(definition != nullptr);
    FillButtons(0);
}

void CCustomizeBarsDlg::FillButtons(int selectButton)
{
    auto* list = static_cast<CListBox*>(GetDlgItem(IDC_BAR_BUTTONS));
    list->ResetContent();
    const std::vector<UINT> commands = CurrentCommands();
    for (UINT id : commands)
        list->AddString(CommandShortText(id));
    if (!commands.empty())
        list->SetCurSel(std::clamp(selectButton, 0, int(commands.size()) - 1));
}

std::vector<UINT> CCustomizeBarsDlg::CurrentCommands() const
{
    const UserToolBarDefinition* definition = m_bars.Definition(SelectedBar());
    return definition ? definition->commands : std::vector<UINT>();
}

void CCustomizeBarsDlg::Apply(const std::vector<UINT>& commands, int selectButton)
{
    m_bars.SetCommands(SelectedBar(), commands, IsDlgButtonChecked(IDC_TEXT_LABELS) == BST_CHECKED);
    FillButtons(selectButton);
}

void CCustomizeBarsDlg::OnNewBar()
{
    CString name;
    GetDlgItemText(IDC_BAR_NAME, name);
    name.Trim();
    if (name.IsEmpty())
    {
        name.LoadString(IDS_NEW_BAR_NAME);
        if (name.IsEmpty())
            name = "Panel";
    }
    const int slot = m_bars.Create(name);
    if (slot < 0)
        return;
    FillBars(int(std::find(m_slots.begin(), m_slots.end(), slot) - m_slots.begin()));
    auto* list = static_cast<CListBox*>(GetDlgItem(IDC_BAR_LIST));
    for (std::size_t i = 0; i < m_slots.size(); ++i)
        if (m_slots[i] == slot)
            list->SetCurSel(int(i));
    OnBarChanged();
}

void CCustomizeBarsDlg::OnRenameBar()
{
    CString name;
    GetDlgItemText(IDC_BAR_NAME, name);
    name.Trim();
    auto* list = static_cast<CListBox*>(GetDlgItem(IDC_BAR_LIST));
    const int index = list->GetCurSel();
    if (name.IsEmpty() || SelectedBar() < 0)
        return;
    m_bars.Rename(SelectedBar(), name);
    FillBars(index);
}

void CCustomizeBarsDlg::OnDeleteBar()
{
    auto* list = static_cast<CListBox*>(GetDlgItem(IDC_BAR_LIST));
    const int index = list->GetCurSel();
    m_bars.Delete(SelectedBar());
    FillBars(index);
}

void CCustomizeBarsDlg::OnAddButton()
{
    auto* commands = static_cast<CListBox*>(GetDlgItem(IDC_COMMAND_LIST));
    const int chosen = commands->GetCurSel();
    if (chosen < 0 || std::size_t(chosen) >= offered.size() || SelectedBar() < 0)
        return;
    std::vector<UINT> current = CurrentCommands();
    auto* buttons = static_cast<CListBox*>(GetDlgItem(IDC_BAR_BUTTONS));
    const int at = buttons->GetCurSel() < 0 ? int(current.size()) : buttons->GetCurSel() + 1;
    current.insert(current.begin() + std::min(at, int(current.size())), offered[std::size_t(chosen)]);
    Apply(current, at);
}

void CCustomizeBarsDlg::OnRemoveButton()
{
    auto* buttons = static_cast<CListBox*>(GetDlgItem(IDC_BAR_BUTTONS));
    const int at = buttons->GetCurSel();
    std::vector<UINT> current = CurrentCommands();
    if (at < 0 || std::size_t(at) >= current.size())
        return;
    current.erase(current.begin() + at);
    Apply(current, at);
}

void CCustomizeBarsDlg::OnButtonUp()
{
    auto* buttons = static_cast<CListBox*>(GetDlgItem(IDC_BAR_BUTTONS));
    const int at = buttons->GetCurSel();
    std::vector<UINT> current = CurrentCommands();
    if (at <= 0 || std::size_t(at) >= current.size())
        return;
    std::swap(current[std::size_t(at)], current[std::size_t(at - 1)]);
    Apply(current, at - 1);
}

void CCustomizeBarsDlg::OnButtonDown()
{
    auto* buttons = static_cast<CListBox*>(GetDlgItem(IDC_BAR_BUTTONS));
    const int at = buttons->GetCurSel();
    std::vector<UINT> current = CurrentCommands();
    if (at < 0 || std::size_t(at + 1) >= current.size())
        return;
    std::swap(current[std::size_t(at)], current[std::size_t(at + 1)]);
    Apply(current, at + 1);
}

void CCustomizeBarsDlg::OnTextLabels()
{
    auto* buttons = static_cast<CListBox*>(GetDlgItem(IDC_BAR_BUTTONS));
    Apply(CurrentCommands(), buttons->GetCurSel());
}
