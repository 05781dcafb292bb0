#pragma once
// A linked list of untyped pointers (not owned).

#include "platform/core/CList.h"

class CPtrList : public CList<void*, void*>
{
};
