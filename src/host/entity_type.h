#pragma once
// EntityType: AutoCAD's codes for the kinds of entity that the system tells
// apart, as an entity reports them through its property EntityType.

#include <cstdint>

#include "host/ref.h"

namespace vrn::host {

enum class EntityType : std::int32_t {
  AttributeDefinition = 5,  // ATTDEF
  Attribute = 6,            // ATTRIB, an attribute reference of a block reference
  BlockReference = 7,       // INSERT
  MText = 21,
  Text = 32,  // single-line text
};

// The entity's code; any code the host reports, known here or not.
inline EntityType entityTypeOf(const Ref& entity) {
  return static_cast<EntityType>(entity.get("EntityType").toInt());
}

}  // namespace vrn::host
