#pragma once
// HostAccess: the part of the module's host view that the editors read and
// renew (the automation module owns the view; editing may not include it).
// The references stay valid while the editor lives.

#include <functional>
#include <string>

#include "host/ref.h"

namespace vrn::editing {

struct HostAccess {
  host::Ref& AcadDoc;
  host::Ref& AcadStyles;
  host::Ref& CurStyle;
  std::u16string& CurStyleName;
  // CurStyle := the active text style, and TfrmFonts' font type and
  // backward flag set from it.
  std::function<void()> ActiveStyleFontType;
  // TfrmFonts' font type and backward flag set from CurStyle by the host
  // view's one rule, for the stored text `stored`; returns CurStyle's font
  // file, else its big-font file.
  std::function<std::u16string(std::u16string_view stored)> classifyCurStyle;
};

}  // namespace vrn::editing
