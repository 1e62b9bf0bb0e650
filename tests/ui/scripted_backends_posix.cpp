#include "platform/posix/simulated_keyboard.h"
#include "scripted_backends.h"
#include "ui/headless/headless_toolkit.h"

namespace vrn::test {

std::vector<ScriptedBackend> scriptedBackends() {
  return {{"headless", [] { return std::make_unique<ui::headless::HeadlessToolkit>(); }}};
}

SimulatedKeyboardGuard::SimulatedKeyboardGuard() { platform::resetSimulatedKeyboard(); }
SimulatedKeyboardGuard::~SimulatedKeyboardGuard() { platform::resetSimulatedKeyboard(); }

}  // namespace vrn::test
