#include "platform/ini_file.h"

#include <limits>

#include "ascii/blanks.h"

namespace vrn::platform {

IniWriteError::IniWriteError(const std::filesystem::path& file)
    : std::runtime_error("Unable to write to " + file.string()) {}

IniReadError::IniReadError(const std::filesystem::path& file, const std::string& why)
    : std::runtime_error("Cannot read " + file.string() + " (" + why + "); it is left as it is") {}

std::optional<std::int32_t> parseInt32(std::u16string_view text) {
  text = trimBlanks(text);
  bool negative = false;
  if (!text.empty() && (text.front() == u'-' || text.front() == u'+')) {
    negative = text.front() == u'-';
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  std::int64_t magnitude = 0;
  for (char16_t c : text) {
    if (c < u'0' || c > u'9') return std::nullopt;
    magnitude = magnitude * 10 + (c - u'0');
    if (magnitude > std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1) return std::nullopt;
  }
  std::int64_t value = negative ? -magnitude : magnitude;
  if (value > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
  return static_cast<std::int32_t>(value);
}

std::u16string IniFile::readString(std::u16string_view section, std::u16string_view key,
                                   std::u16string_view defaultValue) const {
  auto value = findString(section, key);
  return value ? *value : std::u16string(defaultValue);
}

std::int32_t IniFile::readInteger(std::u16string_view section, std::u16string_view key,
                                  std::int32_t defaultValue) const {
  auto value = findString(section, key);
  if (!value) return defaultValue;
  return parseInt32(*value).value_or(defaultValue);
}

bool IniFile::readBool(std::u16string_view section, std::u16string_view key,
                       bool defaultValue) const {
  return readInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void IniFile::writeInteger(std::u16string_view section, std::u16string_view key,
                           std::int32_t value) {
  std::string digits = std::to_string(value);
  writeString(section, key, std::u16string(digits.begin(), digits.end()));
}

void IniFile::writeBool(std::u16string_view section, std::u16string_view key, bool value) {
  writeInteger(section, key, value ? 1 : 0);
}

}  // namespace vrn::platform
