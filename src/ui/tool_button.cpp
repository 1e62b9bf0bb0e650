#include "ui/tool_button.h"

#include "ui/form.h"
#include "ui/property_text.h"

namespace vrn::ui {

void ToolButton::setCaption(std::u16string caption) {
  caption_ = std::move(caption);
  changed(Aspect::Caption);
}

void ToolButton::setImageIndex(int index) {
  imageIndex_ = index;
  changed(Aspect::Appearance);
}

void ToolButton::setDown(bool down) {
  if (down && groupIndex_ != 0) {
    for (Component* component : form().components()) {
      auto* other = dynamic_cast<ToolButton*>(component);
      if (other && other != this && other->groupIndex_ == groupIndex_ && other->down_) {
        other->down_ = false;
        other->changed(Aspect::Checked);
      }
    }
  }
  if (down == down_) return;
  down_ = down;
  changed(Aspect::Checked);
}

void ToolButton::click() {
  if (style_ == ToolButtonStyle::Check) {
    bool keepsDown = down_ && groupIndex_ != 0 && !allowAllUp_;
    setDown(keepsDown || !down_);
  }
  if (onClick) onClick();
}

void ToolButton::userClick() {
  userInput([this] { click(); });
}

std::optional<std::u16string> ToolButton::property(std::string_view name) const {
  if (sameName(name, "Caption")) return caption_;
  if (sameName(name, "Down")) return propertyText(down_);
  return Control::property(name);
}

}  // namespace vrn::ui
