#include "encoding/keyboard_switch.h"

#include "platform/keyboard_layouts.h"

namespace vrn::encoding {

// A layout that is not installed cannot be activated; the editors go on
// with the current one, as nothing here reports an error.
void SetKeyboardHebrew() { platform::activateKeyboardLayout(platform::kHebrewLayout); }

void SetKeyboardEnglish() { platform::activateKeyboardLayout(platform::kUsEnglishLayout); }

bool KeyboardIsHebrew() {
  return (platform::currentKeyboardLayout() >> 16) != platform::kUsEnglishLayout;
}

}  // namespace vrn::encoding
