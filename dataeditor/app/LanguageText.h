#pragma once
// Texts of the language pack in force by string id.

#include "platform/core/CString.h"

CString LanguageText(UINT id);
// The text with its one "%s" filled in.
CString LanguageFormat(UINT id, const CString& argument);
