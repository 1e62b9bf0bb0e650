#include "encoding/keyboard_switch.h"

#include <gtest/gtest.h>

#include "platform/posix/simulated_keyboard.h"

namespace vrn::encoding {
namespace {

class KeyboardSwitchTest : public ::testing::Test {
 protected:
  KeyboardSwitchTest() { platform::resetSimulatedKeyboard(); }
  ~KeyboardSwitchTest() override { platform::resetSimulatedKeyboard(); }
};

TEST_F(KeyboardSwitchTest, SwitchesBetweenHebrewAndEnglishAndNotifies) {
  std::vector<platform::KeyboardLayoutHandle> seen;
  platform::addLanguageChangeListener([&](platform::KeyboardLayoutHandle l) { seen.push_back(l); });
  EXPECT_FALSE(KeyboardIsHebrew());
  SetKeyboardHebrew();
  EXPECT_TRUE(KeyboardIsHebrew());
  SetKeyboardEnglish();
  EXPECT_FALSE(KeyboardIsHebrew());
  EXPECT_EQ(seen, (std::vector<platform::KeyboardLayoutHandle>{0x040D040D, 0x04090409}));
}

TEST_F(KeyboardSwitchTest, EveryLayoutButUsEnglishCountsAsHebrew) {
  struct Case {
    platform::KeyboardLayoutHandle layout;
    bool hebrew;
  };
  const Case cases[] = {
      {0x04090409, false}, {0x040D040D, true}, {0x04070407, true},  // German
      {0x04190419, true},                                           // Russian
      {0xF0010409, true},  // US-International: another device, not US English
  };
  for (const Case& c : cases) {
    platform::installSimulatedKeyboardLayouts({c.layout}, c.layout);
    EXPECT_EQ(KeyboardIsHebrew(), c.hebrew) << std::hex << c.layout;
  }
}

TEST_F(KeyboardSwitchTest, AMissingLayoutLeavesTheCurrentOne) {
  platform::installSimulatedKeyboardLayouts({0x04070407}, 0x04070407);
  SetKeyboardEnglish();
  SetKeyboardHebrew();
  EXPECT_EQ(platform::currentKeyboardLayout(), 0x04070407u);
}

}  // namespace
}  // namespace vrn::encoding
