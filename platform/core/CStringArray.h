#pragma once
// A growable array of texts.

#include "platform/core/CArray.h"
#include "platform/core/CString.h"

class CStringArray : public CArray<CString, const CString&>
{
};
