#include "platform/core/MessageBox.h"

#include "platform/core/CException.h"

#include <cstdio>
#include <deque>

namespace
{
struct State
{
    MessageBoxes::Presenter presenter;
    CString caption = "kalvenrod";
    std::deque<int> script;
    std::vector<MessageBoxRequest> shown;
};

State& TheState()
{
    static State state;
    return state;
}

// Enough to read back what a run showed, never unbounded.
constexpr std::size_t MaxRecorded = 1000;
} // namespace

int MessageBoxRequest::DefaultAnswer() const
{
    static const int answers[][3] = {
        {IDOK, IDOK, IDOK},      {IDOK, IDCANCEL, IDCANCEL}, {IDABORT, IDRETRY, IDIGNORE},
        {IDYES, IDNO, IDCANCEL}, {IDYES, IDNO, IDNO},        {IDRETRY, IDCANCEL, IDCANCEL},
    };
    const UINT buttons = Buttons() <= MB_RETRYCANCEL ? Buttons() : MB_OK;
    const UINT which = std::min<UINT>((type & MB_DEFMASK) >> 8, 2);
    return answers[buttons][which];
}

namespace MessageBoxes
{
void SetPresenter(Presenter presenter)
{
    TheState().presenter = std::move(presenter);
}

void SetDefaultCaption(const char* caption)
{
    TheState().caption = caption ? caption : "";
}

CString DefaultCaption()
{
    return TheState().caption;
}

int Show(const MessageBoxRequest& request)
{
    State& state = TheState();
    if (state.shown.size() < MaxRecorded)
        state.shown.push_back(request);
    if (!state.script.empty())
    {
        const int answer = state.script.front();
        state.script.pop_front();
        return answer;
    }
    if (state.presenter)
        return state.presenter(request);
    std::fprintf(stderr, "[%s] %s\n", request.caption.GetString(), request.text.GetString());
    return request.DefaultAnswer();
}

void AnswerNext(int answer)
{
    TheState().script.push_back(answer);
}
void ClearScript()
{
    TheState().script.clear();
}
const std::vector<MessageBoxRequest>& Shown()
{
    return TheState().shown;
}
void ClearShown()
{
    TheState().shown.clear();
}
} // namespace MessageBoxes

int AfxMessageBox(const char* text, UINT type, UINT)
{
    MessageBoxRequest request;
    request.text = text ? text : "";
    request.caption = MessageBoxes::DefaultCaption();
    request.type = type;
    return MessageBoxes::Show(request);
}

int AfxMessageBox(UINT stringId, UINT type, UINT)
{
    CString text;
    text.LoadString(stringId);
    return AfxMessageBox(text, type);
}

int MessageBox(HWND owner, const char* text, const char* caption, UINT type)
{
    MessageBoxRequest request;
    request.owner = owner;
    request.text = text ? text : "";
    request.caption = caption ? caption : "Error";
    request.type = type;
    return MessageBoxes::Show(request);
}

int CException::ReportError(UINT type, UINT messageId) const
{
    CString text = GetMessageText();
    if (text.IsEmpty() && messageId != 0)
        text.LoadString(messageId);
    if (text.IsEmpty())
        text = "Došlo k neznámé chybě.";
    return AfxMessageBox(text, type == 0 ? MB_OK | MB_ICONEXCLAMATION : type);
}
