#include "automation/library_member.h"

#include "automation/module.h"
#include "encoding/keyboard_switch.h"
#include "library/browser/hlib.h"

namespace vrn::automation {

void hlibMember(Module& module) {
  HostView& view = module.view();
  view.RefreshAcad();
  ui::Toolkit& toolkit = module.toolkit();
  library::LibraryHost host{module.frmFonts(),
                            view.AcadDocCopy,
                            view.AcadSpace,
                            view.CurStyleName,
                            view.CurLayerName,
                            [&view] { return view.StyleNames(); },
                            [&view] { return view.LayerNames(); },
                            [&view] { view.ActiveStyleFontType(); },
                            [&view] { view.NamedStyleFontType(); },
                            [&view](const std::u16string& style, std::u16string_view stored) {
                              view.classifyTextByStyle(style, stored);
                            }};
  // The browser hands the keyboard back in English however it ends.
  struct EnglishAtEnd {
    ~EnglishAtEnd() {
      try {
        encoding::SetKeyboardEnglish();
      } catch (...) {
        // The browser's own outcome is what the caller needs to hear.
      }
    }
  } englishAtEnd;
  library::runHlib(toolkit, host, module.DataDir());
}

}  // namespace vrn::automation
