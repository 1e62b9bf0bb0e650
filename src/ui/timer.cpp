#include "ui/timer.h"

#include "ui/form.h"
#include "ui/property_text.h"

namespace vrn::ui {

Timer::Timer(Form& form, std::string name, int intervalMs, bool enabled)
    : Component(form, std::move(name)), interval_(intervalMs), enabled_(enabled) {
  if (enabled_) form.toolkit().timerChanged(*this);
}

Timer::~Timer() {
  if (!enabled_) return;
  enabled_ = false;
  form().toolkit().timerChanged(*this);
}

void Timer::setInterval(int intervalMs) {
  interval_ = intervalMs;
  if (enabled_) form().toolkit().timerChanged(*this);
}

void Timer::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  form().toolkit().timerChanged(*this);
}

void Timer::fire() {
  form().userInput([this] {
    if (enabled_ && onTimer) onTimer();
  });
}

std::optional<std::u16string> Timer::property(std::string_view name) const {
  if (sameName(name, "Enabled")) return propertyText(enabled_);
  if (sameName(name, "Interval")) return propertyText(interval_);
  return Component::property(name);
}

}  // namespace vrn::ui
