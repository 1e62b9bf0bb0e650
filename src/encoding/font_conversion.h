#pragma once
// The letter-level routines of the font converter: moving a stored text from
// one font type (and backward flag) to another, and changing only its letter
// codes from one layout to another.

#include <string>
#include <string_view>

#include "encoding/font_type.h"

namespace vrn::encoding {

// A stored byte text of type a (backward ab) as a stored text of type b
// (backward bb), reading as it did: DosEnglishR fonts store reading order,
// the other shape fonts visual order, and a TrueType text is laid out in
// display order first. TrueType is no target: its texts come from AAcadToEditWin,
// so target 4 (and any unknown type) gives an empty text.
std::string ConvertFntType(std::string x, fntType a, bool ab, fntType b, bool bb);

// The same for a wide stored text, read as AAcadToEditWin reads one: units
// below 256 as their own byte, a DOS text holding Windows letters as
// Windows, a Windows text holding DOS letters as DOS.
std::u16string ConvertFntTypeW(std::u16string_view t, fntType a, bool ab, fntType b, bool bb);

// The letter codes of layout a as those of layout b; the order is kept.
// Targets other than 0, 1 and 3, and TrueType sources, change nothing.
std::u16string RemapLetters(std::u16string_view t, fntType a, fntType b);

}  // namespace vrn::encoding
