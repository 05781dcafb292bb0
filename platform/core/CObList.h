#pragma once
// A linked list of pointers to objects (not owned).

#include "platform/core/CList.h"

class CObList : public CList<CObject*, CObject*>
{
};
