#include "ui/headless/virtual_clock.h"

#include <algorithm>

namespace vrn::ui::headless {

void VirtualClock::update(Timer& timer) {
  std::erase_if(entries_, [&](const Entry& entry) { return entry.timer == &timer; });
  if (timer.enabled() && timer.interval() > 0) {
    entries_.push_back({&timer, now_ + timer.interval(), nextOrder_++});
  }
}

void VirtualClock::advance(int ms) {
  std::int64_t end = now_ + ms;
  while (true) {
    auto first =
        std::min_element(entries_.begin(), entries_.end(), [](const Entry& a, const Entry& b) {
          return a.due != b.due ? a.due < b.due : a.order < b.order;
        });
    if (first == entries_.end() || first->due > end) break;
    now_ = first->due;
    Timer* timer = first->timer;
    // Due again one interval on; a handler that re-times or stops the timer
    // replaces this entry through update().
    first->due += timer->interval();
    timer->fire();
  }
  now_ = end;
}

}  // namespace vrn::ui::headless
