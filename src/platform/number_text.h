#pragma once
// A floating-point number as text in the user's number format, as a listing
// for the user shows it (the rows of db_gettable).
//
//               digits                               decimal separator
//   POSIX       the shortest that read back as the   "." (the C locale)
//               same double (up to 17)
//   Windows     15 significant, rounded              the user's (LOCALE_SDECIMAL)
//
// Both lay the digits out alike: fixed notation while the power of ten of
// the first digit is from -4 to 14, otherwise scientific with E and a sign
// only when negative; never a thousands separator or trailing zeros.
//
//   2 -> "2"   0.5 -> "0.5"   -3 -> "-3"   1e20 -> "1E20"   0.0001 -> "0.0001"
//   0.00001 -> "1E-5"   1e15 -> "1E15"   0 and -0 -> "0"
//   infinities "INF" and "-INF", not a number "NAN"

#include <string>

namespace vrn::platform {

std::u16string userNumberText(double value);

}  // namespace vrn::platform
