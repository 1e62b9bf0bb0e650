// The seam's shared tables on the Windows backend: a scripted user drives
// real windows (under Wine, on an X display).

#include "platform/keyboard_layouts.h"
#include "scripted_backends.h"
#include "ui/win32/win32_toolkit.h"

namespace vrn::test {

std::vector<ScriptedBackend> scriptedBackends() {
  return {{"win32",
           [] {
             return std::make_unique<ui::win32::Win32Toolkit>(
                 nullptr, ui::win32::Win32Toolkit::User::Script);
           },
           true}};
}

SimulatedKeyboardGuard::SimulatedKeyboardGuard() {
  platform::activateKeyboardLayout(platform::kUsEnglishLayout);
}
SimulatedKeyboardGuard::~SimulatedKeyboardGuard() {
  platform::activateKeyboardLayout(platform::kUsEnglishLayout);
}

}  // namespace vrn::test
