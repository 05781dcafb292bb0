#pragma once
// What the sizing dialogs share: the program's icon, a grid in place of a placeholder control,
// and their messages.

#include "platform/core/CString.h"
#include "platform/ui/WinUser.h"

class CGridCtrl;
class CWnd;

void SetProgramIcon(CWnd& dialog);
// Creates the grid over the placeholder control with that id and destroys the placeholder.
void ReplacePlaceholderByGrid(CWnd& dialog, int placeholderId, CGridCtrl& grid);
// A string-table message with the warning caption (the question caption for MB_YESNO), its
// format given the text and the number in this order.
int ShowSizingMessage(CWnd& owner, UINT stringId, UINT type, const CString& argument = CString(), int number = 0);
// A string-table message whose format takes one number.
int ShowSizingNumberMessage(CWnd& owner, UINT stringId, UINT type, int number);
