#pragma once
// A map of texts to untyped pointers (not owned).

#include "platform/core/CMap.h"
#include "platform/core/CString.h"

class CMapStringToPtr : public CMap<CString, const char*, void*, void*>
{
};
