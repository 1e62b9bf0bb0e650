#pragma once
// The two attribute editors on TfrmGrid:
//
//   AttributeContext context{toolkit, fonts, Rinistr, host, DataDir, Vrnstr};
//   EditBlock(context, handle);                // member block on a block reference
//   EditAttributeDefinition(context, handle);  // member edit on an attribute definition
//
// Both change the drawing only after the window closes by anything but
// Cancel, inside one undo mark of their own. Host errors, before or after
// the window, reach the caller; values already written stay written. The
// block editor opens the library database of DataDir for the block's
// history; its errors end the call before the window shows.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "host/ref.h"
#include "settings/ini_settings.h"
#include "ui/toolkit.h"

namespace vrn::encoding {
class TfrmFonts;
}

namespace vrn::attributes {

// The part of the module's host view that the editors read and renew (the
// automation module owns the view; attributes may not include it).
struct AttributeHost {
  host::Ref& AcadDoc;
  host::Ref& CurStyle;
  // The host's one rule for a stored text of the named style: CurStyleName,
  // CurStyle, the backward flag and the font type refined by the text.
  std::function<void(const std::u16string& styleName, std::u16string_view stored)>
      classifyTextByStyle;
};

struct AttributeContext {
  ui::Toolkit& toolkit;
  encoding::TfrmFonts& fonts;
  settings::IniSettings& Rinistr;
  AttributeHost host;
  std::filesystem::path DataDir;
  std::u16string& Vrnstr;
};

// Empties Vrnstr; leaves "NEXT" there when the user asks for another block.
void EditBlock(AttributeContext& context, const std::u16string& handle);
void EditAttributeDefinition(AttributeContext& context, const std::u16string& handle);

}  // namespace vrn::attributes
