#pragma once
// VARIANT <-> host::Variant.
//
//   VARIANT                          host::Variant
//   VT_EMPTY, VT_ERROR (missing)     Empty
//   VT_NULL                          Null
//   VT_BOOL                          Bool
//   VT_I1 / VT_UI1 / VT_I2 / VT_I4   I1 / UI1 / I2 / I4
//   VT_R8, VT_R4, VT_DATE, VT_CY     Double
//   other integers                   I4 when they fit, else Double
//   VT_BSTR                          String
//   VT_DISPATCH, VT_UNKNOWN          Object (a DispatchAsHostObject), or Empty when null
//   one-dimensional SAFEARRAY        Array with the same lower bound
//   VT_BYREF of any of these         the value it points to
//
// Going back, an Object that wraps a client's IDispatch hands that IDispatch
// back; any other host object is served as a new HostObjectAsDispatch. Arrays go
// out as SAFEARRAYs of VARIANT, except arrays of doubles only (AutoCAD's
// points), which go out as SAFEARRAYs of VT_R8 as AutoCAD itself sends them.

#include <windows.h>

#include "host/variant.h"

namespace vrn::com {

// Raises HostError (DISP_E_TYPEMISMATCH) for a type that has no reading.
host::Variant fromVariant(const VARIANT& value);

// Writes `value` into `out`, which must be initialised; clears it first.
// Raises HostError when memory runs out.
void toVariant(const host::Variant& value, VARIANT& out);

}  // namespace vrn::com
