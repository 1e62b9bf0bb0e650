#include "drawing_ops/text_walk.h"

#include <vector>

#include "ascii/letter_case.h"
#include "host/host_error.h"

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

struct LayerState {
  host::Ref layer;
  bool frozen = false;
  bool locked = false;
};

// Runs a restore step; its failure must not keep the others from running.
template <class Step>
void bestEffort(Step step) noexcept {
  try {
    step();
  } catch (...) {  // NOLINT(bugprone-empty-catch): the next restore still runs
  }
}

class WalkGuard {
 public:
  explicit WalkGuard(const host::Ref& document) : document_(document) {
    document_.call("StartUndoMark");
    const host::Ref layers = document_.obj("Layers");
    const std::int32_t count = layers.get("count").toInt();
    for (std::int32_t i = 0; i < count; ++i) {
      LayerState state{layers.call("Item", i).toObject()};
      state.frozen = state.layer.get("Freeze").toBool();
      state.locked = state.layer.get("Lock").toBool();
      if (state.frozen) state.layer.put("Freeze", false);
      if (state.locked) state.layer.put("Lock", false);
      changed_.push_back(std::move(state));
    }
  }
  WalkGuard(const WalkGuard&) = delete;
  WalkGuard& operator=(const WalkGuard&) = delete;

  ~WalkGuard() {
    for (const LayerState& state : changed_) {
      if (state.frozen) bestEffort([&] { state.layer.put("Freeze", true); });
      if (state.locked) bestEffort([&] { state.layer.put("Lock", true); });
    }
    bestEffort([&] { document_.call("EndUndoMark"); });
  }

 private:
  host::Ref document_;
  std::vector<LayerState> changed_;
};

}  // namespace

WalkTally walkTexts(const host::Ref& document, const TextHandler& handle,
                    const WalkProgress& progress) {
  const WalkGuard guard(document);
  WalkTally tally;
  std::size_t visited = 0;
  forEachText(document, [&](const host::Ref& text, EntityType type) {
    try {
      switch (handle(text, type)) {
        case TextOutcome::Converted:
          ++tally.converted;
          break;
        case TextOutcome::Skipped:
          ++tally.skipped;
          break;
        case TextOutcome::NotCounted:
          break;
      }
    } catch (const host::HostError&) {
      ++tally.failed;
    }
    if (progress) progress(++visited);
  });
  return tally;
}

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
