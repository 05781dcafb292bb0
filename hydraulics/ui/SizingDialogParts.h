#pragma once
// The messages of the sizing dialogs.

#include "platform/core/CString.h"
#include "platform/ui/WinUser.h"

class CWnd;

// A string-table message with the warning caption (the question caption for MB_YESNO), its
// format given the text and the number in this order.
int ShowSizingMessage(CWnd& owner, UINT stringId, UINT type, const CString& argument = CString(), int number = 0);
// A string-table message whose format takes one number.
int ShowSizingNumberMessage(CWnd& owner, UINT stringId, UINT type, int number);
