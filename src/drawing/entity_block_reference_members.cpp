// Block references with their attributes.

#include <numbers>

#include "drawing/entity_object.h"
#include "host/host_error.h"

namespace vrn::drawing {
namespace {

using host::Variant;

constexpr double kDegree = std::numbers::pi / 180;

const GroupPlace& insertPlace() {
  static const GroupPlace place{"AcDbBlockReference",
                                {66, 2, 10, 20, 30, 41, 42, 43, 50, 70, 71, 44, 45, 210}};
  return place;
}

std::vector<EntityPtr> attributesOf(const EntityObject& e) {
  std::vector<EntityPtr> out;
  for (const EntityPtr& child : e.entity()->children) {
    if (!child->erased && child->record.type() == "ATTRIB") out.push_back(child);
  }
  return out;
}

void addScale(EntityTable& t, const char* name, int code) {
  t.get(name, [code](EntityObject& e) {
     return Variant(e.record().number(code, 1));
   }).put(name, [code](EntityObject& e, const Variant& v) {
    const double f = v.toDouble();
    if (f == 0) throw host::HostError(host::hr::kInvalidArg, "A scale factor must not be 0");
    e.change([&](Record& r) { placeNumber(r, code, f, insertPlace()); });
  });
}

}  // namespace

void addBlockReferenceMembers(EntityTable& t) {
  t.get("Name", [](EntityObject& e) { return Variant(e.text(2)); })
      .get("InsertionPoint",
           [](EntityObject& e) { return host::toVariant(readPoint(e.record(), 10)); })
      .put("InsertionPoint",
           [](EntityObject& e, const Variant& v) {
             e.move(readPoint(e.record(), 10), host::toPoint(v));
           })
      .get("Rotation", [](EntityObject& e) { return Variant(e.record().number(50) * kDegree); })
      .put("Rotation",
           [](EntityObject& e, const Variant& v) {
             e.rotate(readPoint(e.record(), 10), v.toDouble() - e.record().number(50) * kDegree);
           })
      .get("HasAttributes", [](EntityObject& e) { return Variant(!attributesOf(e).empty()); })
      .get("GetAttributes",
           [](EntityObject& e) {
             std::vector<Variant> items;
             for (const EntityPtr& a : attributesOf(e))
               items.emplace_back(e.document().objectOf(a));
             return host::makeArray(std::move(items));
           })
      .get("GetConstantAttributes", [](EntityObject&) { return host::makeArray({}); });
  addScale(t, "XScaleFactor", 41);
  addScale(t, "YScaleFactor", 42);
  addScale(t, "ZScaleFactor", 43);
}

}  // namespace vrn::drawing
