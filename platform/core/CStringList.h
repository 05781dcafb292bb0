#pragma once
// A linked list of texts.

#include "platform/core/CList.h"
#include "platform/core/CString.h"

class CStringList : public CList<CString, const CString&>
{
};
