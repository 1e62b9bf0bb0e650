#pragma once
// TextCodec: how a drawing's string groups turn into the model's UTF-16
// text and back. Files from AC1021 on hold UTF-8; older files hold bytes
// of the code page that $DWGCODEPAGE names, with \U+XXXX escapes for the
// rest (dxf/ supplies those codecs). encode(decode(b)) == b for every
// string read from a file, so an unchanged text writes back as it was.
//
// Every codec reads and writes DXF's caret notation: a string group holds
// no code below 32 (a line break would end it), so such a character is "^"
// and the character plus 64 ("^J" line feed, "^M" carriage return, "^I"
// tab, "^@" NUL), and a caret itself is "^ ". A caret before anything else
// is just a caret.

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace vrn::drawing {

class TextCodec {
 public:
  virtual ~TextCodec() = default;
  virtual std::u16string decode(std::string_view bytes) const = 0;
  virtual std::string encode(std::u16string_view text) const = 0;
  // The length of the longest start of `bytes`, at most `limit` (8 or more)
  // long, that ends between two characters: not inside a character of
  // several bytes, an escape or a caret notation. A string cut there reads
  // the same piece by piece (MTEXT's chunks).
  virtual std::size_t fittingLength(std::string_view bytes, std::size_t limit) const = 0;
};

// The codec of a drawing that was not read from a file: UTF-8.
std::shared_ptr<const TextCodec> utf8Codec();

// The character that "^" followed by `next` stands for, or nothing.
std::optional<char16_t> caretCharacter(char next);
// Appends the caret notation of `unit` to `bytes` when it needs one; false
// (and nothing appended) when it does not.
bool appendCaretForm(char16_t unit, std::string& bytes);

}  // namespace vrn::drawing
