#include <gtest/gtest.h>

#include "ascii/blanks.h"
#include "ascii/letter_case.h"

namespace vrn {
namespace {

TEST(TrimBlanks, OnlySpacesAndTabsAtEitherEnd) {
  struct Case {
    std::u16string_view text;
    std::u16string_view trimmed;
  };
  const Case cases[] = {
      {u"  a b\t", u"a b"},
      {u"\t\t", u""},
      {u"", u""},
      {u"\ra\n", u"\ra\n"},
      {u"\u00A0a\u00A0", u"\u00A0a\u00A0"},  // no-break spaces stay
      {u" \u05E9\u05DC ", u"\u05E9\u05DC"},
  };
  for (const Case& c : cases) EXPECT_EQ(trimBlanks(c.text), c.trimmed);
  EXPECT_EQ(trimBlanks(std::string_view(" 12 \t")), "12");
}

TEST(LetterCase, OnlyAsciiLettersChange) {
  // The neighbours of A-Z and a-z in ASCII, and letters beyond it.
  EXPECT_EQ(upperAscii(std::string_view("@az[`{AZ")), "@AZ[`{AZ");
  EXPECT_EQ(lowerAscii(std::string_view("@AZ[`{az")), "@az[`{az");
  EXPECT_EQ(upperAscii(u"caf\u00E9 \u05D0 \u0416"), u"CAF\u00E9 \u05D0 \u0416");
  EXPECT_EQ(lowerAscii(u"\u00C9\u0416X"), u"\u00C9\u0416x");
}

TEST(LetterCase, EqualIgnoringCase) {
  EXPECT_TRUE(equalsIgnoringAsciiCase(u"HeB", u"heb"));
  EXPECT_FALSE(equalsIgnoringAsciiCase(u"hex", u"heb"));
  EXPECT_FALSE(equalsIgnoringAsciiCase(u"he", u"heb"));
  EXPECT_FALSE(equalsIgnoringAsciiCase(u"\u00E9", u"\u00C9"));
  EXPECT_FALSE(equalsIgnoringAsciiCase(std::string_view("@"), std::string_view("`")));
  EXPECT_TRUE(equalsIgnoringAsciiCase(std::string_view(""), std::string_view("")));
}

}  // namespace
}  // namespace vrn
