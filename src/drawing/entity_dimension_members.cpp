// Dimensions: their text override and dimension style.

#include <numbers>

#include "drawing/entity_object.h"

namespace vrn::drawing {
namespace {

using host::Variant;

constexpr double kDegree = std::numbers::pi / 180;

const GroupPlace& dimensionPlace() {
  static const GroupPlace place{"AcDbDimension", {280, 2,  10, 20, 30, 11, 21,  31,  70,  71,
                                                  72,  41, 42, 1,  53, 51, 210, 220, 230, 3}};
  return place;
}

}  // namespace

void addDimensionMembers(EntityTable& t) {
  t.get("TextOverride", [](EntityObject& e) { return Variant(e.text(1)); })
      .put("TextOverride",
           [](EntityObject& e, const Variant& v) { e.setText(1, v.toString(), dimensionPlace()); })
      .get("StyleName", [](EntityObject& e) { return Variant(e.styleName(3)); })
      .put("StyleName",
           [](EntityObject& e, const Variant& v) {
             e.setTableReference(3, v.toString(), "DIMSTYLE", "dimension style", dimensionPlace());
           })
      .get("TextPosition",
           [](EntityObject& e) { return host::toVariant(readPoint(e.record(), 11)); })
      .put("TextPosition",
           [](EntityObject& e, const Variant& v) {
             const host::Point3 p = host::toPoint(v);
             e.change([&](Record& r) { placePoint(r, 11, p, dimensionPlace()); });
           })
      .get("TextRotation", [](EntityObject& e) { return Variant(e.record().number(53) * kDegree); })
      .put("TextRotation", [](EntityObject& e, const Variant& v) {
        const double degrees = v.toDouble() / kDegree;
        e.change([&](Record& r) { placeNumber(r, 53, degrees, dimensionPlace()); });
      });
}

}  // namespace vrn::drawing
