#include "platform/ole/VariantWire.h"

#include "platform/ole/ComRuntime.h"
#include "platform/ole/SafeArray.h"

#include <QJsonArray>

namespace
{
bool IsScalarType(VARTYPE vt)
{
    switch (vt)
    {
    case VT_EMPTY:
    case VT_NULL:
    case VT_I2:
    case VT_I4:
    case VT_R4:
    case VT_R8:
    case VT_BOOL:
    case VT_ERROR:
    case VT_BSTR:
    case VT_DISPATCH:
        return true;
    default:
        return false;
    }
}

HRESULT EncodeScalar(const VARIANT& v, const VariantWire::HandleOf& handleOf, QJsonValue& out)
{
    switch (v.vt)
    {
    case VT_EMPTY:
    case VT_NULL:
        out = QJsonValue();
        return S_OK;
    case VT_I2:
        out = v.iVal;
        return S_OK;
    case VT_I4:
        out = v.lVal;
        return S_OK;
    case VT_ERROR:
        out = qint64(quint32(v.scode));
        return S_OK;
    case VT_R4:
        out = double(v.fltVal);
        return S_OK;
    case VT_R8:
        out = v.dblVal;
        return S_OK;
    case VT_BOOL:
        out = v.boolVal != VARIANT_FALSE;
        return S_OK;
    case VT_BSTR:
        out = QString::fromUtf8(v.bstrVal ? v.bstrVal : "", v.bstrVal ? int(SysStringByteLen(v.bstrVal)) : 0);
        return S_OK;
    case VT_DISPATCH:
    {
        qint64 handle = 0;
        if (!v.pdispVal)
        {
            out = QJsonValue();
            return S_OK;
        }
        if (!handleOf || !handleOf(v.pdispVal, handle))
            return DISP_E_BADVARTYPE;
        out = handle;
        return S_OK;
    }
    default:
        return DISP_E_BADVARTYPE;
    }
}

HRESULT DecodeScalar(VARTYPE vt, const QJsonValue& in, const VariantWire::ObjectOf& objectOf, VARIANT& v)
{
    VariantInit(&v);
    switch (vt)
    {
    case VT_EMPTY:
    case VT_NULL:
        break;
    case VT_I2:
        v.iVal = SHORT(in.toInt());
        break;
    case VT_I4:
        v.lVal = LONG(in.toInteger());
        break;
    case VT_ERROR:
        v.scode = SCODE(quint32(in.toInteger()));
        break;
    case VT_R4:
        v.fltVal = float(in.toDouble());
        break;
    case VT_R8:
        if (!in.isDouble())
            return RPC_E_SERVERFAULT;
        v.dblVal = in.toDouble();
        break;
    case VT_BOOL:
        v.boolVal = in.toBool() ? VARIANT_TRUE : VARIANT_FALSE;
        break;
    case VT_BSTR:
    {
        const QByteArray text = in.toString().toUtf8();
        v.bstrVal = SysAllocStringByteLen(text.constData(), UINT(text.size()));
        break;
    }
    case VT_DISPATCH:
        if (!in.isNull())
        {
            if (!objectOf)
                return RPC_E_SERVERFAULT;
            v.pdispVal = objectOf(in.toInteger());
        }
        break;
    default:
        return RPC_E_SERVERFAULT;
    }
    v.vt = vt;
    return S_OK;
}

HRESULT EncodeArray(const VARIANT& v, const VariantWire::HandleOf& handleOf, QJsonObject& out)
{
    SAFEARRAY* array = v.parray;
    if (!array)
        return E_INVALIDARG;
    QJsonArray bounds;
    for (const SAFEARRAYBOUND& b : array->bounds)
        bounds.append(QJsonArray{qint64(b.lLbound), qint64(b.cElements)});
    QJsonArray items;
    for (const VARIANT& item : array->items)
    {
        if (array->vt == VT_VARIANT)
        {
            QJsonObject typed;
            if (const HRESULT hr = VariantWire::Encode(item, handleOf, typed); FAILED(hr))
                return hr;
            items.append(typed);
            continue;
        }
        VARIANT scalar = item;
        scalar.vt = array->vt;
        QJsonValue value;
        if (const HRESULT hr = EncodeScalar(scalar, handleOf, value); FAILED(hr))
            return hr;
        items.append(value);
    }
    out.insert("vt", int(v.vt));
    out.insert("bounds", bounds);
    out.insert("items", items);
    return S_OK;
}

HRESULT DecodeArray(VARTYPE vt, const QJsonObject& in, const VariantWire::ObjectOf& objectOf, VARIANT& v)
{
    const VARTYPE element = vt & VT_TYPEMASK;
    std::vector<SAFEARRAYBOUND> bounds;
    for (const QJsonValue& b : in.value("bounds").toArray())
    {
        const QJsonArray pair = b.toArray();
        if (pair.size() != 2 || pair[1].toInteger() < 0)
            return RPC_E_SERVERFAULT;
        bounds.push_back({ULONG(pair[1].toInteger()), LONG(pair[0].toInteger())});
    }
    SAFEARRAY* array = SafeArrayCreate(element, UINT(bounds.size()), bounds.data());
    const QJsonArray items = in.value("items").toArray();
    if (!array || std::size_t(items.size()) != array->items.size())
    {
        SafeArrayDestroy(array);
        return RPC_E_SERVERFAULT;
    }
    for (qsizetype i = 0; i < items.size(); ++i)
    {
        VARIANT& item = array->items[std::size_t(i)];
        const HRESULT hr = element == VT_VARIANT
                               ? VariantWire::Decode(items[i].toObject(), objectOf, item)
                               : DecodeScalar(element, items[i], objectOf, item);
        if (FAILED(hr))
        {
            SafeArrayDestroy(array);
            return hr;
        }
    }
    v.vt = vt;
    v.parray = array;
    return S_OK;
}
} // namespace

HRESULT VariantWire::Encode(const VARIANT& value, const HandleOf& handleOf, QJsonObject& out)
{
    out = QJsonObject();
    if (value.vt & VT_ARRAY)
        return EncodeArray(value, handleOf, out);
    QJsonValue scalar;
    if (const HRESULT hr = EncodeScalar(value, handleOf, scalar); FAILED(hr))
        return hr;
    out.insert("vt", int(value.vt));
    if (!scalar.isNull())
        out.insert("value", scalar);
    return S_OK;
}

HRESULT VariantWire::Decode(const QJsonObject& in, const ObjectOf& objectOf, VARIANT& value)
{
    VariantInit(&value);
    if (!in.value("vt").isDouble())
        return RPC_E_SERVERFAULT;
    const auto vt = VARTYPE(in.value("vt").toInt());
    if (vt & ~(VT_ARRAY | VT_TYPEMASK))
        return RPC_E_SERVERFAULT;
    if (vt & VT_ARRAY)
        return DecodeArray(vt, in, objectOf, value);
    if (!IsScalarType(vt))
        return RPC_E_SERVERFAULT;
    return DecodeScalar(vt, in.value("value"), objectOf, value);
}
