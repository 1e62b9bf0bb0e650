#include "settings/key_definitions.h"

#include <algorithm>
#include <optional>

#include "ascii/letter_case.h"

namespace vrn::settings {
namespace {

constexpr std::uint16_t kVkF1 = 0x70;
constexpr std::uint16_t kVkF12 = 0x7B;
constexpr std::uint16_t kVk0 = 0x30;
constexpr std::uint16_t kVk9 = 0x39;

constexpr std::size_t kLastFunctionKey = 12;

// "F3", "f12" or "F00012" -> the number; anything but decimal digits after
// the F is no name. Any length: a number past F12 stays past it (no wrap).
std::optional<std::size_t> functionKeyNumber(std::u16string_view name) {
  if (!equalsIgnoringAsciiCase(name.substr(0, 1), u"F")) return std::nullopt;
  name.remove_prefix(1);
  if (name.empty()) return std::nullopt;
  std::size_t number = 0;
  for (char16_t c : name) {
    if (c < u'0' || c > u'9') return std::nullopt;
    number = std::min(number * 10 + static_cast<std::size_t>(c - u'0'), kLastFunctionKey + 1);
  }
  return number;
}

std::optional<std::size_t> leadingDigit(std::u16string_view name) {
  if (name.empty() || name.front() < u'0' || name.front() > u'9') return std::nullopt;
  return static_cast<std::size_t>(name.front() - u'0');
}

// Each name takes the value of the first line with that name; a later name
// for the same digit overwrites an earlier one.
void readDigitSection(const platform::IniFile& ini, std::u16string_view section,
                      std::array<std::u16string, 10>& texts) {
  for (const std::u16string& name : ini.readSection(section)) {
    if (auto digit = leadingDigit(name)) texts[*digit] = ini.readString(section, name, u"");
  }
}

}  // namespace

KeyDefinitions loadKeyDefinitions(const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return {};
  return keyDefinitionsOf(*platform::openIniFile(file));
}

KeyDefinitions keyDefinitionsOf(const platform::IniFile& ini) {
  KeyDefinitions definitions;
  definitions.missing = false;
  for (const std::u16string& name : ini.readSection(u"FKeys")) {
    auto number = functionKeyNumber(name);
    if (number && *number >= 1 && *number <= kLastFunctionKey) {
      definitions.fkeys[*number] = ini.readString(u"FKeys", name, u"");
    }
  }
  readDigitSection(ini, u"Alt", definitions.alts);
  readDigitSection(ini, u"Ctrl", definitions.ctrls);
  return definitions;
}

std::u16string KeyDefinitions::KeyDefText(ShiftState shift, std::uint16_t key) const {
  if (missing) return {};
  if (key >= kVkF1 && key <= kVkF12) return fkeys[key - kVkF1 + 1u];
  if (key < kVk0 || key > kVk9) return {};
  std::size_t digit = key - kVk0;
  if (shift == ShiftState{.alt = true}) return alts[digit];
  if (shift == ShiftState{.ctrl = true}) return ctrls[digit];
  return {};
}

}  // namespace vrn::settings
