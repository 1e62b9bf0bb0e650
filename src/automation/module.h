#pragma once
// Module: every piece of module-wide state, from load to unload. The
// automation object has no state of its own; each instance reaches the one
// Module through Module::current(), so all of them share `Vrnstr`.
//
// Start-up (the constructor), in this order:
//   1. DataDir := <documents>/Palwen/Vornel/, else <app data>/Palwen/Vornel/
//   2. TfrmFonts is created; its FormCreate chooses DataDir once more by the
//      whole rule (with the machine folder as the last fallback) and reads
//      Hebrew.ini, editdef.txt and the font map from it. That value holds.
// Shut-down (the destructor), in this order:
//   1. TfrmFonts is freed (its FormDestroy writes Hebrew.ini when a setting
//      changed); a failure there is swallowed, since nobody is left to
//      report it to
//   2. the host view releases its references; Vrnstr and AcadVersionText
//      are emptied
//
// The COM server registers its class factory before it constructs the
// Module; the image lists and the library browser belong to the forms.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "automation/host_view.h"
#include "editing/find_replace_state.h"
#include "editing/mtext_state.h"
#include "editing/text_editor_state.h"
#include "settings/settings.h"

namespace vrn::encoding {
class TfrmFonts;
}
namespace vrn::ui {
class Toolkit;
}

namespace vrn::automation {

struct ModuleOptions {
  // Where the data directory rule looks: the user's folders and the machine
  // folder of the last resort.
  settings::DataDirRoots roots = settings::DataDirRoots::fromPlatform();
  // A data directory chosen by the user (the CLI's --data-dir); it replaces
  // the rule.
  std::optional<std::filesystem::path> dataDir;
  // The backend that shows the forms (Win32 windows in vrn.dll, a scripted
  // user in the command line and the tests); it outlives the Module. Without
  // one, a member that needs a form fails with E_NOTIMPL.
  ui::Toolkit* toolkit = nullptr;
};

class Module {
 public:
  explicit Module(ModuleOptions options = {});
  ~Module();
  Module(const Module&) = delete;
  Module& operator=(const Module&) = delete;

  // The started module. Raises host::HostError (E_UNEXPECTED) when none is.
  static Module& current();
  static bool started();

  std::u16string Vrnstr;                  // the shared result text
  std::u16string AcadVersionText;         // set by aver and acadversin; nothing reads it
  editing::TextEditorState textEditor;    // the single-line editor's choices between openings
  editing::MtextState mtextState;         // the multi-line editor's last height, points and style
  editing::FindReplaceState findReplace;  // find and replace's histories

  // The data directory (ending with a separator) and the settings record.
  const std::filesystem::path& DataDir() const { return settings_.DataDir; }
  settings::IniSettings& Rinistr() { return settings_.Rinistr; }
  encoding::TfrmFonts& frmFonts() { return *frmFonts_; }
  HostView& view() { return *view_; }
  // The backend for the forms; raises when this program shows none.
  ui::Toolkit& toolkit() const;

 private:
  settings::Settings settings_;
  std::unique_ptr<encoding::TfrmFonts> frmFonts_;
  std::unique_ptr<HostView> view_;
  ui::Toolkit* toolkit_ = nullptr;
};

}  // namespace vrn::automation
