#include "dataeditor/controls/CSobrelStatusBar.h"

BEGIN_MESSAGE_MAP(CSobrelStatusBar, CStatusBar)
    ON_WM_SIZE()
END_MESSAGE_MAP()

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
    Layout();
    return TRUE;
}

void CSobrelStatusBar::Layout()
{
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
    m_progress.ShowWindow(SW_SHOW);
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
    if (clear || m_current < 0)
    {
        CString idle;
        idle.LoadString(AFX_IDS_IDLEMESSAGE);
        SetPaneText(0, idle);
        return;
    }
    SetPaneText(0, m_messages[m_current]);
}
