#pragma once
// The link between one window object and its widget: it turns the widget's events (paint, size,
// move, focus, close) into window messages, carries posted messages and runs the timers.

#include "platform/ui/WinUser.h"

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <map>
#include <memory>

class CWnd;
class QTimer;
class QPaintEvent;

class WindowBridge : public QObject
{
public:
    WindowBridge(CWnd* wnd, QWidget* widget);
    ~WindowBridge() override;

    QWidget* Widget() const { return m_widget; }
    QWidget* ClientWidget() const;

    void Post(UINT message, WPARAM wParam, LPARAM lParam);
    UINT_PTR StartTimer(UINT_PTR id, UINT elapse);
    bool StopTimer(UINT_PTR id);

    // The rectangle being painted while WM_PAINT runs; empty otherwise.
    QRect m_paintRect;
    bool m_painting = false;
    bool m_redraw = true;
    bool m_dirty = false;

    // Sends WM_SIZE when the client area's size differs from the one last reported.
    void ReportSize();
    // A top-level window with a sizing frame asks WM_GETMINMAXINFO for its smallest and largest
    // size (window sizes, frame included) and keeps to them.
    void ApplyTrackLimits();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;

private:
    bool DispatchPaint(QPaintEvent* event);
    void ConnectScrollBars();

    CWnd* m_wnd;
    QPointer<QWidget> m_widget;
    std::map<UINT_PTR, QTimer*> m_timers;
    QSize m_reportedSize{-1, -1};
};

// Posted messages travel as this event type.
QEvent::Type PostedMessageEventType();
