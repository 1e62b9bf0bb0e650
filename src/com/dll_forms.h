#pragma once
// DllForms: the backend vrn.dll shows its forms with, real windows modal
// over the host's main window (the application object's HWND property).
//
// For the tests under Wine only, three environment variables turn the
// windows over to a scripted user; a shipped host sets none of them:
//   VRN_TEST_UI_SCRIPT     a script (ui/headless/SCRIPTS.md) played on the
//                          windows of every form the DLL opens;
//   VRN_TEST_UI_REPORT     where the transcript and the run's failures go
//                          when the DLL unloads ("failure: ..." lines);
//   VRN_TEST_UI_SNAPSHOTS  a folder for a picture and the captions of
//                          every form once it shows and as it closes
//                          (ui/win32/window_snapshot.h).

#include <filesystem>
#include <optional>

#include "ui/win32/win32_toolkit.h"

namespace vrn::com {

class DllForms {
 public:
  DllForms();
  // Writes the report when one was asked for.
  ~DllForms();
  DllForms(const DllForms&) = delete;
  DllForms& operator=(const DllForms&) = delete;

  ui::Toolkit& toolkit() { return toolkit_; }

 private:
  ui::win32::Win32Toolkit toolkit_;
  std::optional<std::filesystem::path> report_;
};

}  // namespace vrn::com
