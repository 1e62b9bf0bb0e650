#pragma once
// The multi-line editor's operations: a new MTEXT, an existing MTEXT, and
// the writing of edited lines into the drawing as one MTEXT or as one
// single-line text per line (exploded).
//
//   MtextContext context{toolkit, fonts, Rinistr, host, state};
//   CreateMtext(context);          // member mtext with no handle
//   EditMtext(context, handle);    // member mtext or edit on an MTEXT
//
// Each operation is one undo mark, and changes the drawing only after OK:
// new entities are placed before anything is erased, and an OK that leaves
// no line, or changes nothing, writes nothing.

#include <string>
#include <vector>

#include "editing/mtext_state.h"
#include "editing/placing_host.h"
#include "settings/ini_settings.h"
#include "ui/toolkit.h"

namespace vrn::encoding {
class TfrmFonts;
}

namespace vrn::editing {

struct MtextContext {
  ui::Toolkit& toolkit;
  encoding::TfrmFonts& fonts;
  settings::IniSettings& Rinistr;
  PlacingHost host;
  MtextState& state;
};

// The justification codes of PlaceLines.
inline constexpr int kJustifyLeft = 0;
inline constexpr int kJustifyRight = 2;

void CreateMtext(MtextContext& context);
void EditMtext(MtextContext& context, const std::u16string& handle);

// Writes the editor lines (converted with EditToacadWin under the current
// font state) at MtextPoint in MtextStyleName, MtextHeight and CurLayerName.
// Exploded: one text per line, each next line `spacing` lower, empty lines
// only moving the point down; right-justified lines end at MtextPoint's X.
// Otherwise one MTEXT wide enough for its longest line. Nothing for no lines.
void PlaceLines(MtextContext& context, const std::vector<std::u16string>& lines, bool explode,
                double spacing, int justification);

// The MTEXT attachment point after the direction buttons: the row (top,
// middle, bottom) is kept; a changed direction moves only to left or right.
int attachmentAfterEdit(int opened, bool openedRight, bool right);
// Whether an attachment point opens with "Align Right".
bool attachmentIsRight(int attachment);

}  // namespace vrn::editing
