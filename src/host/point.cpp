#include "host/point.h"

#include "host/host_error.h"

namespace vrn::host {

Variant toVariant(const Point3& p) { return makeArray({p.x, p.y, p.z}); }

Point3 toPoint(const Variant& v) {
  const SafeArray& a = v.array();
  if (a.items.size() != 2 && a.items.size() != 3) {
    throw HostError(hr::kTypeMismatch, "A point needs two or three coordinates");
  }
  Point3 p{a.items[0].toDouble(), a.items[1].toDouble(), 0};
  if (a.items.size() == 3) p.z = a.items[2].toDouble();
  return p;
}

}  // namespace vrn::host
