#include "app/CLinkButton.h"

#include <QWidget>

void CLinkButton::PreSubclassWindow()
{
    CButton::PreSubclassWindow();
    if (QWidget* widget = GetWidget())
    {
        widget->setStyleSheet(QStringLiteral(
            "QPushButton { color: #0645ad; text-decoration: underline; border: none; background: transparent;"
            " text-align: left; }"));
        widget->setCursor(Qt::PointingHandCursor);
    }
}
