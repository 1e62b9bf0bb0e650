#pragma once
// A host point: an automation array of three doubles x, y, z, bounds 0 to 2.

#include "host/variant.h"

namespace vrn::host {

struct Point3 {
  double x = 0;
  double y = 0;
  double z = 0;
  bool operator==(const Point3&) const = default;
};

Variant toVariant(const Point3& p);
// Reads an array of two or three numbers; raises DISP_E_TYPEMISMATCH otherwise.
Point3 toPoint(const Variant& v);

}  // namespace vrn::host
