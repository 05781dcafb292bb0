#pragma once
// Routines the whole program uses: number texts in the user's notation, registry texts,
// display texts of variants, and paths.

#include "platform/core/CString.h"
#include "platform/core/WinTypes.h"

struct VARIANT;
class COleVariant;

// The text with the user locale's decimal separator in place of the other one, so that a
// number typed with either separator reads right.
CString LocalizeDecimalSeparator(CString text);

// The text of a registry value (any length); empty when the key or the value is missing.
CString ReadRegistryString(HKEY root, const char* keyPath, const char* valueName);

// The display text of a value; decimals -1 mean none.
CString FormatVariant(const COleVariant& value, int decimals);

// A number written to the settings: "%f", trailing zeros removed, the separator kept.
CString SettingNumberText(double value);

// folder + '/' + name; a separator already ending the folder is not doubled.
CString JoinPath(const CString& folder, const CString& name);
