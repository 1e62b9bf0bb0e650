#include "host/utf8.h"

#include <cstdint>

namespace vrn {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one code point at text[i], advancing i past it.
char32_t decodeUtf8(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i++]);
  if (lead < 0x80) return lead;
  int extra = 0;
  char32_t cp = 0;
  char32_t min = 0;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, cp = lead & 0x1Fu, min = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, cp = lead & 0x0Fu, min = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, cp = lead & 0x07u, min = 0x10000;
  } else {
    return kReplacement;
  }
  for (int k = 0; k < extra; ++k) {
    if (i >= text.size()) return kReplacement;
    const auto next = static_cast<unsigned char>(text[i]);
    if ((next & 0xC0) != 0x80) return kReplacement;
    cp = (cp << 6) | (next & 0x3Fu);
    ++i;
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return kReplacement;
  return cp;
}

}  // namespace

// Written into room made first, as its reverse below: a UTF-8 text never
// takes more UTF-16 units than it has bytes (a 4-byte sequence makes a
// pair, a damaged byte one U+FFFD).
std::u16string utf8ToUtf16(std::string_view text) {
  std::u16string out(text.size(), u'\0');
  char16_t* at = out.data();
  std::size_t i = 0;
  while (i < text.size()) {
    if (static_cast<unsigned char>(text[i]) < 0x80) {
      *at++ = static_cast<char16_t>(text[i++]);
      continue;
    }
    const char32_t cp = decodeUtf8(text, i);
    if (cp < 0x10000) {
      *at++ = static_cast<char16_t>(cp);
    } else {
      const char32_t v = cp - 0x10000;
      *at++ = static_cast<char16_t>(0xD800 + (v >> 10));
      *at++ = static_cast<char16_t>(0xDC00 + (v & 0x3FF));
    }
  }
  out.resize(static_cast<std::size_t>(at - out.data()));
  return out;
}

// Written into room made first: growing the string byte by byte took most
// of a large listing's time.
std::string utf16ToUtf8(std::u16string_view text) {
  std::string out(3 * text.size(), '\0');  // a unit takes at most 3 bytes, a pair 4
  char* at = out.data();
  for (std::size_t i = 0; i < text.size();) {
    if (text[i] < 0x80) {
      *at++ = static_cast<char>(text[i++]);
      continue;
    }
    at = writeUtf8(at, codePointAt(text, i));
  }
  out.resize(static_cast<std::size_t>(at - out.data()));
  return out;
}

}  // namespace vrn
