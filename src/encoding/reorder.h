#pragma once
// The reordering primitives the conversions build on.
//
//   FixRuns       keeps every run of right-to-left letters in its order and
//                 reverses every run of other characters in place. With a
//                 reversal of the whole string it turns a right-to-left line
//                 into visual order and back.
//   VisualOrder   the line in display order, read left to right (the font
//                 form's drawing surface).
//   VisualOrderDC the line in display order, read right to left (the screen
//                 context after any conversion has run), always.
//
// Byte-form routines work on the Windows-1255 byte form, the W forms on
// UTF-16. All keep the length, and an empty text gives an empty text.

#include <string>
#include <string_view>

#include "platform/bidi.h"

namespace vrn::encoding {

std::string FixRuns(std::string s);
// A surrogate pair is one character of its own class: its units stay in
// order when its run is reversed.
std::u16string FixRunsW(std::u16string s);

std::string VisualOrder(std::string_view s);
std::u16string VisualOrderW(std::u16string_view s);
std::string VisualOrderDC(std::string_view s);

// The TrueType conversions straight from and to wide text, with the display
// read in the given direction (VisualOrder's left to right, VisualOrderDC's
// right to left), reversed when asked:
//
//   displayWide      VisualOrder(s)
//   rightToLeftWide  VisualOrder(FixRuns(s))
//   leftToRightWide  FixRuns(VisualOrder(s))
//
// They give what the byte-form chains give, except that a unit the byte
// form does not carry (no byte in Windows-1255: a diameter sign, e-acute,
// Zhe, an emoji) keeps its place with its own class instead of turning into
// another character, and a surrogate pair stays one character, in order,
// through every reorder and reversal: a TrueType font draws them all.
std::u16string displayWide(std::u16string_view s, platform::ReadingDirection reading,
                           bool reversed);
std::u16string rightToLeftWide(std::u16string_view s, platform::ReadingDirection reading,
                               bool reversed);
std::u16string leftToRightWide(std::u16string_view s, platform::ReadingDirection reading,
                               bool reversed);

std::string RightToLeftDC(std::string_view s);  // VisualOrderDC(FixRuns(s))
std::string LeftToRightDC(std::string_view s);  // FixRuns(VisualOrderDC(s))

}  // namespace vrn::encoding
