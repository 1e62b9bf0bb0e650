#pragma once
// The layout that both sides of number_text.h give a number once each has
// chosen its digits and decimal separator.

#include <optional>
#include <string>

namespace vrn::platform {

// significantDigits: round to that many; nullopt: the shortest digits that
// read back as the same double.
std::u16string generalNumberText(double value, std::optional<int> significantDigits,
                                 char16_t decimalSeparator);

}  // namespace vrn::platform
