#include "testing/UiTest.h"

#include "platform/ui/KeyMap.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

#include <cstdlib>

void UiTest::EnsureApplication()
{
    if (qApp)
        return;
    static int argc = 1;
    static char name[] = "kalvenrod-test";
    static char* argv[] = {name, nullptr};
    if (!std::getenv("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(argc, argv);
}

void UiTest::ProcessEvents(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    do
    {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    } while (timer.elapsed() < milliseconds);
}

bool UiTest::ProcessEventsUntil(std::function<bool()> done, int limit)
{
    QElapsedTimer timer;
    timer.start();
    // Wakes the wait for events below at least this often, so that the limit is kept.
    QTimer wake;
    wake.start(10);
    while (!done())
    {
        if (timer.elapsed() >= limit)
            return false;
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    }
    return true;
}

namespace
{
QWidget* FocusTarget()
{
    QWidget* w = QApplication::focusWidget();
    if (!w)
        w = QApplication::activeWindow();
    return w;
}

void SendKey(QWidget* target, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers,
             const QString& text)
{
    if (!target)
        return;
    QKeyEvent event(type, key, modifiers, text);
    QCoreApplication::sendEvent(target, &event);
}

QString TextOf(UINT vk, Qt::KeyboardModifiers modifiers)
{
    switch (vk)
    {
    case VK_RETURN:
        return "\r";
    case VK_TAB:
        return "\t";
    case VK_BACK:
        return "\b";
    case VK_ESCAPE:
        return QString(QChar(27));
    case VK_SPACE:
        return " ";
    default:
        break;
    }
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier))
        return {};
    if (vk >= 'A' && vk <= 'Z')
        return (modifiers & Qt::ShiftModifier) ? QString(QChar(vk)) : QString(QChar(vk - 'A' + 'a'));
    if (vk >= '0' && vk <= '9')
        return QString(QChar(vk));
    return {};
}

void SendMouse(CWnd* wnd, QEvent::Type type, CPoint client, Qt::MouseButton button, Qt::MouseButtons buttons,
               Qt::KeyboardModifiers modifiers)
{
    QWidget* w = wnd->GetClientWidget();
    if (!w)
        return;
    // The deepest widget under the point receives the event, as with a real mouse.
    const QPoint local(client.x, client.y);
    QWidget* receiver = w->childAt(local);
    if (!receiver)
        receiver = w;
    const QPoint at = receiver->mapFrom(w, local);
    QMouseEvent event(type, QPointF(at), QPointF(receiver->mapToGlobal(at)), button, buttons, modifiers);
    QCoreApplication::sendEvent(receiver, &event);
}
} // namespace

void UiTest::PressKey(UINT vk, Qt::KeyboardModifiers modifiers)
{
    int key = KeyMap::ToQtKey(vk);
    if (vk == VK_TAB && (modifiers & Qt::ShiftModifier))
        key = Qt::Key_Backtab;
    const QString text = TextOf(vk, modifiers);
    SendKey(FocusTarget(), QEvent::KeyPress, key, modifiers, text);
    SendKey(FocusTarget(), QEvent::KeyRelease, key, modifiers, text);
    KeyMap::SetModifiers(Qt::NoModifier);
}

void UiTest::TypeText(const char* utf8)
{
    const QString text = QString::fromUtf8(utf8);
    for (const QChar c : text)
    {
        const QString one(c);
        int key = Qt::Key_unknown;
        if (c.isLetter() && c.toUpper().unicode() < 128)
            key = c.toUpper().unicode();
        else if (c.isDigit() || c == ' ' || c == ',' || c == '.' || c == '-')
            key = c.unicode();
        SendKey(FocusTarget(), QEvent::KeyPress, key, Qt::NoModifier, one);
        SendKey(FocusTarget(), QEvent::KeyRelease, key, Qt::NoModifier, one);
    }
}

void UiTest::TypeInto(CWnd* wnd, const char* utf8)
{
    wnd->SetFocus();
    TypeText(utf8);
}

void UiTest::MouseDown(CWnd* wnd, CPoint client, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    SendMouse(wnd, QEvent::MouseButtonPress, client, button, button, modifiers);
}

void UiTest::MouseUp(CWnd* wnd, CPoint client, Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    SendMouse(wnd, QEvent::MouseButtonRelease, client, button, Qt::NoButton, modifiers);
}

void UiTest::MouseMove(CWnd* wnd, CPoint client, Qt::MouseButtons buttons)
{
    SendMouse(wnd, QEvent::MouseMove, client, Qt::NoButton, buttons, Qt::NoModifier);
}

void UiTest::DoubleClick(CWnd* wnd, CPoint client)
{
    MouseDown(wnd, client);
    MouseUp(wnd, client);
    SendMouse(wnd, QEvent::MouseButtonDblClick, client, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    MouseUp(wnd, client);
}

void UiTest::Click(CWnd* wnd)
{
    CRect r;
    wnd->GetClientRect(&r);
    const CPoint center = r.CenterPoint();
    MouseDown(wnd, center);
    MouseUp(wnd, center);
}
