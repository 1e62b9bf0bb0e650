#include "encoding/reorder.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "encoding/reversal.h"
#include "platform/bidi.h"
#include "platform/code_page.h"

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
    rightToLeft[b] = classes[b] == platform::kRightToLeftLetterClass;
  }
  return rightToLeft;
}

const ByteClasses& rightToLeftBytes() {
  static const ByteClasses table = buildRightToLeftBytes();
  return table;
}

// The TrueType conversions take wide text and give wide text, and nearly
// every label holds only units the byte form carries unchanged (U(B(u)) is
// u). On those the byte form's reorder is the wide reorder of the same
// units, so they skip the code page both ways; the class of such a unit is
// the class of its byte. The table covers the whole basic plane; its
// values are flags, so that one pass can or them together.
enum UnitClass : std::uint8_t { UnitOther = 0, UnitRightToLeft = 1, UnitOutsideByteForm = 2 };
using UnitClasses = std::vector<UnitClass>;

UnitClasses buildUnitClasses() {
  std::u16string everyUnit(0x10000, u'\0');
  for (std::size_t u = 0; u < everyUnit.size(); ++u) {
    everyUnit[u] = static_cast<char16_t>(u);
  }
  const std::string bytes = platform::toByteForm(everyUnit);
  const std::u16string back = platform::fromByteForm(bytes);
  const ByteClasses& rightToLeft = rightToLeftBytes();
  UnitClasses classes(everyUnit.size(), UnitOutsideByteForm);
  for (std::size_t u = 0; u < everyUnit.size(); ++u) {
    if (back[u] == everyUnit[u]) {
      classes[u] = rightToLeft[static_cast<unsigned char>(bytes[u])] ? UnitRightToLeft : UnitOther;
    }
  }
  return classes;
}

const UnitClasses& unitClasses() {
  static const UnitClasses table = buildUnitClasses();
  return table;
}

// Per-unit tests that hold their table, for the loops below.
auto rightToLeftUnitTest() {
  return [&classes = unitClasses()](char16_t u) { return classes[u] == UnitRightToLeft; };
}

auto rightToLeftByteTest() {
  return [&table = rightToLeftBytes()](char c) { return table[static_cast<unsigned char>(c)]; };
}

void reverseRun(std::string& s, std::size_t start, std::size_t end) {
  std::reverse(s.begin() + static_cast<std::ptrdiff_t>(start),
               s.begin() + static_cast<std::ptrdiff_t>(end));
}

// Both halves of a pair have its class, so a pair never straddles runs.
void reverseRun(std::u16string& s, std::size_t start, std::size_t end) {
  reverseCharactersIn(std::span<char16_t>(s).subspan(start, end - start));
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
    reverseRun(s, start, i);
  }
}

template <typename Text, typename IsRightToLeft>
void fixRunsInPlace(Text& s, IsRightToLeft isRightToLeft) {
  reverseOtherRuns(s, [&s, &isRightToLeft](std::size_t i) { return isRightToLeft(s[i]); });
}

// FixRuns in place with every unit's class from the platform, for text
// that the byte form's class table does not cover.
void fixRunsByPlatformClasses(std::u16string& s) {
  thread_local std::vector<std::uint8_t> classes;
  classes.resize(s.size());
  platform::characterClasses(s, classes);
  reverseOtherRuns(s,
                   [](std::size_t i) { return classes[i] == platform::kRightToLeftLetterClass; });
}

// FixRuns(x), reversed when asked, into out in one pass: reversed, the
// right-to-left runs come out backwards and the others as they are, each in
// the mirrored place.
template <typename Text, typename IsRightToLeft>
void fixRunsInto(std::u16string_view x, IsRightToLeft isRightToLeft, bool reversed, Text& out) {
  const std::size_t n = x.size();
  out.resize(n);
  std::size_t start = 0;
  while (start < n) {
    const bool rightToLeft = isRightToLeft(x[start]);
    std::size_t end = start + 1;
    while (end < n && isRightToLeft(x[end]) == rightToLeft) {
      ++end;
    }
    const std::size_t at = reversed ? n - end : start;
    const std::size_t length = end - start;
    // Labels are short and their runs shorter: plain loops beat a library
    // call per run.
    if (rightToLeft != reversed) {
      for (std::size_t k = 0; k < length; ++k) {
        out[at + k] = x[start + k];
      }
    } else {
      for (std::size_t k = 0; k < length; ++k) {
        out[at + k] = x[end - 1 - k];
      }
    }
    start = end;
  }
}

// Two kinds of line in the byte form's characters have a display order
// that needs no trip through the platform: the bidi algorithm settles them
// in a few words, and labels are often one or the other.
//
// Without a right-to-left letter: read left to right, only a right-to-left
// letter, an Arabic digit or an embedding control takes a character off
// level 0, and the byte form's code page has neither of the last two. The
// line displays as it is stored.
//
// Right-to-left letters and blanks only: blanks between two letters take
// their direction, blanks at either end the reading direction's, and no
// other rule applies. Read left to right, the span from the first letter to
// the last is reversed and the end blanks stay; read right to left, the
// whole line is reversed.
enum class Shortcut : std::uint8_t { None, AsStored, LettersAndBlanks };

template <typename Text, typename IsRightToLeft>
Shortcut shortcutFor(const Text& s, IsRightToLeft isRightToLeft) {
  bool anyRightToLeft = false;
  bool onlyLettersAndBlanks = true;
  for (const auto c : s) {
    const bool rightToLeft = isRightToLeft(c);
    anyRightToLeft = anyRightToLeft || rightToLeft;
    onlyLettersAndBlanks = onlyLettersAndBlanks && (rightToLeft || c == ' ');
  }
  if (!anyRightToLeft) {
    return Shortcut::AsStored;
  }
  return onlyLettersAndBlanks ? Shortcut::LettersAndBlanks : Shortcut::None;
}

bool appliesTo(Shortcut shortcut, ReadingDirection direction) {
  return shortcut == Shortcut::LettersAndBlanks ||
         (shortcut == Shortcut::AsStored && direction == ReadingDirection::LeftToRight);
}

// The display order of a line the shortcut applies to, into display.
template <typename View, typename Text>
void displayShortcut(View s, Shortcut shortcut, ReadingDirection direction, Text& display) {
  display.assign(s.begin(), s.end());
  if (shortcut == Shortcut::AsStored) {
    return;
  }
  auto first = display.begin();
  auto last = display.end();
  if (direction == ReadingDirection::LeftToRight) {
    while (*first == ' ') {  // the line holds a letter, so this stops
      ++first;
    }
    while (*(last - 1) == ' ') {
      --last;
    }
  }
  std::reverse(first, last);
}

// The display order of byte-form s in a per-thread buffer, so that a label
// costs no allocation beyond its result. Valid until the next call.
const std::u16string& displayOrderOfBytes(std::string_view s, ReadingDirection direction) {
  thread_local std::u16string wide;
  thread_local std::u16string display;
  platform::fromByteForm(s, wide);
  platform::displayOrder(wide, direction, display);
  return display;
}

// What one pass over wide text tells: whether every unit is in the byte
// form and, if so, which shortcut its display order takes. FixRuns and the
// reorder only permute units, so the answer holds for their results too.
struct WideSummary {
  bool inByteForm;
  Shortcut shortcut;
};

WideSummary summarize(std::u16string_view s) {
  const UnitClasses& classes = unitClasses();
  unsigned seen = 0;
  bool onlyLettersAndBlanks = true;
  for (const char16_t u : s) {
    const UnitClass c = classes[u];
    seen |= c;
    onlyLettersAndBlanks &= c == UnitRightToLeft || u == u' ';
  }
  const bool inByteForm = (seen & UnitOutsideByteForm) == 0;
  if ((seen & UnitRightToLeft) == 0) {
    return {inByteForm, Shortcut::AsStored};
  }
  return {inByteForm, onlyLettersAndBlanks ? Shortcut::LettersAndBlanks : Shortcut::None};
}

// The display order of s into display, display's storage reused: by a
// shortcut where one applies, which needs every unit in the byte form
// (their classes are all the shortcuts know), else by the platform.
void displayOrderOf(std::u16string_view s, const WideSummary& summary, ReadingDirection reading,
                    std::u16string& display) {
  if (summary.inByteForm && appliesTo(summary.shortcut, reading)) {
    displayShortcut(s, summary.shortcut, reading, display);
  } else {
    platform::displayOrder(s, reading, display);
  }
  assert(display.size() == s.size());
}

std::string byteDisplayOrder(std::string_view s, ReadingDirection direction) {
  const Shortcut shortcut = shortcutFor(s, rightToLeftByteTest());
  std::string display;
  if (appliesTo(shortcut, direction)) {
    displayShortcut(s, shortcut, direction, display);
  } else {
    display = platform::toByteForm(displayOrderOfBytes(s, direction));
  }
  assert(display.size() == s.size());
  return display;
}

// Text in the byte form holds no surrogate: a plain reversal serves.
void reverseIn(std::u16string& s, const WideSummary& summary) {
  if (summary.inByteForm) {
    std::reverse(s.begin(), s.end());
  } else {
    reverseCharactersIn(s);
  }
}

// The display order of s, whose summary is given, reversed when asked.
std::u16string displayOf(std::u16string_view s, const WideSummary& summary,
                         ReadingDirection reading, bool reversed) {
  std::u16string display;
  displayOrderOf(s, summary, reading, display);
  if (reversed) {
    reverseIn(display, summary);
  }
  return display;
}

}  // namespace

std::string FixRuns(std::string s) {
  fixRunsInPlace(s, rightToLeftByteTest());
  return s;
}

std::u16string FixRunsW(std::u16string s) {
  fixRunsByPlatformClasses(s);
  return s;
}

std::string VisualOrder(std::string_view s) {
  return byteDisplayOrder(s, ReadingDirection::LeftToRight);
}

// A text wholly in the byte form (nearly every label) takes the byte
// form's class table and shortcuts; any other goes to the platform with
// each unit's own class.
std::u16string displayWide(std::u16string_view s, ReadingDirection reading, bool reversed) {
  return displayOf(s, summarize(s), reading, reversed);
}

std::u16string rightToLeftWide(std::u16string_view s, ReadingDirection reading, bool reversed) {
  const WideSummary summary = summarize(s);
  thread_local std::u16string fixed;
  if (summary.inByteForm) {
    fixRunsInto(s, rightToLeftUnitTest(), false, fixed);
  } else {
    fixed.assign(s);
    fixRunsByPlatformClasses(fixed);
  }
  return displayOf(fixed, summary, reading, reversed);
}

std::u16string leftToRightWide(std::u16string_view s, ReadingDirection reading, bool reversed) {
  const WideSummary summary = summarize(s);
  thread_local std::u16string display;
  displayOrderOf(s, summary, reading, display);
  if (summary.inByteForm) {
    std::u16string fixed;
    fixRunsInto(display, rightToLeftUnitTest(), reversed, fixed);
    return fixed;
  }
  std::u16string fixed(display);
  fixRunsByPlatformClasses(fixed);
  if (reversed) {
    reverseCharactersIn(fixed);
  }
  return fixed;
}

std::u16string VisualOrderW(std::u16string_view s) {
  std::u16string display;
  platform::displayOrder(s, ReadingDirection::LeftToRight, display);
  return display;
}

// Reads right to left always: the direction a shared screen context has once
// any conversion has run, so an answer never depends on what ran before.
std::string VisualOrderDC(std::string_view s) {
  return byteDisplayOrder(s, ReadingDirection::RightToLeft);
}

std::string RightToLeftDC(std::string_view s) { return VisualOrderDC(FixRuns(std::string(s))); }

std::string LeftToRightDC(std::string_view s) { return FixRuns(VisualOrderDC(s)); }

}  // namespace vrn::encoding
