#include "settings/key_definitions.h"

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace vrn::settings {
namespace {

constexpr std::uint16_t vkF(int n) { return static_cast<std::uint16_t>(0x6F + n); }
constexpr std::uint16_t vkDigit(int d) { return static_cast<std::uint16_t>(0x30 + d); }
constexpr ShiftState kNone{};
constexpr ShiftState kAlt{.alt = true};
constexpr ShiftState kCtrl{.ctrl = true};
constexpr ShiftState kShift{.shift = true};
constexpr ShiftState kCtrlAlt{.alt = true, .ctrl = true};

class KeyDefinitionsTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::filesystem::path file = dir / "editdef.txt";
};

TEST_F(KeyDefinitionsTest, EditdefLinesDefineTheKeys) {
  test::writeFile(file,
                  "[FKeys]\nf3=abc\nF13=x\nFx=y\nF0=zero\nF+4=plus\nF5=five\nF5=later\nF05=padded\n"
                  "F00012=twelve\nF0000000000000000000011=eleven\nF18446744073709551617=wraps\n"
                  "[Alt]\n1=first\n1=second\n2a=two\nx=none\n"
                  "[Ctrl]\n12=twelve\n");
  KeyDefinitions defs = loadKeyDefinitions(file);
  struct Case {
    ShiftState shift;
    std::uint16_t key;
    std::u16string text;
  };
  const Case cases[] = {
      {kNone, vkF(3), u"abc"},     {kShift, vkF(5), u"padded"},
      {kCtrlAlt, vkF(3), u"abc"},  {kNone, vkF(4), u""},
      {kNone, vkF(12), u"twelve"}, {kNone, vkF(11), u"eleven"},
      {kNone, vkF(1), u""},        {kAlt, vkDigit(1), u"first"},
      {kAlt, vkDigit(2), u"two"},  {kCtrl, vkDigit(1), u"twelve"},
      {kCtrlAlt, vkDigit(1), u""}, {kNone, vkDigit(1), u""},
      {kShift, vkDigit(1), u""},   {kAlt, 0x41, u""},
      {kAlt, 0x7C, u""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(defs.KeyDefText(c.shift, c.key), c.text) << "key " << c.key;
  }
  EXPECT_EQ(defs.fkeys[0], u"");  // F0 is no function key
}

TEST_F(KeyDefinitionsTest, MissingFileMakesEveryTextEmpty) {
  KeyDefinitions defs = loadKeyDefinitions(file);
  EXPECT_TRUE(defs.missing);
  defs.fkeys[1] = u"set by hand";
  EXPECT_EQ(defs.KeyDefText(kNone, vkF(1)), u"");
}

}  // namespace
}  // namespace vrn::settings
