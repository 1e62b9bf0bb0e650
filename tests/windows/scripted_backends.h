#pragma once
// The backends of the seam's shared tables in the Windows build: the real
// windows, driven by a scripted user (under Wine, on an X display). The
// build copies the tables from tests/ui next to this header, so that they
// include it in place of the headless list.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/keyboard_layouts.h"
#include "ui/scripted_toolkit.h"
#include "ui/win32/win32_toolkit.h"

namespace vrn::test {

struct ScriptedBackend {
  std::string name;
  std::function<std::unique_ptr<ui::ScriptedToolkit>()> make;
  // Time passes by the clock on the wall: timers counted to the
  // millisecond can only be tested on the virtual clock.
  bool realTime = false;
};

inline std::vector<ScriptedBackend> scriptedBackends() {
  return {{"win32",
           [] {
             return std::make_unique<ui::win32::Win32Toolkit>(
                 nullptr, ui::win32::Win32Toolkit::User::Script);
           },
           true}};
}

inline std::string backendName(const ::testing::TestParamInfo<ScriptedBackend>& info) {
  return info.param.name;
}

// Every test starts with US English active and leaves it so.
class SimulatedKeyboardGuard {
 public:
  SimulatedKeyboardGuard() { platform::activateKeyboardLayout(platform::kUsEnglishLayout); }
  ~SimulatedKeyboardGuard() { platform::activateKeyboardLayout(platform::kUsEnglishLayout); }
  SimulatedKeyboardGuard(const SimulatedKeyboardGuard&) = delete;
  SimulatedKeyboardGuard& operator=(const SimulatedKeyboardGuard&) = delete;
};

}  // namespace vrn::test
