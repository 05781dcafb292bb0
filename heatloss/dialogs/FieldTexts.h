#pragma once
// Numbers as the input dialogs show them: whole numbers "%ld", decimals in the user's number
// notation.

#include "platform/core/CString.h"

CString WholeText(long value);
CString RealText(const char* format, double value);
