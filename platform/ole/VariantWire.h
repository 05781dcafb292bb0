#pragma once
// VARIANTs as the JSON values of the automation line protocol:
//   {"vt": <type>, "value": <value>}                      a single value
//   {"vt": <VT_ARRAY | type>, "bounds": [[lower bound, count], ...], "items": [...]}
// Numbers and flags as JSON numbers and booleans, texts as strings, VT_ERROR as its status code,
// VT_DISPATCH as the server's object handle. Array items run with the first index fastest; items of
// a VT_VARIANT array are such objects themselves, others plain values.

#include "platform/core/Variant.h"

#include <QJsonObject>

#include <functional>

namespace VariantWire
{
// The handle of an object passed as an argument; false for an object the server does not know.
using HandleOf = std::function<bool(IDispatch* object, qint64& handle)>;
// The object that stands for a handle the server returned (with one reference).
using ObjectOf = std::function<IDispatch*(qint64 handle)>;

// DISP_E_BADVARTYPE for a type the protocol does not carry.
HRESULT Encode(const VARIANT& value, const HandleOf& handleOf, QJsonObject& out);
// The VARIANT is initialised first; RPC_E_SERVERFAULT for a value that does not read.
HRESULT Decode(const QJsonObject& in, const ObjectOf& objectOf, VARIANT& value);
} // namespace VariantWire
