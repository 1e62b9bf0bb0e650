#pragma once
// UTF-8 <-> UTF-16 for the edges of the system (command line, JSON, file
// names, error messages). Both directions are total: an ill-formed sequence
// becomes U+FFFD, never an exception, so a damaged text can still be shown.

#include <string>
#include <string_view>

namespace vrn {

std::u16string utf8ToUtf16(std::string_view text);
std::string utf16ToUtf8(std::u16string_view text);

// The code point at text[i] (a lone surrogate reads as U+FFFD), moving i
// past it. Inline, as the next one: writers call them per character.
inline char32_t codePointAt(std::u16string_view text, std::size_t& i) {
  const char32_t unit = text[i++];
  if (unit < 0xD800 || unit > 0xDFFF) return unit;
  if (unit <= 0xDBFF && i < text.size() && text[i] >= 0xDC00 && text[i] <= 0xDFFF) {
    return 0x10000 + ((unit - 0xD800) << 10) + (text[i++] - 0xDC00U);
  }
  return 0xFFFD;
}

// Writes cp as UTF-8 at `at`, which has room for 4 bytes; returns the byte
// after it.
inline char* writeUtf8(char* at, char32_t cp) {
  const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
  if (cp < 0x80) {
    *at++ = byte(cp);
  } else if (cp < 0x800) {
    *at++ = byte(0xC0 | (cp >> 6));
    *at++ = byte(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    *at++ = byte(0xE0 | (cp >> 12));
    *at++ = byte(0x80 | ((cp >> 6) & 0x3F));
    *at++ = byte(0x80 | (cp & 0x3F));
  } else {
    *at++ = byte(0xF0 | (cp >> 18));
    *at++ = byte(0x80 | ((cp >> 12) & 0x3F));
    *at++ = byte(0x80 | ((cp >> 6) & 0x3F));
    *at++ = byte(0x80 | (cp & 0x3F));
  }
  return at;
}

}  // namespace vrn
