#include "editing/number_field.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>

#include "ascii/blanks.h"
#include "host/utf8.h"

namespace vrn::editing {
namespace {

constexpr int kSignificantDigits = 8;

std::u16string ascii(const std::string& text) { return std::u16string(text.begin(), text.end()); }

}  // namespace

std::u16string fixedText(double value, int decimals) {
  char buffer[64];
  // Rounded to the significant digits first, then laid out fixed-point.
  std::snprintf(buffer, sizeof buffer, "%.*e", kSignificantDigits - 1, value);
  const double rounded = std::strtod(buffer, nullptr);
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, rounded == 0 ? 0.0 : rounded);
  return ascii(buffer);
}

double parseNumber(std::u16string_view text) {
  const std::string utf8 = utf16ToUtf8(text);
  const std::string trimmed(trimBlanks(utf8));
  const auto invalid = [&] {
    return std::invalid_argument("'" + utf8 + "' is not a valid floating point value");
  };
  if (trimmed.empty() || trimmed.find_first_not_of("+-.0123456789eE") != std::string::npos)
    throw invalid();
  char* end = nullptr;
  const double value = std::strtod(trimmed.c_str(), &end);
  if (end != trimmed.c_str() + trimmed.size() || !std::isfinite(value)) throw invalid();
  return value;
}

}  // namespace vrn::editing
