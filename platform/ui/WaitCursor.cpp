#include "platform/ui/WaitCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace
{
int g_depth = 0;
}

void WaitCursor::Begin()
{
    if (g_depth++ == 0 && qGuiApp)
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void WaitCursor::End()
{
    if (g_depth == 0)
        return;
    if (--g_depth == 0 && qGuiApp)
        QGuiApplication::restoreOverrideCursor();
}

void WaitCursor::Restore()
{
    if (g_depth > 0 && qGuiApp && !QGuiApplication::overrideCursor())
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

int WaitCursor::Depth()
{
    return g_depth;
}
