#pragma once
// Timer: runs onTimer every interval milliseconds while enabled, as user
// input of its form (errors are shown, closes wait for the handler). The
// backend's clock decides when: Windows' SetTimer, or the headless
// backend's virtual clock, which moves only when the script waits.

#include <functional>

#include "ui/component.h"

namespace vrn::ui {

class Timer : public Component {
 public:
  Timer(Form& form, std::string name, int intervalMs, bool enabled);
  ~Timer() override;

  int interval() const { return interval_; }
  // Restarts the count when the timer runs.
  void setInterval(int intervalMs);
  bool enabled() const { return enabled_; }
  // Enabling starts the count from now; disabling stops it.
  void setEnabled(bool enabled);

  std::function<void()> onTimer;

  // The backend's clock says the interval has passed.
  void fire();

  // Enabled, Interval.
  std::optional<std::u16string> property(std::string_view name) const override;

 private:
  int interval_;
  bool enabled_;
};

}  // namespace vrn::ui
