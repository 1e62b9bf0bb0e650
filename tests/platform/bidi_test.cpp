#include "platform/bidi.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "displayed.h"

namespace vrn::platform {
namespace {

std::vector<std::uint8_t> classesOf(std::u16string_view text) {
  std::vector<std::uint8_t> classes(text.size());
  characterClasses(text, classes);
  return classes;
}

bool isRightToLeft(std::uint8_t c) { return c == kRightToLeftLetterClass; }

TEST(CharacterClasses, RightToLeftLettersExactly) {
  struct Row {
    char16_t unit;
    bool rightToLeft;
  };
  const Row rows[] = {
      {u'\u05D0', true},
      {u'\u05EA', true},
      {u'\u05BE', true},  // maqaf is R
      {u'\u0627', true},
      {u'\u06CC', true},
      {u'\u200F', true},  // Arabic; RLM
      {u'\u05B8', false},
      {u'\u0660', false},  // a point; Arabic digit
      {u'a', false},
      {u'1', false},
      {u' ', false},
      {u'(', false},
      {u'\u202B', false},
      {u'\u2067', false},
      {u'\uF88D', false},         // RLE, RLI, private use
      {char16_t{0xD802}, false},  // lone surrogate
  };
  for (const Row& row : rows) {
    const auto classes = classesOf(std::u16string(1, row.unit));
    EXPECT_EQ(isRightToLeft(classes[0]), row.rightToLeft)
        << "U+" << std::hex << static_cast<unsigned>(row.unit);
  }
}

TEST(CharacterClasses, BothHalvesOfAPairTakeTheirCharactersClass) {
  const auto classes = classesOf(u"\U00010800\U0001F600");  // Cypriot (R), emoji
  ASSERT_EQ(classes.size(), 4u);
  EXPECT_TRUE(isRightToLeft(classes[0]));
  EXPECT_TRUE(isRightToLeft(classes[1]));
  EXPECT_FALSE(isRightToLeft(classes[2]));
  EXPECT_FALSE(isRightToLeft(classes[3]));
}

TEST(DisplayOrder, ReadsInTheGivenDirectionWithoutMirroring) {
  constexpr auto ltr = ReadingDirection::LeftToRight;
  constexpr auto rtl = ReadingDirection::RightToLeft;
  EXPECT_EQ(displayed(u"abc \u05E9\u05DC\u05D5\u05DD 123 def", rtl),
            u"def 123 \u05DD\u05D5\u05DC\u05E9 abc");
  EXPECT_EQ(displayed(u"abc \u05E9\u05DC\u05D5\u05DD 123 def", ltr),
            u"abc 123 \u05DD\u05D5\u05DC\u05E9 def");
  EXPECT_EQ(displayed(u"(\u05D0)", rtl), u")\u05D0(");
  EXPECT_EQ(displayed(u"\u202Babc\u202C", ltr).size(), 5u);  // controls kept
  EXPECT_EQ(displayed(u"\u05D0\U00010800", ltr), u"\U00010800\u05D0");
  EXPECT_EQ(displayed(u"", rtl), u"");
}

// Long lines are ordered in pieces; what reads in one direction throughout
// still comes out exactly, and nothing is lost.
TEST(DisplayOrder, LongAndDeeplyNestedLinesStayWholeAndBounded) {
  std::u16string hebrew;
  for (int i = 0; i < 50000; ++i) {
    hebrew += static_cast<char16_t>(u'\u05D0' + i % 27);
    hebrew += i % 7 == 0 ? u" " : u"";
  }
  std::u16string reversed = hebrew;
  std::reverse(reversed.begin(), reversed.end());
  EXPECT_EQ(displayed(hebrew, ReadingDirection::RightToLeft), reversed);

  std::u16string latin(100000, u'x');
  EXPECT_EQ(displayed(latin, ReadingDirection::LeftToRight), latin);

  std::u16string nested;
  for (int i = 0; i < 60000; ++i) {
    nested += u"(a[\u05D0\u202B";
  }
  nested += std::u16string(60000, u')');
  std::u16string display = displayed(nested, ReadingDirection::RightToLeft);
  ASSERT_EQ(display.size(), nested.size());
  std::sort(display.begin(), display.end());
  std::sort(nested.begin(), nested.end());
  EXPECT_EQ(display, nested);
}

}  // namespace
}  // namespace vrn::platform
