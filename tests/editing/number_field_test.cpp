#include "editing/number_field.h"

#include <gtest/gtest.h>

#include <numbers>
#include <stdexcept>

namespace vrn::editing {
namespace {

TEST(NumberField, ShowsFixedPointWithAtMostEightSignificantDigits) {
  EXPECT_EQ(fixedText(2.5, 2), u"2.50");
  EXPECT_EQ(fixedText(90, 1), u"90.0");
  EXPECT_EQ(fixedText(std::numbers::pi * 10000, 2), u"31415.93");
  EXPECT_EQ(fixedText(1234567.891, 2), u"1234567.90");
  EXPECT_EQ(fixedText(-0.0, 1), u"0.0");
  EXPECT_EQ(fixedText(1e-12, 2), u"0.00");
}

TEST(NumberField, ReadsWholeNumbersOnly) {
  EXPECT_EQ(parseNumber(u" 7 "), 7.0);
  EXPECT_EQ(parseNumber(u"-2.75"), -2.75);
  EXPECT_EQ(parseNumber(u"1e3"), 1000.0);
  for (const char16_t* bad : {u"", u"  ", u"abc", u"3,5", u"7cm", u"1e999", u"nan"}) {
    SCOPED_TRACE(std::u16string(bad).size());
    EXPECT_THROW(parseNumber(bad), std::invalid_argument);
  }
  try {
    parseNumber(u"abc");
  } catch (const std::invalid_argument& e) {
    EXPECT_STREQ(e.what(), "'abc' is not a valid floating point value");
  }
}

}  // namespace
}  // namespace vrn::editing
