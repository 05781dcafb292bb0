#include "testing/ScriptedAnswers.h"

#include <utility>

void ScriptedAnswers::AnswerBox(int answer)
{
    MessageBoxes::AnswerNext(answer);
}

void ScriptedAnswers::AnswerCommonDialog(int result, const char* value)
{
    CommonDialogScript::AnswerNext(result, value);
}

void ScriptedAnswers::OnDialog(UINT templateId, DialogScript::Action action)
{
    DialogScript::OnNext(templateId, std::move(action));
}

void ScriptedAnswers::Reset()
{
    MessageBoxes::ClearScript();
    MessageBoxes::ClearShown();
    CommonDialogScript::Clear();
    DialogScript::Clear();
}

void ScriptedAnswers::ForgetShown()
{
    MessageBoxes::ClearShown();
    CommonDialogScript::ClearShown();
    DialogScript::ClearShown();
}

const std::vector<MessageBoxRequest>& ScriptedAnswers::ShownBoxes()
{
    return MessageBoxes::Shown();
}

const std::vector<CommonDialogRequest>& ScriptedAnswers::ShownCommonDialogs()
{
    return CommonDialogScript::Shown();
}

const std::vector<UINT>& ScriptedAnswers::ShownDialogs()
{
    return DialogScript::Shown();
}

const std::vector<UINT>& ScriptedAnswers::UnansweredDialogs()
{
    return DialogScript::Unexpected();
}
