#include "platform/ui/DialogScript.h"

#include "platform/ui/CDialog.h"

#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <utility>

namespace
{
struct Entry
{
    UINT id;
    DialogScript::Action action;
};

std::deque<Entry>& Queue()
{
    static std::deque<Entry> queue;
    return queue;
}

std::vector<UINT> g_shown;
std::vector<UINT> g_unexpected;

bool NoOneToAsk()
{
    return QGuiApplication::platformName() == "offscreen";
}
} // namespace

void DialogScript::OnNext(UINT templateId, Action action)
{
    Queue().push_back({templateId, std::move(action)});
}

void DialogScript::Clear()
{
    Queue().clear();
    g_shown.clear();
    g_unexpected.clear();
}

void DialogScript::ClearShown()
{
    g_shown.clear();
    g_unexpected.clear();
}

const std::vector<UINT>& DialogScript::Shown()
{
    return g_shown;
}
const std::vector<UINT>& DialogScript::Unexpected()
{
    return g_unexpected;
}

void DialogScript::Start(CDialog& dialog)
{
    const UINT id = dialog.m_nIDTemplate;
    g_shown.push_back(id);
    auto& queue = Queue();
    for (auto it = queue.begin(); it != queue.end(); ++it)
    {
        if (it->id != id)
            continue;
        Action action = std::move(it->action);
        queue.erase(it);
        QPointer<QWidget> widget = dialog.GetWidget();
        CDialog* target = &dialog;
        QTimer::singleShot(0, widget,
                           [widget, target, action = std::move(action)]
                           {
                               if (!widget || CWnd::FromHandle(CWnd::HandleOf(widget)) != target ||
                                   !target->IsModalRunning())
                                   return;
                               const int code = action(*target);
                               if (widget && CWnd::FromHandle(CWnd::HandleOf(widget)) == target &&
                                   target->IsModalRunning())
                                   target->EndDialog(code);
                           });
        return;
    }
    if (NoOneToAsk())
    {
        g_unexpected.push_back(id);
        dialog.EndDialog(IDCANCEL);
    }
}
