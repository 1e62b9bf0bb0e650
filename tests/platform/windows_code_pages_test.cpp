// Runs on both sides of the seam (ICU here, MultiByteToWideChar under Wine):
// the cases are ones where ICU and Windows agree.

#include "platform/windows_code_pages.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>

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

// Both ways, with the spellings a code page has twice: the system writes
// one of them.
TEST(WindowsCodePages, DoubleByteTables) {
  struct Case {
    unsigned codePage;
    std::uint16_t bytes;  // one byte, or lead << 8 | trail
    char16_t unit;
    bool written;  // the bytes the code page writes for the unit
  };
  const Case cases[] = {
      {932, 0x8140, u'\u3000', true},  {932, 0x82A0, u'\u3042', true},
      {932, 0xB1, u'\uFF71', true},    {932, 0x815F, u'\uFF3C', true},
      {932, 0x81CA, u'\uFFE2', true},  {932, 0xFA54, u'\uFFE2', false},
      {936, 0xC4E3, u'\u4F60', true},  {949, 0xB0A1, u'\uAC00', true},
      {950, 0xA440, u'\u4E00', true},  {1361, 0x8861, u'\uAC00', true},
      {1361, 0xD931, u'\u3000', true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.codePage) + " " + std::to_string(c.bytes));
    const DoubleByteTable table = doubleByteTable(c.codePage);
    EXPECT_EQ(c.bytes < 0x100 ? table.bytes[c.bytes] : table.pairs[c.bytes], c.unit);
    if (c.written) {
      EXPECT_EQ(table.units[c.unit], c.bytes);
    }
  }
  const DoubleByteTable shiftJis = doubleByteTable(932);
  EXPECT_EQ(shiftJis.bytes[0x81], std::nullopt);  // a lead byte is no character alone
  EXPECT_EQ(shiftJis.pairs[0x81FF], std::nullopt);
  EXPECT_EQ(shiftJis.units[0x05D0], std::nullopt);  // no Hebrew
  const DoubleByteTable unknown = doubleByteTable(12345);
  EXPECT_TRUE(std::none_of(unknown.pairs.begin(), unknown.pairs.end(),
                           [](const auto& unit) { return unit.has_value(); }));
  EXPECT_TRUE(std::none_of(unknown.units.begin(), unknown.units.end(),
                           [](const auto& bytes) { return bytes.has_value(); }));
}

}  // namespace
}  // namespace vrn::platform
