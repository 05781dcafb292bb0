#pragma once
// A growable array of untyped pointers (not owned).

#include "platform/core/CArray.h"

class CPtrArray : public CArray<void*, void*>
{
};
