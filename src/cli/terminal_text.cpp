#include "cli/terminal_text.h"

#include <array>
#include <cstdio>

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

// The bytes a JSON string may need escaped at: controls, the quote, the
// backslash, DEL and C2 (which leads the C1 controls). Most bytes are none.
constexpr std::array<bool, 256> kMayEscape = [] {
  std::array<bool, 256> may{};
  for (unsigned byte = 0; byte < 0x20; ++byte) may[byte] = true;
  for (const unsigned byte : {0x22U, 0x5CU, 0x7FU, 0xC2U}) may[byte] = true;
  return may;
}();

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
void appendJsonString(std::string& out, std::string_view utf8) {
  out += '"';
  // Bytes that need no escape go out in runs, not one by one.
  std::size_t plainFrom = 0;
  const auto escape = [&](std::size_t i, std::size_t length, const std::string& escaped) {
    out.append(utf8, plainFrom, i - plainFrom).append(escaped);
    plainFrom = i + length;
  };
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const unsigned byte = byteAt(utf8, i);
    if (!kMayEscape[byte]) continue;
    switch (byte) {
      case '"':
        escape(i, 1, "\\\"");
        break;
      case '\\':
        escape(i, 1, "\\\\");
        break;
      case '\b':
        escape(i, 1, "\\b");
        break;
      case '\t':
        escape(i, 1, "\\t");
        break;
      case '\n':
        escape(i, 1, "\\n");
        break;
      case '\f':
        escape(i, 1, "\\f");
        break;
      case '\r':
        escape(i, 1, "\\r");
        break;
      default:
        // UTF-8: 7F is DEL, C2 80-9F the C1 controls.
        if (byte < 0x20 || byte == 0x7F) {
          escape(i, 1, hexEscape("\\u%04x", byte));
        } else if (byte == 0xC2 && i + 1 < utf8.size() && byteAt(utf8, i + 1) >= 0x80 &&
                   byteAt(utf8, i + 1) <= 0x9F) {
          escape(i, 2, hexEscape("\\u%04x", byteAt(utf8, i + 1)));
          ++i;
        }
    }
  }
  out.append(utf8, plainFrom).append(1, '"');
}

std::string jsonString(std::string_view utf8) {
  std::string json;
  appendJsonString(json, utf8);
  return json;
}

}  // namespace vrn::cli
