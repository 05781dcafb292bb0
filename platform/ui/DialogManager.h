#pragma once
// The dialog manager's keyboard rules: Tab and Shift+Tab walk the tab stops, arrows walk a group,
// Enter runs the default button (or the focused push button), Escape runs IDCANCEL; a control
// keeps a key it claims through WM_GETDLGCODE.

#include "platform/ui/WinUser.h"

#include <vector>

class CWnd;

class DialogManager
{
public:
    static BOOL Handle(CWnd* dialog, MSG* msg);
    // Alt with the letter a control's text marks with '&': a label passes the focus to the next
    // control, a button is clicked, any other control takes the focus.
    static BOOL Mnemonic(CWnd* dialog, MSG* msg);
    // Tab stops of the dialog in tab order (descending into WS_EX_CONTROLPARENT children).
    static std::vector<CWnd*> TabStops(const CWnd* dialog);
    static CWnd* NextTabItem(const CWnd* dialog, CWnd* control, BOOL previous);
    static CWnd* NextGroupItem(const CWnd* dialog, CWnd* control, BOOL previous);
    // Moves the focus to a control as the dialog manager does: an edit gets all its text selected.
    static void GotoControl(CWnd* control);
    // The id the Enter key runs: the focused push button's, else the default id, else IDOK.
    static int EnterCommandId(CWnd* dialog, CWnd* focus);
};
