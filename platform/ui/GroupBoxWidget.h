#pragma once
// The group box of a dialog template drawn as the template's metrics place it: the title in the
// dialog font at the top, the etched frame from the middle of the title down, so that controls
// the template puts below the title band (one font height, 8 dialog units) never meet a line,
// whatever style the toolkit draws its own group boxes in.

#include <QGroupBox>

class GroupBoxWidget : public QGroupBox
{
public:
    using QGroupBox::QGroupBox;

    // The title's box inside the widget; empty without a title.
    QRect TitleRect() const;
    // The distance of the frame's top line from the widget's top: half the title height.
    int FrameTop() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
