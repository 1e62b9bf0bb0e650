#include "ui/font.h"

namespace vrn::ui {

std::u16string toText(Color color) {
  static constexpr char16_t hex[] = u"0123456789ABCDEF";
  std::u16string text = u"#";
  for (std::uint8_t part : {color.red, color.green, color.blue}) {
    text += hex[part >> 4];
    text += hex[part & 0xF];
  }
  return text;
}

}  // namespace vrn::ui
