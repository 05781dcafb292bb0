#pragma once
// The column type text: "dbBoolean" ... "dbMemo", optionally followed by ";" and the number of
// decimals. Used by the column information table, the delimited-text import and export.

#include "platform/core/CString.h"

namespace ColumnTypeCodec
{
// The type code of the first type name that occurs in the text (-1 for none); decimals: the
// number after the last ";" (-2 when there is none, or ";" is first or last).
int Decode(const CString& text, int& decimals);
CString Encode(int type, int decimals, bool addDecimals);
} // namespace ColumnTypeCodec
