#include "ui/check_box.h"

#include "ui/form.h"
#include "ui/property_text.h"

namespace vrn::ui {

void CheckBox::setCaption(std::u16string caption) {
  caption_ = std::move(caption);
  changed(Aspect::Caption);
}

void CheckBox::setChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  changed(Aspect::Checked);
}

void CheckBox::toggle() {
  setChecked(!checked_);
  if (onClick) onClick();
}

void CheckBox::userClick() {
  userInput([this] {
    if (form().userFocus(*this, FocusCause::Mouse)) toggle();
  });
}

void CheckBox::userSetChecked(bool checked) {
  if (checked != checked_) userClick();
}

void CheckBox::defaultKeyChar(char16_t character) {
  if (character == u' ') toggle();
}

std::optional<std::u16string> CheckBox::property(std::string_view name) const {
  if (sameName(name, "Caption")) return caption_;
  if (sameName(name, "Checked")) return propertyText(checked_);
  return Control::property(name);
}

}  // namespace vrn::ui
