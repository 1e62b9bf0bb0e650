#include "encoding/char_tables.h"

#include <gtest/gtest.h>

#include <string>

namespace vrn::encoding {
namespace {

constexpr auto dos = fntType::DosHebrew;
constexpr auto eng = fntType::DosEnglish;
constexpr auto engR = fntType::DosEnglishR;
constexpr auto win = fntType::WindowsHeb;
constexpr auto ttf = fntType::TrueType;
const auto unknown = static_cast<fntType>(7);

TEST(IsEnglishOnly, LooksOnlyAtTheLettersOfTheLayout) {
  struct Row {
    std::u16string text;
    fntType type;
    bool expected;
  };
  const Row rows[] = {
      {u"abc", eng, false},     {u"abc", engR, false},     {u"abc", dos, true},
      {u"ABC 12", eng, true},   {u"`", eng, false},        {u"{", eng, true},
      {u"", dos, true},         {u"", eng, true},          {u"", ttf, true},
      {u"\u05D0", win, false},  {u"\u05EA", ttf, false},   {u"\u05D0", dos, true},
      {u"\u20AC", dos, false},  {u"\u0080", dos, false},   {u"\u203A", dos, true},  // 0x9B
      {u"\u05F4", win, true},   {u"\uF894", win, true},    {u"\u05D0", unknown, true},
      // e-acute's fallback byte is yod's: a letter for the byte layouts only
      {u"caf\u00E9", win, false}, {u"caf\u00E9", ttf, true},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(isEnglishOnly(row.text, row.type), row.expected)
        << "type " << static_cast<int>(row.type) << " text of " << row.text.size();
  }
}

TEST(IsEnglishOnly, BytesAnswerTrueForTheKeyboardLayouts) {
  EXPECT_TRUE(IsEnglishOnlyBytes("abc", eng));
  EXPECT_TRUE(IsEnglishOnlyBytes("\x80", engR));
  EXPECT_FALSE(IsEnglishOnlyBytes("a\x80", dos));
  EXPECT_TRUE(IsEnglishOnlyBytes("a\x9B\xE0", dos));
  EXPECT_FALSE(IsEnglishOnlyBytes("\xFA", win));
  EXPECT_FALSE(IsEnglishOnlyBytes("\xE0", ttf));
  EXPECT_TRUE(IsEnglishOnlyBytes("\xFB\x9A", win));
  EXPECT_TRUE(IsEnglishOnlyBytes("\xE0", unknown));
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
