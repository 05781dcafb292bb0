#pragma once
// The user's side of a test: what a test answers in place of the user, and what the user would
// have seen. Message boxes, common dialogs (open, save, colour, font, folder) and modal dialogs
// of a template id are each answered in the order they come; off screen one without an answer
// takes its default (a box) or is cancelled (a dialog), so that nothing waits.

#include "platform/core/MessageBox.h"
#include "platform/ui/CommonDialogs.h"
#include "platform/ui/DialogScript.h"

#include <vector>

class ScriptedAnswers
{
public:
    // The next message box ends with answer (IDOK, IDYES, IDNO, ...).
    static void AnswerBox(int answer);
    // The next common dialog ends with result (IDOK, IDCANCEL) and, on IDOK, the value: a path,
    // a colour as "r,g,b", a font as "face,height,weight,italic", a folder.
    static void AnswerCommonDialog(int result, const char* value = "");
    // The next modal dialog of templateId runs action after its OnInitDialog; a dialog that the
    // action leaves open ends with the action's result.
    static void OnDialog(UINT templateId, DialogScript::Action action);

    // Forgets every answer not yet taken and everything shown.
    static void Reset();
    // Forgets what was shown, keeps the answers.
    static void ForgetShown();

    static const std::vector<MessageBoxRequest>& ShownBoxes();
    static const std::vector<CommonDialogRequest>& ShownCommonDialogs();
    // Template ids of the modal dialogs that ran, and of those that found no answer.
    static const std::vector<UINT>& ShownDialogs();
    static const std::vector<UINT>& UnansweredDialogs();
};
