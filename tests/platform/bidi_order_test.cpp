// The line order against ICU's own ubidi_writeReordered (no mirroring, every
// control kept) on generated lines that mix every kind of bidi class: the
// posix side reorders by levels itself and must give exactly what ICU does,
// also where the conformance file has nothing to say (the places of the
// controls and boundary neutrals that rule X9 removes).

#include <gtest/gtest.h>
#include <unicode/ubidi.h>

#include <cstddef>
#include <cstdint>
#include <iostream>
#include <memory>
#include <random>
#include <string>

#include "platform/bidi.h"

namespace vrn::platform {
namespace {

std::u16string icuOrder(const std::u16string& line, ReadingDirection direction) {
  const std::unique_ptr<UBiDi, decltype(&ubidi_close)> bidi(ubidi_open(), ubidi_close);
  const auto length = static_cast<std::int32_t>(line.size());
  std::u16string display(line.size(), u'\0');
  UErrorCode status = U_ZERO_ERROR;
  ubidi_setPara(bidi.get(), line.data(), length, direction == ReadingDirection::RightToLeft ? 1 : 0,
                nullptr, &status);
  ubidi_writeReordered(bidi.get(), display.data(), length, 0, &status);
  EXPECT_TRUE(U_SUCCESS(status));
  return display;
}

TEST(DisplayOrder, MatchesIcuOnMixedLines) {
  // Latin, Hebrew, Arabic, digits (European and Arabic-Indic), separators and
  // terminators, neutrals, brackets, a nonspacing mark, blanks, a tab, a
  // paragraph separator, marks, embeddings, overrides, isolates, a boundary
  // neutral, and a supplementary character (Hebrew-direction) as a pair.
  const std::u16string alphabet =
      u"aZ\u05D0\u05E9\u05EA\u0627\u0628"
      u"09\u0661+-%.,:/"
      u"()[]{}<>!\u05B8\u0301  \t\u2029\u200E\u200F\u061C"
      u"\u202A\u202B\u202C\u202D\u202E\u2066\u2067\u2068\u2069\u00AD";
  const std::u16string pair = u"\U00010900";  // PHOENICIAN LETTER ALF, class R
  std::mt19937 random(2026);
  constexpr int lines = 20000;
  int withPairs = 0;
  for (int n = 0; n < lines; ++n) {
    std::u16string line;
    const std::size_t length = 1 + random() % 24;
    while (line.size() < length) {
      if (n % 4 == 0 && random() % 8 == 0) {
        line += pair;
      } else {
        line += alphabet[random() % alphabet.size()];
      }
    }
    withPairs += line.find(pair) != std::u16string::npos ? 1 : 0;
    for (ReadingDirection direction :
         {ReadingDirection::LeftToRight, ReadingDirection::RightToLeft}) {
      std::u16string display;
      displayOrder(line, direction, display);
      ASSERT_EQ(display, icuOrder(line, direction))
          << "line " << n << " right to left " << (direction == ReadingDirection::RightToLeft);
    }
  }
  std::cout << lines << " lines, " << withPairs << " with a surrogate pair\n";
  EXPECT_GT(withPairs, 0);
}

}  // namespace
}  // namespace vrn::platform
