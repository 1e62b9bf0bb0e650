#pragma once
// LibraryHost: the part of the module's host view that the library browser
// and text placement read and renew (the automation module owns the view;
// the library may not include it). The references stay valid while the
// browser lives.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "host/ref.h"

namespace vrn::encoding {
class TfrmFonts;
}

namespace vrn::library {

struct LibraryHost {
  encoding::TfrmFonts& fonts;
  host::Ref& AcadDoc;
  host::Ref& AcadSpace;
  std::u16string& CurStyleName;
  std::u16string& CurLayerName;
  std::function<std::vector<std::u16string>()> StyleNames;
  std::function<std::vector<std::u16string>()> LayerNames;
  // CurStyle := the active text style, and the fonts' type and backward
  // flag set from it.
  std::function<void()> ActiveStyleFontType;
  // The same from the style named CurStyleName.
  std::function<void()> NamedStyleFontType;
  // The host's one rule for a stored text of the named style: CurStyleName,
  // CurStyle, the backward flag and the font type refined by the text.
  std::function<void(const std::u16string& styleName, std::u16string_view stored)>
      classifyTextByStyle;
};

}  // namespace vrn::library
