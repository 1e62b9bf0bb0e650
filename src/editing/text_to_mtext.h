#pragma once
// TextToMtext: single-line texts picked on screen become one MTEXT, or an
// evenly spaced column of single-line texts, after review in the
// multi-line editor. The texts open in the order they stand on the sheet;
// the new entities take the first text's style, layer and justification.
// The picked texts go only after the new entities stand, and only when
// there is at least one line to place.

#include "editing/mtext_operations.h"

namespace vrn::editing {

void TextToMtext(MtextContext& context);

}  // namespace vrn::editing
