#pragma once
// Keyboard and mouse input on its way to the windows: the message loop's part. Each key or mouse
// event for a window first passes PreTranslateMessage of the window and its parents (where the
// dialog manager and accelerators act), then becomes WM_KEYDOWN and WM_CHAR, or a mouse message,
// for the window; with the mouse captured, mouse input goes to the capturing window. A window that
// asked for it (TrackMouseEvent) hears WM_MOUSELEAVE once the pointer leaves it, and every
// top-level window hears WM_ACTIVATEAPP when the program is activated or deactivated.

#include "platform/ui/WinUser.h"

#include <QObject>

class CWnd;
class QKeyEvent;
class QMouseEvent;
class QWheelEvent;
class QWidget;

class InputRouter : public QObject
{
public:
    static void Install();

    static CWnd* SetCapture(CWnd* wnd);
    static CWnd* Capture();
    static BOOL ReleaseCapture();

    // The cursor position as the last mouse event (or SetCursorPos) left it, in screen coordinates.
    static POINT CursorPos();
    static void SetCursorPos(int x, int y);

    // A key message sent by code (not typed): the widget handles it as if the key were typed.
    static void DeliverSyntheticKey(CWnd* wnd, UINT message, WPARAM wParam);
    // The window that receives WM_SETCURSOR's cursor choice.
    static QWidget* CursorWidget();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool RouteKey(QWidget* receiver, QKeyEvent* event);
    bool RouteMouse(QWidget* receiver, QMouseEvent* event);
    bool RouteWheel(QWidget* receiver, QWheelEvent* event);
    static void ReportLeave(QWidget* widget);
    static void ReportActivation(bool active);
};

constexpr DWORD TME_LEAVE = 0x00000002;

struct TRACKMOUSEEVENT
{
    DWORD cbSize = sizeof(TRACKMOUSEEVENT);
    DWORD dwFlags = 0;
    HWND hwndTrack = nullptr;
    DWORD dwHoverTime = 0;
};
using LPTRACKMOUSEEVENT = TRACKMOUSEEVENT*;

// Only TME_LEAVE is known: one WM_MOUSELEAVE when the pointer next leaves the window.
BOOL TrackMouseEvent(LPTRACKMOUSEEVENT lpEventTrack);
BOOL ReleaseCapture();
HWND GetCapture();
BOOL GetCursorPos(LPPOINT lpPoint);
BOOL SetCursorPos(int x, int y);
BOOL ClipCursor(const RECT* lpRect);
