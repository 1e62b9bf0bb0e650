// Runs on both sides of the seam (ICU here, MultiByteToWideChar under Wine):
// the cases are ones where ICU and Windows agree.

#include "platform/windows_code_pages.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vrn::platform {
namespace {

TEST(WindowsCodePages, SingleByteTables) {
  struct Case {
    unsigned codePage;
    unsigned char byte;
    char16_t unit;
  };
  const Case cases[] = {
      {1255, 0x41, u'A'},       {1255, 0xE0, u'\u05D0'},  {1255, 0x80, u'\u20AC'},
      {1252, 0xE9, u'\u00E9'},  {862, 0x80, u'\u05D0'},   {437, 0x82, u'\u00E9'},
      {28592, 0xA1, u'\u0104'}, {10000, 0x80, u'\u00C4'}, {874, 0xA1, u'\u0E01'},
  };
  for (const Case& c : cases) {
    const auto unit = singleByteTable(c.codePage)[c.byte];
    ASSERT_TRUE(unit) << c.codePage << " byte " << unsigned{c.byte};
    EXPECT_EQ(*unit, c.unit) << c.codePage << " byte " << unsigned{c.byte};
  }
}

TEST(WindowsCodePages, UnknownCodePageLeavesEveryByteUndefined) {
  const SingleByteTable table = singleByteTable(12345);
  EXPECT_TRUE(
      std::none_of(table.begin(), table.end(), [](const auto& unit) { return unit.has_value(); }));
}

TEST(WindowsCodePages, DoubleByteCharacters) {
  EXPECT_EQ(doubleByteCharacter(932, 0x81, 0x40), u'\u3000');  // ideographic space
  EXPECT_EQ(doubleByteCharacter(936, 0xC4, 0xE3), u'\u4F60');
  EXPECT_EQ(doubleByteCharacter(932, 0x41, 0x42), std::nullopt);  // two characters
  EXPECT_EQ(doubleByteCharacter(12345, 0x81, 0x40), std::nullopt);
}

}  // namespace
}  // namespace vrn::platform
