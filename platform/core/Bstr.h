#pragma once
// BSTR: a counted string of the OLE calls. Here it holds UTF-8 text; the byte count is
// stored before the first character and a terminating zero follows the last, so a BSTR
// reads as a C string too. A null BSTR is the empty string.

#include "platform/core/WinTypes.h"

using BSTR = char*;
using OLECHAR = char;
using LPOLESTR = char*;
using LPCOLESTR = const char*;

BSTR SysAllocString(const char* text);
BSTR SysAllocStringLen(const char* text, UINT byteCount);
BSTR SysAllocStringByteLen(const char* text, UINT byteCount);
void SysFreeString(BSTR s);
// Bytes of the text (the terminator not counted).
UINT SysStringLen(BSTR s);
UINT SysStringByteLen(BSTR s);
