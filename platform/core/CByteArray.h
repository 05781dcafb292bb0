#pragma once
// A growable array of bytes.

#include "platform/core/CArray.h"

class CByteArray : public CArray<BYTE, BYTE>
{
};
