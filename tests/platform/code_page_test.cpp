#include "platform/code_page.h"

#include <gtest/gtest.h>

#include <iostream>
#include <string>
#include <vector>

#include "support/cp1255_table.h"

namespace vrn::platform {
namespace {

// Windows' own table, byte by byte (tests/support/data/cp1255.txt).
TEST(CodePage, EveryByteDecodesAsWindowsDoesAndRoundTrips) {
  const std::vector<test::Cp1255Entry> table = test::readCp1255Table();
  for (const auto& [byte, unit] : table) {
    const std::string bytes(1, static_cast<char>(byte));
    EXPECT_EQ(fromByteForm(bytes), std::u16string(1, unit)) << "byte " << unsigned{byte};
    EXPECT_EQ(toByteForm(fromByteForm(bytes)), bytes) << "byte " << unsigned{byte};
  }
  std::cout << "cp1255.txt: ran " << table.size() << " bytes\n";
  EXPECT_EQ(table.size(), 256u);
}

TEST(CodePage, WideCharactersWithoutAWindows1255Code) {
  struct Row {
    char16_t unit;
    unsigned char byte;
  };
  const Row rows[] = {
      {u'\u00E0', 0xE0},  // a-grave: Latin-1 carries it at the byte of alef
      {u'\u00FA', 0xFA}, {u'\u00C0', 0xC0}, {u'\u00A4', 0xA4},
      {u'\u0160', 0x8A},  // S-caron, Windows-1252
      {u'\u0152', 0x8C}, {u'\u0178', 0x9F}, {u'\u017E', 0x9E},
      {u'\u0085', 0x85},  // a C1 control: Latin-1
      {u'\u00D7', 0xAA},  // Windows-1255 has it elsewhere and wins
      {u'\u20AA', 0xA4}, {u'\u05D0', 0xE0}, {u'\u200F', 0xFE},
      {u'\u0100', '?'},  {u'\u0416', '?'},  {char16_t{0xD83D}, '?'},
      {u'\uFFFF', '?'},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(toByteForm(std::u16string(1, row.unit)), std::string(1, static_cast<char>(row.byte)))
        << "U+" << std::hex << static_cast<unsigned>(row.unit);
  }
}

TEST(CodePage, LengthsNeverChange) {
  EXPECT_EQ(toByteForm(u"a\U0001F600b"), "a??b");
  EXPECT_EQ(toByteForm(u""), "");
  EXPECT_EQ(fromByteForm(std::string("\0\xFF", 2)), std::u16string(u"\u0000\uF896", 2));
}

}  // namespace
}  // namespace vrn::platform
