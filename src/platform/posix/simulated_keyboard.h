#pragma once
// The POSIX keyboard is simulated per process: no window system tells us
// about layouts, yet the editors' language logic must run and be tested.
// These calls stand for what the user does outside the program.
//
// The simulation starts with US English (0x04090409) and Hebrew
// (0x040D040D) installed and US English current.

#include <vector>

#include "platform/keyboard_layouts.h"

namespace vrn::platform {

// Replaces the installed layouts; the current layout becomes `current`
// (no notification: this is a new machine, not a switch).
void installSimulatedKeyboardLayouts(std::vector<KeyboardLayoutHandle> layouts,
                                     KeyboardLayoutHandle current);

// Back to the starting state; listeners are dropped.
void resetSimulatedKeyboard();

// The user switches layouts with the system's own switch.
inline bool userSwitchesKeyboardLayout(KeyboardLayoutHandle layout) {
  return activateKeyboardLayout(layout);
}

}  // namespace vrn::platform
