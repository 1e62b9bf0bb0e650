#pragma once
// How a text file is stored, told from its bytes, so that it can be read
// and written back the way it came.
//
//   mark EF BB BF, FF FE or FE FF   UTF-8, UTF-16 LE or UTF-16 BE
//   no mark, NUL bytes on one side  UTF-16 without a mark: the high bytes of
//   of the byte pairs only, in at   ASCII characters (brackets, key names,
//   least a quarter of the pairs    digits) are NUL, on the odd side in LE,
//                                   the even side in BE
//   valid UTF-8                     UTF-8
//   anything else                   Windows-1255, which reads every byte
//
// Bytes that are no whole text of their form get a reading anyway, with the
// damage named: a caller that would write the file back must not.

#include <optional>
#include <string>
#include <string_view>

namespace vrn::platform {

enum class TextEncoding { Utf8, Utf16Le, Utf16Be, Windows1255 };

struct TextForm {
  TextEncoding encoding = TextEncoding::Utf8;
  bool byteOrderMark = false;

  friend bool operator==(const TextForm&, const TextForm&) = default;
};

struct DecodedText {
  std::u16string text;
  TextForm form;
  // Empty when the bytes are a whole text of that form; else why not
  // ("UTF-16 of an odd length", ...).
  std::string damage;
};

DecodedText decodeText(std::string_view bytes);

struct Utf8Character {
  char32_t codePoint = 0;
  std::size_t length = 0;  // in bytes
};

// The well-formed UTF-8 character that starts at bytes[at] (no overlong
// form, no surrogate, nothing above U+10FFFF), or nothing.
std::optional<Utf8Character> utf8CharacterAt(std::string_view bytes, std::size_t at);

// The text in that form, mark included. Windows-1255 writes a character it
// lacks as its nearest byte (see code_page.h).
std::string encodeText(std::u16string_view text, TextForm form);

}  // namespace vrn::platform
