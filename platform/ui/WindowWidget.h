#pragma once
// The widget of a window of a registered (non-control) class and of dialogs: a scroll area whose
// viewport is the client area, so that WS_HSCROLL and WS_VSCROLL give the window its own scroll
// bars beside the client area.

#include <QAbstractScrollArea>

class WindowWidget : public QAbstractScrollArea
{
public:
    explicit WindowWidget(QWidget* parent);

    void SetFramed(bool framed);
    void ShowBar(Qt::Orientation orientation, bool show);
    // A hidden widget gets no resize events: this fits the client area to the widget's size now.
    void FitViewport();

protected:
    void scrollContentsBy(int dx, int dy) override;
    QSize sizeHint() const override { return size(); }
};
