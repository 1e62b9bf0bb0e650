#include "platform/text_encoding.h"

#include "platform/code_page.h"

namespace vrn::platform {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

unsigned byteAt(std::string_view bytes, std::size_t i) {
  return static_cast<unsigned char>(bytes[i]);
}

void appendCodePoint(std::u16string& text, char32_t c) {
  if (c < 0x10000) {
    text += static_cast<char16_t>(c);
    return;
  }
  c -= 0x10000;
  text += static_cast<char16_t>(0xD800 + (c >> 10));
  text += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
}

std::optional<std::u16string> fromUtf8(std::string_view bytes) {
  std::u16string text;
  text.reserve(bytes.size());
  for (std::size_t i = 0; i < bytes.size();) {
    const auto character = utf8CharacterAt(bytes, i);
    if (!character) return std::nullopt;
    appendCodePoint(text, character->codePoint);
    i += character->length;
  }
  return text;
}

std::string toUtf8(std::u16string_view text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    const bool pair = c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                      text[i + 1] <= 0xDFFF;
    if (pair) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00u);
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = 0xFFFD;  // a lone surrogate has no UTF-8 form
    }
    if (c < 0x80) {
      bytes += static_cast<char>(c);
    } else if (c < 0x800) {
      bytes += static_cast<char>(0xC0 | c >> 6);
      bytes += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      bytes += static_cast<char>(0xE0 | c >> 12);
      bytes += static_cast<char>(0x80 | (c >> 6 & 0x3F));
      bytes += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      bytes += static_cast<char>(0xF0 | c >> 18);
      bytes += static_cast<char>(0x80 | (c >> 12 & 0x3F));
      bytes += static_cast<char>(0x80 | (c >> 6 & 0x3F));
      bytes += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return bytes;
}

std::u16string fromUtf16(std::string_view bytes, bool bigEndian) {
  std::u16string text;
  text.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const unsigned first = byteAt(bytes, i);
    const unsigned second = byteAt(bytes, i + 1);
    text += static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first);
  }
  return text;
}

std::string toUtf16(std::u16string_view text, bool bigEndian) {
  std::string bytes;
  bytes.reserve(text.size() * 2);
  for (char16_t unit : text) {
    const auto high = static_cast<char>(unit >> 8);
    const auto low = static_cast<char>(unit & 0xFF);
    bytes += bigEndian ? high : low;
    bytes += bigEndian ? low : high;
  }
  return bytes;
}

struct NulBytes {
  std::size_t even = 0;  // at offsets 0, 2, 4 ...
  std::size_t odd = 0;

  static NulBytes of(std::string_view bytes) {
    NulBytes count;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      if (bytes[i] == '\0') ++(i % 2 == 0 ? count.even : count.odd);
    }
    return count;
  }
};

DecodedText utf16Text(std::string_view bytes, TextForm form) {
  DecodedText decoded{fromUtf16(bytes, form.encoding == TextEncoding::Utf16Be), form, {}};
  if (bytes.size() % 2 != 0) {
    decoded.damage = "UTF-16 of an odd length";
  } else if (decoded.text.find(u'\0') != std::u16string::npos) {
    decoded.damage = "NUL characters";
  }
  return decoded;
}

}  // namespace

std::optional<Utf8Character> utf8CharacterAt(std::string_view bytes, std::size_t at) {
  const unsigned lead = byteAt(bytes, at);
  if (lead < 0x80) return Utf8Character{lead, 1};
  std::size_t extra = 0;
  unsigned low = 0x80;
  unsigned high = 0xBF;
  char32_t c = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    extra = 1;
    c = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    extra = 2;
    c = lead & 0x0F;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    extra = 3;
    c = lead & 0x07;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return std::nullopt;
  }
  if (at + extra >= bytes.size()) return std::nullopt;
  for (std::size_t k = 1; k <= extra; ++k) {
    const unsigned next = byteAt(bytes, at + k);
    if (next < (k == 1 ? low : 0x80u) || next > (k == 1 ? high : 0xBFu)) return std::nullopt;
    c = c << 6 | (next & 0x3F);
  }
  return Utf8Character{c, extra + 1};
}

DecodedText decodeText(std::string_view bytes) {
  if (bytes.starts_with(kUtf8Mark)) {
    bytes.remove_prefix(kUtf8Mark.size());
    if (auto text = fromUtf8(bytes)) {
      const bool nul = text->find(u'\0') != std::u16string::npos;
      return {std::move(*text), {TextEncoding::Utf8, true}, nul ? "NUL characters" : ""};
    }
    return {
        fromByteForm(bytes), {TextEncoding::Utf8, true}, "a UTF-8 mark before bytes of no UTF-8"};
  }
  if (bytes.starts_with(kUtf16LeMark)) {
    return utf16Text(bytes.substr(kUtf16LeMark.size()), {TextEncoding::Utf16Le, true});
  }
  if (bytes.starts_with(kUtf16BeMark)) {
    return utf16Text(bytes.substr(kUtf16BeMark.size()), {TextEncoding::Utf16Be, true});
  }
  const NulBytes nul = NulBytes::of(bytes);
  const std::size_t pairs = (bytes.size() + 1) / 2;
  if (nul.even == 0 && nul.odd > 0 && nul.odd * 4 >= pairs) {
    return utf16Text(bytes, {TextEncoding::Utf16Le, false});
  }
  if (nul.odd == 0 && nul.even > 0 && nul.even * 4 >= pairs) {
    return utf16Text(bytes, {TextEncoding::Utf16Be, false});
  }
  const std::string damage = nul.even + nul.odd > 0 ? "NUL bytes" : "";
  if (auto text = fromUtf8(bytes)) return {std::move(*text), {TextEncoding::Utf8, false}, damage};
  return {fromByteForm(bytes), {TextEncoding::Windows1255, false}, damage};
}

std::string encodeText(std::u16string_view text, TextForm form) {
  switch (form.encoding) {
    case TextEncoding::Utf8:
      return (form.byteOrderMark ? std::string(kUtf8Mark) : std::string()) + toUtf8(text);
    case TextEncoding::Utf16Le:
      return (form.byteOrderMark ? std::string(kUtf16LeMark) : std::string()) +
             toUtf16(text, false);
    case TextEncoding::Utf16Be:
      return (form.byteOrderMark ? std::string(kUtf16BeMark) : std::string()) + toUtf16(text, true);
    case TextEncoding::Windows1255:
      break;
  }
  return toByteForm(text);
}

}  // namespace vrn::platform
