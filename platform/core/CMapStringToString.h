#pragma once
// A map of texts to texts.

#include "platform/core/CMap.h"
#include "platform/core/CString.h"

class CMapStringToString : public CMap<CString, const char*, CString, const char*>
{
};
