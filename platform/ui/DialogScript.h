#pragma once
// Scripting of modal dialogs for tests: the action queued for a template id runs on the next
// modal dialog of that id once its OnInitDialog has run, inside its modal loop; when the action
// leaves the dialog open, the dialog ends with the action's result.
//
// Off screen no one can answer a dialog: a modal dialog without a queued action then ends at once
// with IDCANCEL and is listed as unexpected, so that nothing hangs.

#include "platform/ui/WinUser.h"

#include <functional>
#include <vector>

class CDialog;

class DialogScript
{
public:
    using Action = std::function<int(CDialog& dialog)>;

    static void OnNext(UINT templateId, Action action);
    static void Clear();
    static void ClearShown();
    // Template ids of the modal dialogs that ran, in order, and of those that found no action.
    static const std::vector<UINT>& Shown();
    static const std::vector<UINT>& Unexpected();

    // Called by CDialog::DoModal after OnInitDialog, with the dialog shown and its loop about to run.
    static void Start(CDialog& dialog);
};
