#include "editing/keyboard_language.h"

#include <gtest/gtest.h>

#include "platform/posix/simulated_keyboard.h"
#include "ui/form.h"
#include "ui/headless/headless_toolkit.h"

namespace vrn::editing {
namespace {

constexpr platform::KeyboardLayoutHandle kGerman = 0x0407;

class TfrmKeys : public ui::Form {
 public:
  explicit TfrmKeys(ui::Toolkit& toolkit) : Form(toolkit, "TfrmKeys") {
    tbHeb.setGroupIndex(1);
    tbEng.setGroupIndex(1);
  }
  ui::ToolButton tbHeb{*this, "tbHeb", ui::ToolButtonStyle::Check};
  ui::ToolButton tbEng{*this, "tbEng", ui::ToolButtonStyle::Check};
  ui::Timer Timer3{*this, "Timer3", 100, false};
  KeyboardLanguage keyboard{tbHeb, tbEng, Timer3};
};

std::uint16_t activeLanguage() { return platform::languageIdOf(platform::currentKeyboardLayout()); }

class KeyboardLanguageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    platform::resetSimulatedKeyboard();
    platform::installSimulatedKeyboardLayouts(
        {platform::kUsEnglishLayout, platform::kHebrewLayout, kGerman}, platform::kUsEnglishLayout);
  }
  void TearDown() override { platform::resetSimulatedKeyboard(); }
  ui::headless::HeadlessToolkit toolkit;
  TfrmKeys form{toolkit};
};

TEST_F(KeyboardLanguageTest, ANotificationArmsTheTimerWhoseTickMakesButtonsAndLayoutAgree) {
  struct Case {
    bool hebrewDown;
    platform::KeyboardLayoutHandle switchedTo;
    std::int32_t language;  // after the tick
  };
  const Case cases[] = {
      {true, platform::kUsEnglishLayout, kEnglishLanguage},
      {false, platform::kHebrewLayout, kHebrewLanguage},
      {true, kGerman, kEnglishLanguage},  // a third language: the other one of the two
      {false, kGerman, kHebrewLanguage},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.switchedTo);
    (c.hebrewDown ? form.tbHeb : form.tbEng).setDown(true);
    form.keyboard.languageChanged(c.switchedTo);
    EXPECT_TRUE(form.Timer3.enabled());
    EXPECT_TRUE(form.keyboard.LanguageSyncBusy());
    form.keyboard.languageChanged(platform::kHebrewLayout);  // dropped while busy
    form.keyboard.timerTick();
    EXPECT_FALSE(form.Timer3.enabled());
    EXPECT_FALSE(form.keyboard.LanguageSyncBusy());
    EXPECT_EQ(form.keyboard.language(), c.language);
    EXPECT_EQ(form.tbHeb.down(), c.language == kHebrewLanguage);
    EXPECT_EQ(form.tbEng.down(), c.language == kEnglishLanguage);
    EXPECT_EQ(activeLanguage(), c.language == kHebrewLanguage ? 0x040D : 0x0409);
  }
}

TEST_F(KeyboardLanguageTest, TheHookHearsTheSystemSwitchUntilRemoved) {
  form.keyboard.startHebrew();
  form.keyboard.installHook();
  platform::activateKeyboardLayout(platform::kUsEnglishLayout);
  EXPECT_TRUE(form.Timer3.enabled());
  form.keyboard.timerTick();
  EXPECT_TRUE(form.tbEng.down());
  form.keyboard.removeHook();
  platform::activateKeyboardLayout(platform::kHebrewLayout);
  EXPECT_FALSE(form.Timer3.enabled());
}

TEST_F(KeyboardLanguageTest, WithoutAHebrewLayoutTheEditorBelievesEnglish) {
  platform::installSimulatedKeyboardLayouts({platform::kUsEnglishLayout},
                                            platform::kUsEnglishLayout);
  form.keyboard.startHebrew();
  EXPECT_EQ(form.keyboard.language(), kEnglishLanguage);
  EXPECT_TRUE(form.tbEng.down());
  EXPECT_FALSE(form.keyboard.hebrew());
}

}  // namespace
}  // namespace vrn::editing
