#pragma once
// ReplaceTexts: find and replace over single-line texts and the attributes
// of block references picked on screen, in TfrmEditor. The selection set
// "SSText" lives only during the call, whichever way it ends.

#include "editing/find_replace_state.h"
#include "editing/placing_host.h"
#include "ui/toolkit.h"

namespace vrn::encoding {
class TfrmFonts;
}

namespace vrn::editing {

struct ReplaceContext {
  ui::Toolkit& toolkit;
  encoding::TfrmFonts& fonts;
  PlacingHost host;
  FindReplaceState& state;
};

void ReplaceTexts(ReplaceContext& context);

}  // namespace vrn::editing
