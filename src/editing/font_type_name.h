#pragma once
// The names the editors show for the font types.

#include <string>

#include "encoding/font_type.h"

namespace vrn::editing {

// "Dos Hebrew", "Dos English", "Dos English Reversed", "Windows", "True Type".
std::u16string fontTypeName(fntType type);
// The next type, TrueType wrapping round to DosHebrew.
fntType nextFontType(fntType type);

}  // namespace vrn::editing
