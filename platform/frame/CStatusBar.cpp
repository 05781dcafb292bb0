#include "platform/frame/CStatusBar.h"
#include "platform/frame/CFrameWnd.h"

#include "platform/core/Resources.h"
#include "platform/ui/CCmdUI.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLayout>
#include <QStatusBar>

IMPLEMENT_DYNAMIC(CStatusBar, CControlBar)

namespace
{
class StatusCmdUI : public CCmdUI
{
public:
    // m_pOther is the bar (as handlers expect); the pane, not the bar, takes the state.
    CStatusBar* bar = nullptr;
    void Enable(BOOL bOn) override
    {
        m_bEnabled = bOn;
        m_bEnableChanged = TRUE;
        UINT style = bar->GetPaneStyle(int(m_nIndex)) & ~SBPS_DISABLED;
        bar->SetPaneStyle(int(m_nIndex), bOn ? style : style | SBPS_DISABLED);
    }
    void SetCheck(int nCheck) override
    {
        m_nCheck = nCheck;
        UINT style = bar->GetPaneStyle(int(m_nIndex)) & ~SBPS_POPOUT;
        bar->SetPaneStyle(int(m_nIndex), nCheck ? style | SBPS_POPOUT : style);
    }
    void SetText(LPCTSTR lpszText) override
    {
        m_bTextSet = TRUE;
        m_strText = lpszText;
        bar->SetPaneText(int(m_nIndex), lpszText);
    }
};
} // namespace

BOOL CStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) { return CreateEx(pParentWnd, 0, dwStyle, nID); }

BOOL CStatusBar::CreateEx(CWnd* pParentWnd, DWORD, DWORD dwStyle, UINT nID)
{
    return CreateBar(pParentWnd, dwStyle, nID);
}

QWidget* CStatusBar::CreateWidget(const CREATESTRUCT&, QWidget* parent)
{
    auto* bar = new QStatusBar(parent);
    bar->setSizeGripEnabled(true);
    return bar;
}

BOOL CStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    auto* bar = qobject_cast<QStatusBar*>(GetWidget());
    if (!bar)
        return FALSE;
    for (Pane& p : m_panes)
        delete p.label;
    m_panes.clear();
    for (int i = 0; i < nIDCount; ++i)
    {
        Pane pane;
        pane.id = lpIDArray ? lpIDArray[i] : ID_SEPARATOR;
        pane.label = new QLabel(bar);
        pane.label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (pane.id != ID_SEPARATOR)
            if (const char* text = Resources::FindString(pane.id))
                pane.text = text;
        if (i == 0)
        {
            pane.style = SBPS_NOBORDERS | SBPS_STRETCH;
            pane.label->setFrameStyle(QFrame::NoFrame);
            bar->addWidget(pane.label, 1);
        }
        else
        {
            pane.width = QFontMetrics(pane.label->font()).horizontalAdvance(QString::fromUtf8(pane.text.GetString()));
            pane.label->setAlignment(Qt::AlignCenter);
            pane.label->setMinimumWidth(pane.width + 8);
            bar->addPermanentWidget(pane.label);
        }
        m_panes.push_back(pane);
        ShowPane(m_panes.back());
    }
    return TRUE;
}

void CStatusBar::ShowPane(Pane& pane)
{
    if (!pane.label)
        return;
    const bool shown = !(pane.style & SBPS_DISABLED);
    pane.label->setText(shown ? QString::fromUtf8(pane.text.GetString()) : QString());
}

BOOL CStatusBar::SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return FALSE;
    Pane& pane = m_panes[std::size_t(nIndex)];
    pane.text = lpszNewText ? lpszNewText : "";
    ShowPane(pane);
    return TRUE;
}

int CStatusBar::GetTextWidth(LPCTSTR lpszText) const
{
    const QWidget* bar = GetWidget();
    const QString text = QString::fromUtf8(lpszText ? lpszText : "");
    return bar ? QFontMetrics(bar->font()).horizontalAdvance(text) : 0;
}

CString CStatusBar::GetPaneText(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_panes[std::size_t(nIndex)].text : CString();
}

void CStatusBar::SetPaneInfo(int nIndex, UINT nID, UINT nStyle, int cxWidth)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return;
    Pane& pane = m_panes[std::size_t(nIndex)];
    pane.id = nID;
    pane.style = nStyle;
    pane.width = cxWidth;
    if (pane.label && !(nStyle & SBPS_STRETCH))
        pane.label->setMinimumWidth(cxWidth + 8);
    ShowPane(pane);
}

void CStatusBar::GetPaneInfo(int nIndex, UINT& nID, UINT& nStyle, int& cxWidth) const
{
    nID = GetItemID(nIndex);
    nStyle = GetPaneStyle(nIndex);
    cxWidth = nIndex >= 0 && nIndex < GetCount() ? m_panes[std::size_t(nIndex)].width : 0;
}

UINT CStatusBar::GetPaneStyle(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_panes[std::size_t(nIndex)].style : 0;
}

void CStatusBar::SetPaneStyle(int nIndex, UINT nStyle)
{
    if (nIndex < 0 || nIndex >= GetCount())
        return;
    Pane& pane = m_panes[std::size_t(nIndex)];
    pane.style = nStyle;
    ShowPane(pane);
}

int CStatusBar::CommandToIndex(UINT nIDFind) const
{
    for (std::size_t i = 0; i < m_panes.size(); ++i)
        if (m_panes[i].id == nIDFind)
            return int(i);
    return -1;
}

UINT CStatusBar::GetItemID(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_panes[std::size_t(nIndex)].id : 0;
}

void CStatusBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    *lpRect = CRect();
    if (nIndex < 0 || nIndex >= GetCount() || !m_panes[std::size_t(nIndex)].label)
        return;
    // Panes whose widths changed are placed now, as the bar would place them when next shown.
    if (QLayout* layout = GetWidget()->layout())
        layout->activate();
    const QRect r = m_panes[std::size_t(nIndex)].label->geometry();
    *lpRect = CRect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
}

void CStatusBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    StatusCmdUI state;
    state.bar = this;
    state.m_pOther = this;
    // Pane 0 is the status line; the indicators follow.
    for (std::size_t i = 1; i < m_panes.size(); ++i)
    {
        if (m_panes[i].id == ID_SEPARATOR)
            continue;
        state.m_nID = m_panes[i].id;
        state.m_nIndex = UINT(i);
        state.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}
