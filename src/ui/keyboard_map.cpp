#include "ui/keyboard_map.h"

#include <array>
#include <string_view>

namespace vrn::ui {
namespace {

// The 47 character keys, in the order of the strings below.
constexpr std::array<std::uint16_t, 47> characterKeys = {
    0xC0, '1', '2', '3', '4', '5', '6', '7', '8', '9', '0', 0xBD, 0xBB,        // ` 1..0 - =
    'Q', 'W', 'E', 'R', 'T', 'Y', 'U', 'I', 'O', 'P', 0xDB, 0xDD, 0xDC,        // q..p [ ] backslash
    'A', 'S', 'D', 'F', 'G', 'H', 'J', 'K', 'L', 0xBA, 0xDE,                   // a..l ; '
    'Z', 'X', 'C', 'V', 'B', 'N', 'M', 0xBC, 0xBE, 0xBF,                       // z..m , . /
};

struct LayoutTable {
  std::u16string_view plain;
  std::u16string_view shifted;
};

constexpr LayoutTable usEnglish = {
    u"`1234567890-=qwertyuiop[]\\asdfghjkl;'zxcvbnm,./",
    u"~!@#$%^&*()_+QWERTYUIOP{}|ASDFGHJKL:\"ZXCVBNM<>?",
};

constexpr LayoutTable hebrew = {
    u";1234567890-=/'קראטוןםפ][\\שדגכעיחלךף,זסבהנמצתץ.",
    u"~!@#$%^&*)(_+QWERTYUIOP}{|ASDFGHJKL:\"ZXCVBNM><?",
};

static_assert(usEnglish.plain.size() == characterKeys.size());
static_assert(usEnglish.shifted.size() == characterKeys.size());
static_assert(hebrew.plain.size() == characterKeys.size());
static_assert(hebrew.shifted.size() == characterKeys.size());

const LayoutTable& tableOf(std::uint16_t language) {
  return language == hebrewLanguage ? hebrew : usEnglish;
}

std::optional<KeyEvent> keyOn(const LayoutTable& table, char16_t wanted) {
  for (std::size_t i = 0; i < characterKeys.size(); ++i) {
    if (table.plain[i] == wanted) return KeyEvent{characterKeys[i], {}};
    if (table.shifted[i] == wanted) return KeyEvent{characterKeys[i], {.shift = true}};
  }
  return std::nullopt;
}

}  // namespace

char16_t characterOf(std::uint16_t language, std::uint16_t key, ShiftState shift) {
  if (shift.ctrl || shift.alt) return 0;
  switch (key) {
    case vk::enter: return u'\r';
    case vk::escape: return 0x1B;
    case vk::back: return 0x08;
    case vk::tab: return u'\t';
    case vk::space: return u' ';
    default: break;
  }
  const LayoutTable& table = tableOf(language);
  for (std::size_t i = 0; i < characterKeys.size(); ++i) {
    if (characterKeys[i] == key) return shift.shift ? table.shifted[i] : table.plain[i];
  }
  return 0;
}

std::optional<Keystroke> keystrokeFor(char16_t wanted, std::uint16_t activeLanguage) {
  std::optional<KeyEvent> key;
  if (wanted == u' ') key = KeyEvent{vk::space, {}};
  if (wanted == u'\t') key = KeyEvent{vk::tab, {}};
  if (!key) key = keyOn(tableOf(activeLanguage), wanted);
  if (!key) key = keyOn(activeLanguage == hebrewLanguage ? usEnglish : hebrew, wanted);
  if (!key) return std::nullopt;
  char16_t typed = characterOf(activeLanguage, key->key, key->shift);
  if (typed == 0) return std::nullopt;
  return Keystroke{*key, typed};
}

}  // namespace vrn::ui
