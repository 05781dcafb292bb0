#pragma once
// A growable array of 32-bit values.

#include "platform/core/CArray.h"

class CDWordArray : public CArray<DWORD, DWORD>
{
};
