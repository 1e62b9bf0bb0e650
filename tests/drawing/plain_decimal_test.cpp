#include "drawing/plain_decimal.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cstdint>
#include <random>
#include <string>

#include "drawing/record.h"

namespace vrn::drawing {
namespace {

double fromChars(const std::string& text) {
  double value = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  EXPECT_EQ(ec, std::errc()) << text;
  return value;
}

std::uint64_t bits(double value) { return std::bit_cast<std::uint64_t>(value); }

// Bit for bit, so that -0.0 and the last place of a rounding count.
void expectParsedAsFromChars(const std::string& text) {
  EXPECT_EQ(bits(parseNumber(text)), bits(fromChars(text))) << text;
}

TEST(PlainDecimal, ReadsWhatFromCharsReadsBitForBit) {
  for (const char* text : {"0", "-0", "-0.0", "0.1", "12.5", "-0.25", "1.", ".5", "-.5",
                           "1234.5678901", "9007199254740992", "0.9007199254740992",
                           "00000000000000000000000000001.5", "0.3333333333333333"}) {
    double fast = 0;
    ASSERT_TRUE(readPlainDecimal(text, fast)) << text;
    EXPECT_EQ(bits(fast), bits(fromChars(text))) << text;
  }
}

// Up to 24 digits: both sides of 2^53 and of 22 places, so that the fast
// path and the general reader are both taken and must agree.
TEST(PlainDecimal, RandomDecimalsOfEveryLengthReadAsFromCharsReadsThem) {
  std::mt19937_64 random(20261211);
  for (int i = 0; i < 200000; ++i) {
    const auto whole = random() % 12;
    const auto places = random() % 12;
    std::string text = random() % 4 == 0 ? "-" : "";
    for (std::uint64_t d = 0; d < whole; ++d) text += static_cast<char>('0' + random() % 10);
    text += '.';
    for (std::uint64_t d = 0; d < places || (whole == 0 && d == 0); ++d) {
      text += static_cast<char>('0' + random() % 10);
    }
    expectParsedAsFromChars(text);
  }
}

TEST(PlainDecimal, LeavesOtherTextsAndLongDecimalsToTheGeneralReader) {
  for (const char* text : {"", "-", ".", "1.2.3", "1e5", "+5", " 7", "7 ", "12abc", "inf", "nan",
                           "0x10", "9007199254740993", "0.00000000000000000000001"}) {
    double value = 42;
    EXPECT_FALSE(readPlainDecimal(text, value)) << text;
    EXPECT_EQ(value, 42) << text;
  }
  // The general reader still answers them as before.
  EXPECT_EQ(parseNumber(" 7 "), 7.0);
  EXPECT_EQ(parseNumber("+5"), 5.0);
  EXPECT_EQ(parseNumber("1e5"), 100000.0);
  for (const char* text : {"9007199254740993", "1.0000000000000000000001", "2.2250738585072014",
                           "0.00000000000000000000001"}) {
    expectParsedAsFromChars(text);
  }
  EXPECT_EQ(parseNumber("x", -1), -1.0);
}

}  // namespace
}  // namespace vrn::drawing
