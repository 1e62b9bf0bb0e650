#pragma once
// Numbers in the editor's fields: shown fixed-point with a given number of
// decimals and at most 8 significant digits (2.5 -> "2.50" with 2
// decimals, 90 -> "90.0" with 1), read with "." as the decimal separator.

#include <string>
#include <string_view>

namespace vrn::editing {

std::u16string fixedText(double value, int decimals);
// Raises std::invalid_argument ("'abc' is not a valid floating point
// value") for anything but a whole number text, blanks around it allowed.
double parseNumber(std::u16string_view text);

}  // namespace vrn::editing
