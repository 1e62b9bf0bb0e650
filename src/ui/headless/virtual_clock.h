#pragma once
// VirtualClock: the headless backend's time. It stands still until the
// script waits; then the timers that fall due within the wait fire in the
// order of their due times (those due at the same moment in the order they
// were started), each at its due time, as often as its interval fits.
// A timer with interval 0 does not run (as the VCL's).

#include <cstdint>
#include <vector>

#include "ui/timer.h"

namespace vrn::ui::headless {

class VirtualClock {
 public:
  // Milliseconds since the clock was made.
  std::int64_t now() const { return now_; }
  // The timer was enabled, disabled, re-timed or is going away.
  void update(Timer& timer);
  // Moves the clock on by ms, firing every timer that falls due.
  void advance(int ms);

 private:
  struct Entry {
    Timer* timer = nullptr;
    std::int64_t due = 0;
    std::uint64_t order = 0;
  };

  std::int64_t now_ = 0;
  std::uint64_t nextOrder_ = 0;
  std::vector<Entry> entries_;
};

}  // namespace vrn::ui::headless
