#include "drawing/text_codec.h"

#include "host/utf8.h"

namespace vrn::drawing {
namespace {

class Utf8Codec final : public TextCodec {
 public:
  std::u16string decode(std::string_view bytes) const override { return utf8ToUtf16(bytes); }
  std::string encode(std::u16string_view text) const override { return utf16ToUtf8(text); }
};

}  // namespace

std::shared_ptr<const TextCodec> utf8Codec() {
  static const auto codec = std::make_shared<const Utf8Codec>();
  return codec;
}

}  // namespace vrn::drawing
