#include "editing/keyboard_language.h"

#include "encoding/keyboard_switch.h"

namespace vrn::editing {

KeyboardLanguage::KeyboardLanguage(ui::ToolButton& hebrewButton, ui::ToolButton& englishButton,
                                   ui::Timer& timer)
    : hebrewButton_(hebrewButton), englishButton_(englishButton), timer_(timer) {}

KeyboardLanguage::~KeyboardLanguage() { removeHook(); }

void KeyboardLanguage::startHebrew() {
  encoding::SetKeyboardHebrew();
  KeyboardLanguage_ = kHebrewLanguage;
  synchronise();
}

void KeyboardLanguage::installHook() {
  if (hooked_) return;
  hook_ = platform::addLanguageChangeListener(
      [this](platform::KeyboardLayoutHandle layout) { languageChanged(layout); });
  hooked_ = true;
}

void KeyboardLanguage::removeHook() {
  if (!hooked_) return;
  platform::removeLanguageChangeListener(hook_);
  hooked_ = false;
}

void KeyboardLanguage::languageChanged(platform::KeyboardLayoutHandle layout) {
  if (LanguageSyncBusy_) return;
  LanguageSyncBusy_ = true;
  switch (platform::languageIdOf(layout)) {
    case kEnglishLanguage:
      KeyboardLanguage_ = kEnglishLanguage;
      break;
    case kHebrewLanguage:
      KeyboardLanguage_ = kHebrewLanguage;
      break;
    default:  // a third language: back to the one of the two not shown
      KeyboardLanguage_ = hebrewButton_.down() ? kEnglishLanguage : kHebrewLanguage;
      break;
  }
  timer_.setEnabled(true);
}

void KeyboardLanguage::synchronise() {
  LanguageSyncBusy_ = true;
  if (KeyboardLanguage_ == kEnglishLanguage) {
    encoding::SetKeyboardEnglish();
  } else {
    encoding::SetKeyboardHebrew();
  }
  followActiveLayout();
  LanguageSyncBusy_ = false;
}

void KeyboardLanguage::followActiveLayout() {
  const bool hebrewActive = platform::languageIdOf(platform::currentKeyboardLayout()) ==
                            platform::languageIdOf(platform::kHebrewLayout);
  KeyboardLanguage_ = hebrewActive ? kHebrewLanguage : kEnglishLanguage;
  (hebrewActive ? hebrewButton_ : englishButton_).setDown(true);
}

void KeyboardLanguage::timerTick() {
  synchronise();
  timer_.setEnabled(false);
}

void KeyboardLanguage::hebrewClick() { encoding::SetKeyboardHebrew(); }

void KeyboardLanguage::englishClick() { encoding::SetKeyboardEnglish(); }

}  // namespace vrn::editing
