#pragma once
// Label: a caption on the form; it takes no focus and no input.

#include "ui/control.h"
#include "ui/property_text.h"

namespace vrn::ui {

class Label : public Control {
 public:
  Label(Form& form, std::string name, std::u16string caption)
      : Control(form, std::move(name)), caption_(std::move(caption)) {}

  const std::u16string& caption() const { return caption_; }
  void setCaption(std::u16string caption) {
    caption_ = std::move(caption);
    changed(Aspect::Caption);
  }

  std::optional<std::u16string> property(std::string_view name) const override {
    if (sameName(name, "Caption")) return caption_;
    return Control::property(name);
  }

 private:
  std::u16string caption_;
};

}  // namespace vrn::ui
