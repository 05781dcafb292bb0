#include "PointList.h"

#include "platform/ole/SafeArray.h"

namespace
{
HRESULT ReadCoordinate(const VARIANT& array, LONG index, double& value)
{
    if (array.vt == (VT_ARRAY | VT_R8))
        return SafeArrayGetElement(array.parray, &index, &value);
    if (array.vt != (VT_ARRAY | VT_VARIANT))
        return E_INVALIDARG;
    VARIANT item;
    HRESULT hr = SafeArrayGetElement(array.parray, &index, &item);
    if (SUCCEEDED(hr))
        hr = VariantChangeType(&item, &item, 0, VT_R8);
    if (SUCCEEDED(hr))
        value = item.dblVal;
    VariantClear(&item);
    return hr;
}
} // namespace

HRESULT PointList::Read(const VARIANT& picked, CadPoint& point)
{
    if (!(picked.vt & VT_ARRAY) || SafeArrayGetDim(picked.parray) != 1)
        return E_INVALIDARG;
    LONG lower = 0, upper = 0;
    SafeArrayGetLBound(picked.parray, 1, &lower);
    SafeArrayGetUBound(picked.parray, 1, &upper);
    if (upper != lower + 2)
        return E_INVALIDARG;
    CadPoint read{};
    for (LONG i = 0; i < 3; ++i)
        if (FAILED(ReadCoordinate(picked, lower + i, read[std::size_t(i)])))
            return E_INVALIDARG;
    point = read;
    return S_OK;
}

HRESULT PointList::Append(VARIANT& list, const CadPoint& point)
{
    LONG column = 0;
    if (list.vt == (VT_ARRAY | VT_R8) && SafeArrayGetDim(list.parray) == 2)
    {
        LONG lower = 0, upper = 0;
        SafeArrayGetLBound(list.parray, 2, &lower);
        SafeArrayGetUBound(list.parray, 2, &upper);
        const SAFEARRAYBOUND grown{ULONG(upper - lower + 2), lower};
        if (const HRESULT hr = SafeArrayRedim(list.parray, &grown); FAILED(hr))
            return hr;
        column = upper + 1;
    }
    else if (list.vt == VT_EMPTY || list.vt == VT_ERROR)
    {
        const SAFEARRAYBOUND bounds[2] = {{3, 0}, {1, 0}};
        SAFEARRAY* array = SafeArrayCreate(VT_R8, 2, bounds);
        if (!array)
        {
            list.vt = VT_ERROR;
            list.scode = DISP_E_PARAMNOTFOUND;
            return E_OUTOFMEMORY;
        }
        list.vt = VT_ARRAY | VT_R8;
        list.parray = array;
    }
    else
        return E_INVALIDARG;
    for (LONG i = 0; i < 3; ++i)
    {
        const LONG indices[2] = {i, column};
        if (const HRESULT hr = SafeArrayPutElement(list.parray, indices, &point[std::size_t(i)]); FAILED(hr))
            return hr;
    }
    return S_OK;
}

HRESULT PointList::Coordinates(std::initializer_list<CadPoint> points, VARIANT& out)
{
    VariantInit(&out);
    SAFEARRAY* array = SafeArrayCreateVector(VT_R8, 0, ULONG(points.size() * 3));
    if (!array)
        return E_OUTOFMEMORY;
    LONG index = 0;
    for (const CadPoint& p : points)
        for (double c : p)
        {
            SafeArrayPutElement(array, &index, &c);
            ++index;
        }
    out.vt = VT_ARRAY | VT_R8;
    out.parray = array;
    return S_OK;
}
