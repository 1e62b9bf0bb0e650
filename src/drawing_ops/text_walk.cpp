#include "drawing_ops/text_walk.h"

#include "ascii/letter_case.h"

namespace vrn::drawing_ops {
namespace {

using host::EntityType;

bool isText(EntityType type) {
  return type == EntityType::Text || type == EntityType::MText || type == EntityType::Attribute ||
         type == EntityType::AttributeDefinition;
}

void visitEntity(const host::Ref& entity, const TextVisitor& visit) {
  const EntityType type = host::entityTypeOf(entity);
  if (isText(type)) {
    visit(entity, type);
  } else if (type == EntityType::BlockReference && entity.get("HasAttributes").toBool()) {
    const host::Variant attributes = entity.call("GetAttributes");
    for (const host::Variant& attribute : attributes.array().items) {
      visit(attribute.toObject(), EntityType::Attribute);
    }
  }
}

void visitContainer(const host::Ref& container, const TextVisitor& visit) {
  const std::int32_t count = container.get("count").toInt();
  for (std::int32_t i = 0; i < count; ++i) visitEntity(container.call("item", i).toObject(), visit);
}

bool holdsUserTexts(const host::Ref& block) {
  const std::u16string name = block.get("Name").toString();
  if (block.get("IsLayout").toBool()) return !equalsIgnoringAsciiCase(name, u"*Model_Space");
  return !name.starts_with(u"*");
}

}  // namespace

const char* textKindName(EntityType type) {
  switch (type) {
    case EntityType::Text:
      return "TEXT";
    case EntityType::MText:
      return "MTEXT";
    case EntityType::Attribute:
      return "ATTRIB";
    default:
      return "ATTDEF";
  }
}

void forEachText(const host::Ref& document, const TextVisitor& visit) {
  visitContainer(document.obj("ModelSpace"), visit);
  const host::Ref blocks = document.obj("Blocks");
  const std::int32_t count = blocks.get("count").toInt();
  for (std::int32_t i = 0; i < count; ++i) {
    const host::Ref block = blocks.call("item", i).toObject();
    if (holdsUserTexts(block)) visitContainer(block, visit);
  }
}

}  // namespace vrn::drawing_ops
