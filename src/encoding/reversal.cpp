#include "encoding/reversal.h"

#include <algorithm>
#include <utility>

namespace vrn::encoding {
namespace {

constexpr bool isLeadSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
constexpr bool isTrailSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

}  // namespace

std::string RevStr(std::string s) {
  std::reverse(s.begin(), s.end());
  return s;
}

std::u16string RevStrW(std::u16string s) {
  std::reverse(s.begin(), s.end());
  return s;
}

// Reversed, every pair reads trail-lead; each such neighbourhood was a pair
// (a lead followed by a trail) before, so swapping them all back restores
// exactly the pairs.
void reverseCharactersIn(std::span<char16_t> units) {
  std::reverse(units.begin(), units.end());
  for (std::size_t i = 0; i + 1 < units.size(); ++i) {
    if (isTrailSurrogate(units[i]) && isLeadSurrogate(units[i + 1])) {
      std::swap(units[i], units[i + 1]);
      ++i;
    }
  }
}

std::u16string reverseCharacters(std::u16string s) {
  reverseCharactersIn(s);
  return s;
}

}  // namespace vrn::encoding
