#pragma once
// HostPrompts: where a scripted user's answers to the host's own prompts go
// (AutoCAD's "Start point:", "Height:", "Select objects:"). Those prompts
// are not windows of ours; the command line and the tests implement this
// on the drawing's scripted input. A runner hands each answer over as soon
// as the script reaches it (see SCRIPTS.md), so it waits in the host's
// queue for the prompt that takes it.

#include <string>
#include <vector>

#include "host/point.h"

namespace vrn::ui {

class HostPrompts {
 public:
  virtual ~HostPrompts() = default;
  virtual void point(const host::Point3& point) = 0;
  virtual void distance(double distance) = 0;
  // Entities by handle, as the user picks them at a "Select objects" prompt.
  virtual void pick(const std::vector<std::u16string>& handles) = 0;
  // Enter at a prompt (a keyword reply; ends a selection).
  virtual void enter() = 0;
  // Escape at a prompt (the user cancels).
  virtual void escape() = 0;
};

}  // namespace vrn::ui
