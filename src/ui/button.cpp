#include "ui/button.h"

#include "ui/form.h"
#include "ui/property_text.h"

namespace vrn::ui {

void Button::setCaption(std::u16string caption) {
  caption_ = std::move(caption);
  changed(Aspect::Caption);
}

void Button::click() {
  if (modalResult_ != ModalResult::None) form().setModalResult(modalResult_);
  if (onClick) onClick();
}

void Button::userClick() {
  userInput([this] {
    if (form().userFocus(*this, FocusCause::Mouse)) click();
  });
}

void Button::defaultKeyChar(char16_t character) {
  if (character == u' ') click();
}

std::optional<std::u16string> Button::property(std::string_view name) const {
  if (sameName(name, "Caption")) return caption_;
  if (sameName(name, "Default")) return propertyText(default_);
  if (sameName(name, "Cancel")) return propertyText(cancel_);
  return Control::property(name);
}

}  // namespace vrn::ui
