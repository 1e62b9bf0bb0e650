// The POSIX side: the shortest digits that read back alike, with a point.
// tests/windows checks the Windows side's 15 digits and the user's separator.

#include "platform/number_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace vrn::platform {
namespace {

TEST(UserNumberText, ShortestDigitsInFixedOrScientificLayout) {
  constexpr double infinity = std::numeric_limits<double>::infinity();
  struct Case {
    double value;
    std::u16string_view text;
  };
  const Case cases[] = {
      {2.0, u"2"},
      {0.5, u"0.5"},
      {1e20, u"1E20"},
      {-3.0, u"-3"},
      {100000.0, u"100000"},
      {123456.25, u"123456.25"},
      {-0.75, u"-0.75"},
      {12345000000000.0, u"12345000000000"},
      {999999999999999.0, u"999999999999999"},  // the last power of ten in fixed layout
      {1e15, u"1E15"},
      {-1.25e16, u"-1.25E16"},
      {0.0001, u"0.0001"},  // the first power of ten in fixed layout
      {0.00012, u"0.00012"},
      {0.00001, u"1E-5"},
      {-1.5e-7, u"-1.5E-7"},
      {2.5e-300, u"2.5E-300"},
      {0.1 + 0.2, u"0.30000000000000004"},
      {1.0 / 3.0, u"0.3333333333333333"},
      {123456789012345678.0, u"1.2345678901234568E17"},
      {std::numeric_limits<double>::max(), u"1.7976931348623157E308"},
      {std::numeric_limits<double>::denorm_min(), u"5E-324"},
      {0.0, u"0"},
      {-0.0, u"0"},
      {infinity, u"INF"},
      {-infinity, u"-INF"},
      {std::numeric_limits<double>::quiet_NaN(), u"NAN"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(userNumberText(c.value), c.text);
  }
}

}  // namespace
}  // namespace vrn::platform
