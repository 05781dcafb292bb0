#pragma once
// The user's hand on a dialog, as the designer's steps use it: buttons pressed, fields typed and
// left, lists chosen, and the answer to the next modal dialog of a template.

#include "platform/core/CString.h"
#include "platform/ui/CComboBox.h"
#include "platform/ui/CDialog.h"
#include "testing/ScriptedAnswers.h"
#include "testing/UiTest.h"

#include <functional>
#include <string>
#include <utility>

namespace DialogHand
{
inline void Press(CDialog& dialog, int id)
{
    UiTest::Click(dialog.GetDlgItem(id));
}

// A press of the mouse on a radio button or a button, as the user makes it.
inline void PressWithMouse(CDialog& dialog, int id)
{
    CWnd* control = dialog.GetDlgItem(id);
    UiTest::MouseDown(control, CPoint(5, 5));
    UiTest::MouseUp(control, CPoint(5, 5));
}

// A check box clicked when it does not show the state wanted.
inline void SetCheck(CDialog& dialog, int id, bool on)
{
    if ((dialog.IsDlgButtonChecked(id) == BST_CHECKED) != on)
        Press(dialog, id);
}

inline void Type(CDialog& dialog, int id, const CString& text)
{
    dialog.SetDlgItemText(id, text);
}

inline void Type(CDialog& dialog, int id, int number)
{
    Type(dialog, id, CString(std::to_string(number)));
}

// Types into a field and leaves it for the next one, so that the field's leaving is handled.
inline void TypeAndLeave(CDialog& dialog, int id, const CString& text, int next)
{
    dialog.GetDlgItem(id)->SetFocus();
    dialog.SetDlgItemText(id, text);
    dialog.GetDlgItem(next)->SetFocus();
}

inline void Choose(CDialog& dialog, int id, int index, UINT notification)
{
    static_cast<CComboBox*>(dialog.GetDlgItem(id))->SetCurSel(index);
    dialog.SendMessage(WM_COMMAND, MAKEWPARAM(id, notification), 0);
}

inline CString Text(CDialog& dialog, int id)
{
    CString text;
    dialog.GetDlgItemText(id, text);
    return text;
}

// The modal dialog of the template: actions at its start, then it ends as they leave it.
inline void AtDialog(UINT templateId, std::function<void(CDialog&)> actions)
{
    ScriptedAnswers::OnDialog(templateId, [actions = std::move(actions)](CDialog& dialog) {
        actions(dialog);
        return IDCANCEL;
    });
}
} // namespace DialogHand
