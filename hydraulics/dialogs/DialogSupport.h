#pragma once
// What the radiator and split dialogs share: the application icon, whole-text selection of a
// field and read-only fields.

#include "platform/core/CString.h"

#include <initializer_list>

class CDialog;
class CWnd;

// The application's small icon (resource 128) as the dialog's icon.
void SetApplicationIcon(CDialog& dialog);
// Selects the field's whole text and puts the focus on it.
void SelectField(CDialog& dialog, int id);
void SetFieldReadOnly(CDialog& dialog, int id, bool readOnly);
CString FieldText(const CDialog& dialog, int id);
// Enables or disables a group of controls.
void EnableControls(CDialog& dialog, std::initializer_list<int> ids, bool enable);
