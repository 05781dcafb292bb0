#pragma once
// An array of pointers (CObArray or CPtrArray) that hands them out as the given type.

#include "platform/core/CObArray.h"
#include "platform/core/CPtrArray.h"

template <class BASE_CLASS, class TYPE> class CTypedPtrArray : public BASE_CLASS
{
public:
    TYPE GetAt(INT_PTR i) const { return static_cast<TYPE>(BASE_CLASS::GetAt(i)); }
    TYPE& ElementAt(INT_PTR i) { return reinterpret_cast<TYPE&>(BASE_CLASS::ElementAt(i)); }
    void SetAt(INT_PTR i, TYPE p) { BASE_CLASS::SetAt(i, p); }
    void SetAtGrow(INT_PTR i, TYPE p) { BASE_CLASS::SetAtGrow(i, p); }
    INT_PTR Add(TYPE p) { return BASE_CLASS::Add(p); }
    void InsertAt(INT_PTR i, TYPE p, INT_PTR count = 1) { BASE_CLASS::InsertAt(i, p, count); }
    TYPE operator[](INT_PTR i) const { return GetAt(i); }
    TYPE& operator[](INT_PTR i) { return ElementAt(i); }
};
