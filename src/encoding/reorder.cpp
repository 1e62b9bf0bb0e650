#include "encoding/reorder.h"

#include "platform/bidi.h"
#include "platform/code_page.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace vrn::encoding {
namespace {

using platform::ReadingDirection;

// Which bytes of the byte form are right-to-left letters, asked of the
// platform once. FixRuns runs on every label of every conversion, and a
// table lookup per byte costs a fraction of a platform call per label.
using ByteClasses = std::array<bool, 256>;

ByteClasses buildRightToLeftBytes() {
  std::string everyByte(256, '\0');
  for (std::size_t b = 0; b < everyByte.size(); ++b) {
    everyByte[b] = static_cast<char>(b);
  }
  const std::u16string wide = platform::fromByteForm(everyByte);
  std::array<std::uint8_t, 256> classes{};
  platform::characterClasses(wide, classes);
  ByteClasses rightToLeft{};
  for (std::size_t b = 0; b < classes.size(); ++b) {
    rightToLeft[b] = classes[b] == platform::rightToLeftLetterClass;
  }
  return rightToLeft;
}

const ByteClasses& rightToLeftBytes() {
  static const ByteClasses table = buildRightToLeftBytes();
  return table;
}

// Reverses in place every maximal run of units for which isRightToLeft(i) is
// false; runs never move.
template <typename Text, typename IsRightToLeft>
void reverseOtherRuns(Text& s, IsRightToLeft isRightToLeft) {
  std::size_t i = 0;
  while (i < s.size()) {
    if (isRightToLeft(i)) {
      ++i;
      continue;
    }
    const std::size_t start = i;
    while (i < s.size() && !isRightToLeft(i)) {
      ++i;
    }
    std::reverse(s.begin() + static_cast<std::ptrdiff_t>(start),
                 s.begin() + static_cast<std::ptrdiff_t>(i));
  }
}

std::string displayOrderOfBytes(std::string_view s, ReadingDirection direction) {
  if (s.empty()) {
    return {};
  }
  return platform::toByteForm(platform::displayOrder(platform::fromByteForm(s), direction));
}

}  // namespace

std::string FixRuns(std::string s) {
  const ByteClasses& rightToLeft = rightToLeftBytes();
  reverseOtherRuns(s, [&rightToLeft, &s](std::size_t i) {
    return rightToLeft[static_cast<unsigned char>(s[i])];
  });
  return s;
}

std::u16string FixRunsW(std::u16string s) {
  std::vector<std::uint8_t> classes(s.size());
  platform::characterClasses(s, classes);
  reverseOtherRuns(s, [&classes](std::size_t i) {
    return classes[i] == platform::rightToLeftLetterClass;
  });
  return s;
}

std::string VisualOrder(std::string_view s) {
  return displayOrderOfBytes(s, ReadingDirection::LeftToRight);
}

std::u16string VisualOrderW(std::u16string_view s) {
  if (s.empty()) {
    return {};
  }
  return platform::displayOrder(s, ReadingDirection::LeftToRight);
}

// Reads right to left always: the direction a shared screen context has once
// any conversion has run, so an answer never depends on what ran before.
std::string VisualOrderDC(std::string_view s) {
  return displayOrderOfBytes(s, ReadingDirection::RightToLeft);
}

std::string RightToLeftDC(std::string_view s) { return VisualOrderDC(FixRuns(std::string(s))); }

std::string LeftToRightDC(std::string_view s) { return FixRuns(VisualOrderDC(s)); }

}  // namespace vrn::encoding
