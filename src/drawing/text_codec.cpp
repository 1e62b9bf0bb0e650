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
