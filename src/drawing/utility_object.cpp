#include "drawing/utility_object.h"

namespace vrn::drawing {
namespace {

using host::Variant;

// GetPoint and GetDistance take an optional base point and an optional prompt.
std::optional<host::Point3> basePoint(std::span<Variant> args) {
  if (args.empty() || args[0].isEmpty() || args[0].isNull()) return std::nullopt;
  return host::toPoint(args[0]);
}

void showPrompt(ScriptedInput& input, std::span<Variant> args) {
  if (args.size() > 1 && !args[1].isEmpty()) input.prompt(args[1].toString());
}

}  // namespace

Variant UtilityObject::invoke(std::string_view name, host::Invoke kind, std::span<Variant> args) {
  static const auto table = [] {
    host::MemberTable<UtilityObject> t;
    t.read("GetPoint",
           [](UtilityObject& u, std::span<Variant> a) {
             host::requireArgs(a, 0, 2, "GetPoint");
             showPrompt(u.input(), a);
             return host::toVariant(u.input().point("GetPoint"));
           })
        .read("GetDistance",
              [](UtilityObject& u, std::span<Variant> a) {
                host::requireArgs(a, 0, 2, "GetDistance");
                showPrompt(u.input(), a);
                const auto base = basePoint(a);
                return Variant(u.input().distance("GetDistance", base ? &*base : nullptr));
              })
        .read("Prompt", [](UtilityObject& u, std::span<Variant> a) {
          host::requireArgs(a, 1, 1, "Prompt");
          u.input().prompt(a[0].toString());
          return Variant();
        });
    return t;
  }();
  return table.invoke(*this, name, kind, args);
}

}  // namespace vrn::drawing
