#pragma once
// The string conversion services AutoCAD-side routines call (acadtostr and
// strtoacad with a font type as kind): between the drawing form of a text
// and its logical form (reading order, Windows-1255 letters). Byte form in
// and out; type and backward flag come as arguments, no state is read.
// Types outside 0-4 give an empty text.

#include <string>
#include <string_view>

#include "encoding/font_type.h"

namespace vrn::encoding {

std::string AcadToStr(std::string_view text, fntType type, bool backward);
std::string StrToAcad(std::string_view text, fntType type, bool backward);

// The same on the caller's UTF-16 text, as the members take it: types 0-3
// through the byte form (their shape fonts draw bytes only, so a character
// Windows-1255 lacks becomes its default character); TrueType keeps every
// character, each with its own direction, surrogate pairs in order.
std::u16string AcadToStr(std::u16string_view text, fntType type, bool backward);
std::u16string StrToAcad(std::u16string_view text, fntType type, bool backward);

}  // namespace vrn::encoding
