#pragma once
// The "what is this?" mode of the main window: the cursor turns into a question mark, the next
// click opens the help of what it hit (a tool bar button's command, else the window's own
// help) instead of acting on it; Escape ends the mode without help.

#include "platform/core/WinTypes.h"

#include <QObject>

class CFrameWnd;
class QWidget;

class ContextHelpPicker : public QObject
{
public:
    explicit ContextHelpPicker(CFrameWnd* frame);
    ~ContextHelpPicker() override;

    void Start();
    void Stop();
    bool IsActive() const { return m_active; }

    // A tool bar button's command, else the frame's own help context.
    UINT ContextOf(const QWidget* widget) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CFrameWnd* m_frame;
    bool m_active = false;
};
