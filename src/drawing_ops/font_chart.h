#pragma once
// The font chart: the 256 character codes of the active text style as a
// 16 x 16 table over the middle of the current view, with hexadecimal row
// and column labels, drawn as one undo group that an alert holds on screen
// until the user confirms it and the group is undone.

#include "host/ref.h"

namespace vrn::drawing_ops {

// Draws the chart into `space` and sends the alert and the undo. On a host
// error the part already drawn is undone, CECOLOR set back, and the error
// goes on; no alert is sent.
void ShowFontChart(const host::Ref& document, const host::Ref& space);

}  // namespace vrn::drawing_ops
