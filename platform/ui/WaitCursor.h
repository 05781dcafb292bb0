#pragma once
// The hourglass shown while long work blocks the user interface; calls nest.

class WaitCursor
{
public:
    static void Begin();
    static void End();
    static void Restore();
    static int Depth();
};

// Shows the wait cursor for the lifetime of the object.
class CWaitCursor
{
public:
    CWaitCursor() { WaitCursor::Begin(); }
    ~CWaitCursor() { WaitCursor::End(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
    void Restore() { WaitCursor::Restore(); }
};
