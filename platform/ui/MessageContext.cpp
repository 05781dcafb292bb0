#include "platform/ui/MessageContext.h"

#include <QCoreApplication>
#include <QEvent>

#include <memory>

std::deque<MessageFrame> MessageContext::s_frames;
int MessageContext::s_forwarding = 0;

MessageFrame* MessageContext::Current()
{
    return s_frames.empty() ? nullptr : &s_frames.back();
}

void MessageContext::Push(const MessageFrame& frame)
{
    s_frames.push_back(frame);
}

MessageFrame MessageContext::Pop()
{
    MessageFrame f = s_frames.back();
    s_frames.pop_back();
    return f;
}

void MessageContext::Forward(MessageFrame& frame)
{
    if (!frame.event || !frame.receiver || frame.defaultRan)
        return;
    frame.defaultRan = true;
    std::unique_ptr<QEvent> copy(frame.event->clone());
    ForwardScope scope;
    QCoreApplication::sendEvent(frame.receiver, copy.get());
}
