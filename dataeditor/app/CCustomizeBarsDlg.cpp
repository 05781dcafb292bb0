#include "dataeditor/app/CCustomizeBarsDlg.h"

#include "dataeditor/app/SobrelIds.h"
#include "dataeditor/app/UserToolBars.h"
#include "platform/frame/FrameIds.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CListBox.h"
#include "platform/ui/CMenu.h"

#include <QComboBox>

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
    ON_LBN_SELCHANGE(IDC_BAR_BUTTONS, OnButtonChanged)
    ON_CBN_SELCHANGE(IDC_BUTTON_IMAGE, OnButtonImage)
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
    FillImages();
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
                   IDC_TEXT_LABELS, IDC_BUTTON_IMAGE})
        if (CWnd* control = GetDlgItem(id))
            control->EnableWindow(definition != nullptr);
    FillButtons(0);
}

void CCustomizeBarsDlg::FillImages()
{
    auto* combo = static_cast<CComboBox*>(GetDlgItem(IDC_BUTTON_IMAGE));
    combo->ResetContent();
    CString none;
    none.LoadString(IDS_NO_PICTURE);
    combo->AddString(none);
    auto* widget = qobject_cast<QComboBox*>(combo->GetWidget());
    for (int i = 0; i < m_bars.UserImageCount(); ++i)
    {
        CString text;
        text.LoadString(IDS_USER_PICTURE);
        CString numbered;
        numbered.Format(LPCTSTR(text), i + 1);
        combo->AddString(numbered);
        if (widget)
            widget->setItemIcon(i + 1, m_bars.UserImage(i));
    }
}

void CCustomizeBarsDlg::FillButtons(int selectButton)
{
    auto* list = static_cast<CListBox*>(GetDlgItem(IDC_BAR_BUTTONS));
    list->ResetContent();
    const UserToolBarDefinition buttons = Current();
    for (UINT id : buttons.commands)
        list->AddString(CommandShortText(id));
    if (!buttons.commands.empty())
        list->SetCurSel(std::clamp(selectButton, 0, int(buttons.commands.size()) - 1));
    OnButtonChanged();
}

int CCustomizeBarsDlg::SelectedButton() const
{
    auto* buttons = static_cast<CListBox*>(GetDlgItem(IDC_BAR_BUTTONS));
    return buttons->GetCurSel();
}

void CCustomizeBarsDlg::OnButtonChanged()
{
    const UserToolBarDefinition buttons = Current();
    const int at = SelectedButton();
    const bool chosen = at >= 0 && std::size_t(at) < buttons.commands.size();
    auto* combo = static_cast<CComboBox*>(GetDlgItem(IDC_BUTTON_IMAGE));
    combo->SetCurSel(chosen ? buttons.images[std::size_t(at)] + 1 : 0);
    combo->EnableWindow(chosen && m_bars.UserImageCount() > 0);
}

void CCustomizeBarsDlg::OnButtonImage()
{
    UserToolBarDefinition buttons = Current();
    const int at = SelectedButton();
    if (at < 0 || std::size_t(at) >= buttons.commands.size())
        return;
    auto* combo = static_cast<CComboBox*>(GetDlgItem(IDC_BUTTON_IMAGE));
    buttons.images[std::size_t(at)] = combo->GetCurSel() - 1;
    Apply(buttons, at);
}

UserToolBarDefinition CCustomizeBarsDlg::Current() const
{
    const UserToolBarDefinition* definition = m_bars.Definition(SelectedBar());
    UserToolBarDefinition buttons = definition ? *definition : UserToolBarDefinition();
    buttons.images.resize(buttons.commands.size(), -1);
    return buttons;
}

void CCustomizeBarsDlg::Apply(const UserToolBarDefinition& buttons, int selectButton)
{
    m_bars.SetCommands(SelectedBar(), buttons.commands, IsDlgButtonChecked(IDC_TEXT_LABELS) == BST_CHECKED,
                       buttons.images);
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
    UserToolBarDefinition buttons = Current();
    const int count = int(buttons.commands.size());
    const int at = SelectedButton() < 0 ? count : std::min(SelectedButton() + 1, count);
    buttons.commands.insert(buttons.commands.begin() + at, offered[std::size_t(chosen)]);
    buttons.images.insert(buttons.images.begin() + at, -1);
    Apply(buttons, at);
}

void CCustomizeBarsDlg::OnRemoveButton()
{
    const int at = SelectedButton();
    UserToolBarDefinition buttons = Current();
    if (at < 0 || std::size_t(at) >= buttons.commands.size())
        return;
    buttons.commands.erase(buttons.commands.begin() + at);
    buttons.images.erase(buttons.images.begin() + at);
    Apply(buttons, at);
}

void CCustomizeBarsDlg::OnButtonUp() { MoveButton(-1); }

void CCustomizeBarsDlg::OnButtonDown() { MoveButton(1); }

void CCustomizeBarsDlg::MoveButton(int step)
{
    const int at = SelectedButton();
    const int to = at + step;
    UserToolBarDefinition buttons = Current();
    if (at < 0 || to < 0 || std::size_t(to) >= buttons.commands.size())
        return;
    std::swap(buttons.commands[std::size_t(at)], buttons.commands[std::size_t(to)]);
    std::swap(buttons.images[std::size_t(at)], buttons.images[std::size_t(to)]);
    Apply(buttons, to);
}

void CCustomizeBarsDlg::OnTextLabels() { Apply(Current(), SelectedButton()); }
