// Multi-line texts.

#include <cmath>
#include <numbers>

#include "drawing/entity_object.h"
#include "drawing/mtext_string.h"
#include "host/host_error.h"

namespace vrn::drawing {
namespace {

using host::HostError;
using host::Variant;
namespace hr = host::hr;

constexpr double kDegree = std::numbers::pi / 180;

const GroupPlace& mtextPlace() {
  static const GroupPlace place{"AcDbMText", {10,  20,  30,  40, 41, 46, 71, 72, 3,  1,  7,
                                              210, 220, 230, 11, 21, 31, 42, 43, 50, 73, 44}};
  return place;
}

// The direction vector (group 11), when present, overrides the rotation.
double rotationOf(const Record& r) {
  if (r.has(11)) return std::atan2(r.number(21), r.number(11));
  return r.number(50) * kDegree;
}

std::u16string textOf(const EntityObject& e) {
  return e.document().decode(joinMTextString(e.record()));
}

void addCode(EntityTable& t, const char* name, int code, int fallback, int low, int high) {
  t.get(name, [=](EntityObject& e) {
     return Variant(e.record().integer(code, fallback));
   }).put(name, [=](EntityObject& e, const Variant& v) {
    const int value = v.toInt();
    if (value < low || value > high)
      throw HostError(hr::kInvalidArg, std::string("Invalid ") + name);
    e.change([&](Record& r) { placeInteger(r, code, value, mtextPlace()); });
  });
}

}  // namespace

Box mtextBoundingBox(const EntityObject& e) {
  const Record& r = e.record();
  return mtextBox(readPoint(r, 10), textOf(e), r.number(40), r.number(41), rotationOf(r),
                  r.integer(71, 1));
}

void addMTextMembers(EntityTable& t) {
  t.get("TextString", [](EntityObject& e) { return Variant(textOf(e)); })
      .put("TextString",
           [](EntityObject& e, const Variant& v) {
             const std::string encoded = e.document().encode(v.toString());
             e.change([&](Record& r) { writeMTextString(r, encoded, *e.document().data().codec); });
           })
      .get("StyleName", [](EntityObject& e) { return Variant(e.styleName(7)); })
      .put("StyleName",
           [](EntityObject& e, const Variant& v) {
             e.setTableReference(7, v.toString(), "STYLE", "text style", mtextPlace());
           })
      .get("Height", [](EntityObject& e) { return Variant(e.record().number(40)); })
      .put("Height",
           [](EntityObject& e, const Variant& v) {
             const double h = v.toDouble();
             if (!(h > 0)) throw HostError(hr::kInvalidArg, "Height must be positive");
             e.change([&](Record& r) { placeNumber(r, 40, h, mtextPlace()); });
           })
      .get("Width", [](EntityObject& e) { return Variant(e.record().number(41)); })
      .put("Width",
           [](EntityObject& e, const Variant& v) {
             const double w = v.toDouble();
             if (w < 0) throw HostError(hr::kInvalidArg, "Width must not be negative");
             e.change([&](Record& r) { placeNumber(r, 41, w, mtextPlace()); });
           })
      .get("Rotation", [](EntityObject& e) { return Variant(rotationOf(e.record())); })
      .put("Rotation",
           [](EntityObject& e, const Variant& v) {
             const double radians = v.toDouble();
             e.change([&](Record& r) {
               placeNumber(r, 50, radians / kDegree, mtextPlace());
               if (r.has(11))
                 placePoint(r, 11, {std::cos(radians), std::sin(radians), 0}, mtextPlace());
             });
           })
      .get("InsertionPoint",
           [](EntityObject& e) { return host::toVariant(readPoint(e.record(), 10)); })
      .put("InsertionPoint", [](EntityObject& e, const Variant& v) {
        const host::Point3 p = host::toPoint(v);
        e.change([&](Record& r) { placePoint(r, 10, p, mtextPlace()); });
      });
  addCode(t, "AttachmentPoint", 71, 1, 1, 9);
  addCode(t, "DrawingDirection", 72, 1, 1, 5);
}

}  // namespace vrn::drawing
