#pragma once
// A button that looks like a link: its caption underlined in the link colour, a hand cursor.
// The dialog that holds it opens the address when it is clicked.

#include "platform/ui/CButton.h"

class CLinkButton : public CButton
{
protected:
    void PreSubclassWindow() override;
};
