#pragma once
// The numbers of a drawing are nearly all plain decimals ("12.5", "-0.25",
// "1234.5678901"), and a conversion of its texts reads the same ones many
// times. A decimal of at most 2^53 as an integer and at most 22 places is
// the quotient of two doubles that hold it exactly, and the division rounds
// it correctly, as std::from_chars does (Clinger's fast path) at a
// fraction of its cost. Anything else is left to std::from_chars.

#include <array>
#include <cstdint>
#include <string_view>

namespace vrn::drawing {

// Reads all of `text` as "[-]digits[.digits]" (digits on either side of
// the point); false, with `value` untouched, for any other text and for a
// decimal beyond the fast path.
inline bool readPlainDecimal(std::string_view text, double& value) {
  static constexpr std::array<double, 23> kPowersOfTen{
      1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
      1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
  constexpr std::uint64_t kExact = std::uint64_t{1} << 53;
  const char* p = text.data();
  const char* const end = p + text.size();
  const bool negative = p != end && *p == '-';
  if (negative) ++p;
  std::uint64_t mantissa = 0;
  std::size_t places = 0;
  bool point = false;
  bool digits = false;
  for (; p != end; ++p) {
    const unsigned digit = static_cast<unsigned>(*p) - unsigned{'0'};
    if (digit <= 9) {
      // Past 2^53 it only grows, so it cannot overflow before this stops it.
      mantissa = mantissa * 10 + digit;
      if (mantissa > kExact) return false;
      places += point ? 1 : 0;
      digits = true;
    } else if (*p == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  if (!digits || places >= kPowersOfTen.size()) return false;
  const double magnitude = static_cast<double>(mantissa) / kPowersOfTen[places];
  value = negative ? -magnitude : magnitude;
  return true;
}

}  // namespace vrn::drawing
