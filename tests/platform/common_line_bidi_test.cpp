#include "platform/posix/common_line_bidi.h"

#include <gtest/gtest.h>
#include <unicode/ubidi.h>
#include <unicode/ustring.h>

#include <memory>
#include <random>
#include <string>

namespace vrn::platform {
namespace {

std::string shown(const std::u16string& text) {
  std::string utf8(text.size() * 3, '\0');
  std::int32_t length = 0;
  UErrorCode status = U_ZERO_ERROR;
  u_strToUTF8(utf8.data(), static_cast<std::int32_t>(utf8.size()), &length, text.data(),
              static_cast<std::int32_t>(text.size()), &status);
  utf8.resize(static_cast<std::size_t>(length));
  return utf8;
}

// ICU's order of the line: its whole algorithm, no mirroring, every
// character kept.
std::u16string icuDisplay(const std::u16string& line, ReadingDirection direction) {
  const std::unique_ptr<UBiDi, void (*)(UBiDi*)> bidi(ubidi_open(), ubidi_close);
  UErrorCode status = U_ZERO_ERROR;
  const auto length = static_cast<std::int32_t>(line.size());
  ubidi_setPara(bidi.get(), line.data(), length, direction == ReadingDirection::RightToLeft ? 1 : 0,
                nullptr, &status);
  std::u16string display(line.size(), u'\0');
  ubidi_writeReordered(bidi.get(), display.data(), length, 0, &status);
  EXPECT_TRUE(U_SUCCESS(status)) << u_errorName(status);
  return display;
}

// Every character the ordering takes, with runs of one kind made likely:
// labels are words, numbers and codes, not characters at random.
const std::u16string kAlphabet =
    u"abcXYZ0123456789 +-,./:#$%()[]{}!\"&'*;<=>?@\\^_`|~"
    u"\u05D0\u05D1\u05D2\u05DA\u05EA\u05F0\u05F3\u05F4\u05BE";

std::u16string randomLine(std::mt19937& random, std::size_t longest) {
  const auto pick = [&](std::size_t bound) {
    return std::uniform_int_distribution<std::size_t>(0, bound - 1)(random);
  };
  std::u16string line;
  const std::size_t length = pick(longest + 1);
  while (line.size() < length) {
    const std::size_t from = pick(kAlphabet.size());
    const std::size_t span = 1 + pick(8);
    for (std::size_t n = 1 + pick(5); n > 0 && line.size() < length; --n) {
      line += kAlphabet[(from + pick(span)) % kAlphabet.size()];
    }
  }
  return line;
}

// ICU's whole algorithm is the reference: on every line of the characters
// handled, in both directions, the order is the same.
TEST(CommonLineBidi, OrdersAsIcuDoes) {
  std::mt19937 random(2026);
  for (int i = 0; i < 200000; ++i) {
    const std::u16string line = randomLine(random, 24);
    for (const ReadingDirection direction :
         {ReadingDirection::LeftToRight, ReadingDirection::RightToLeft}) {
      std::u16string ours;
      ASSERT_TRUE(commonLineDisplayOrder(line, direction, ours)) << shown(line);
      ASSERT_EQ(shown(ours), shown(icuDisplay(line, direction)))
          << "line \"" << shown(line) << "\" read "
          << (direction == ReadingDirection::RightToLeft ? "right to left" : "left to right");
    }
  }
}

// Known orders, read right to left, beside the lines it leaves to ICU
// untouched.
TEST(CommonLineBidi, CasesAndTheLinesLeftToIcu) {
  struct Case {
    std::u16string line;
    std::u16string display;  // empty: left to ICU
  };
  const Case cases[] = {
      {u"\u05D0\u05D1 12.5", u"12.5 \u05D1\u05D0"},
      // Brackets are not mirrored: that is the renderer's business.
      {u"\u05D0 (B-30)", u")B-30( \u05D0"},
      {u"\u05D0 (\u05D1) 3", u"3 )\u05D1( \u05D0"},
      {u"abc ", u" abc"},
      {u"", u""},
      {u"\u05D0\u05B0", u""},   // a point: nonspacing
      {u"\u05D0\t1", u""},      // a tab: segment separator
      {u"\u05D0 \u00B0", u""},  // outside ASCII and the Hebrew letters
      {u"\u05D0 \u200F", u""},  // a mark
      {std::u16string(300, u'a'), u""},
      {std::u16string(64, u'(') + u"\u05D0", u""},  // deeper than the pairing goes
  };
  for (const Case& c : cases) {
    std::u16string display = u"kept";
    const bool ordered = commonLineDisplayOrder(c.line, ReadingDirection::RightToLeft, display);
    if (c.display.empty() && !c.line.empty()) {
      EXPECT_FALSE(ordered) << shown(c.line);
      EXPECT_EQ(display, u"kept") << shown(c.line);
    } else {
      EXPECT_TRUE(ordered) << shown(c.line);
      EXPECT_EQ(shown(display), shown(c.display)) << shown(c.line);
    }
  }
}

}  // namespace
}  // namespace vrn::platform
