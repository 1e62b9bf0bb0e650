#pragma once
// Conversions between a stored text (the drawing's form: visual order, the
// letter codes of its font's layout, reversed once more when the style is
// backward) and the two editor forms:
//
//   DOS editor form      the stored order, Windows letters; no mirroring.
//   Windows editor form  reading order, Unicode Hebrew, brackets facing the
//                        reading direction.
//
// Wide text in and out; the font state (TfrmFonts' cStType and cStBack) is
// passed in, never read from anywhere. An empty text gives an empty text.
// An unknown font type gives an empty text. Host control codes (%%nnn,
// \U+XXXX) are plain Latin characters here.
//
// Types 0-3 work on the byte form, since their shape fonts draw bytes only:
// a character without a byte in Windows-1255 is lost. TrueType keeps every
// character, each with its own direction, and surrogate pairs in order.

#include <cstdint>
#include <string>
#include <string_view>

#include "encoding/font_state.h"

namespace vrn::encoding {

std::u16string AcadToEditDos(std::u16string_view ss, FontState font);
std::u16string EditToacadDos(std::u16string_view ss, FontState font);
std::u16string AcadToEditWin(std::u16string_view ss, FontState font);
// reverseTTF: the setting ReverseTTF; only TrueType texts read it.
std::u16string EditToacadWin(std::u16string_view ss, FontState font, bool reverseTTF);

// TrueType order: FixRuns and the display order read left to right.
std::u16string ConvertRightToLeft(std::u16string_view s);  // VisualOrder(FixRuns(s))
std::u16string ConvertLeftToRight(std::u16string_view s);  // FixRuns(VisualOrder(s))
std::u16string ConvertRightToLeftW(std::u16string_view s);
std::u16string ConvertLeftToRightW(std::u16string_view s);

// A stored text of any type (byte form) to reading order, with type and
// backward flag as the 16-bit values the font converter passes (backward:
// non-zero means set). RightToLeft false also lays the line out left to
// right. Types outside 0-4 give an empty text.
std::string fAcadToEditWinL(std::string_view ss, std::int16_t ftype, std::int16_t backward,
                            bool RightToLeft);

// The same for wide text. For types 0-3 units below 256 count as their own
// byte, so the letter codes of a drawing saved under another code page are
// read as they were stored; a type-0 text holding Windows letters is read as
// type 3, a type-3 text holding DOS letters as type 0. TrueType units are
// read as they are. ReverseTTF reverses the result.
// A wide stored text of type 0-3 as the bytes its shape font draws, and the
// type those bytes are really in: units below 256 count as their own byte,
// so the letter codes of a drawing saved under another code page are read as
// they were stored; a type-0 text holding Windows letters is type 3, a
// type-3 text holding DOS letters type 0.
struct StoredBytes {
  std::string bytes;
  fntType type;
};
StoredBytes readStoredBytes(std::u16string_view ss, fntType type);

std::u16string AAcadToEditWin(std::u16string_view ss, FontState font, bool RightToLeft,
                              bool reverseTTF);

}  // namespace vrn::encoding
