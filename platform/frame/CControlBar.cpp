#include "platform/frame/CControlBar.h"
#include "platform/frame/CFrameWnd.h"

#include <QToolBar>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

CControlBar::~CControlBar()
{
    if (m_pDockSite)
        m_pDockSite->RemoveControlBar(this);
}

BOOL CControlBar::CreateBar(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    auto* frame = dynamic_cast<CFrameWnd*>(pParentWnd);
    m_dwStyle = dwStyle & 0xFFFF;
    if (dwStyle & CBRS_GRIPPER)
        m_dwStyle |= CBRS_GRIPPER;
    const DWORD windowStyle = (dwStyle & (WS_VISIBLE | WS_DISABLED)) | WS_CHILD;
    if (!CWnd::CreateEx(0, nullptr, nullptr, windowStyle, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    if (frame)
        frame->AddControlBar(this);
    return TRUE;
}

void CControlBar::EnableDocking(DWORD dwDockStyle)
{
    m_dwDockStyle = dwDockStyle;
    if (auto* bar = qobject_cast<QToolBar*>(GetWidget()))
    {
        Qt::ToolBarAreas areas;
        if (dwDockStyle & CBRS_ALIGN_TOP)
            areas |= Qt::TopToolBarArea;
        if (dwDockStyle & CBRS_ALIGN_BOTTOM)
            areas |= Qt::BottomToolBarArea;
        if (dwDockStyle & CBRS_ALIGN_LEFT)
            areas |= Qt::LeftToolBarArea;
        if (dwDockStyle & CBRS_ALIGN_RIGHT)
            areas |= Qt::RightToolBarArea;
        bar->setAllowedAreas(areas);
        bar->setMovable(areas != Qt::NoToolBarArea);
        bar->setFloatable((dwDockStyle & CBRS_FLOAT_MULTI) != 0 || areas != Qt::NoToolBarArea);
    }
}

BOOL CControlBar::IsFloating() const
{
    auto* bar = qobject_cast<QToolBar*>(GetWidget());
    return bar && bar->isFloating();
}

BOOL CControlBar::IsVisible() const
{
    QWidget* w = GetWidget();
    return w && !w->isHidden();
}

void CControlBar::SyncVisibleStyle()
{
    if (IsVisible())
        m_style |= WS_VISIBLE;
    else
        m_style &= ~WS_VISIBLE;
}
