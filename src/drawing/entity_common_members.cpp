// The members every entity has.

#include "drawing/entity_object.h"
#include "host/host_error.h"

namespace vrn::drawing {
namespace {

using host::HostError;
using host::Variant;
namespace hr = host::hr;

}  // namespace

void addCommonMembers(EntityTable& t) {
  const auto objectName = [](EntityObject& e) { return Variant(objectNameOf(e.record()).c_str()); };
  t.get("ObjectName", objectName)
      .get("EntityName", objectName)
      .get("EntityType", [](EntityObject& e) { return Variant(e.entityType()); })
      .get("Handle",
           [](EntityObject& e) {
             const std::string handle = e.document().handleOf(*e.entity());
             return Variant(std::u16string(handle.begin(), handle.end()));  // hex digits
           })
      .get("Layer", [](EntityObject& e) { return Variant(e.text(8)); })
      .put("Layer",
           [](EntityObject& e, const Variant& v) {
             e.setTableReference(8, v.toString(), "LAYER", "layer", entityPlace());
           })
      .get("Color", [](EntityObject& e) { return Variant(e.record().integer(62, 256)); })
      .put("Color",
           [](EntityObject& e, const Variant& v) {
             const int color = v.toInt();
             if (color < 0 || color > 257)
               throw HostError(hr::kInvalidArg, "Color must be 0 to 256");
             e.change([&](Record& r) { placeInteger(r, 62, color, entityPlace()); });
           })
      .get("Visible", [](EntityObject& e) { return Variant(e.record().integer(60) == 0); })
      .put("Visible",
           [](EntityObject& e, const Variant& v) {
             const bool visible = v.toBool();
             e.change([&](Record& r) {
               if (visible) {
                 r.erase(60);
               } else {
                 placeInteger(r, 60, 1, entityPlace());
               }
             });
           })
      .read("GetBoundingBox",
            [](EntityObject& e, std::span<Variant> args) {
              host::requireArgs(args, 2, 2, "GetBoundingBox");
              const Box box = e.boundingBox();
              args[0] = host::toVariant(box.min);
              args[1] = host::toVariant(box.max);
              return Variant();
            })
      .read("Move",
            [](EntityObject& e, std::span<Variant> args) {
              host::requireArgs(args, 2, 2, "Move");
              e.move(host::toPoint(args[0]), host::toPoint(args[1]));
              return Variant();
            })
      .read("Rotate",
            [](EntityObject& e, std::span<Variant> args) {
              host::requireArgs(args, 2, 2, "Rotate");
              e.rotate(host::toPoint(args[0]), args[1].toDouble());
              return Variant();
            })
      .read("Copy", [](EntityObject& e, std::span<Variant> args) {
        host::requireArgs(args, 0, 0, "Copy");
        return Variant(e.document().objectOf(e.document().copyEntity(e.entity())));
      });
  const auto erase = [](EntityObject& e, std::span<Variant> args) {
    host::requireArgs(args, 0, 0, "Erase");
    e.document().eraseEntity(e.entity());
    return Variant();
  };
  t.read("Erase", erase).read("Delete", erase);
  // The built-in drawing has no screen: redrawing and highlighting do nothing.
  t.read("Update", [](EntityObject&, std::span<Variant>) {
     return Variant();
   }).read("Highlight", [](EntityObject&, std::span<Variant> args) {
    host::requireArgs(args, 1, 1, "Highlight");
    return Variant();
  });
}

}  // namespace vrn::drawing
