#include "platform/general_number_format.h"

#include <array>
#include <cassert>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace vrn::platform {
namespace {

// Fixed notation for these powers of ten of the first digit; scientific
// outside them (0.0001 is fixed, 0.00001 and 1e15 are not).
constexpr int kFirstFixedExponent = -4;
constexpr int kLastFixedExponent = 14;

struct Decimal {
  bool negative = false;
  std::string digits;  // significant digits without trailing zeros, never empty
  int exponent = 0;    // the power of ten of the first digit
};

// Reads to_chars' scientific form "-d.ddde+XX".
Decimal decimalOf(std::string_view text) {
  Decimal d;
  if (text.front() == '-') {
    d.negative = true;
    text.remove_prefix(1);
  }
  const std::size_t e = text.find('e');
  assert(e != std::string_view::npos && e + 2 < text.size());
  const std::size_t exponentStart = text[e + 1] == '+' ? e + 2 : e + 1;
  std::from_chars(text.data() + exponentStart, text.data() + text.size(), d.exponent);
  for (char c : text.substr(0, e)) {
    if (c != '.') d.digits += c;
  }
  while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
  return d;
}

void appendAscii(std::u16string& out, std::string_view text) {
  for (char c : text) out += static_cast<char16_t>(c);
}

std::u16string layOut(const Decimal& d, char16_t separator) {
  const std::string& digits = d.digits;
  const int exponent = d.exponent;
  std::u16string out;
  if (d.negative) out += u'-';
  if (exponent < kFirstFixedExponent || exponent > kLastFixedExponent) {
    out += static_cast<char16_t>(digits[0]);
    if (digits.size() > 1) {
      out += separator;
      appendAscii(out, std::string_view(digits).substr(1));
    }
    out += u'E';
    if (exponent < 0) out += u'-';
    appendAscii(out, std::to_string(std::abs(exponent)));
  } else if (exponent < 0) {
    out += u'0';
    out += separator;
    out.append(static_cast<std::size_t>(-exponent - 1), u'0');
    appendAscii(out, digits);
  } else {
    const auto whole = static_cast<std::size_t>(exponent) + 1;
    appendAscii(out, std::string_view(digits).substr(0, whole));
    if (digits.size() > whole) {
      out += separator;
      appendAscii(out, std::string_view(digits).substr(whole));
    } else {
      out.append(whole - digits.size(), u'0');
    }
  }
  return out;
}

}  // namespace

std::u16string generalNumberText(double value, std::optional<int> significantDigits,
                                 char16_t decimalSeparator) {
  if (std::isnan(value)) return u"NAN";
  if (std::isinf(value)) return value < 0 ? u"-INF" : u"INF";
  if (value == 0) return u"0";  // -0 too
  std::array<char, 64> buffer{};
  const auto written = significantDigits
                           ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                           std::chars_format::scientific, *significantDigits - 1)
                           : std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                           std::chars_format::scientific);
  assert(written.ec == std::errc());
  return layOut(decimalOf(std::string_view(buffer.data(), written.ptr)), decimalSeparator);
}

}  // namespace vrn::platform
