#pragma once
// Signals of a control's widget reach the control object that has the widget when they come:
// a control taken over by another object (SubclassWindow, DDX_Control) speaks through that
// object, and nothing reaches the object it replaced.

#include "platform/ui/WindowRegistry.h"

#include <QObject>
#include <QWidget>

template <class Control>
Control* ControlOf(const QWidget* widget)
{
    return dynamic_cast<Control*>(WindowRegistry::Find(widget));
}

// handler(Control&, signal arguments...) runs on the object that has `widget` now; `sender` is
// the widget or one of its parts.
template <class Control, class Sender, class Signal, class Handler>
void ConnectControl(QWidget* widget, Sender* sender, Signal signal, Handler handler)
{
    QObject::connect(sender, signal, sender,
                     [widget, handler](auto... args)
                     {
                         if (Control* control = ControlOf<Control>(widget))
                             handler(*control, args...);
                     });
}
