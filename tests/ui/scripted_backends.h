#pragma once
// The backends whose forms a scripted user can drive. Tests written against
// the seam run once per backend: each system's list is in
// scripted_backends_posix.cpp (headless) and
// tests/windows/scripted_backends_win32.cpp (the real windows, under Wine).

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/scripted_toolkit.h"

namespace vrn::test {

struct ScriptedBackend {
  std::string name;
  std::function<std::unique_ptr<ui::ScriptedToolkit>()> make;
  // Time passes by the clock on the wall: timers counted to the
  // millisecond can only be tested on the virtual clock.
  bool realTime = false;
};

std::vector<ScriptedBackend> scriptedBackends();

inline std::string backendName(const ::testing::TestParamInfo<ScriptedBackend>& info) {
  return info.param.name;
}

// Every test starts with US English active, and leaves it so (POSIX: on a
// simulated machine with US English and Hebrew installed).
class SimulatedKeyboardGuard {
 public:
  SimulatedKeyboardGuard();
  ~SimulatedKeyboardGuard();
  SimulatedKeyboardGuard(const SimulatedKeyboardGuard&) = delete;
  SimulatedKeyboardGuard& operator=(const SimulatedKeyboardGuard&) = delete;
};

}  // namespace vrn::test
