#include "platform/frame/CMDIFrameWnd.h"
#include "platform/frame/CDocument.h"
#include "platform/frame/CMDIChildWnd.h"

#include "platform/ui/CCmdUI.h"

#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
    ON_COMMAND_RANGE(ID_WINDOW_ARRANGE, ID_WINDOW_TILE_VERT, OnMDIWindowCmd)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_ARRANGE, OnUpdateMDIWindowCmd)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_CASCADE, OnUpdateMDIWindowCmd)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_TILE_HORZ, OnUpdateMDIWindowCmd)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_TILE_VERT, OnUpdateMDIWindowCmd)
END_MESSAGE_MAP()

namespace
{
CMDIChildWnd* ChildOf(QMdiSubWindow* sub)
{
    if (!sub || !sub->widget())
        return nullptr;
    return dynamic_cast<CMDIChildWnd*>(CWnd::FromHandle(CWnd::HandleOf(sub->widget())));
}
} // namespace

QWidget* CMDIFrameWnd::CreateWidget(const CREATESTRUCT& cs, QWidget* parent)
{
    auto* window = static_cast<QMainWindow*>(CFrameWnd::CreateWidget(cs, parent));
    auto* area = new QMdiArea(window);
    area->setObjectName(QStringLiteral("MDIClient"));
    window->setCentralWidget(area);
    QObject::connect(area, &QMdiArea::subWindowActivated, window, [this](QMdiSubWindow* sub) {
        for (QMdiSubWindow* other : MdiArea()->subWindowList())
            if (other != sub)
                if (CMDIChildWnd* child = ChildOf(other))
                    child->OnMDIActivate(FALSE, ChildOf(sub), child);
        if (CMDIChildWnd* child = ChildOf(sub))
            child->OnMDIActivate(TRUE, child, nullptr);
        OnUpdateFrameTitle(TRUE);
    });
    return window;
}

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext*)
{
    // The MDI area is the client; views belong to the child frames.
    return TRUE;
}

QMdiArea* CMDIFrameWnd::MdiArea() const
{
    QMainWindow* window = MainWindow();
    return window ? qobject_cast<QMdiArea*>(window->centralWidget()) : nullptr;
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* pbMaximized) const
{
    QMdiArea* area = MdiArea();
    QMdiSubWindow* sub = area ? area->activeSubWindow() : nullptr;
    if (!sub && area && !area->subWindowList().isEmpty())
        sub = area->subWindowList().constLast();
    if (pbMaximized)
        *pbMaximized = sub && sub->isMaximized();
    return ChildOf(sub);
}

void CMDIFrameWnd::MDIActivate(CWnd* pWndActivate)
{
    if (auto* child = dynamic_cast<CMDIChildWnd*>(pWndActivate))
        child->MDIActivate();
}

void CMDIFrameWnd::MDIMaximize(CWnd* pWnd)
{
    if (auto* child = dynamic_cast<CMDIChildWnd*>(pWnd))
        child->MDIMaximize();
}

void CMDIFrameWnd::MDIRestore(CWnd* pWnd)
{
    if (auto* child = dynamic_cast<CMDIChildWnd*>(pWnd))
        child->MDIRestore();
}

void CMDIFrameWnd::MDINext()
{
    if (QMdiArea* area = MdiArea())
        area->activateNextSubWindow();
}

void CMDIFrameWnd::MDICascade()
{
    if (QMdiArea* area = MdiArea())
        area->cascadeSubWindows();
}

void CMDIFrameWnd::MDITile(int)
{
    if (QMdiArea* area = MdiArea())
        area->tileSubWindows();
}

BOOL CMDIFrameWnd::OnMDIWindowCmd(UINT nID)
{
    switch (nID)
    {
    case ID_WINDOW_CASCADE:
        MDICascade();
        return TRUE;
    case ID_WINDOW_TILE_HORZ:
    case ID_WINDOW_TILE_VERT:
    case ID_WINDOW_ARRANGE:
        MDITile();
        return TRUE;
    default:
        return FALSE;
    }
}

void CMDIFrameWnd::OnUpdateMDIWindowCmd(CCmdUI* pCmdUI) { pCmdUI->Enable(MDIGetActive() != nullptr); }

CFrameWnd* CMDIFrameWnd::GetActiveFrame()
{
    CMDIChildWnd* child = MDIGetActive();
    return child ? static_cast<CFrameWnd*>(child) : this;
}

void CMDIFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if (!(GetStyle() & FWS_ADDTOTITLE))
        return;
    CMDIChildWnd* child = MDIGetActive();
    CDocument* doc = child ? child->GetActiveDocument() : nullptr;
    UpdateFrameTitleForDocument(bAddToTitle && doc ? doc->GetTitle().GetString() : nullptr);
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, void* pHandlerInfo)
{
    if (CMDIChildWnd* child = MDIGetActive(); child && child->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}
