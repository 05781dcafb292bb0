#include "platform/ui/WindowBridge.h"

#include "platform/ui/CWnd.h"
#include "platform/ui/DroppedFiles.h"
#include "platform/ui/MessageContext.h"
#include "platform/ui/WindowRegistry.h"
#include "platform/ui/WindowWidget.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QPaintEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

namespace
{
class PostedMessageEvent : public QEvent
{
public:
    PostedMessageEvent(UINT message, WPARAM wParam, LPARAM lParam)
        : QEvent(PostedMessageEventType()), m_message(message), m_wParam(wParam), m_lParam(lParam)
    {
    }
    UINT m_message;
    WPARAM m_wParam;
    LPARAM m_lParam;
};

// Kill-focus notifications do not nest: a handler that moves the focus back (validation) must not
// set off the kill-focus handling of the window that had the focus for a moment.
int g_killFocusDepth = 0;

UINT ScrollCode(int action)
{
    switch (action)
    {
    case QAbstractSlider::SliderSingleStepAdd:
        return SB_LINEDOWN;
    case QAbstractSlider::SliderSingleStepSub:
        return SB_LINEUP;
    case QAbstractSlider::SliderPageStepAdd:
        return SB_PAGEDOWN;
    case QAbstractSlider::SliderPageStepSub:
        return SB_PAGEUP;
    case QAbstractSlider::SliderToMinimum:
        return SB_TOP;
    case QAbstractSlider::SliderToMaximum:
        return SB_BOTTOM;
    case QAbstractSlider::SliderMove:
        return SB_THUMBTRACK;
    default:
        return SB_ENDSCROLL;
    }
}
} // namespace

QEvent::Type PostedMessageEventType()
{
    static const QEvent::Type type = QEvent::Type(QEvent::registerEventType());
    return type;
}

WindowBridge::WindowBridge(CWnd* wnd, QWidget* widget) : m_wnd(wnd), m_widget(widget)
{
    widget->installEventFilter(this);
    if (QWidget* client = ClientWidget(); client != widget)
        client->installEventFilter(this);
    ConnectScrollBars();
}

WindowBridge::~WindowBridge()
{
    for (auto& [id, timer] : m_timers)
        delete timer;
    if (m_widget)
    {
        m_widget->removeEventFilter(this);
        if (QWidget* client = ClientWidget(); client != m_widget)
            client->removeEventFilter(this);
    }
}

QWidget* WindowBridge::ClientWidget() const
{
    if (auto* area = dynamic_cast<WindowWidget*>(m_widget.data()))
        return area->viewport();
    return m_widget;
}

void WindowBridge::ConnectScrollBars()
{
    auto* area = dynamic_cast<WindowWidget*>(m_widget.data());
    if (!area)
        return;
    const auto connectBar = [this](QScrollBar* bar, UINT message)
    {
        connect(bar, &QAbstractSlider::actionTriggered, this,
                [this, bar, message](int action)
                {
                    const UINT code = ScrollCode(action);
                    const int pos = code == SB_THUMBTRACK ? bar->sliderPosition() : 0;
                    // The window moves the thumb itself in its handler.
                    const int before = bar->value();
                    bar->setSliderPosition(before);
                    m_wnd->SendMessage(message, MAKEWPARAM(WORD(code), WORD(pos)), 0);
                });
        connect(bar, &QAbstractSlider::sliderReleased, this,
                [this, bar, message]
                {
                    m_wnd->SendMessage(message,
                                       MAKEWPARAM(WORD(SB_THUMBPOSITION), WORD(bar->sliderPosition())), 0);
                    m_wnd->SendMessage(message, MAKEWPARAM(WORD(SB_ENDSCROLL), 0), 0);
                });
    };
    connectBar(area->horizontalScrollBar(), WM_HSCROLL);
    connectBar(area->verticalScrollBar(), WM_VSCROLL);
}

void WindowBridge::Post(UINT message, WPARAM wParam, LPARAM lParam)
{
    QCoreApplication::postEvent(this, new PostedMessageEvent(message, wParam, lParam));
}

UINT_PTR WindowBridge::StartTimer(UINT_PTR id, UINT elapse)
{
    QTimer*& timer = m_timers[id];
    if (!timer)
    {
        timer = new QTimer(this);
        connect(timer, &QTimer::timeout, this, [this, id] { m_wnd->SendMessage(WM_TIMER, WPARAM(id), 0); });
    }
    timer->start(int(std::max<UINT>(elapse, 1)));
    return id == 0 ? 1 : id;
}

bool WindowBridge::StopTimer(UINT_PTR id)
{
    const auto it = m_timers.find(id);
    if (it == m_timers.end())
        return false;
    it->second->stop();
    it->second->deleteLater();
    m_timers.erase(it);
    return true;
}

void WindowBridge::ApplyTrackLimits()
{
    QWidget* w = m_widget;
    if (!w || !w->isWindow() || !(m_wnd->GetStyle() & WS_THICKFRAME))
        return;
    // Window sizes include the frame; "no limit" stays no limit.
    const QSize frame = w->frameGeometry().size() - w->geometry().size();
    const auto toWindow = [](int size, int frameSize)
    { return size >= QWIDGETSIZE_MAX ? QWIDGETSIZE_MAX : size + frameSize; };
    const auto toWidget = [](int size, int frameSize)
    { return size >= QWIDGETSIZE_MAX ? QWIDGETSIZE_MAX : std::clamp(size - frameSize, 0, QWIDGETSIZE_MAX); };
    MINMAXINFO info;
    info.ptMinTrackSize =
        CPoint(toWindow(w->minimumWidth(), frame.width()), toWindow(w->minimumHeight(), frame.height()));
    info.ptMaxTrackSize =
        CPoint(toWindow(w->maximumWidth(), frame.width()), toWindow(w->maximumHeight(), frame.height()));
    if (const QScreen* screen = w->screen())
    {
        const QRect area = screen->availableGeometry();
        info.ptMaxPosition = CPoint(area.left(), area.top());
        info.ptMaxSize = CPoint(area.width(), area.height());
    }
    m_wnd->SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    w->setMinimumSize(toWidget(info.ptMinTrackSize.x, frame.width()),
                      toWidget(info.ptMinTrackSize.y, frame.height()));
    w->setMaximumSize(toWidget(info.ptMaxTrackSize.x, frame.width()),
                      toWidget(info.ptMaxTrackSize.y, frame.height()));
}

void WindowBridge::ReportSize()
{
    if (auto* area = dynamic_cast<WindowWidget*>(m_widget.data()))
        area->FitViewport();
    QWidget* client = ClientWidget();
    if (!client)
        return;
    const QSize size = client->size();
    if (size == m_reportedSize)
        return;
    m_reportedSize = size;
    const UINT type = m_wnd->IsZoomed() ? SIZE_MAXIMIZED : m_wnd->IsIconic() ? SIZE_MINIMIZED : SIZE_RESTORED;
    m_wnd->SendMessage(WM_SIZE, type, MAKELPARAM(WORD(size.width()), WORD(size.height())));
}

bool WindowBridge::event(QEvent* event)
{
    if (event->type() == PostedMessageEventType())
    {
        const auto* posted = static_cast<PostedMessageEvent*>(event);
        m_wnd->SendMessage(posted->m_message, posted->m_wParam, posted->m_lParam);
        return true;
    }
    return QObject::event(event);
}

bool WindowBridge::eventFilter(QObject* watched, QEvent* event)
{
    if (!m_widget)
        return false;
    switch (event->type())
    {
    case QEvent::Paint:
        return watched == ClientWidget() && DispatchPaint(static_cast<QPaintEvent*>(event));
    case QEvent::Show:
        if (watched == m_widget.data())
            ApplyTrackLimits();
        return false;
    case QEvent::Resize:
        if (watched == ClientWidget())
            ReportSize();
        return false;
    case QEvent::Move:
        if (watched == m_widget.data())
        {
            const QPoint p = m_widget->isWindow() ? m_widget->geometry().topLeft() : m_widget->pos();
            m_wnd->SendMessage(WM_MOVE, 0, MAKELPARAM(WORD(p.x()), WORD(p.y())));
        }
        return false;
    case QEvent::FocusIn:
        if (watched == m_widget.data())
            m_wnd->SendMessage(WM_SETFOCUS, 0, 0);
        return false;
    case QEvent::FocusOut:
        // A window that is closing (hidden) does not validate what it leaves.
        if (watched == m_widget.data() && g_killFocusDepth == 0 &&
            (m_wnd->GetTopLevelParent()->GetStyle() & WS_VISIBLE))
        {
            ++g_killFocusDepth;
            CWnd* next = WindowRegistry::FindAncestor(QApplication::focusWidget());
            m_wnd->SendMessage(WM_KILLFOCUS, reinterpret_cast<WPARAM>(next ? next->m_hWnd : nullptr), 0);
            --g_killFocusDepth;
        }
        return false;
    case QEvent::Close:
        if (watched == m_widget.data() && m_widget->isWindow())
        {
            event->ignore();
            m_wnd->SendMessage(WM_CLOSE);
            return true;
        }
        return false;
    case QEvent::DragEnter:
    case QEvent::DragMove:
        if (m_wnd->GetExStyle() & WS_EX_ACCEPTFILES)
        {
            auto* drag = static_cast<QDropEvent*>(event);
            if (drag->mimeData()->hasUrls())
            {
                drag->acceptProposedAction();
                return true;
            }
        }
        return false;
    case QEvent::Drop:
        if (m_wnd->GetExStyle() & WS_EX_ACCEPTFILES)
        {
            auto* drop = static_cast<QDropEvent*>(event);
            std::vector<std::string> paths;
            for (const QUrl& url : drop->mimeData()->urls())
                if (url.isLocalFile())
                    paths.push_back(url.toLocalFile().toStdString());
            if (paths.empty())
                return false;
            drop->acceptProposedAction();
            const QPoint at = drop->position().toPoint();
            // The receiver frees the drop with DragFinish.
            m_wnd->SendMessage(WM_DROPFILES,
                               reinterpret_cast<WPARAM>(MakeDrop(paths, CPoint(at.x(), at.y()))), 0);
            return true;
        }
        return false;
    case QEvent::ContextMenu:
        if (!MessageContext::Forwarding())
        {
            const auto* menu = static_cast<QContextMenuEvent*>(event);
            const QPoint p = menu->globalPos();
            m_wnd->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(m_wnd->m_hWnd),
                               MAKELPARAM(WORD(p.x()), WORD(p.y())));
            return true;
        }
        return false;
    default:
        return false;
    }
}

bool WindowBridge::DispatchPaint(QPaintEvent* event)
{
    MessageFrame frame;
    frame.wnd = m_wnd;
    frame.msg.hwnd = m_wnd->m_hWnd;
    frame.msg.message = WM_PAINT;
    frame.event = event;
    frame.receiver = ClientWidget();
    m_paintRect = event->rect();
    m_painting = true;
    m_dirty = false;
    bool consumed = false;
    {
        MessageFrameScope scope(frame);
        m_wnd->WindowProc(WM_PAINT, 0, 0);
        consumed = !scope.Frame().defaultRan;
    }
    m_painting = false;
    m_paintRect = QRect();
    return consumed;
}
