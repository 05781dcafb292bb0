#pragma once
// A dBASE III table comes in through the converter: copied under a numbered name into a
// private work folder, converted to code page 1250 into the next number by the program
// beside the editor, and opened from there.

#include "platform/core/CString.h"

class CData;

// The converted table's path, open in data with its table open; "" on any failure (then no
// work folder is left). The converter runs at most timeoutMs and is ended after that.
CString ConvertDbaseFile(CData& data, const CString& source, const CString& switches, const CString& converter,
                         int timeoutMs = 60000);
// Removes the converted table with its memo file and its work folder.
void RemoveConvertedFile(const CString& converted);
