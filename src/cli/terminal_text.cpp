#include "cli/terminal_text.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "host/utf8.h"
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

// The ASCII characters a JSON string may need escaped: controls, the
// quote, the backslash and DEL. Most characters are none.
constexpr std::array<bool, 0x80> kMayEscape = [] {
  std::array<bool, 0x80> may{};
  for (unsigned c = 0; c < 0x20; ++c) may[c] = true;
  for (const unsigned c : {0x22U, 0x5CU, 0x7FU}) may[c] = true;
  return may;
}();

// The escape a JSON string needs for `cp`, written into `buffer`, or an
// empty view for none: the quote, the backslash, the C0 and C1 controls and
// DEL are escaped, so that no control reaches a terminal showing the JSON.
std::string_view jsonEscape(char32_t cp, char (&buffer)[8]) {
  switch (cp) {
    case U'"':
      return "\\\"";
    case U'\\':
      return "\\\\";
    case U'\b':
      return "\\b";
    case U'\t':
      return "\\t";
    case U'\n':
      return "\\n";
    case U'\f':
      return "\\f";
    case U'\r':
      return "\\r";
    default:
      if (!isControl(cp)) return {};
      std::snprintf(buffer, sizeof buffer, "\\u%04x", static_cast<unsigned>(cp));
      return buffer;
  }
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

// Written by hand rather than by the JSON writer: a large drawing's listing
// writes some millions of strings, and building a JSON value for each cost a
// fifth of the listing's time.
char* writeJsonString(char* at, std::u16string_view text) {
  constexpr char16_t kFirstPlain = 0xA0;  // past the C1 controls
  char buffer[8];
  *at++ = '"';
  for (std::size_t i = 0; i < text.size();) {
    const char16_t unit = text[i];
    if (unit < 0x80 && !kMayEscape[unit]) {
      *at++ = static_cast<char>(unit);
      ++i;
    } else if (unit >= kFirstPlain) {
      at = writeUtf8(at, codePointAt(text, i));
    } else {
      const std::string_view escaped = jsonEscape(unit, buffer);
      at = escaped.empty() ? writeUtf8(at, unit) : std::copy(escaped.begin(), escaped.end(), at);
      ++i;
    }
  }
  *at++ = '"';
  return at;
}

}  // namespace vrn::cli
