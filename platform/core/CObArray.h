#pragma once
// A growable array of pointers to objects (not owned).

#include "platform/core/CArray.h"

class CObArray : public CArray<CObject*, CObject*>
{
};
