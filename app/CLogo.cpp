#include "app/CLogo.h"

#include "app/MekrIds.h"
#include "platform/frame/CFrameWnd.h"
#include "platform/frame/CWinApp.h"
#include "platform/ui/WinApi.h"

#include <QEvent>
#include <QMainWindow>
#include <QToolBar>
#include <QWidget>

namespace
{
// Tells the main window when the mouse leaves the logo, so that the status line goes back to idle.
class LeaveWatcher : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Leave)
            if (CWnd* main = AfxGetMainWnd())
                main->SendMessage(WM_POPMESSAGESTRING, IDS_IDLE);
        return QObject::eventFilter(watched, event);
    }
};

CString LogoText(bool tip)
{
    CString text;
    text.LoadString(ID_LOGO);
    const int lineFeed = text.Find('\n');
    if (lineFeed < 0)
        return text;
    return tip ? text.Mid(lineFeed + 1) : text.Left(lineFeed);
}
} // namespace

BEGIN_MESSAGE_MAP(CLogo, CBitmapButton)
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

CLogo::CLogo() = default;

CLogo::~CLogo() = default;

UINT CLogo::LogoClickMessage()
{
    static const UINT message = RegisterWindowMessage("OnLogoClick");
    return message;
}

BOOL CLogo::CreateIn(CWnd* pFrame, UINT nIDBitmap)
{
    if (!Create("", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, CRect(0, 0, 0, 0), pFrame, ID_LOGO))
        return FALSE;
    if (!LoadBitmaps(nIDBitmap, nIDBitmap))
        return FALSE;
    SizeToContent();
    if (QWidget* widget = GetWidget())
    {
        widget->setToolTip(QString::fromUtf8(LogoText(true).GetString()));
        widget->setCursor(Qt::PointingHandCursor);
        m_leaveWatcher = new LeaveWatcher(widget);
        widget->installEventFilter(m_leaveWatcher);
    }
    return TRUE;
}

void CLogo::Reposition()
{
    auto* frame = dynamic_cast<CFrameWnd*>(GetParent());
    QWidget* widget = GetWidget();
    if (!frame || !widget || !frame->MainWindow())
        return;
    QMainWindow* window = frame->MainWindow();
    const int top = window->menuWidget() && window->menuWidget()->isVisible() ? window->menuWidget()->height() : 0;
    const QPoint place(window->width() - widget->width() - GetSystemMetrics(SM_CXEDGE), top);
    if (widget->pos() != place)
        widget->move(place);
    // Hidden while a tool bar's buttons reach into its place.
    const QRect logo(place, widget->size());
    bool covered = false;
    for (QToolBar* bar : window->findChildren<QToolBar*>())
    {
        if (!bar->isVisible())
            continue;
        const QRect used(bar->mapTo(window, QPoint(0, 0)), bar->sizeHint());
        covered = covered || used.intersects(logo);
    }
    widget->setVisible(!covered);
    if (!covered)
        widget->raise();
    GetWindowRect(&m_rectLast);
}

void CLogo::OnMouseMove(UINT nFlags, CPoint point)
{
    CBitmapButton::OnMouseMove(nFlags, point);
    if (nFlags & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))
        return;
    const CString prompt = LogoText(false);
    if (CWnd* main = AfxGetMainWnd())
        main->SendMessage(WM_SETMESSAGESTRING, 0, reinterpret_cast<LPARAM>(prompt.GetString()));
}

void CLogo::OnLButtonDown(UINT nFlags, CPoint point)
{
    CBitmapButton::OnLButtonDown(nFlags, point);
    if (CWnd* main = AfxGetMainWnd())
        main->SendMessage(LogoClickMessage());
}
