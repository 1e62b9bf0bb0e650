#pragma once
// Switching the keyboard between Hebrew and US English, as the editors do
// when they open and close, and telling which one is active.

namespace vrn::encoding {

// Makes the Hebrew layout (language 0x040D) current.
void SetKeyboardHebrew();
// Makes the US English layout (language 0x0409) current.
void SetKeyboardEnglish();
// False only when the current layout is US English (its handle's high 16
// bits are 0x0409); any other layout, German or Russian too, counts as Hebrew.
bool KeyboardIsHebrew();

}  // namespace vrn::encoding
