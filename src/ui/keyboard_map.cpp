#include "ui/keyboard_map.h"

#include <array>
#include <string_view>

namespace vrn::ui {
namespace {

// The 47 character keys, in the order of the strings below.
constexpr std::array<std::uint16_t, 47> kCharacterKeys = {
    0xC0, '1', '2', '3', '4', '5', '6', '7',  '8',  '9',  '0',  0xBD, 0xBB,  // ` 1..0 - =
    'Q',  'W', 'E', 'R', 'T', 'Y', 'U', 'I',  'O',  'P',  0xDB, 0xDD, 0xDC,  // q..p [ ] backslash
    'A',  'S', 'D', 'F', 'G', 'H', 'J', 'K',  'L',  0xBA, 0xDE,              // a..l ; '
    'Z',  'X', 'C', 'V', 'B', 'N', 'M', 0xBC, 0xBE, 0xBF,                    // z..m , . /
};

struct LayoutTable {
  std::u16string_view plain;
  std::u16string_view shifted;
};

constexpr LayoutTable kUsEnglishKeys = {
    u"`1234567890-=qwertyuiop[]\\asdfghjkl;'zxcvbnm,./",
    u"~!@#$%^&*()_+QWERTYUIOP{}|ASDFGHJKL:\"ZXCVBNM<>?",
};

constexpr LayoutTable kHebrewKeys = {
    u";1234567890-=/'קראטוןםפ][\\שדגכעיחלךף,זסבהנמצתץ.",
    u"~!@#$%^&*)(_+QWERTYUIOP}{|ASDFGHJKL:\"ZXCVBNM><?",
};

static_assert(kUsEnglishKeys.plain.size() == kCharacterKeys.size());
static_assert(kUsEnglishKeys.shifted.size() == kCharacterKeys.size());
static_assert(kHebrewKeys.plain.size() == kCharacterKeys.size());
static_assert(kHebrewKeys.shifted.size() == kCharacterKeys.size());

const LayoutTable& tableOf(std::uint16_t language) {
  return language == kHebrewLanguage ? kHebrewKeys : kUsEnglishKeys;
}

std::optional<KeyEvent> keyOn(const LayoutTable& table, char16_t wanted) {
  for (std::size_t i = 0; i < kCharacterKeys.size(); ++i) {
    if (table.plain[i] == wanted) return KeyEvent{kCharacterKeys[i], {}};
    if (table.shifted[i] == wanted) return KeyEvent{kCharacterKeys[i], {.shift = true}};
  }
  return std::nullopt;
}

}  // namespace

char16_t characterOf(std::uint16_t language, std::uint16_t key, ShiftState shift) {
  if (shift.ctrl || shift.alt) return 0;
  switch (key) {
    case vk::kEnter:
      return u'\r';
    case vk::kEscape:
      return 0x1B;
    case vk::kBack:
      return 0x08;
    case vk::kTab:
      return u'\t';
    case vk::kSpace:
      return u' ';
    default:
      break;
  }
  const LayoutTable& table = tableOf(language);
  for (std::size_t i = 0; i < kCharacterKeys.size(); ++i) {
    if (kCharacterKeys[i] == key) return shift.shift ? table.shifted[i] : table.plain[i];
  }
  return 0;
}

std::optional<Keystroke> keystrokeFor(char16_t wanted, std::uint16_t activeLanguage) {
  std::optional<KeyEvent> key;
  if (wanted == u' ') key = KeyEvent{vk::kSpace, {}};
  if (wanted == u'\t') key = KeyEvent{vk::kTab, {}};
  if (!key) key = keyOn(tableOf(activeLanguage), wanted);
  if (!key) key = keyOn(activeLanguage == kHebrewLanguage ? kUsEnglishKeys : kHebrewKeys, wanted);
  if (!key) return std::nullopt;
  char16_t typed = characterOf(activeLanguage, key->key, key->shift);
  if (typed == 0) return std::nullopt;
  return Keystroke{*key, typed};
}

}  // namespace vrn::ui
