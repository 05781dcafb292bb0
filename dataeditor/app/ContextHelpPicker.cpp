#include "dataeditor/app/ContextHelpPicker.h"

#include "platform/frame/CFrameWnd.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QToolButton>

ContextHelpPicker::ContextHelpPicker(CFrameWnd* frame) : m_frame(frame) {}

ContextHelpPicker::~ContextHelpPicker() { Stop(); }

void ContextHelpPicker::Start()
{
    if (m_active)
        return;
    m_active = true;
    qApp->installEventFilter(this);
    QApplication::setOverrideCursor(Qt::WhatsThisCursor);
}

void ContextHelpPicker::Stop()
{
    if (!m_active)
        return;
    m_active = false;
    qApp->removeEventFilter(this);
    QApplication::restoreOverrideCursor();
}

UINT ContextHelpPicker::ContextOf(const QWidget* widget) const
{
    for (; widget; widget = widget->parentWidget())
        if (const auto* button = qobject_cast<const QToolButton*>(widget))
            if (const QAction* action = button->defaultAction(); action && action->data().toUInt() != 0)
                return action->data().toUInt();
    return m_frame->m_nIDHelp;
}

bool ContextHelpPicker::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
    {
        Stop();
        return true;
    }
    auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() != QEvent::MouseButtonPress || !widget)
        return false;
    const UINT context = ContextOf(widget);
    Stop();
    m_frame->WinHelp(context, HELP_CONTEXT);
    return true;
}
