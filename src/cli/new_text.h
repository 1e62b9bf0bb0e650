#pragma once
// A new single-line text as the AutoCAD-side routine makes it before it
// calls newtext: in one undo step, in the given style (which becomes the
// current one), empty, at a point, with a height (the drawing's TEXTSIZE
// when none is given).

#include <optional>
#include <string>

#include "host/point.h"
#include "host/ref.h"

namespace vrn::cli {

// Returns the new text's handle. Raises host::HostError for a style the
// drawing lacks or a height that is not positive.
std::u16string createSingleLineText(const host::Ref& document, const std::u16string& style,
                                    const host::Point3& at, std::optional<double> height);

// "X,Y" or "X,Y,Z"; nothing when the text is no such point.
std::optional<host::Point3> parsePoint(const std::string& text);

}  // namespace vrn::cli
