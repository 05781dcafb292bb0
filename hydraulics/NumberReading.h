#pragma once
// Number texts of sheets and fields as the hydraulics read them.

#include "platform/core/CString.h"

// The number at the start of the text, with either decimal separator; 0 for an empty text,
// a text that starts with no number, and one that reads as infinite or not a number.
double ReadNumber(const CString& text);

// The whole number at the start of the text, 0 when there is none.
int ReadInteger(const CString& text);

// The whole number as "%d".
CString WriteInteger(int value);

// The value as printf writes it under the format; a value that is not finite is written as 0.
CString WriteNumber(const char* format, double value);

// The same with '.' as the decimal separator whatever the desktop's: for numbers inside stored
// texts (route entries), so that a project reads alike on every desktop.
CString WriteStoredNumber(const char* format, double value);

// The value as the format writes it when that text reads back as the value; otherwise the
// shortest text that does (with the format's decimal separator). A stored value keeps every
// digit typed or computed, while values the format holds exactly keep their usual text.
CString WriteExactNumber(const char* format, double value);
