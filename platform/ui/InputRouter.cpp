#include "platform/ui/InputRouter.h"

#include "platform/ui/CWnd.h"
#include "platform/ui/KeyMap.h"
#include "platform/ui/MessageContext.h"
#include "platform/ui/WindowRegistry.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWheelEvent>
#include <QWidget>

namespace
{
InputRouter* g_router = nullptr;
QPointer<QWidget> g_capture;
QPointer<QWidget> g_cursorWidget;
POINT g_cursor;

// PreTranslateMessage of the window and of its parents up to its top-level window.
bool PreTranslate(CWnd* target, MSG& msg)
{
    for (CWnd* w = target; w && w->m_hWnd;)
    {
        QPointer<QWidget> alive = w->GetWidget();
        if (w->PreTranslateMessage(&msg))
            return true;
        if (!alive || WindowRegistry::Find(alive) != w || !(w->GetStyle() & WS_CHILD))
            break;
        w = w->GetParent();
    }
    return false;
}

bool Alive(const QPointer<QWidget>& widget, CWnd* wnd)
{
    return widget && WindowRegistry::Find(widget) == wnd;
}

WPARAM MouseKeyFlags(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers)
{
    WPARAM flags = 0;
    if (buttons & Qt::LeftButton)
        flags |= MK_LBUTTON;
    if (buttons & Qt::RightButton)
        flags |= MK_RBUTTON;
    if (buttons & Qt::MiddleButton)
        flags |= MK_MBUTTON;
    if (modifiers & Qt::ShiftModifier)
        flags |= MK_SHIFT;
    if (modifiers & Qt::ControlModifier)
        flags |= MK_CONTROL;
    return flags;
}

UINT MouseMessage(QEvent::Type type, Qt::MouseButton button)
{
    const int index = button == Qt::RightButton ? 1 : button == Qt::MiddleButton ? 2 : 0;
    static constexpr UINT down[] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};
    static constexpr UINT up[] = {WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP};
    static constexpr UINT dbl[] = {WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK, WM_MBUTTONDOWN};
    switch (type)
    {
    case QEvent::MouseButtonPress:
        return down[index];
    case QEvent::MouseButtonRelease:
        return up[index];
    case QEvent::MouseButtonDblClick:
        return dbl[index];
    default:
        return WM_MOUSEMOVE;
    }
}

// The window an input event for the widget is for; none while a widget handles its own input, and
// none for Qt's own pop-ups (a combo box's list) that live in a window of their own.
CWnd* TargetOf(QWidget* receiver)
{
    if (MessageContext::Forwarding())
        return nullptr;
    CWnd* target = WindowRegistry::FindAncestor(receiver);
    if (!target || receiver->window() != target->GetWidget()->window())
        return nullptr;
    return target;
}

LPARAM PointParam(const QPoint& p)
{
    return MAKELPARAM(WORD(short(p.x())), WORD(short(p.y())));
}

LRESULT Dispatch(CWnd* wnd, const MSG& msg, QEvent* event, QObject* receiver, bool forwardable)
{
    MessageFrame frame;
    frame.wnd = wnd;
    frame.msg = msg;
    frame.event = event;
    frame.receiver = receiver;
    frame.forwardable = forwardable;
    MessageFrameScope scope(frame);
    return wnd->WindowProc(msg.message, msg.wParam, msg.lParam);
}
} // namespace

void InputRouter::Install()
{
    if (g_router || !qApp)
        return;
    g_router = new InputRouter;
    g_router->setParent(qApp);
    qApp->installEventFilter(g_router);
}

CWnd* InputRouter::SetCapture(CWnd* wnd)
{
    CWnd* old = Capture();
    g_capture = wnd ? wnd->GetWidget() : nullptr;
    if (old && old != wnd)
        old->SendMessage(WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(wnd ? wnd->m_hWnd : nullptr));
    return old;
}

CWnd* InputRouter::Capture()
{
    return WindowRegistry::Find(g_capture);
}

BOOL InputRouter::ReleaseCapture()
{
    CWnd* old = Capture();
    g_capture = nullptr;
    if (old)
        old->SendMessage(WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

POINT InputRouter::CursorPos()
{
    return g_cursor;
}

void InputRouter::SetCursorPos(int x, int y)
{
    g_cursor = CPoint(x, y);
    QCursor::setPos(x, y);
}

QWidget* InputRouter::CursorWidget()
{
    return g_cursorWidget;
}

void InputRouter::DeliverSyntheticKey(CWnd* wnd, UINT message, WPARAM wParam)
{
    QWidget* widget = wnd->GetWidget();
    if (!widget)
        return;
    QString text;
    int key = 0;
    if (message == WM_CHAR)
    {
        const char32_t c = char32_t(wParam);
        key = c == 13   ? Qt::Key_Return
              : c == 8  ? Qt::Key_Backspace
              : c == 9  ? Qt::Key_Tab
              : c == 27 ? Qt::Key_Escape
                        : 0;
        text = QString::fromUcs4(&c, 1);
    }
    else
    {
        key = KeyMap::ToQtKey(UINT(wParam));
    }
    QKeyEvent event(message == WM_KEYUP ? QEvent::KeyRelease : QEvent::KeyPress, key, KeyMap::Modifiers(),
                    text);
    MessageContext::ForwardScope scope;
    QCoreApplication::sendEvent(widget, &event);
}

namespace
{
// The widget property that marks a window waiting for the pointer to leave it.
constexpr char kTrackLeave[] = "kalvenrodTrackLeave";
} // namespace

void InputRouter::ReportLeave(QWidget* widget)
{
    if (!widget->property(kTrackLeave).toBool())
        return;
    widget->setProperty(kTrackLeave, false);
    if (CWnd* wnd = WindowRegistry::Find(widget))
        wnd->SendMessage(WM_MOUSELEAVE);
}

void InputRouter::ReportActivation(bool active)
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (CWnd* wnd = WindowRegistry::Find(widget))
            wnd->SendMessage(WM_ACTIVATEAPP, WPARAM(active), 0);
}

BOOL TrackMouseEvent(LPTRACKMOUSEEVENT lpEventTrack)
{
    CWnd* wnd = lpEventTrack ? CWnd::FromHandle(lpEventTrack->hwndTrack) : nullptr;
    QWidget* widget = wnd ? wnd->GetWidget() : nullptr;
    if (!widget)
        return FALSE;
    widget->setProperty(kTrackLeave, (lpEventTrack->dwFlags & TME_LEAVE) != 0);
    return TRUE;
}

bool InputRouter::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type())
    {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return watched->isWidgetType() &&
               RouteKey(static_cast<QWidget*>(watched), static_cast<QKeyEvent*>(event));
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        return watched->isWidgetType() &&
               RouteMouse(static_cast<QWidget*>(watched), static_cast<QMouseEvent*>(event));
    case QEvent::Wheel:
        return watched->isWidgetType() &&
               RouteWheel(static_cast<QWidget*>(watched), static_cast<QWheelEvent*>(event));
    case QEvent::Leave:
        if (watched->isWidgetType())
            ReportLeave(static_cast<QWidget*>(watched));
        return false;
    case QEvent::ApplicationStateChange:
        if (watched == qApp)
            ReportActivation(static_cast<QApplicationStateChangeEvent*>(event)->applicationState() ==
                             Qt::ApplicationActive);
        return false;
    default:
        return false;
    }
}

bool InputRouter::RouteKey(QWidget* receiver, QKeyEvent* event)
{
    CWnd* target = TargetOf(receiver);
    if (!target)
        return false;
    KeyMap::SetModifiers(event->modifiers());
    const bool release = event->type() == QEvent::KeyRelease;
    const bool alt = event->modifiers() & Qt::AltModifier;
    const UINT vk = KeyMap::ToVirtualKey(event->key());
    const char32_t ch = release ? 0 : KeyMap::CharOf(*event);
    if (vk == 0 && ch == 0)
        return false;

    DWORD flags = 1;
    if (alt)
        flags |= 1u << 29;
    if (event->isAutoRepeat())
        flags |= 1u << 30;
    if (release)
        flags |= (1u << 30) | (1u << 31);
    MSG msg;
    msg.hwnd = target->m_hWnd;
    msg.message = release ? (alt ? WM_SYSKEYUP : WM_KEYUP) : (alt ? WM_SYSKEYDOWN : WM_KEYDOWN);
    msg.wParam = vk;
    msg.lParam = LPARAM(flags);
    msg.pt = g_cursor;
    event->accept();

    QPointer<QWidget> widget = target->GetWidget();
    if (vk != 0)
    {
        if (PreTranslate(target, msg))
            return true;
        if (!Alive(widget, target))
            return true;
        Dispatch(target, msg, event, receiver, ch == 0);
    }
    if (ch != 0 && Alive(widget, target))
    {
        MSG charMsg = msg;
        charMsg.message = alt ? WM_SYSCHAR : WM_CHAR;
        charMsg.wParam = WPARAM(ch);
        if (vk == 0 && PreTranslate(target, charMsg))
            return true;
        if (Alive(widget, target))
            Dispatch(target, charMsg, event, receiver, true);
    }
    return true;
}

bool InputRouter::RouteMouse(QWidget* receiver, QMouseEvent* event)
{
    if (MessageContext::Forwarding())
        return false;
    KeyMap::SetModifiers(event->modifiers());
    KeyMap::SetButtons(event->buttons());
    const QPoint global = event->globalPosition().toPoint();
    g_cursor = CPoint(global.x(), global.y());

    CWnd* target = Capture();
    const bool captured = target != nullptr;
    if (!target)
    {
        target = WindowRegistry::FindAncestor(receiver);
        if (!target || receiver->window() != target->GetWidget()->window())
            return false;
    }
    QWidget* client = target->GetClientWidget();
    QPointer<QWidget> widget = target->GetWidget();
    const UINT message = MouseMessage(event->type(), event->button());
    g_cursorWidget = client;
    if (!captured && (message == WM_MOUSEMOVE || event->type() == QEvent::MouseButtonPress))
    {
        target->SendMessage(WM_SETCURSOR, reinterpret_cast<WPARAM>(target->m_hWnd),
                            MAKELPARAM(WORD(HTCLIENT), WORD(message)));
        if (!Alive(widget, target))
            return true;
    }
    MSG msg;
    msg.hwnd = target->m_hWnd;
    msg.message = message;
    msg.wParam = MouseKeyFlags(event->buttons(), event->modifiers());
    msg.lParam = PointParam(client->mapFromGlobal(global));
    msg.pt = g_cursor;
    event->accept();
    if (PreTranslate(target, msg))
        return true;
    if (!Alive(widget, target))
        return true;
    // Over another widget while captured, the default handling has nothing to act on.
    const bool own = !captured || receiver == client || receiver == widget || widget->isAncestorOf(receiver);
    Dispatch(target, msg, event, own ? receiver : nullptr, own);
    return true;
}

bool InputRouter::RouteWheel(QWidget* receiver, QWheelEvent* event)
{
    CWnd* target = TargetOf(receiver);
    if (!target)
        return false;
    KeyMap::SetModifiers(event->modifiers());
    const QPoint global = event->globalPosition().toPoint();
    MSG msg;
    msg.hwnd = target->m_hWnd;
    msg.message = WM_MOUSEWHEEL;
    msg.wParam = MAKEWPARAM(WORD(MouseKeyFlags(event->buttons(), event->modifiers())),
                            WORD(short(event->angleDelta().y())));
    msg.lParam = PointParam(global);
    event->accept();
    if (PreTranslate(target, msg))
        return true;
    Dispatch(target, msg, event, receiver, true);
    return true;
}

BOOL ReleaseCapture()
{
    return InputRouter::ReleaseCapture();
}

HWND GetCapture()
{
    CWnd* c = InputRouter::Capture();
    return c ? c->m_hWnd : nullptr;
}

BOOL GetCursorPos(LPPOINT lpPoint)
{
    if (!lpPoint)
        return FALSE;
    *lpPoint = InputRouter::CursorPos();
    return TRUE;
}

BOOL SetCursorPos(int x, int y)
{
    InputRouter::SetCursorPos(x, y);
    return TRUE;
}

BOOL ClipCursor(const RECT*)
{
    return TRUE;
}
