#include "drawing/text_codec.h"

#include <algorithm>

#include "host/utf8.h"

namespace vrn::drawing {
namespace {

constexpr char kCaret = '^';

bool needsCaretForm(char byte) { return static_cast<unsigned char>(byte) < 0x20 || byte == kCaret; }

// UTF-8 carries the control characters and the caret as single bytes that
// no other character's bytes contain, so the notation is a matter of bytes.
class Utf8Codec final : public TextCodec {
 public:
  std::u16string decode(std::string_view bytes) const override {
    if (bytes.find(kCaret) == std::string_view::npos) return utf8ToUtf16(bytes);
    std::string plain;
    plain.reserve(bytes.size());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      if (bytes[i] == kCaret && i + 1 < bytes.size()) {
        if (const auto character = caretCharacter(bytes[i + 1])) {
          plain += static_cast<char>(*character);
          ++i;
          continue;
        }
      }
      plain += bytes[i];
    }
    return utf8ToUtf16(plain);
  }

  std::string encode(std::u16string_view text) const override {
    std::string utf8 = utf16ToUtf8(text);
    if (std::none_of(utf8.begin(), utf8.end(), needsCaretForm)) return utf8;
    std::string bytes;
    bytes.reserve(utf8.size() + 8);
    for (char byte : utf8) {
      if (!appendCaretForm(static_cast<unsigned char>(byte), bytes)) bytes += byte;
    }
    return bytes;
  }

  std::size_t fittingLength(std::string_view bytes, std::size_t limit) const override {
    if (bytes.size() <= limit) return bytes.size();
    std::size_t cut = limit;
    // A UTF-8 sequence is at most four bytes: back off over at most three
    // continuation bytes.
    for (int i = 0; i < 3 && cut > 1 && isContinuation(bytes[cut]); ++i) --cut;
    // Carets pair up from the first of a run ("^^" is a control character):
    // an odd run before the cut ends in a caret whose character follows it.
    std::size_t carets = 0;
    while (carets < cut && bytes[cut - 1 - carets] == kCaret) ++carets;
    if (carets % 2 == 1 && cut > 1) --cut;
    // An escape "\U+XXXX" is 7 bytes, "\M+NXXXX" 8 (AutoCAD reads them in
    // any drawing): move the cut before one it would split.
    const std::size_t from = cut >= 7 ? cut - 7 : 0;
    for (std::size_t i = from; i < cut; ++i) {
      if (bytes[i] != '\\' || i + 2 >= bytes.size() || bytes[i + 2] != '+') continue;
      const char kind = bytes[i + 1];
      const std::size_t length = kind == 'U' ? 7 : kind == 'M' ? 8 : 0;
      if (length != 0 && i + length > cut && i > 0) return i;
    }
    return cut;
  }

 private:
  static bool isContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
};

}  // namespace

std::shared_ptr<const TextCodec> utf8Codec() {
  static const auto codec = std::make_shared<const Utf8Codec>();
  return codec;
}

std::optional<char16_t> caretCharacter(char next) {
  if (next == ' ') return kCaret;
  if (next >= '@' && next <= '_') return static_cast<char16_t>(next - '@');
  return std::nullopt;
}

bool appendCaretForm(char16_t unit, std::string& bytes) {
  if (unit == kCaret) {
    bytes += "^ ";
    return true;
  }
  if (unit >= 0x20) return false;
  bytes += kCaret;
  bytes += static_cast<char>(unit + '@');
  return true;
}

}  // namespace vrn::drawing
