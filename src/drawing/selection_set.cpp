#include "drawing/selection_set.h"

#include <algorithm>

#include "drawing/collection_index.h"
#include "drawing/entity_filter.h"
#include "drawing/entity_object.h"
#include "host/host_error.h"
#include "host/utf8.h"

namespace vrn::drawing {
namespace {

using host::HostError;
using host::Variant;
namespace hr = host::hr;

// Select's modes: window, crossing, last, all (AutoCAD's acSelectionSet...).
enum SelectMode { kWindow = 0, kCrossing = 1, kLast = 4, kAll = 5 };

Variant optional(std::span<Variant> args, std::size_t i) {
  return i < args.size() ? args[i] : Variant();
}

bool inside(const Box& b, const Box& area) {
  return b.min.x >= area.min.x && b.min.y >= area.min.y && b.max.x <= area.max.x &&
         b.max.y <= area.max.y;
}

bool crosses(const Box& b, const Box& area) {
  return b.min.x <= area.max.x && b.max.x >= area.min.x && b.min.y <= area.max.y &&
         b.max.y >= area.min.y;
}

std::vector<EntityPtr> candidates(Document& doc, int mode, std::span<Variant> args) {
  const std::vector<EntityPtr> all = doc.entitiesOf(doc.activeSpace());
  switch (mode) {
    case kAll:
      return doc.allEntities();
    case kLast:
      return all.empty() ? all : std::vector<EntityPtr>{all.back()};
    case kWindow:
    case kCrossing: {
      const host::Point3 corners[] = {host::toPoint(optional(args, 1)),
                                      host::toPoint(optional(args, 2))};
      const Box area = boxOf(corners, 2);
      std::vector<EntityPtr> out;
      for (const EntityPtr& e : all) {
        try {
          const Box b = EntityObject(doc.shared_from_this(), e).boundingBox();
          if (mode == kWindow ? inside(b, area) : crosses(b, area)) out.push_back(e);
        } catch (const HostError&) {
          // An entity without an extent cannot lie in an area.
        }
      }
      return out;
    }
    default:
      throw HostError(hr::kInvalidArg, "Unsupported selection mode " + std::to_string(mode));
  }
}

std::vector<EntityPtr> filtered(Document& doc, std::vector<EntityPtr> list, const Variant& types,
                                const Variant& values) {
  const EntityFilter filter = EntityFilter::fromArrays(types, values);
  std::erase_if(list, [&](const EntityPtr& e) { return !filter.accepts(*e, *doc.data().codec); });
  return list;
}

const host::MemberTable<SelectionSet>& setMembers() {
  static const auto table = [] {
    host::MemberTable<SelectionSet> t;
    t.get("Name", [](SelectionSet& s) { return Variant(s.name()); })
        .get("Count",
             [](SelectionSet& s) { return Variant(static_cast<std::int32_t>(s.items().size())); })
        .read("Item",
              [](SelectionSet& s, std::span<Variant> a) {
                host::requireArgs(a, 1, 1, "Item");
                const auto items = s.items();
                return Variant(s.document().objectOf(items[collectionIndex(a[0], items.size())]));
              })
        .read("Select",
              [](SelectionSet& s, std::span<Variant> a) {
                host::requireArgs(a, 1, 5, "Select");
                Document& doc = s.document();
                s.add(filtered(doc, candidates(doc, a[0].toInt(), a), optional(a, 3),
                               optional(a, 4)));
                return Variant();
              })
        .read("SelectOnScreen",
              [](SelectionSet& s, std::span<Variant> a) {
                host::requireArgs(a, 0, 2, "SelectOnScreen");
                Document& doc = s.document();
                auto picked = doc.input().selection("SelectOnScreen");
                std::erase_if(picked, [](const EntityPtr& e) { return !e || e->erased; });
                s.add(filtered(doc, std::move(picked), optional(a, 0), optional(a, 1)));
                return Variant();
              })
        .read("Clear",
              [](SelectionSet& s, std::span<Variant>) {
                s.clear();
                return Variant();
              })
        .read("Erase",
              [](SelectionSet& s, std::span<Variant>) {
                // All or nothing: one entity on a locked layer refuses the erase.
                const auto items = s.items();
                for (const EntityPtr& e : items) s.document().requireUnlocked(*e);
                for (const EntityPtr& e : items) s.document().eraseEntity(e);
                s.clear();
                return Variant();
              })
        .read("Highlight",
              [](SelectionSet&, std::span<Variant> a) {
                host::requireArgs(a, 1, 1, "Highlight");
                return Variant();
              })
        .read("Delete", [](SelectionSet& s, std::span<Variant>) {
          auto& sets = s.document().selectionSets();
          std::erase_if(sets, [&](const auto& p) { return p.get() == &s; });
          return Variant();
        });
    return t;
  }();
  return table;
}

}  // namespace

Document& SelectionSet::document() const {
  const auto doc = document_.lock();
  if (!doc) throw HostError(hr::kFail, "The drawing of this selection set is closed");
  return *doc;
}

std::vector<EntityPtr> SelectionSet::items() const {
  std::vector<EntityPtr> out;
  for (const EntityPtr& e : items_) {
    if (!e->erased) out.push_back(e);
  }
  return out;
}

void SelectionSet::add(const std::vector<EntityPtr>& entities) {
  for (const EntityPtr& e : entities) {
    if (std::find(items_.begin(), items_.end(), e) == items_.end()) items_.push_back(e);
  }
}

Variant SelectionSet::invoke(std::string_view name, host::Invoke kind, std::span<Variant> args) {
  JournalCall call(document().journal());
  return setMembers().invoke(*this, name, kind, args);
}

Variant SelectionSetsObject::invoke(std::string_view name, host::Invoke kind,
                                    std::span<Variant> args) {
  static const auto table = [] {
    host::MemberTable<SelectionSetsObject> t;
    t.get("Count",
          [](SelectionSetsObject& c) {
            return Variant(static_cast<std::int32_t>(c.document_->selectionSets().size()));
          })
        .read("Item",
              [](SelectionSetsObject& c, std::span<Variant> a) {
                host::requireArgs(a, 1, 1, "Item");
                const auto& sets = c.document_->selectionSets();
                std::vector<std::u16string> names;
                for (const auto& s : sets) names.push_back(s->name());
                return Variant(host::ObjectPtr(sets[namedIndex(a[0], names)]));
              })
        .read("Add", [](SelectionSetsObject& c, std::span<Variant> a) {
          host::requireArgs(a, 1, 1, "Add");
          const std::u16string setName = a[0].toString();
          auto& sets = c.document_->selectionSets();
          if (setName.empty()) throw HostError(hr::kInvalidArg, "A selection set needs a name");
          for (const auto& s : sets) {
            if (sameName(s->name(), setName)) {
              throw HostError(hr::kInvalidArg, "Duplicate record name: " + utf16ToUtf8(setName));
            }
          }
          sets.push_back(std::make_shared<SelectionSet>(c.document_, setName));
          return Variant(host::ObjectPtr(sets.back()));
        });
    return t;
  }();
  return table.invoke(*this, name, kind, args);
}

}  // namespace vrn::drawing
