#pragma once
// What the room, wall and opening dialogs share: Enter moves to the next field (only their
// own "&OK" closes them), an edit field selects its whole text when it gets the focus, a
// refused field gets the focus with its text selected (a number outside its range with a box
// that says so), and the CAD buttons follow the chosen CAD program.

#include "heatloss/InputRanges.h"
#include "platform/ui/CDialog.h"

class CVorbica;

class CElementDialog : public CDialog
{
public:
    using CDialog::CDialog;

protected:
    void OnOK() override;
    afx_msg void OnFieldFocused(UINT id);
    void Focus(int id);
    // True when the field's value lies within the range of its input field; otherwise a box
    // names the field, the text typed and the range, and the field gets the focus. A typed
    // number that is not finite ("1e999") is never within range.
    bool Accepts(int id, InputField field, double value);
    // Binds the button; without a CAD program it is disabled and hidden, with one it shows
    // the CAD icon when offered.
    void SetUpCadButton(CVorbica& button, int id, bool offered = true);
};
