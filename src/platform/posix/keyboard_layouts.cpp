// The simulated keyboard: one process-wide state, as the Windows layout
// state is per thread and every caller runs on the user-interface thread.
// Names come from ICU's locale data for the layout's language identifier.

#include "platform/keyboard_layouts.h"

#include <unicode/uloc.h>
#include <unicode/ustring.h>

#include <algorithm>
#include <array>
#include <map>

#include "ascii/letter_case.h"
#include "platform/posix/simulated_keyboard.h"

namespace vrn::platform {
namespace {

constexpr KeyboardLayoutHandle kUsEnglishHandle = 0x04090409;
constexpr KeyboardLayoutHandle kHebrewHandle = 0x040D040D;

struct SimulatedKeyboard {
  std::vector<KeyboardLayoutHandle> installed{kUsEnglishHandle, kHebrewHandle};
  KeyboardLayoutHandle current = kUsEnglishHandle;
  std::map<LanguageListenerId, LanguageChangeListener> listeners;
  LanguageListenerId nextId = 1;
};

SimulatedKeyboard& keyboard() {
  static SimulatedKeyboard state;
  return state;
}

std::string localeOf(std::uint16_t languageId) {
  std::array<char, ULOC_FULLNAME_CAPACITY> buffer{};
  UErrorCode status = U_ZERO_ERROR;
  uloc_getLocaleForLCID(languageId, buffer.data(), static_cast<int32_t>(buffer.size()), &status);
  return U_SUCCESS(status) ? std::string(buffer.data()) : std::string();
}

std::u16string displayNameOf(const std::string& locale, std::uint16_t languageId) {
  std::array<UChar, 40> buffer{};
  UErrorCode status = U_ZERO_ERROR;
  int32_t length = locale.empty()
                       ? 0
                       : uloc_getDisplayName(locale.c_str(), "en", buffer.data(),
                                             static_cast<int32_t>(buffer.size()), &status);
  if (locale.empty() || U_FAILURE(status) || length <= 0) {
    // An identifier ICU does not know still gets a name the user can tell apart.
    static constexpr char16_t kHexDigits[] = u"0123456789ABCDEF";
    std::u16string name = u"Language 0x";
    for (int shift = 12; shift >= 0; shift -= 4) name += kHexDigits[(languageId >> shift) & 0xF];
    return name;
  }
  return std::u16string(buffer.data(), static_cast<std::size_t>(std::min(length, 40)));
}

std::u16string isoCodeOf(const std::string& locale) {
  const std::string code = upperAscii(locale.empty() ? "" : uloc_getISO3Language(locale.c_str()));
  return std::u16string(code.begin(), code.end());
}

bool matches(KeyboardLayoutHandle installed, KeyboardLayoutHandle wanted) {
  if ((wanted & 0xFFFF0000u) == 0) return languageIdOf(installed) == languageIdOf(wanted);
  return installed == wanted;
}

}  // namespace

std::vector<KeyboardLayoutInfo> installedKeyboardLayouts(std::size_t maxCount) {
  std::vector<KeyboardLayoutInfo> result;
  for (KeyboardLayoutHandle handle : keyboard().installed) {
    if (result.size() >= maxCount) break;
    std::uint16_t languageId = languageIdOf(handle);
    std::string locale = localeOf(languageId);
    result.push_back({handle, languageId, displayNameOf(locale, languageId), isoCodeOf(locale)});
  }
  return result;
}

KeyboardLayoutHandle currentKeyboardLayout() { return keyboard().current; }

bool activateKeyboardLayout(KeyboardLayoutHandle layout) {
  SimulatedKeyboard& state = keyboard();
  auto found = std::find_if(state.installed.begin(), state.installed.end(),
                            [layout](KeyboardLayoutHandle h) { return matches(h, layout); });
  if (found == state.installed.end()) return false;
  if (*found == state.current) return true;
  state.current = *found;
  notifyLanguageChange(state.current);
  return true;
}

void notifyLanguageChange(KeyboardLayoutHandle layout) {
  SimulatedKeyboard& state = keyboard();
  // A copy, so that listeners may come and go while we notify.
  auto listeners = state.listeners;
  for (auto& [id, listener] : listeners) {
    if (state.listeners.contains(id)) listener(layout);
  }
}

LanguageListenerId addLanguageChangeListener(LanguageChangeListener listener) {
  SimulatedKeyboard& state = keyboard();
  LanguageListenerId id = state.nextId++;
  state.listeners.emplace(id, std::move(listener));
  return id;
}

void removeLanguageChangeListener(LanguageListenerId id) { keyboard().listeners.erase(id); }

void installSimulatedKeyboardLayouts(std::vector<KeyboardLayoutHandle> layouts,
                                     KeyboardLayoutHandle current) {
  SimulatedKeyboard& state = keyboard();
  state.installed = std::move(layouts);
  state.current = current;
}

void resetSimulatedKeyboard() { keyboard() = SimulatedKeyboard{}; }

}  // namespace vrn::platform
