#pragma once
// The failure values of the bridge's VARIANT results.

#include "platform/core/Variant.h"

inline VARIANT EmptyValue()
{
    VARIANT v;
    VariantInit(&v);
    return v;
}

// VT_ERROR with the code of a missing value.
inline VARIANT ErrorValue()
{
    VARIANT v;
    VariantInit(&v);
    v.vt = VT_ERROR;
    v.scode = DISP_E_PARAMNOTFOUND;
    return v;
}
