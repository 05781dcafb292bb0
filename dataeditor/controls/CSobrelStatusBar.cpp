#include "dataeditor/controls/CSobrelStatusBar.h"

#include "dataeditor/controls/ControlIds.h"
#include "platform/ui/CCmdUI.h"

BEGIN_MESSAGE_MAP(CSobrelStatusBar, CStatusBar)
    ON_WM_SIZE()
    ON_BN_CLICKED(ID_STATUS_PREVIOUS, OnPrevious)
    ON_BN_CLICKED(ID_STATUS_NEXT, OnNext)
    ON_BN_CLICKED(ID_STATUS_ACT, OnAct)
    ON_UPDATE_COMMAND_UI(ID_STATUS_PREVIOUS, OnUpdatePrevious)
    ON_UPDATE_COMMAND_UI(ID_STATUS_NEXT, OnUpdateNext)
    ON_UPDATE_COMMAND_UI(ID_STATUS_ACT, OnUpdateAct)
END_MESSAGE_MAP()

namespace
{
constexpr DWORD kButtonStyle = WS_CHILD | WS_VISIBLE | BS_OWNERDRAW;

BOOL MakeButton(CBitmapButton& button, CWnd* bar, UINT id, UINT up, UINT down, UINT disabled)
{
    if (!button.Create("", kButtonStyle, CRect(0, 0, CSobrelStatusBar::buttonWidth, CSobrelStatusBar::buttonHeight),
                       bar, id) ||
        !button.LoadBitmaps(up, down, 0, disabled))
        return FALSE;
    button.EnableWindow(FALSE);
    return TRUE;
}
} // namespace

BOOL CSobrelStatusBar::CreateButtons()
{
    if ((m_features & messageButtons) && !m_previous.GetSafeHwnd())
    {
        if (!MakeButton(m_previous, this, ID_STATUS_PREVIOUS, IDB_STATUS_PREVIOUS, IDB_STATUS_PREVIOUS_DOWN,
                        IDB_STATUS_PREVIOUS_DISABLED) ||
            !MakeButton(m_next, this, ID_STATUS_NEXT, IDB_STATUS_NEXT, IDB_STATUS_NEXT_DOWN, IDB_STATUS_NEXT_DISABLED))
            return FALSE;
    }
    if ((m_features & thirdButton) && !m_third.GetSafeHwnd() &&
        !MakeButton(m_third, this, ID_STATUS_ACT, IDB_STATUS_ACT, IDB_STATUS_ACT_DOWN, IDB_STATUS_ACT_DISABLED))
        return FALSE;
    return TRUE;
}

BOOL CSobrelStatusBar::Create(CWnd* parent, DWORD features, int progressPane, int buttonPane)
{
    if (!GetSafeHwnd() && !CStatusBar::Create(parent, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR))
        return FALSE;
    m_features = features;
    m_progressPane = progressPane;
    m_buttonPane = buttonPane;
    if ((features & progressBar) && !m_progress.GetSafeHwnd())
    {
        if (!m_progress.Create(WS_CHILD, CRect(100, 2, 120, 14), this, progressId))
            return FALSE;
        m_progress.SetFont(GetFont());
    }
    if (!CreateButtons())
        return FALSE;
    Layout();
    return TRUE;
}

void CSobrelStatusBar::Layout()
{
    const bool buttonsWanted = (m_features & (messageButtons | thirdButton)) != 0;
    const bool buttonsThere = (!(m_features & messageButtons) || m_previous.GetSafeHwnd()) &&
                              (!(m_features & thirdButton) || m_third.GetSafeHwnd());
    if (buttonsWanted && buttonsThere && m_buttonPane >= 0 && m_buttonPane < GetCount())
    {
        CRect pane;
        GetItemRect(m_buttonPane, pane);
        const int top = pane.top + (pane.Height() - buttonHeight) / 2;
        int right = pane.right - 1;
        const auto place = [&](CBitmapButton& button) {
            button.MoveWindow(right - buttonWidth, top, buttonWidth, buttonHeight);
            right -= buttonWidth + buttonGap;
        };
        if (m_features & thirdButton)
            place(m_third);
        if (m_features & messageButtons)
        {
            place(m_next);
            place(m_previous);
        }
    }
    if (!m_progress.GetSafeHwnd() || m_progressPane < 0 || m_progressPane >= GetCount())
        return;
    CRect pane;
    GetItemRect(m_progressPane, pane);
    m_progress.MoveWindow(pane);
}

void CSobrelStatusBar::OnSize(UINT type, int cx, int cy)
{
    CStatusBar::OnSize(type, cx, cy);
    Layout();
}

void CSobrelStatusBar::SetProgress(int position, int total)
{
    if (!(m_features & progressBar) || !m_progress.GetSafeHwnd())
        return;
    if (position == -1)
    {
        m_progress.ShowWindow(SW_HIDE);
        return;
    }
    if (total > 0)
        m_progress.SetRange32(0, total);
    // The panes may have moved since the bar last changed its size; the bar covers its pane.
    Layout();
    if (!(m_progress.GetStyle() & WS_VISIBLE))
    {
        m_progress.BringWindowToTop();
        m_progress.ShowWindow(SW_SHOW);
    }
    m_progress.SetPos(position);
}

void CSobrelStatusBar::SetPaneTextNow(const CString& text, int pane)
{
    SetPaneText(pane, text);
    UpdateWindow();
}

void CSobrelStatusBar::AddMessage(const CString& text, bool makeCurrent, bool refresh)
{
    m_messages.push_back(text);
    if (m_current < 0 || makeCurrent)
        m_current = makeCurrent ? int(m_messages.size()) - 1 : 0;
    if (refresh)
        Refresh();
}

void CSobrelStatusBar::RemoveMessage(int index)
{
    if (index < 0 || index >= int(m_messages.size()))
        return;
    m_messages.erase(m_messages.begin() + index);
    if (index == m_current || m_current >= int(m_messages.size()))
        m_current = m_messages.empty() ? -1 : 0;
    else if (index < m_current)
        --m_current;
    Refresh();
}

void CSobrelStatusBar::ClearMessages(bool refresh)
{
    m_messages.clear();
    m_current = -1;
    if (refresh)
        Refresh();
}

void CSobrelStatusBar::Previous()
{
    if (CanGoPrevious())
        --m_current;
    Refresh();
}

void CSobrelStatusBar::Next()
{
    if (CanGoNext())
        ++m_current;
    Refresh();
}

void CSobrelStatusBar::Refresh(bool clear)
{
    if (!(m_features & messageButtons) || !GetSafeHwnd())
        return;
    const bool none = clear || m_current < 0;
    const auto enable = [](CBitmapButton& button, bool on) {
        if (button.GetSafeHwnd())
            button.EnableWindow(on);
    };
    enable(m_previous, !none && CanGoPrevious());
    enable(m_next, !none && CanGoNext());
    enable(m_third, !none);
    if (none)
    {
        CString idle;
        idle.LoadString(AFX_IDS_IDLEMESSAGE);
        SetPaneText(0, idle);
        return;
    }
    SetPaneText(0, m_messages[m_current]);
}

void CSobrelStatusBar::OnPrevious() { Previous(); }

void CSobrelStatusBar::OnNext() { Next(); }

void CSobrelStatusBar::OnAct()
{
    if (HasCurrent())
        ActOnCurrent();
}

void CSobrelStatusBar::OnUpdatePrevious(CCmdUI* pCmdUI) { pCmdUI->Enable(CanGoPrevious()); }

void CSobrelStatusBar::OnUpdateNext(CCmdUI* pCmdUI) { pCmdUI->Enable(CanGoNext()); }

void CSobrelStatusBar::OnUpdateAct(CCmdUI* pCmdUI) { pCmdUI->Enable(HasCurrent()); }
