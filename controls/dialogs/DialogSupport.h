#pragma once
// What the program's dialogs do alike with their controls: the program's icon, a grid put in
// the place of a placeholder control, field texts, selection, and controls enabled or shown
// together.

#include "platform/core/CString.h"

#include <initializer_list>

class CDialog;
class CGridCtrl;
class CWnd;

// The program's small icon (resource 128, 16×16) as the dialog's icon.
void SetProgramIcon(CWnd& dialog);
// Creates the grid over the placeholder control with that id (child, visible, bordered, tab
// stop) and destroys the placeholder.
void ReplacePlaceholderByGrid(CWnd& dialog, int placeholderId, CGridCtrl& grid);
CString FieldText(const CWnd& dialog, int id);
// Selects the field's whole text and puts the focus on it.
void SelectField(CDialog& dialog, int id);
void SetFieldReadOnly(CWnd& dialog, int id, bool readOnly);
// Enables or disables a group of controls.
void EnableControls(CWnd& dialog, std::initializer_list<int> ids, bool enable);
// Shows and enables the controls, or hides and disables them.
void ShowControls(CWnd& dialog, std::initializer_list<int> ids, bool show);
