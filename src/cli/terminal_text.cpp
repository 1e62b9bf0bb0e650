#include "cli/terminal_text.h"

#include <cstdio>
#include <nlohmann/json.hpp>

#include "platform/text_encoding.h"

namespace vrn::cli {
namespace {

unsigned byteAt(std::string_view text, std::size_t i) {
  return static_cast<unsigned char>(text[i]);
}

bool isControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

std::string hexEscape(const char* format, unsigned value) {
  char code[8];
  std::snprintf(code, sizeof code, format, value);
  return code;
}

}  // namespace

std::string terminalSafe(std::string_view utf8, LineFeeds lineFeeds) {
  std::string safe;
  safe.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const auto decoded = platform::utf8CharacterAt(utf8, i);
    if (!decoded) {
      safe += hexEscape("\\x%02X", byteAt(utf8, i));
      ++i;
      continue;
    }
    const char32_t c = decoded->codePoint;
    if (isControl(c) && !(c == U'\n' && lineFeeds == LineFeeds::Keep)) {
      safe += hexEscape("\\x%02X", static_cast<unsigned>(c));
    } else {
      safe.append(utf8, i, decoded->length);
    }
    i += decoded->length;
  }
  return safe;
}

std::string withoutRawControls(const std::string& json) {
  std::string safe;
  safe.reserve(json.size());
  for (std::size_t i = 0; i < json.size(); ++i) {
    // The writer's output is UTF-8: 7F is DEL, C2 80-9F the C1 controls.
    const unsigned byte = byteAt(json, i);
    if (byte == 0x7F) {
      safe += "\\u007f";
    } else if (byte == 0xC2 && i + 1 < json.size() && byteAt(json, i + 1) >= 0x80 &&
               byteAt(json, i + 1) <= 0x9F) {
      safe += hexEscape("\\u%04x", byteAt(json, ++i));
    } else {
      safe += json[i];
    }
  }
  return safe;
}

std::string jsonString(const std::string& utf8) {
  return withoutRawControls(nlohmann::json(utf8).dump());
}

}  // namespace vrn::cli
