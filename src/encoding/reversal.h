#pragma once
// String reversal, the step every conversion between a stored text and
// reading order takes. Pure: no table, no font state.

#include <span>
#include <string>

namespace vrn::encoding {

// Reverses bytes.
std::string RevStr(std::string s);
// Reverses UTF-16 units: a surrogate pair comes out with its halves swapped.
std::u16string RevStrW(std::u16string s);
// Reverses characters, for TrueType texts: a surrogate pair keeps its two
// units in order. The span form reverses in place.
std::u16string reverseCharacters(std::u16string s);
void reverseCharactersIn(std::span<char16_t> units);

}  // namespace vrn::encoding
