#include "host/member_table.h"

#include <gtest/gtest.h>

#include "host/ref.h"

namespace vrn::host {
namespace {

// A small object with a property, a method and an out-parameter method.
struct Box : Object {
  double width = 1;
  static const MemberTable<Box>& table() {
    static const MemberTable<Box> t = [] {
      MemberTable<Box> m;
      m.get("Width", [](Box& b) { return Variant(b.width); })
          .put("Width", [](Box& b, const Variant& v) { b.width = v.toDouble(); })
          .read("Scale",
                [](Box& b, std::span<Variant> args) {
                  requireArgs(args, 1, 1, "Scale");
                  b.width *= args[0].toDouble();
                  return Variant(b.width);
                })
          .read("GetBoundingBox", [](Box& b, std::span<Variant> args) {
            requireArgs(args, 2, 2, "GetBoundingBox");
            args[0] = makeArray({0.0, 0.0, 0.0});
            args[1] = makeArray({b.width, 1.0, 0.0});
            return Variant();
          });
      return m;
    }();
    return t;
  }
  Variant invoke(std::string_view name, Invoke kind, std::span<Variant> args) override {
    return table().invoke(*this, name, kind, args);
  }
};

TEST(MemberTable, NamesIgnoreCaseAndReadsAnswerEitherForm) {
  Ref box(std::make_shared<Box>());
  box.put("WIDTH", 3.0);
  EXPECT_EQ(box.get("width").toDouble(), 3.0);
  EXPECT_EQ(box.call("wIdTh").toDouble(), 3.0);
  EXPECT_EQ(box.call("scale", 2).toDouble(), 6.0);
}

TEST(MemberTable, OutParametersComeBackThroughTheArguments) {
  Ref box(std::make_shared<Box>());
  std::vector<Variant> args(2);
  box.callByRef("GetBoundingBox", args);
  EXPECT_EQ(args[1].array().items[0].toDouble(), 1.0);
}

TEST(MemberTable, ErrorsCarryTheirHresult) {
  Ref box(std::make_shared<Box>());
  auto code = [](auto f) {
    try {
      f();
    } catch (const HostError& e) {
      return e.code();
    }
    return hr::kOk;
  };
  EXPECT_EQ(code([&] { box.get("Nothing"); }), hr::kUnknownName);
  EXPECT_EQ(code([&] { box.call("Scale"); }), hr::kBadParamCount);
  EXPECT_EQ(code([&] { box.put("Scale", 1); }), hr::kMemberNotFound);
  EXPECT_EQ(code([] { Ref().get("x"); }), hr::kFail);
}

}  // namespace
}  // namespace vrn::host
