#pragma once
// A growable array of 16-bit values.

#include "platform/core/CArray.h"

class CWordArray : public CArray<WORD, WORD>
{
};
