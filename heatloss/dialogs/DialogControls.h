#pragma once
// What the building data dialogs do with their controls: the application icon, texts, and
// controls shown and enabled together.

#include "platform/core/CString.h"

#include <initializer_list>

class CDialog;
class CGridCtrl;

// The application's small icon (resource 128, 16×16) as the dialog's icon.
void SetDialogIcon(CDialog& dialog);
CString ControlText(const CDialog& dialog, int id);
// Shows and enables the controls, or hides and disables them.
void ShowControls(CDialog& dialog, std::initializer_list<int> ids, bool show);
// Puts the grid in the place of the dialog's placeholder control of the same id (child,
// visible, bordered, tab stop).
void CreateGridOverPlaceholder(CDialog& dialog, int id, CGridCtrl& grid);
