#pragma once
// Driving windows from tests, off screen: the application object, keys, characters and clicks
// as a user gives them (through the same route as real input), and bounded event processing.

#include "platform/ui/CWnd.h"

#include <Qt>

#include <functional>

class UiTest
{
public:
    // Creates the QApplication once per process (off screen in tests).
    static void EnsureApplication();
    // Runs what is queued (posted messages, timers that are due) and returns; bounded.
    static void ProcessEvents(int milliseconds = 0);
    // Runs events (waiting for them, timers included) until done() holds or limit milliseconds
    // have passed; whether done() holds.
    static bool ProcessEventsUntil(std::function<bool()> done, int limit = 10000);

    // Keys go to the window that has the focus, as typed keys do.
    static void PressKey(UINT vk, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    static void TypeText(const char* utf8);
    // Focuses the window, then types.
    static void TypeInto(CWnd* wnd, const char* utf8);

    // Mouse input at a point of the window's client area.
    static void MouseDown(CWnd* wnd, CPoint client, Qt::MouseButton button = Qt::LeftButton,
                          Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    static void MouseUp(CWnd* wnd, CPoint client, Qt::MouseButton button = Qt::LeftButton,
                        Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    static void MouseMove(CWnd* wnd, CPoint client, Qt::MouseButtons buttons = Qt::NoButton);
    static void DoubleClick(CWnd* wnd, CPoint client);
    // A left click in the middle of the window.
    static void Click(CWnd* wnd);
};
