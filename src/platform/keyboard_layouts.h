#pragma once
// Keyboard layouts: the installed layouts, the current one, activating one,
// and the notification that the current layout changed.
//
// A layout handle is Windows' HKL value: the low 16 bits are the language
// identifier (0x0409 US English, 0x040D Hebrew), the high 16 bits the
// device identifier. Activation takes either a full handle or a bare
// language identifier (high bits 0), which selects the first installed
// layout of that language.
//
// Everything here runs on the host's user-interface thread, without locks.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vrn::platform {

using KeyboardLayoutHandle = std::uint32_t;

inline constexpr KeyboardLayoutHandle kUsEnglishLayout = 0x0409;
inline constexpr KeyboardLayoutHandle kHebrewLayout = 0x040D;

constexpr std::uint16_t languageIdOf(KeyboardLayoutHandle layout) {
  return static_cast<std::uint16_t>(layout & 0xFFFFu);
}

struct KeyboardLayoutInfo {
  KeyboardLayoutHandle handle = 0;
  std::uint16_t languageId = 0;  // low 16 bits of handle
  std::u16string languageName;   // as the system shows it: "Hebrew (Israel)"
  std::u16string isoCode;        // three letters: "HEB"
};

// The installed layouts in the system's order, at most maxCount of them.
std::vector<KeyboardLayoutInfo> installedKeyboardLayouts(std::size_t maxCount);

// The layout that is active for the calling thread.
KeyboardLayoutHandle currentKeyboardLayout();

// Makes layout the current one (Windows: KLF_REORDER). Returns false and
// changes nothing when no installed layout matches. A change of the current
// layout notifies every listener, also when this call caused it.
bool activateKeyboardLayout(KeyboardLayoutHandle layout);

// Language-change notifications: the listener receives the new layout.
// A listener may add or remove listeners, or activate a layout, from
// inside the notification.
using LanguageChangeListener = std::function<void(KeyboardLayoutHandle)>;
using LanguageListenerId = std::uint64_t;

LanguageListenerId addLanguageChangeListener(LanguageChangeListener listener);
void removeLanguageChangeListener(LanguageListenerId id);

// The layout changed outside activateKeyboardLayout (the user's own switch,
// which the window backend learns from the system): every listener hears it.
void notifyLanguageChange(KeyboardLayoutHandle layout);

}  // namespace vrn::platform
