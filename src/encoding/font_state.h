#pragma once
// FontState: the current font state a stored text is converted with, the
// pair cStType / cStBack that TfrmFonts holds. The conversion routines take
// it explicitly (encoding/conversions.h), so they stay pure functions and
// TfrmFonts forwards its member routines to them with its own state:
//
//   AcadToEditWin(ss, FontState{cStType, cStBack})
//   EditToacadWin(ss, FontState{cStType, cStBack}, Rinistr.ReverseTTF)
//
// The setting ReverseTTF travels as a separate bool, since only the
// TrueType paths read it.

#include "encoding/font_type.h"

namespace vrn::encoding {

struct FontState {
  fntType type = fntType::DosHebrew;  // cStType
  bool backward = false;              // cStBack: the style draws mirrored

  friend bool operator==(const FontState&, const FontState&) = default;
};

}  // namespace vrn::encoding
