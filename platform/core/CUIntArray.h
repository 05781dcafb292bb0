#pragma once
// A growable array of unsigned integers.

#include "platform/core/CArray.h"

class CUIntArray : public CArray<UINT, UINT>
{
};
