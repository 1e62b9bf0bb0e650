#pragma once
// The backends whose forms a scripted user can drive. Tests written against
// the seam run once per backend: here the headless one; the Windows build
// compiles the shared tables against tests/windows/scripted_backends.h,
// whose list is the real windows.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/posix/simulated_keyboard.h"
#include "ui/headless/headless_toolkit.h"
#include "ui/scripted_toolkit.h"

namespace vrn::test {

struct ScriptedBackend {
  std::string name;
  std::function<std::unique_ptr<ui::ScriptedToolkit>()> make;
  // Time passes by the clock on the wall: timers counted to the
  // millisecond can only be tested on the virtual clock.
  bool realTime = false;
};

inline std::vector<ScriptedBackend> scriptedBackends() {
  return {{"headless", [] { return std::make_unique<ui::headless::HeadlessToolkit>(); }}};
}

inline std::string backendName(const ::testing::TestParamInfo<ScriptedBackend>& info) {
  return info.param.name;
}

// Every test starts on a machine with US English and Hebrew installed and
// US English active, and leaves it so.
class SimulatedKeyboardGuard {
 public:
  SimulatedKeyboardGuard() { platform::resetSimulatedKeyboard(); }
  ~SimulatedKeyboardGuard() { platform::resetSimulatedKeyboard(); }
  SimulatedKeyboardGuard(const SimulatedKeyboardGuard&) = delete;
  SimulatedKeyboardGuard& operator=(const SimulatedKeyboardGuard&) = delete;
};

}  // namespace vrn::test
