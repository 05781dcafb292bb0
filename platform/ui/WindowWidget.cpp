#include "platform/ui/WindowWidget.h"

#include <QScrollBar>

WindowWidget::WindowWidget(QWidget* parent) : QAbstractScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::NoFocus);
    viewport()->setAutoFillBackground(false);
    viewport()->setMouseTracking(true);
    setMouseTracking(true);
}

void WindowWidget::SetFramed(bool framed)
{
    setFrameShape(framed ? QFrame::StyledPanel : QFrame::NoFrame);
    setFrameShadow(QFrame::Sunken);
}

void WindowWidget::ShowBar(Qt::Orientation orientation, bool show)
{
    const Qt::ScrollBarPolicy policy = show ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
    if (orientation == Qt::Horizontal)
        setHorizontalScrollBarPolicy(policy);
    else
        setVerticalScrollBarPolicy(policy);
}

void WindowWidget::FitViewport()
{
    if (!isVisible())
        setViewportMargins(viewportMargins());
}

void WindowWidget::scrollContentsBy(int, int)
{
    // The window scrolls its contents itself in its WM_HSCROLL and WM_VSCROLL handlers.
}
