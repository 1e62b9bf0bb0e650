#pragma once
// The work of the Revit copy on a drawing: every text whose style uses a
// shape font is moved to the style "ARIALREVIT" (Arial), in the order a
// left-to-right TrueType renderer shows it, single-line texts refitted
// between their old ends. Texts already in a TrueType style stay.

#include <string>
#include <string_view>

#include "drawing_ops/font_converter.h"

namespace vrn::drawing_ops {

inline constexpr std::u16string_view kRevitStyle = u"ARIALREVIT";

// "ARIALREVIT" as Arial with width 1, added when missing and reset when it
// held another font.
void prepareRevitStyle(const host::Ref& document);

// reverseTTF: the setting ReverseTTF.
WalkTally convertForRevit(const host::Ref& document, const FontTypeOf& typeOf, bool reverseTTF,
                          const WalkProgress& progress = {});

// The copy's name: the base's without its extension, "_Revit", and the
// extension again ("plan.dxf" gives "plan_Revit.dxf").
std::string revitCopyName(const std::string& base);

}  // namespace vrn::drawing_ops
