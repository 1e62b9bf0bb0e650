#include "host/variant.h"

#include <gtest/gtest.h>

#include "host/host_error.h"
#include "host/point.h"

namespace vrn::host {
namespace {

TEST(Variant, CoercionsFollowOle) {
  EXPECT_EQ(Variant(2.5).toInt(), 2);  // half to even
  EXPECT_EQ(Variant(3.5).toInt(), 4);
  EXPECT_EQ(Variant(true).toInt(), -1);
  EXPECT_EQ(Variant(u" 42 ").toInt(), 42);
  EXPECT_EQ(Variant(std::int8_t{-56}).toInt(), -56);
  EXPECT_EQ(Variant().toInt(), 0);
  EXPECT_EQ(Variant(2.5).toString(), u"2.5");
  EXPECT_EQ(Variant(1e20).toString(), u"1E+20");
  EXPECT_EQ(Variant(7).toString(), u"7");
  EXPECT_EQ(Variant(false).toString(), u"False");
  EXPECT_TRUE(Variant(u"True").toBool());
  EXPECT_FALSE(Variant(0.0).toBool());
  EXPECT_EQ(Variant("\xD7\x90").toString(), u"\u05D0");
}

TEST(Variant, ImpossibleCoercionsRaiseTypeMismatch) {
  auto code = [](auto f) {
    try {
      f();
    } catch (const HostError& e) {
      return e.code();
    }
    return hr::kOk;
  };
  EXPECT_EQ(code([] { (void)Variant(u"abc").toInt(); }), hr::kTypeMismatch);
  EXPECT_EQ(code([] { (void)Variant(Null{}).toString(); }), hr::kTypeMismatch);
  EXPECT_EQ(code([] { (void)Variant(5).toObject(); }), hr::kTypeMismatch);
  EXPECT_EQ(code([] { (void)Variant(1e12).toInt(); }), hr::kOverflow);
  EXPECT_EQ(code([] { (void)Variant(u"x").array(); }), hr::kTypeMismatch);
}

TEST(Variant, ArraysKeepBoundsAndCopyDeeply) {
  SafeArray empty;
  EXPECT_EQ(empty.upper(), -1);
  Variant a = makeArray({1, 2.0, u"x"});
  Variant b = a;
  b.array().items[0] = 9;
  EXPECT_EQ(a.array().items[0].toInt(), 1);
  EXPECT_EQ(a.array().upper(), 2);
  EXPECT_EQ(toPoint(toVariant({1, 2, 3})), (Point3{1, 2, 3}));
  EXPECT_EQ(toPoint(makeArray({4, 5})), (Point3{4, 5, 0}));
}

}  // namespace
}  // namespace vrn::host
