#pragma once
// TextCodec: how a drawing's string groups turn into the model's UTF-16
// text and back. Files from AC1021 on hold UTF-8; older files hold bytes
// of the code page that $DWGCODEPAGE names, with \U+XXXX escapes for the
// rest (dxf/ supplies those codecs). encode(decode(b)) == b for every
// string read from a file, so an unchanged text writes back as it was.

#include <memory>
#include <string>
#include <string_view>

namespace vrn::drawing {

class TextCodec {
 public:
  virtual ~TextCodec() = default;
  virtual std::u16string decode(std::string_view bytes) const = 0;
  virtual std::string encode(std::u16string_view text) const = 0;
};

// The codec of a drawing that was not read from a file: UTF-8.
std::shared_ptr<const TextCodec> utf8Codec();

}  // namespace vrn::drawing
