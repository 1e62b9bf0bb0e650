#include "editing/mtext_codec.h"

#include <gtest/gtest.h>

namespace vrn::editing {
namespace {

struct Case {
  std::u16string_view in;
  std::u16string_view out;
};

TEST(MtextCodec, DecodeUnicodeEscapes) {
  const Case cases[] = {
      {u"plain text", u"plain text"},
      {u"\\U+05D0\\U+05D1", u"\u05D0\u05D1"},
      {u"x\\U+05D0 y", u"x\u05D0 y"},
      {u"\\u+05D0", u"\\u+05D0"},  // lower-case u is no escape
      {u"\\U+05d0", u"\u05D0"},    // hex digits in either case
      {u"\\U+05D0B", u"\u05D0B"},  // a letter after four digits is text
      {u"\\U+0123456789", u"\u0123456789"},
      {u"\\U+15D0", u"\u15D0"},
      {u"\\U+5D0", u"\\U+5D0"},  // too few digits: kept as written
      {u"\\U05D0", u"\\U05D0"},
      {u"a\\Pb\\U+05D2", u"a\\Pb\u05D2"},  // other codes stay literal
      {u"\\U+0", u"\\U+0"},                // no digits: kept as written
      {u"\\U+0;x", u"\\U+0;x"},
      {u"end\\", u"end\\"},
      {u"end\\U", u"end\\U"},
      {u"end\\U+", u"end\\U+"},
      {u"\\\\U+05D0", u"\\\\U+05D0"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DecodeUnicodeEscapes(c.in), c.out) << std::string(c.in.begin(), c.in.end());
  }
}

TEST(MtextCodec, StripFormatGroup) {
  const Case cases[] = {
      {u"{\\fArial|b0|i0;first\\Psecond}", u"first\\Psecond"},
      {u"{\\H2.5;text}}", u"text}"},                       // one closing brace goes
      {u"{\\fArial|b1;notes:}\\Pline", u"notes:\\Pline"},  // the group closes early
      {u"{\\fArial;ab}c}", u"abc}"},
      {u"{\\fArial;a{\\C1;b}c}", u"a{\\C1;b}c"},  // inner groups stay literal
      {u"{\\fArial;a\\}b}", u"a\\}b"},            // an escaped brace is text
      {u"{\\fArial;no brace at all", u"no brace at all"},
      {u"{\\L}ab;c}d}", u"c"},  // closed before the ";": the tail rules
      {u"{\\fArial;}", u""},
      {u"plain}", u"plain}"},  // no group, nothing removed
      {u"{\\no semicolon}", u"{\\no semicolon}"},
      {u"{plain;x}", u"{plain;x}"},
      {u"{", u"{"},
      {u"", u""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(stripFormatGroup(c.in), c.out) << std::string(c.in.begin(), c.in.end());
  }
}

TEST(MtextCodec, SplitParagraphs) {
  using Lines = std::vector<std::u16string>;
  EXPECT_EQ(splitParagraphs(u""), Lines{});
  EXPECT_EQ(splitParagraphs(u"one"), Lines{u"one"});
  EXPECT_EQ(splitParagraphs(u"one\\Ptwo"), (Lines{u"one", u"two"}));
  EXPECT_EQ(splitParagraphs(u"one\\Ptwo\\Pthree\\P"), (Lines{u"one", u"two", u"three"}));
  EXPECT_EQ(splitParagraphs(u"one\\P\\Pthree"), (Lines{u"one", u"", u"three"}));
  EXPECT_EQ(splitParagraphs(u"\\P"), Lines{u""});
}

TEST(MtextCodec, FormatGroupWithTwoParagraphsOpensAsTwoLines) {
  const auto stored = u"{\\fArial|b0|i0|c177|p34;\\U+05E9\\U+05DC\\Pabc}";
  EXPECT_EQ(splitParagraphs(stripFormatGroup(DecodeUnicodeEscapes(stored))),
            (std::vector<std::u16string>{u"\u05E9\u05DC", u"abc"}));
}

}  // namespace
}  // namespace vrn::editing
