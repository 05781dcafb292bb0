#pragma once
// SAFEARRAY: the arrays that automation values carry (VT_ARRAY | element type).
//
// Bounds are given in dimension order here, the first dimension first; SafeArrayGetLBound and
// SafeArrayGetUBound count dimensions from 1, and the index lists of SafeArrayGetElement and
// SafeArrayPutElement name the first dimension first. The first index varies fastest, so
// growing the last dimension (SafeArrayRedim) keeps every element in place.
//
// Elements of type VT_I2, VT_I4, VT_R4, VT_R8, VT_BOOL, VT_ERROR, VT_BSTR, VT_DISPATCH and
// VT_VARIANT. Get passes a pointer to a value of the element type; put passes the same, except
// that a BSTR and an IDispatch* are passed themselves. Texts, objects and VARIANTs are copied
// both ways (a reference added), so the array and the caller each own theirs.

#include "platform/core/Variant.h"

#include <vector>

struct SAFEARRAYBOUND
{
    ULONG cElements;
    LONG lLbound;
};

struct SAFEARRAY
{
    VARTYPE vt = VT_EMPTY;
    std::vector<SAFEARRAYBOUND> bounds;
    std::vector<VARIANT> items; // every element as a VARIANT of the element type
};
using LPSAFEARRAY = SAFEARRAY*;

constexpr HRESULT DISP_E_BADINDEX = HRESULT(0x8002000Bu);
constexpr HRESULT E_POINTER = HRESULT(0x80004003u);

// Null for an unsupported element type or no dimension.
SAFEARRAY* SafeArrayCreate(VARTYPE vt, UINT cDims, const SAFEARRAYBOUND* rgsabound);
SAFEARRAY* SafeArrayCreateVector(VARTYPE vt, LONG lLbound, ULONG cElements);
HRESULT SafeArrayDestroy(SAFEARRAY* psa);
HRESULT SafeArrayCopy(SAFEARRAY* psa, SAFEARRAY** ppsaOut);
UINT SafeArrayGetDim(SAFEARRAY* psa);
HRESULT SafeArrayGetVartype(SAFEARRAY* psa, VARTYPE* pvt);
HRESULT SafeArrayGetLBound(SAFEARRAY* psa, UINT nDim, LONG* plLbound);
HRESULT SafeArrayGetUBound(SAFEARRAY* psa, UINT nDim, LONG* plUbound);
HRESULT SafeArrayGetElement(SAFEARRAY* psa, const LONG* rgIndices, void* pv);
HRESULT SafeArrayPutElement(SAFEARRAY* psa, const LONG* rgIndices, const void* pv);
// Makes VariantClear and VariantCopy free and copy arrays and objects (done when the automation
// part loads, and again by AfxOleInit).
void SafeArrayInstallVariantHooks();
// Changes the bounds of the last dimension; elements beyond the new end are freed, new ones empty.
HRESULT SafeArrayRedim(SAFEARRAY* psa, const SAFEARRAYBOUND* psaboundNew);
