#pragma once
// VirtualScreen: the monitors' work areas and the mouse pointer of the
// headless backend. It starts with one 1920 x 1040 work area and the
// pointer in its middle.

#include <vector>

#include "ui/geometry.h"

namespace vrn::ui::headless {

class VirtualScreen {
 public:
  // The first monitor is the primary one; the list must not be empty.
  void setMonitors(std::vector<Rect> monitors);
  void setPointer(Point pointer) { pointer_ = pointer; }
  Point pointer() const { return pointer_; }
  // The monitor under the pointer, or the primary one when the pointer is
  // on none (as MonitorFromPoint with MONITOR_DEFAULTTOPRIMARY).
  Rect pointerMonitor() const;

 private:
  std::vector<Rect> monitors_{Rect{0, 0, 1920, 1040}};
  Point pointer_{960, 520};
};

}  // namespace vrn::ui::headless
