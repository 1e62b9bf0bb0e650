#pragma once
// CheckBox: a caption with a tick. The user's click (or Space while it has
// the focus) toggles the tick and then runs onClick; the program's
// setChecked fires nothing.

#include <functional>

#include "ui/control.h"

namespace vrn::ui {

class CheckBox : public Control {
 public:
  CheckBox(Form& form, std::string name, std::u16string caption)
      : Control(form, std::move(name)), caption_(std::move(caption)) {}

  const std::u16string& caption() const { return caption_; }
  void setCaption(std::u16string caption);
  bool checked() const { return checked_; }
  void setChecked(bool checked);

  std::function<void()> onClick;

  void userClick();
  // The user ticks or clears it: a click when the state differs, else nothing.
  void userSetChecked(bool checked);

  bool focusable() const override { return true; }
  void defaultKeyChar(char16_t character) override;
  // Caption, Checked, and Control's.
  std::optional<std::u16string> property(std::string_view name) const override;

 private:
  void toggle();

  std::u16string caption_;
  bool checked_ = false;
};

}  // namespace vrn::ui
