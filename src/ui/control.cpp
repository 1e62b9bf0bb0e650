#include "ui/control.h"

#include "ui/form.h"
#include "ui/property_text.h"

namespace vrn::ui {

void Control::setBounds(Rect bounds) {
  if (bounds == bounds_) return;
  bounds_ = bounds;
  changed(Aspect::Bounds);
}

void Control::setVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  changed(Aspect::Visible);
}

void Control::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  changed(Aspect::Enabled);
}

void Control::setHint(std::u16string hint) {
  hint_ = std::move(hint);
  changed(Aspect::Appearance);
}

void Control::setFont(Font font) {
  font_ = std::move(font);
  changed(Aspect::Appearance);
}

void Control::setRightToLeft(bool rightToLeft) {
  rightToLeft_ = rightToLeft;
  changed(Aspect::Appearance);
}

bool Control::displayed() const { return visible_ && (!parent_ || parent_->displayed()); }

bool Control::reachable() const {
  for (const Control* c = this; c; c = c->parent_) {
    if (!c->enabled_) return false;
  }
  return displayed();
}

bool Control::focused() const { return form().activeControl() == this; }

void Control::setFocus() { form().setActiveControl(this); }

void Control::userInput(const std::function<void()>& action) const { form().userInput(action); }

std::optional<std::u16string> Control::property(std::string_view name) const {
  if (sameName(name, "Visible")) return propertyText(visible_);
  if (sameName(name, "Enabled")) return propertyText(enabled_);
  if (sameName(name, "Hint")) return hint_;
  if (sameName(name, "Left")) return propertyText(bounds_.left);
  if (sameName(name, "Top")) return propertyText(bounds_.top);
  if (sameName(name, "Width")) return propertyText(bounds_.width);
  if (sameName(name, "Height")) return propertyText(bounds_.height);
  if (sameName(name, "Focused")) return propertyText(focused());
  if (sameName(name, "FontColor")) return toText(font_.color);
  if (sameName(name, "RightToLeft")) return propertyText(rightToLeft_);
  return Component::property(name);
}

}  // namespace vrn::ui
