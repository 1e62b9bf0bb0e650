#pragma once
// The display order of one line, returned rather than written into a
// caller's buffer, as the bidi tests compare it.

#include <string>
#include <string_view>

#include "platform/bidi.h"

namespace vrn::platform {

inline std::u16string displayed(std::u16string_view line, ReadingDirection direction) {
  std::u16string display;
  displayOrder(line, direction, display);
  return display;
}

}  // namespace vrn::platform
