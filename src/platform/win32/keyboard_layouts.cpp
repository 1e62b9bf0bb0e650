// The thread's keyboard layouts through user32. Notifications go out when
// activateKeyboardLayout changes the layout; a switch that the user makes
// with the system's own switch reaches the editors through their windows.

#include "platform/keyboard_layouts.h"

#include <windows.h>

#include <algorithm>
#include <map>

#include "ascii/letter_case.h"
#include "platform/win32/wide_text.h"

namespace vrn::platform {
namespace {

struct Listeners {
  std::map<LanguageListenerId, LanguageChangeListener> byId;
  LanguageListenerId nextId = 1;
};

Listeners& listeners() {
  static Listeners state;
  return state;
}

KeyboardLayoutHandle handleOf(HKL layout) {
  return static_cast<KeyboardLayoutHandle>(reinterpret_cast<std::uintptr_t>(layout) & 0xFFFFFFFFu);
}

std::vector<HKL> layoutList() {
  const int count = GetKeyboardLayoutList(0, nullptr);
  std::vector<HKL> layouts(static_cast<std::size_t>(std::max(count, 0)));
  const int got = GetKeyboardLayoutList(count, layouts.data());
  layouts.resize(static_cast<std::size_t>(std::max(got, 0)));
  return layouts;
}

std::u16string localeText(std::uint16_t languageId, LCTYPE type) {
  wchar_t buffer[LOCALE_NAME_MAX_LENGTH * 2] = {};
  const int length = GetLocaleInfoW(MAKELCID(languageId, SORT_DEFAULT), type, buffer,
                                    static_cast<int>(std::size(buffer)));
  return length > 1 ? win32::fromWide(buffer, static_cast<std::size_t>(length - 1))
                    : std::u16string();
}

std::u16string languageNameOf(std::uint16_t languageId) {
  std::u16string name = localeText(languageId, LOCALE_SENGLISHDISPLAYNAME);
  if (name.empty()) name = localeText(languageId, LOCALE_SENGLANGUAGE);
  if (name.empty()) {
    static constexpr char16_t kHexDigits[] = u"0123456789ABCDEF";
    name = u"Language 0x";
    for (int shift = 12; shift >= 0; shift -= 4) name += kHexDigits[(languageId >> shift) & 0xF];
  }
  return name;
}

std::u16string isoCodeOf(std::uint16_t languageId) {
  return upperAscii(localeText(languageId, LOCALE_SISO639LANGNAME2));
}

bool matches(KeyboardLayoutHandle installed, KeyboardLayoutHandle wanted) {
  if ((wanted & 0xFFFF0000u) == 0) return languageIdOf(installed) == languageIdOf(wanted);
  return installed == wanted;
}

// A language whose layout the system has but has not loaded for this user
// (Wine lists only the X keyboard's): loading it makes it current.
bool loadLayoutOfLanguage(KeyboardLayoutHandle layout) {
  if ((layout & 0xFFFF0000u) != 0) return false;
  wchar_t name[KL_NAMELENGTH] = {};
  static constexpr wchar_t kHexDigits[] = L"0123456789ABCDEF";
  for (int i = 0; i < 8; ++i) name[7 - i] = kHexDigits[(layout >> (4 * i)) & 0xF];
  if (LoadKeyboardLayoutW(name, KLF_ACTIVATE | KLF_REORDER) == nullptr) return false;
  return languageIdOf(currentKeyboardLayout()) == languageIdOf(layout);
}

void notify(KeyboardLayoutHandle layout) {
  // A copy, so that listeners may come and go while we notify.
  auto current = listeners().byId;
  for (auto& [id, listener] : current) {
    if (listeners().byId.contains(id)) listener(layout);
  }
}

}  // namespace

std::vector<KeyboardLayoutInfo> installedKeyboardLayouts(std::size_t maxCount) {
  std::vector<KeyboardLayoutInfo> result;
  for (HKL layout : layoutList()) {
    if (result.size() >= maxCount) break;
    const KeyboardLayoutHandle handle = handleOf(layout);
    const std::uint16_t languageId = languageIdOf(handle);
    result.push_back({handle, languageId, languageNameOf(languageId), isoCodeOf(languageId)});
  }
  return result;
}

KeyboardLayoutHandle currentKeyboardLayout() { return handleOf(GetKeyboardLayout(0)); }

bool activateKeyboardLayout(KeyboardLayoutHandle layout) {
  const std::vector<HKL> layouts = layoutList();
  const auto found = std::find_if(layouts.begin(), layouts.end(), [layout](HKL installed) {
    return matches(handleOf(installed), layout);
  });
  const KeyboardLayoutHandle before = currentKeyboardLayout();
  if (found != layouts.end()) {
    if (ActivateKeyboardLayout(*found, KLF_REORDER) == nullptr) return false;
  } else if (!loadLayoutOfLanguage(layout)) {
    return false;
  }
  const KeyboardLayoutHandle after = currentKeyboardLayout();
  if (after != before) notify(after);
  return true;
}

LanguageListenerId addLanguageChangeListener(LanguageChangeListener listener) {
  const LanguageListenerId id = listeners().nextId++;
  listeners().byId.emplace(id, std::move(listener));
  return id;
}

void removeLanguageChangeListener(LanguageListenerId id) { listeners().byId.erase(id); }

void notifyLanguageChange(KeyboardLayoutHandle layout) { notify(layout); }

}  // namespace vrn::platform
