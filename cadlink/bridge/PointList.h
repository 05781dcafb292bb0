#pragma once
// Points as the CAD program passes them: a picked point is a one-dimensional array of 3 doubles;
// a point list is a [3 x n] array of doubles (x, y, z by the first index, the points in picking
// order by the second).

#include "platform/core/Variant.h"

#include <array>

using CadPoint = std::array<double, 3>;

namespace PointList
{
// The point of a pick result; E_INVALIDARG (point unchanged) when the value is no 3-element array.
HRESULT Read(const VARIANT& picked, CadPoint& point);
// Appends the point: grows a [3 x n] array of doubles, or makes a [3 x 1] one of VT_EMPTY or
// VT_ERROR (a failed creation leaves VT_ERROR); any other value is left alone (E_INVALIDARG).
HRESULT Append(VARIANT& list, const CadPoint& point);
// A one-dimensional array of doubles with the coordinates of the points one after another.
HRESULT Coordinates(std::initializer_list<CadPoint> points, VARIANT& out);
} // namespace PointList
