#include "host/utf8.h"

#include <gtest/gtest.h>

namespace vrn {
namespace {

TEST(Utf8, RoundTripsAndReplacesIllFormedInput) {
  const std::u16string hebrew = u"\u05E9\u05DC\u05D5\u05DD 123 \U0001F600";
  EXPECT_EQ(utf8ToUtf16(utf16ToUtf8(hebrew)), hebrew);
  EXPECT_EQ(utf8ToUtf16("a\xFF"
                        "b"),
            u"a\uFFFDb");
  EXPECT_EQ(utf8ToUtf16("\xE0\x80\x80"), u"\uFFFD");    // overlong
  EXPECT_EQ(utf8ToUtf16("\xD7"), u"\uFFFD");            // truncated
  EXPECT_EQ(utf16ToUtf8(u"\xD800x"), "\xEF\xBF\xBDx");  // lone surrogate
}

}  // namespace
}  // namespace vrn
