#include "encoding/char_tables.h"

#include <gtest/gtest.h>

#include <string>

namespace vrn::encoding {
namespace {

constexpr auto kDos = fntType::DosHebrew;
constexpr auto kEng = fntType::DosEnglish;
constexpr auto kEngR = fntType::DosEnglishR;
constexpr auto kWin = fntType::WindowsHeb;
constexpr auto kTtf = fntType::TrueType;
const auto kUnknown = static_cast<fntType>(7);

TEST(IsEnglishOnly, LooksOnlyAtTheLettersOfTheLayout) {
  struct Row {
    std::u16string text;
    fntType type;
    bool expected;
  };
  const Row rows[] = {
      {u"abc", kEng, false},
      {u"abc", kEngR, false},
      {u"abc", kDos, true},
      {u"ABC 12", kEng, true},
      {u"`", kEng, false},
      {u"{", kEng, true},
      {u"", kDos, true},
      {u"", kEng, true},
      {u"", kTtf, true},
      {u"\u05D0", kWin, false},
      {u"\u05EA", kTtf, false},
      {u"\u05D0", kDos, true},
      {u"\u20AC", kDos, false},
      {u"\u0080", kDos, false},
      {u"\u203A", kDos, true},  // 0x9B
      {u"\u05F4", kWin, true},
      {u"\uF894", kWin, true},
      {u"\u05D0", kUnknown, true},
      // e-acute's fallback byte is yod's: a letter for the byte layouts only
      {u"caf\u00E9", kWin, false},
      {u"caf\u00E9", kTtf, true},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(isEnglishOnly(row.text, row.type), row.expected)
        << "type " << static_cast<int>(row.type) << " text of " << row.text.size();
  }
}

TEST(IsEnglishOnly, BytesAnswerTrueForTheKeyboardLayouts) {
  EXPECT_TRUE(IsEnglishOnlyBytes("abc", kEng));
  EXPECT_TRUE(IsEnglishOnlyBytes("\x80", kEngR));
  EXPECT_FALSE(IsEnglishOnlyBytes("a\x80", kDos));
  EXPECT_TRUE(IsEnglishOnlyBytes("a\x9B\xE0", kDos));
  EXPECT_FALSE(IsEnglishOnlyBytes("\xFA", kWin));
  EXPECT_FALSE(IsEnglishOnlyBytes("\xE0", kTtf));
  EXPECT_TRUE(IsEnglishOnlyBytes("\xFB\x9A", kWin));
  EXPECT_TRUE(IsEnglishOnlyBytes("\xE0", kUnknown));
}

TEST(MirrorBrackets, SwapsRoundAndAngleBracketsOnly) {
  EXPECT_EQ(mirrorBrackets(std::string("f(x)<y>[z]{w}")), "f)x(>y<[z]{w}");
  EXPECT_EQ(mirrorBrackets(std::u16string(u"(\u05D0>")), u")\u05D0<");
  EXPECT_EQ(mirrorBrackets(std::string()), "");
}

TEST(KeyLayout, DosToEngUndoesEngToDosExceptForLettersAlreadyThere) {
  const std::string keys = "shalom SHALOM 123 ;.,'/qw `~!()";
  EXPECT_EQ(DosToEng(EngToDos(keys)), keys);
  EXPECT_EQ(DosToEng(EngToDos("\x80x")), "tx");
  EXPECT_EQ(DosToEngChar('\''), 'w');
  EXPECT_EQ(DosToEngChar('\x9A'), ',');
  EXPECT_EQ(DosToEngChar('A'), 'A');
}

}  // namespace
}  // namespace vrn::encoding
