#pragma once
// The messages being handled right now, innermost last: what Default() and GetCurrentMessage()
// refer to, and the Qt event behind a message that came from the user.

#include "platform/ui/WinUser.h"

#include <deque>

class CWnd;
class QEvent;
class QObject;

struct MessageFrame
{
    CWnd* wnd = nullptr;
    MSG msg;
    QEvent* event = nullptr;     // the Qt event the message was made of, or none
    QObject* receiver = nullptr; // the object Qt delivered that event to
    bool forwardable = false;    // Default() hands the event to the widget at once
    bool defaultRan = false;
};

class MessageContext
{
public:
    static MessageFrame* Current();
    static void Push(const MessageFrame& frame);
    static MessageFrame Pop();

    // Hands a user event to the widget's own handling, now; input events that Qt sends on while
    // this runs are the widget's own business and are not made into messages again.
    static void Forward(MessageFrame& frame);
    static bool Forwarding() { return s_forwarding > 0; }

    // A modal loop starts fresh: input inside it is made into messages again.
    class ModalScope
    {
    public:
        ModalScope() : m_saved(s_forwarding) { s_forwarding = 0; }
        ~ModalScope() { s_forwarding = m_saved; }
        ModalScope(const ModalScope&) = delete;
        ModalScope& operator=(const ModalScope&) = delete;

    private:
        int m_saved;
    };

    class ForwardScope
    {
    public:
        ForwardScope() { ++s_forwarding; }
        ~ForwardScope() { --s_forwarding; }
        ForwardScope(const ForwardScope&) = delete;
        ForwardScope& operator=(const ForwardScope&) = delete;
    };

private:
    static std::deque<MessageFrame> s_frames; // references stay valid while frames nest
    static int s_forwarding;
};

// Pushes a frame for the lifetime of the object.
class MessageFrameScope
{
public:
    explicit MessageFrameScope(const MessageFrame& frame) { MessageContext::Push(frame); }
    ~MessageFrameScope() { MessageContext::Pop(); }
    MessageFrameScope(const MessageFrameScope&) = delete;
    MessageFrameScope& operator=(const MessageFrameScope&) = delete;
    MessageFrame& Frame() { return *MessageContext::Current(); }
};
