#include "platform/frame/CMDIChildWnd.h"
#include "platform/frame/CDocument.h"
#include "platform/frame/CMDIFrameWnd.h"
#include "platform/frame/CView.h"
#include "platform/frame/CWinApp.h"

#include "platform/core/Resources.h"
#include "platform/gdi/GdiHandle.h"

#include <QEvent>
#include <QIcon>
#include <QPixmap>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QVBoxLayout>

IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace
{
// Closing the sub-window is a request to the child frame (which may refuse it).
class CloseRequest : public QObject
{
public:
    CloseRequest(QObject* parent, CWnd* child) : QObject(parent), m_child(child) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::Close)
            return false;
        event->ignore();
        m_child->SendMessage(WM_CLOSE);
        return true;
    }

private:
    CWnd* m_child;
};
} // namespace

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    CWnd* parent = pParentWnd ? pParentWnd : AfxGetMainWnd();
    if (!dynamic_cast<CMDIFrameWnd*>(parent))
        return FALSE;
    m_nIDHelp = nIDResource;
    CString title;
    if (const char* text = Resources::FindString(nIDResource))
    {
        title = text;
        const int lf = title.Find('\n');
        if (lf >= 0)
            title = title.Left(lf);
    }
    m_strTitle = title;
    if (!CWnd::CreateEx(0, nullptr, title, (dwDefaultStyle | WS_CHILD) & ~WS_VISIBLE, CRect(0, 0, 0, 0), parent,
                        0, pContext))
        return FALSE;
    // The document type's icon, else the program's (that of the frame around it).
    HICON icon = FrameIconOf(nIDResource);
    if (!icon)
        icon = parent->GetIcon(FALSE) ? parent->GetIcon(FALSE) : parent->GetIcon(TRUE);
    if (icon)
        ShowIcon(icon);
    return TRUE;
}

void CMDIChildWnd::ShowIcon(HICON icon)
{
    SetIcon(icon, FALSE);
    SetIcon(icon, TRUE);
    const auto image = Gdi::SharedFromHandle<Gdi::BitmapObject>(icon, Gdi::HandleKind::Bitmap);
    if (QMdiSubWindow* sub = SubWindow(); sub && image)
        sub->setWindowIcon(QIcon(QPixmap::fromImage(image->image)));
}

QWidget* CMDIChildWnd::CreateWidget(const CREATESTRUCT&, QWidget* parent)
{
    auto* container = new QWidget;
    auto* layout = new QVBoxLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);
    CWnd* frame = CWnd::FromHandle(CWnd::HandleOf(parent));
    auto* mdiFrame = dynamic_cast<CMDIFrameWnd*>(frame);
    if (QMdiArea* area = mdiFrame ? mdiFrame->MdiArea() : nullptr)
    {
        QMdiSubWindow* sub = area->addSubWindow(container);
        sub->setAttribute(Qt::WA_DeleteOnClose, false);
        sub->installEventFilter(new CloseRequest(sub, this));
    }
    return container;
}

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const
{
    for (CWnd* w = GetParent(); w; w = w->GetParent())
        if (auto* frame = dynamic_cast<CMDIFrameWnd*>(w))
            return frame;
    return dynamic_cast<CMDIFrameWnd*>(AfxGetMainWnd());
}

QMdiSubWindow* CMDIChildWnd::SubWindow() const
{
    QWidget* w = GetWidget();
    return w ? qobject_cast<QMdiSubWindow*>(w->parentWidget()) : nullptr;
}

void CMDIChildWnd::MDIActivate()
{
    QMdiSubWindow* sub = SubWindow();
    if (sub && sub->mdiArea())
        sub->mdiArea()->setActiveSubWindow(sub);
}

void CMDIChildWnd::MDIMaximize()
{
    if (QMdiSubWindow* sub = SubWindow())
        sub->showMaximized();
}

void CMDIChildWnd::MDIRestore()
{
    if (QMdiSubWindow* sub = SubWindow())
        sub->showNormal();
}

void CMDIChildWnd::MDIDestroy() { DestroyWindow(); }

void CMDIChildWnd::ActivateFrame(int nCmdShow)
{
    QMdiSubWindow* sub = SubWindow();
    if (!sub)
        return;
    GetWidget()->show();
    if (sub->width() < 200 || sub->height() < 120)
        sub->resize(480, 320);
    if (nCmdShow == SW_SHOWMAXIMIZED)
        sub->showMaximized();
    else if (nCmdShow == SW_SHOWMINIMIZED)
        sub->showMinimized();
    else if (!sub->isVisible())
        sub->show();
    MDIActivate();
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    CDocument* doc = GetActiveDocument();
    SetWindowText(bAddToTitle && doc ? doc->GetTitle().GetString() : m_strTitle.GetString());
    if (CMDIFrameWnd* frame = GetMDIFrame())
        frame->OnUpdateFrameTitle(TRUE);
}

void CMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd*, CWnd*)
{
    if (CView* view = GetActiveView())
        view->OnActivateView(bActivate, bActivate ? view : nullptr, bActivate ? nullptr : view);
}

void CMDIChildWnd::OnDestroy()
{
    QMdiSubWindow* sub = SubWindow();
    CFrameWnd::OnDestroy();
    if (sub)
    {
        if (QMdiArea* area = sub->mdiArea())
            area->removeSubWindow(sub);
        sub->deleteLater();
    }
}
