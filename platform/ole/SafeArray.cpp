#include "platform/ole/SafeArray.h"

#include "platform/ole/Dispatch.h"

#include <cstring>

namespace
{
bool IsElementType(VARTYPE vt)
{
    switch (vt)
    {
    case VT_I2:
    case VT_I4:
    case VT_R4:
    case VT_R8:
    case VT_BOOL:
    case VT_ERROR:
    case VT_BSTR:
    case VT_DISPATCH:
    case VT_VARIANT:
        return true;
    default:
        return false;
    }
}

std::size_t ElementCount(const std::vector<SAFEARRAYBOUND>& bounds)
{
    std::size_t n = 1;
    for (const SAFEARRAYBOUND& b : bounds)
        n *= b.cElements;
    return n;
}

VARIANT EmptyElement(VARTYPE vt)
{
    VARIANT v;
    VariantInit(&v);
    if (vt != VT_VARIANT)
        v.vt = vt;
    return v;
}

// The place of an element; false when an index lies outside its dimension.
bool Offset(const SAFEARRAY& a, const LONG* indices, std::size_t& offset)
{
    offset = 0;
    std::size_t stride = 1;
    for (std::size_t d = 0; d < a.bounds.size(); ++d)
    {
        const LONG i = indices[d] - a.bounds[d].lLbound;
        if (i < 0 || ULONG(i) >= a.bounds[d].cElements)
            return false;
        offset += std::size_t(i) * stride;
        stride *= a.bounds[d].cElements;
    }
    return true;
}

void AddRefObject(IUnknown* object)
{
    object->AddRef();
}

void ReleaseObject(IUnknown* object)
{
    object->Release();
}

const bool g_hooksInstalled = (SafeArrayInstallVariantHooks(), true);
} // namespace

void SafeArrayInstallVariantHooks()
{
    VariantOwnedHooks hooks;
    hooks.copyArray = &SafeArrayCopy;
    hooks.destroyArray = &SafeArrayDestroy;
    hooks.addRef = &AddRefObject;
    hooks.release = &ReleaseObject;
    SetVariantOwnedHooks(hooks);
}

SAFEARRAY* SafeArrayCreate(VARTYPE vt, UINT cDims, const SAFEARRAYBOUND* rgsabound)
{
    if (!IsElementType(vt) || cDims == 0 || !rgsabound)
        return nullptr;
    auto* array = new SAFEARRAY;
    array->vt = vt;
    array->bounds.assign(rgsabound, rgsabound + cDims);
    array->items.assign(ElementCount(array->bounds), EmptyElement(vt));
    return array;
}

SAFEARRAY* SafeArrayCreateVector(VARTYPE vt, LONG lLbound, ULONG cElements)
{
    const SAFEARRAYBOUND bound{cElements, lLbound};
    return SafeArrayCreate(vt, 1, &bound);
}

HRESULT SafeArrayDestroy(SAFEARRAY* psa)
{
    if (!psa)
        return S_OK;
    for (VARIANT& item : psa->items)
        VariantClear(&item);
    delete psa;
    return S_OK;
}

HRESULT SafeArrayCopy(SAFEARRAY* psa, SAFEARRAY** ppsaOut)
{
    if (!ppsaOut)
        return E_POINTER;
    *ppsaOut = nullptr;
    if (!psa)
        return S_OK;
    auto* copy = new SAFEARRAY;
    copy->vt = psa->vt;
    copy->bounds = psa->bounds;
    copy->items.reserve(psa->items.size());
    for (const VARIANT& item : psa->items)
    {
        VARIANT v;
        VariantInit(&v);
        const HRESULT hr = VariantCopy(&v, &item);
        copy->items.push_back(v);
        if (FAILED(hr))
        {
            SafeArrayDestroy(copy);
            return hr;
        }
    }
    *ppsaOut = copy;
    return S_OK;
}

UINT SafeArrayGetDim(SAFEARRAY* psa)
{
    return psa ? UINT(psa->bounds.size()) : 0;
}

HRESULT SafeArrayGetVartype(SAFEARRAY* psa, VARTYPE* pvt)
{
    if (!psa || !pvt)
        return E_INVALIDARG;
    *pvt = psa->vt;
    return S_OK;
}

HRESULT SafeArrayGetLBound(SAFEARRAY* psa, UINT nDim, LONG* plLbound)
{
    if (!psa || !plLbound)
        return E_INVALIDARG;
    if (nDim == 0 || nDim > psa->bounds.size())
        return DISP_E_BADINDEX;
    *plLbound = psa->bounds[nDim - 1].lLbound;
    return S_OK;
}

HRESULT SafeArrayGetUBound(SAFEARRAY* psa, UINT nDim, LONG* plUbound)
{
    if (!psa || !plUbound)
        return E_INVALIDARG;
    if (nDim == 0 || nDim > psa->bounds.size())
        return DISP_E_BADINDEX;
    const SAFEARRAYBOUND& b = psa->bounds[nDim - 1];
    *plUbound = b.lLbound + LONG(b.cElements) - 1;
    return S_OK;
}

HRESULT SafeArrayGetElement(SAFEARRAY* psa, const LONG* rgIndices, void* pv)
{
    std::size_t at = 0;
    if (!psa || !rgIndices || !pv)
        return E_INVALIDARG;
    if (!Offset(*psa, rgIndices, at))
        return DISP_E_BADINDEX;
    const VARIANT& item = psa->items[at];
    switch (psa->vt)
    {
    case VT_I2:
        *static_cast<SHORT*>(pv) = item.iVal;
        return S_OK;
    case VT_I4:
        *static_cast<LONG*>(pv) = item.lVal;
        return S_OK;
    case VT_ERROR:
        *static_cast<SCODE*>(pv) = item.scode;
        return S_OK;
    case VT_R4:
        *static_cast<float*>(pv) = item.fltVal;
        return S_OK;
    case VT_R8:
        *static_cast<double*>(pv) = item.dblVal;
        return S_OK;
    case VT_BOOL:
        *static_cast<VARIANT_BOOL*>(pv) = item.boolVal;
        return S_OK;
    case VT_BSTR:
        *static_cast<BSTR*>(pv) = item.bstrVal ? SysAllocStringByteLen(item.bstrVal, SysStringByteLen(item.bstrVal))
                                               : nullptr;
        return S_OK;
    case VT_DISPATCH:
        if (item.pdispVal)
            item.pdispVal->AddRef();
        *static_cast<IDispatch**>(pv) = item.pdispVal;
        return S_OK;
    default:
        VariantInit(static_cast<VARIANT*>(pv));
        return VariantCopy(static_cast<VARIANT*>(pv), &item);
    }
}

HRESULT SafeArrayPutElement(SAFEARRAY* psa, const LONG* rgIndices, const void* pv)
{
    std::size_t at = 0;
    if (!psa || !rgIndices || !pv)
        return E_INVALIDARG;
    if (!Offset(*psa, rgIndices, at))
        return DISP_E_BADINDEX;
    VARIANT value = EmptyElement(psa->vt);
    switch (psa->vt)
    {
    case VT_I2:
        value.iVal = *static_cast<const SHORT*>(pv);
        break;
    case VT_I4:
        value.lVal = *static_cast<const LONG*>(pv);
        break;
    case VT_ERROR:
        value.scode = *static_cast<const SCODE*>(pv);
        break;
    case VT_R4:
        value.fltVal = *static_cast<const float*>(pv);
        break;
    case VT_R8:
        value.dblVal = *static_cast<const double*>(pv);
        break;
    case VT_BOOL:
        value.boolVal = *static_cast<const VARIANT_BOOL*>(pv);
        break;
    case VT_BSTR:
    {
        const auto text = static_cast<BSTR>(const_cast<void*>(pv));
        value.bstrVal = SysAllocStringByteLen(text, SysStringByteLen(text));
        break;
    }
    case VT_DISPATCH:
        value.pdispVal = static_cast<IDispatch*>(const_cast<void*>(pv));
        if (value.pdispVal)
            value.pdispVal->AddRef();
        break;
    default:
    {
        const HRESULT hr = VariantCopy(&value, static_cast<const VARIANT*>(pv));
        if (FAILED(hr))
            return hr;
    }
    }
    VariantClear(&psa->items[at]);
    psa->items[at] = value;
    return S_OK;
}

HRESULT SafeArrayRedim(SAFEARRAY* psa, const SAFEARRAYBOUND* psaboundNew)
{
    if (!psa || !psaboundNew || psa->bounds.empty())
        return E_INVALIDARG;
    psa->bounds.back() = *psaboundNew;
    const std::size_t n = ElementCount(psa->bounds);
    for (std::size_t i = n; i < psa->items.size(); ++i)
        VariantClear(&psa->items[i]);
    psa->items.resize(n, EmptyElement(psa->vt));
    return S_OK;
}
