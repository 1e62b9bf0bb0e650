#include "encoding/reorder.h"

#include "encoding/char_tables.h"
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

// FixRuns is written here rather than handed to the platform's bidi per
// label: it is a plain reversal of runs by class, no bidi algorithm, and it
// runs on every label of every conversion, where one platform call would
// cost more than the whole letter-layout conversion. The byte form has only
// 256 characters, so which of them are right-to-left letters is asked of
// the platform once and kept in a table.
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

bool holdsRightToLeftLetter(std::string_view s) {
  const ByteClasses& rightToLeft = rightToLeftBytes();
  return std::any_of(s.begin(), s.end(),
                     [&rightToLeft](char c) { return rightToLeft[static_cast<unsigned char>(c)]; });
}

// Read left to right, only a right-to-left letter, an Arabic digit or an
// embedding control takes a character off level 0. The byte form's code
// page has neither of the last two, so a line without a right-to-left
// letter (a number, a Latin code) displays as it is stored and needs no
// trip through the platform.
bool displaysAsStoredLeftToRight(std::string_view s) { return !holdsRightToLeftLetter(s); }

// The display order of byte-form s in a per-thread buffer, so that a label
// costs no allocation beyond its result. Valid until the next call.
const std::u16string& displayOrderOfBytes(std::string_view s, ReadingDirection direction) {
  thread_local std::u16string wide;
  thread_local std::u16string display;
  platform::fromByteForm(s, wide);
  platform::displayOrder(wide, direction, display);
  return display;
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
  if (displaysAsStoredLeftToRight(s)) {
    return std::string(s);
  }
  return platform::toByteForm(displayOrderOfBytes(s, ReadingDirection::LeftToRight));
}

std::u16string wideVisualOrder(std::string_view s, bool reversed) {
  if (displaysAsStoredLeftToRight(s)) {
    return platform::fromByteForm(reversed ? RevStr(std::string(s)) : std::string(s));
  }
  const std::u16string& display = displayOrderOfBytes(s, ReadingDirection::LeftToRight);
  return reversed ? std::u16string(display.rbegin(), display.rend()) : display;
}

std::u16string VisualOrderW(std::u16string_view s) {
  std::u16string display;
  platform::displayOrder(s, ReadingDirection::LeftToRight, display);
  return display;
}

// Reads right to left always: the direction a shared screen context has once
// any conversion has run, so an answer never depends on what ran before.
std::string VisualOrderDC(std::string_view s) {
  return platform::toByteForm(displayOrderOfBytes(s, ReadingDirection::RightToLeft));
}

std::string RightToLeftDC(std::string_view s) { return VisualOrderDC(FixRuns(std::string(s))); }

std::string LeftToRightDC(std::string_view s) { return FixRuns(VisualOrderDC(s)); }

}  // namespace vrn::encoding
