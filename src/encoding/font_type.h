#pragma once
// fntType: the font type of a text style, which says how its texts are stored.
//
//   DosHebrew    0  DOS code page 862 letters (shape fonts)
//   DosEnglish   1  Latin keys of the Hebrew keyboard
//   DosEnglishR  2  the same, reversed variant
//   WindowsHeb   3  Windows-1255 letters
//   TrueType     4  TrueType font, logical order drawn by the font engine

#include <cstdint>

namespace vrn {

enum class fntType : std::uint8_t {
  DosHebrew = 0,
  DosEnglish = 1,
  DosEnglishR = 2,
  WindowsHeb = 3,
  TrueType = 4,
};

// One of the five types. The conversions take any value (an unknown one
// gives an empty text); the font state of TfrmFonts holds only these.
constexpr bool isKnownFontType(fntType type) { return type <= fntType::TrueType; }

}  // namespace vrn
