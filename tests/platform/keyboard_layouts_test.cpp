#include "platform/keyboard_layouts.h"

#include <gtest/gtest.h>

#include "platform/posix/simulated_keyboard.h"

namespace vrn::platform {
namespace {

class KeyboardLayoutsTest : public ::testing::Test {
 protected:
  KeyboardLayoutsTest() { resetSimulatedKeyboard(); }
  ~KeyboardLayoutsTest() override { resetSimulatedKeyboard(); }
};

TEST_F(KeyboardLayoutsTest, StartsWithUsEnglishCurrentAndHebrewInstalled) {
  auto layouts = installedKeyboardLayouts(40);
  ASSERT_EQ(layouts.size(), 2u);
  EXPECT_EQ(layouts[0].handle, 0x04090409u);
  EXPECT_EQ(layouts[0].languageId, 0x0409);
  EXPECT_EQ(layouts[0].languageName, u"English (United States)");
  EXPECT_EQ(layouts[0].isoCode, u"ENG");
  EXPECT_EQ(layouts[1].languageId, 0x040D);
  EXPECT_EQ(layouts[1].languageName, u"Hebrew (Israel)");
  EXPECT_EQ(layouts[1].isoCode, u"HEB");
  EXPECT_EQ(currentKeyboardLayout(), 0x04090409u);
}

TEST_F(KeyboardLayoutsTest, ListStopsAtTheLimitAndNamesUnknownLanguages) {
  std::vector<KeyboardLayoutHandle> many;
  for (std::uint32_t i = 0; i < 45; ++i) many.push_back(0xF0000000u + i);
  installSimulatedKeyboardLayouts(many, many.front());
  auto layouts = installedKeyboardLayouts(40);
  ASSERT_EQ(layouts.size(), 40u);
  EXPECT_EQ(layouts[39].languageId, 39);
  EXPECT_FALSE(layouts[39].languageName.empty());
}

TEST_F(KeyboardLayoutsTest, ActivationByLanguageOrHandleNotifiesOnChangeOnly) {
  installSimulatedKeyboardLayouts({0x04090409, 0x040D040D, 0x04070407}, 0x04090409);
  std::vector<KeyboardLayoutHandle> seen;
  auto id = addLanguageChangeListener([&](KeyboardLayoutHandle l) { seen.push_back(l); });

  EXPECT_TRUE(activateKeyboardLayout(kHebrewLayout));
  EXPECT_TRUE(activateKeyboardLayout(kHebrewLayout));  // already current: no notification
  EXPECT_TRUE(userSwitchesKeyboardLayout(0x04070407));
  EXPECT_FALSE(activateKeyboardLayout(0x0419));  // Russian is not installed
  EXPECT_EQ(currentKeyboardLayout(), 0x04070407u);
  EXPECT_EQ(seen, (std::vector<KeyboardLayoutHandle>{0x040D040D, 0x04070407}));

  removeLanguageChangeListener(id);
  activateKeyboardLayout(kUsEnglishLayout);
  EXPECT_EQ(seen.size(), 2u);
}

TEST_F(KeyboardLayoutsTest, ListenersMayUnregisterAndSwitchFromInsideANotification) {
  int first = 0;
  int second = 0;
  LanguageListenerId secondId = 0;
  addLanguageChangeListener([&](KeyboardLayoutHandle layout) {
    ++first;
    removeLanguageChangeListener(secondId);
    if (languageIdOf(layout) != 0x0409) activateKeyboardLayout(kUsEnglishLayout);
  });
  secondId = addLanguageChangeListener([&](KeyboardLayoutHandle) { ++second; });
  activateKeyboardLayout(kHebrewLayout);
  EXPECT_EQ(first, 2);  // the switch to Hebrew and the one back to English
  EXPECT_EQ(second, 0);
  EXPECT_EQ(currentKeyboardLayout(), 0x04090409u);
}

}  // namespace
}  // namespace vrn::platform
