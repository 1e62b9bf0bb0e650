#pragma once
// The bidirectional algorithm for the lines that labels are mostly made of:
// Hebrew letters, ASCII letters and digits, blanks and ASCII punctuation,
// brackets included. Such a line has no explicit embedding, isolate or
// control, so the whole line is one run at the paragraph's level and the
// algorithm comes down to its weak, bracket, neutral and implicit rules.
// Written here because ICU's general algorithm costs more per label than
// the whole conversion around it; every other line goes to ICU. (Windows
// keeps its own algorithm for every line: the text it renders follows it.)

#include <string>
#include <string_view>

#include "platform/bidi.h"

namespace vrn::platform {

// The display order of `line` read in `direction`, into `display`, when
// every unit of the line is one of the characters above and the line is
// short (a label); false, display untouched, when ICU must order it.
bool commonLineDisplayOrder(std::u16string_view line, ReadingDirection direction,
                            std::u16string& display);

}  // namespace vrn::platform
