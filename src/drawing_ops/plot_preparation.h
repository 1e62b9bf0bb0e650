#pragma once
// Plot preparation: every single-line and multi-line text of the drawing
// whose style uses a TrueType font (or names no font file) is rewritten in
// display order, in one undo group, and the plot command is started when the
// drawing holds any such entity at all. Undoing
// that group brings the texts back.

#include <cstddef>

#include "host/ref.h"

namespace vrn::drawing_ops {

// Returns the number of texts rewritten. On a host error the texts already
// rewritten get their strings back, the selection set "PText" is deleted,
// the undo group ended, no plot is started, and the error goes on.
std::size_t PreparePlot(const host::Ref& document);

}  // namespace vrn::drawing_ops
