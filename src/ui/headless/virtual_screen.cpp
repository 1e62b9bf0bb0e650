#include "ui/headless/virtual_screen.h"

#include <stdexcept>

namespace vrn::ui::headless {

void VirtualScreen::setMonitors(std::vector<Rect> monitors) {
  if (monitors.empty()) throw std::invalid_argument("a screen needs at least one monitor");
  monitors_ = std::move(monitors);
}

Rect VirtualScreen::pointerMonitor() const {
  for (const Rect& monitor : monitors_) {
    if (monitor.contains(pointer_)) return monitor;
  }
  return monitors_.front();
}

}  // namespace vrn::ui::headless
