// As Windows programs print a floating-point number for their user: 15
// significant digits and the decimal separator of the user's locale (its
// first character, as a program's format settings keep it).

#include "platform/number_text.h"

#include <windows.h>

#include "platform/general_number_format.h"

namespace vrn::platform {
namespace {

constexpr int kSignificantDigits = 15;

char16_t userDecimalSeparator() {
  wchar_t text[8]{};
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, text, 8) < 2) return u'.';
  return static_cast<char16_t>(text[0]);
}

}  // namespace

std::u16string userNumberText(double value) {
  return generalNumberText(value, kSignificantDigits, userDecimalSeparator());
}

}  // namespace vrn::platform
