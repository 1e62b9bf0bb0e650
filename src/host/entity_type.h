#pragma once
// EntityType: AutoCAD's codes for the kinds of entity that the system tells
// apart, as an entity reports them through its property EntityType.

#include <cstdint>

#include "host/ref.h"

namespace vrn::host {

enum class EntityType : std::int32_t {
  Face3d = 1,
  Arc = 4,
  AttributeDefinition = 5,  // ATTDEF
  Attribute = 6,            // ATTRIB, an attribute reference of a block reference
  BlockReference = 7,       // INSERT
  Circle = 8,
  DimAligned = 9,
  DimAngular = 10,
  DimDiametric = 12,
  DimOrdinate = 13,
  DimRadial = 14,
  DimRotated = 15,
  Ellipse = 16,
  Hatch = 17,
  Leader = 18,
  Line = 19,
  MText = 21,
  Point = 22,
  Polyline = 23,  // 2D polyline
  LightweightPolyline = 24,
  Ray = 27,
  Region = 28,
  Shape = 29,
  Solid = 30,
  Spline = 31,
  Text = 32,  // single-line text
  Tolerance = 33,
  Trace = 34,
  Viewport = 35,
  Xline = 36,
  MLine = 40,
  Dim3PointAngular = 41,
};

// The entity's code; any code the host reports, known here or not.
inline EntityType entityTypeOf(const Ref& entity) {
  return static_cast<EntityType>(entity.get("EntityType").toInt());
}

}  // namespace vrn::host
