#include "platform/ui/GroupBoxWidget.h"

#include <QPainter>

#include <algorithm>

QRect GroupBoxWidget::TitleRect() const
{
    if (title().isEmpty())
        return QRect();
    const QFontMetrics metrics(font());
    // The title starts one average character in, with a little room on both sides of its text.
    const int gap = std::max(2, metrics.averageCharWidth() / 3);
    return QRect(metrics.averageCharWidth() - gap, 0, metrics.horizontalAdvance(title()) + 2 * gap, metrics.height());
}

int GroupBoxWidget::FrameTop() const
{
    return QFontMetrics(font()).height() / 2;
}

void GroupBoxWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect titleRect = TitleRect();
    QRegion frameRegion(rect());
    if (!titleRect.isEmpty())
        frameRegion -= titleRect;
    painter.setClipRegion(frameRegion);
    // An etched line: a shadow line and a light one beside it.
    const QRect frame(0, FrameTop(), width() - 2, height() - FrameTop() - 2);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(frame);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.translated(1, 1));
    painter.setClipping(false);
    if (titleRect.isEmpty())
        return;
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(titleRect, Qt::AlignCenter | Qt::TextSingleLine, title());
}
